#pragma once
// The words of the draw records, kept together, in English; translations/*.ts hold the others.

#include <QCoreApplication>
#include <QString>

namespace quorvan::draw_texts {

inline QString CannotOpen()
{
    return QCoreApplication::translate("DrawTexts", "Cannot open the draw record");
}
inline QString CannotSave()
{
    return QCoreApplication::translate("DrawTexts", "Cannot save the draw record");
}
inline QString NothingToSave()
{
    return QCoreApplication::translate("DrawTexts", "There is no draw to save yet: build the ladder first.");
}

inline QString Verified()
{
    return QCoreApplication::translate("DrawTexts", "Verified: same ladder, same results");
}
// What a verified record of format version 1 shows, and what it cannot.
inline QString VerifiedLimits()
{
    return QCoreApplication::translate("DrawTexts", "Every shuffle by the program gives its recorded order from its "
            "seed. The record is consistent with itself; whether this was the first draw, or a fair one, cannot be "
            "told from this record.");
}
inline QString NoUniformShuffle()
{
    return QCoreApplication::translate("DrawTexts", "Warning: Fair draw was off at the last Build, so no uniform "
            "shuffle was applied; unless the lists were shuffled, the ladder alone favours the members near each "
            "hit's own line.");
}
// %1: the entry, %2: the seed.
inline QString ShuffleDiffers()
{
    return QCoreApplication::translate("DrawTexts", "The shuffle “%1” is not the order the program's generator gives "
            "from its seed %2.");
}
inline QString NotVerified()
{
    return QCoreApplication::translate("DrawTexts", "Not verified: the record differs from its ladder.");
}
// How many differences were not listed.
inline QString MoreDifferences(int count)
{
    return QCoreApplication::translate("DrawTexts", "And %n more differences.", nullptr, count);
}
// %1: the seed.
inline QString LadderDiffers()
{
    return QCoreApplication::translate("DrawTexts", "The ladder made again from seed %1 is not the ladder recorded.");
}
// %1 hit row, %2 hit, %3 member row recorded, %4 member recorded, %5 member row traced, %6 member traced.
inline QString ResultDiffers()
{
    return QCoreApplication::translate("DrawTexts", "Hit %1 “%2”: the record says member %3 “%4”, the ladder gives "
            "member %5 “%6”.");
}

inline QString Altered()
{
    return QCoreApplication::translate("DrawTexts", "Its content does not match its SHA-256 digest: the record has "
            "been altered since it was saved.");
}
inline QString Foreign()
{
    return QCoreApplication::translate("DrawTexts", "It is not a Quorvan draw record.");
}
// %1: the parser's words, %2: the byte where it stopped.
inline QString NotJson()
{
    return QCoreApplication::translate("DrawTexts", "It is not a Quorvan draw record (it is not JSON text: %1 at "
            "byte %2).");
}
// %1: the format version of the file, %2: the highest this program reads.
inline QString NewerFormat()
{
    return QCoreApplication::translate("DrawTexts", "It is a draw record of format version %1; this Quorvan reads "
            "versions up to %2.");
}
// %1: the most bytes a record has.
inline QString TooLarge()
{
    return QCoreApplication::translate("DrawTexts", "It is larger than %1 bytes, too large for a draw record.");
}
// %1: the entry, %2: what it should be (one of the words below).
inline QString Damaged()
{
    return QCoreApplication::translate("DrawTexts", "The record is damaged: the entry “%1” should be %2.");
}
// %1: the entry.
inline QString Unexpected()
{
    return QCoreApplication::translate("DrawTexts", "The record is damaged: a draw record has no entry “%1”.");
}
inline QString LastBuildDiffers()
{
    return QCoreApplication::translate("DrawTexts", "The record is damaged: its last Build in the history does not "
            "match its rows, Cross Lines, fair draw and seed.");
}

// Why a record is not in the one form records are written in (see StrictJson.h).
inline QString ByteOrderMark()
{
    return QCoreApplication::translate("DrawTexts", "It begins with a byte order mark, which a draw record never has.");
}
// %1: the byte.
inline QString ControlCharacter()
{
    return QCoreApplication::translate("DrawTexts", "A control character stands unescaped in a text at byte %1.");
}
// %1: the byte.
inline QString LoneSurrogate()
{
    return QCoreApplication::translate("DrawTexts", "The escape at byte %1 is one half of a surrogate pair without "
            "the other: it is no character.");
}
// %1: the key, %2: the byte.
inline QString DuplicateKey()
{
    return QCoreApplication::translate("DrawTexts", "The key “%1” appears twice in one object (byte %2).");
}
// %1: the number as written, %2: the byte.
inline QString NotWhole()
{
    return QCoreApplication::translate("DrawTexts", "The number %1 at byte %2 is not written as whole numbers are: "
            "digits only, as 12.");
}

// Histories Quorvan cannot make. %1: the entry.
inline QString FairBuildUnshuffled()
{
    return QCoreApplication::translate("DrawTexts", "The record cannot have been saved by Quorvan: the fair Build "
            "“%1” does not follow straight after the fair shuffle of the hits.");
}
inline QString FairShuffleUnbuilt()
{
    return QCoreApplication::translate("DrawTexts", "The record cannot have been saved by Quorvan: the fair shuffle "
            "“%1” is not followed straight away by a fair Build.");
}
inline QString AfterLastBuild()
{
    return QCoreApplication::translate("DrawTexts", "The record cannot have been saved by Quorvan: “%1” comes after "
            "the last Build, where Set-up and Shuffle are withdrawn until the hits are loaded again.");
}

// What an entry should be. %1, %2: the range.
inline QString WholeNumber()
{
    return QCoreApplication::translate("DrawTexts", "a whole number from %1 to %2");
}
inline QString TrueOrFalse()
{
    return QCoreApplication::translate("DrawTexts", "true or false");
}
inline QString Text()
{
    return QCoreApplication::translate("DrawTexts", "a text");
}
// %1: the most characters.
inline QString ShortText()
{
    return QCoreApplication::translate("DrawTexts", "a text of at most %1 characters");
}
inline QString ComposedText()
{
    return QCoreApplication::translate("DrawTexts", "a text in Unicode's composed form (NFC)");
}
// %1: how many.
inline QString ListOf()
{
    return QCoreApplication::translate("DrawTexts", "a list of %1 entries");
}
inline QString List()
{
    return QCoreApplication::translate("DrawTexts", "a list");
}
inline QString Object()
{
    return QCoreApplication::translate("DrawTexts", "a JSON object");
}
// %1: the values allowed.
inline QString OneOf()
{
    return QCoreApplication::translate("DrawTexts", "one of %1");
}
inline QString Order()
{
    return QCoreApplication::translate("DrawTexts", "each row number from 1 to the row count once");
}
inline QString Digest()
{
    return QCoreApplication::translate("DrawTexts", "64 lower-case hexadecimal digits");
}
inline QString TimeWithOffset()
{
    return QCoreApplication::translate("DrawTexts", "an ISO 8601 date and time with its offset from UTC");
}

} // namespace quorvan::draw_texts
