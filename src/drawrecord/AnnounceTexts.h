#pragma once
// The words of announcements and announced draws, kept together, in English; translations/*.ts hold the others.

#include <QCoreApplication>
#include <QString>

namespace quorvan::announce_texts {

inline QString CannotOpen()
{
    return QCoreApplication::translate("AnnounceTexts", "Cannot open the announcement");
}
inline QString CannotSave()
{
    return QCoreApplication::translate("AnnounceTexts", "Cannot save the announcement");
}
// %1: the entry, %2: what it should be.
inline QString Damaged()
{
    return QCoreApplication::translate("AnnounceTexts", "The announcement is damaged: the entry “%1” should be %2.");
}
// %1: the entry.
inline QString Unexpected()
{
    return QCoreApplication::translate("AnnounceTexts", "The announcement is damaged: an announcement has no entry "
            "“%1”.");
}
inline QString Foreign()
{
    return QCoreApplication::translate("AnnounceTexts", "It is not a Quorvan announcement.");
}
// %1: the format version of the file, %2: the highest this program reads.
inline QString NewerFormat()
{
    return QCoreApplication::translate("AnnounceTexts", "It is an announcement of format version %1; this Quorvan "
            "reads versions up to %2.");
}
inline QString NotCanonical()
{
    return QCoreApplication::translate("AnnounceTexts", "It is not written byte for byte in its canonical form, so "
            "its digest is not the one that was announced: an announcement is read only as Quorvan wrote it.");
}
inline QString NoOutsideSource()
{
    return QCoreApplication::translate("AnnounceTexts", "It names no randomness source outside the organiser's "
            "control: at least one public value or participants' commitments are needed.");
}
inline QString DrawBeforeAnnounced()
{
    return QCoreApplication::translate("AnnounceTexts", "The time after which the randomness is fixed (drawAfter) is "
            "earlier than the time of announcing.");
}
// %1: the source.
inline QString CommitAfterDraw()
{
    return QCoreApplication::translate("AnnounceTexts", "The participants of “%1” commit after the randomness is "
            "fixed (commitBy is later than drawAfter).");
}
// %1: the name.
inline QString NameTwice()
{
    return QCoreApplication::translate("AnnounceTexts", "The name “%1” stands twice where each must be one of a kind.");
}

// The announced draw's record and its verdict.
// %1: the source, %2: the value.
inline QString DiceRule()
{
    return QCoreApplication::translate("AnnounceTexts", "The value of “%1”, “%2”, is not its dice as announced: one "
            "digit 1 to 6 for each die.");
}
inline QString PublicRule()
{
    return QCoreApplication::translate("AnnounceTexts", "The value of “%1”, “%2”, is not written by the rule: a text "
            "of 1 to 200 characters in NFC, without control characters or blanks at either end.");
}
// %1: the participant, %2: the source.
inline QString RevealDiffers()
{
    return QCoreApplication::translate("AnnounceTexts", "The secret revealed by “%1” of “%2” does not match the "
            "commitment.");
}
inline QString ListsDiffer()
{
    return QCoreApplication::translate("AnnounceTexts", "The lists are not the announcement's.");
}
inline QString DigestDiffers()
{
    return QCoreApplication::translate("AnnounceTexts", "The announcement's digest A is not the one given.");
}
// %1: what (K, order, seed).
inline QString DrawDiffers()
{
    return QCoreApplication::translate("AnnounceTexts", "The %1 recorded is not the one the announcement and the "
            "values give.");
}
// %1: A in hexadecimal, %2: its short code.
inline QString DigestIs()
{
    return QCoreApplication::translate("AnnounceTexts", "Announcement digest A: %1 (short code %2)");
}
inline QString CompareDigest()
{
    return QCoreApplication::translate("AnnounceTexts", "No A was given (--announcement HEX): compare the A above "
            "with the one that was published.");
}
inline QString AnnouncedNotVerified()
{
    return QCoreApplication::translate("AnnounceTexts", "Not verified: this record is not the draw the announcement "
            "and the values give.");
}
inline QString AnnouncedVerified()
{
    return QCoreApplication::translate("AnnounceTexts", "Verified: this outcome is the one the announcement and the "
            "values allow. Proved: the announcement with digest A fixed the lists, rows, Cross Lines and sources; "
            "every value follows its rule and every reveal its commitment; the hits' order, the seed, the ladder and "
            "the results follow from them alone. Resting on people: that A was published before drawAfter (and "
            "before any commitment), that the typed public values and dice are the real ones, and that no other "
            "announcement of this draw was made.");
}
// %1: the participants left out.
inline QString LeftOut()
{
    return QCoreApplication::translate("AnnounceTexts", "Left out, never revealed: %1.");
}
inline QString WhatKey()
{
    return QCoreApplication::translate("AnnounceTexts", "key K");
}
inline QString WhatOrder()
{
    return QCoreApplication::translate("AnnounceTexts", "hits' order");
}
inline QString WhatSeed()
{
    return QCoreApplication::translate("AnnounceTexts", "seed");
}

// What an entry should be.
inline QString NonEmptyText()
{
    return QCoreApplication::translate("AnnounceTexts", "a text that is not empty, in NFC");
}
inline QString DrawId()
{
    return QCoreApplication::translate("AnnounceTexts", "32 lower-case hexadecimal digits");
}

} // namespace quorvan::announce_texts
