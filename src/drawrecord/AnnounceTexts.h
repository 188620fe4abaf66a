#pragma once
// The words of announcements and announced draws, in both languages, kept together.

#include "texts/Words.h"

namespace quorvan::announce_texts {

inline const Words CannotOpen{QStringLiteral("Cannot open the announcement"),
    QStringLiteral("抽選の告知を開けません")};
inline const Words CannotSave{QStringLiteral("Cannot save the announcement"),
    QStringLiteral("抽選の告知を保存できません")};
// %1: the entry, %2: what it should be.
inline const Words Damaged{QStringLiteral("The announcement is damaged: the entry \u201C%1\u201D should be %2."),
    QStringLiteral("告知が壊れています：項目「%1」は%2でなければなりません。")};
// %1: the entry.
inline const Words Unexpected{QStringLiteral("The announcement is damaged: an announcement has no entry \u201C%1\u201D."),
    QStringLiteral("告知が壊れています：項目「%1」は告知にない項目です。")};
inline const Words Foreign{QStringLiteral("It is not a Quorvan announcement."),
    QStringLiteral("Quorvanの抽選の告知ではありません。")};
// %1: the format version of the file, %2: the highest this program reads.
inline const Words NewerFormat{QStringLiteral("It is an announcement of format version %1; this Quorvan reads versions up to %2."),
    QStringLiteral("形式バージョン%1の告知です。このQuorvanが読めるのはバージョン%2までです。")};
inline const Words NotCanonical{QStringLiteral("It is not written byte for byte in its canonical form, so its digest is not the one that "
                   "was announced: an announcement is read only as Quorvan wrote it."),
    QStringLiteral("正規形のとおりにバイト単位で書かれていないため、要約値が告知したものと違います。告知はQuorvanが書いたままの形でだけ読みます。")};
inline const Words NoOutsideSource{QStringLiteral("It names no randomness source outside the organiser's control: at least one public value "
                   "or participants' commitments are needed."),
    QStringLiteral("主催者が左右できない乱数源がありません。公表される値か、参加者の事前登録（コミットメント）が少なくとも一つ必要です。")};
inline const Words DrawBeforeAnnounced{QStringLiteral("The time after which the randomness is fixed (drawAfter) is earlier than the time of announcing."),
    QStringLiteral("乱数が確定する時刻（drawAfter）が、告知した時刻より前です。")};
// %1: the source.
inline const Words CommitAfterDraw{QStringLiteral("The participants of \u201C%1\u201D commit after the randomness is fixed (commitBy is later than drawAfter)."),
    QStringLiteral("「%1」の参加者の登録期限（commitBy）が、乱数の確定時刻（drawAfter）より後です。")};
// %1: the name.
inline const Words NameTwice{QStringLiteral("The name \u201C%1\u201D stands twice where each must be one of a kind."),
    QStringLiteral("名前「%1」が、重複してはならない所に二度あります。")};

// The announced draw's record and its verdict.
// %1: the source, %2: the value.
inline const Words DiceRule{QStringLiteral("The value of \u201C%1\u201D, \u201C%2\u201D, is not its dice as announced: one digit 1 to 6 for each die."),
    QStringLiteral("「%1」の値「%2」は、告知どおりのサイコロ（1つにつき1～6の数字1桁）ではありません。")};
inline const Words PublicRule{QStringLiteral("The value of \u201C%1\u201D, \u201C%2\u201D, is not written by the rule: a text of 1 to 200 characters "
                   "in NFC, without control characters or blanks at either end."),
    QStringLiteral("「%1」の値「%2」は、書き方の規則（NFCで1～200文字、制御文字なし、前後に空白なし）に合いません。")};
// %1: the participant, %2: the source.
inline const Words RevealDiffers{QStringLiteral("The secret revealed by \u201C%1\u201D of \u201C%2\u201D does not match the commitment."),
    QStringLiteral("「%2」の「%1」が明かした秘密は、登録したコミットメントと合いません。")};
inline const Words ListsDiffer{QStringLiteral("The lists are not the announcement's."),
    QStringLiteral("リストが告知のものと違います。")};
inline const Words DigestDiffers{QStringLiteral("The announcement's digest A is not the one given."),
    QStringLiteral("告知の要約値Aが、与えられたものと違います。")};
// %1: what (K, order, seed).
inline const Words DrawDiffers{QStringLiteral("The %1 recorded is not the one the announcement and the values give."),
    QStringLiteral("記録された%1は、告知と値から出るものと違います。")};
// %1: A in hexadecimal, %2: its short code.
inline const Words DigestIs{QStringLiteral("Announcement digest A: %1 (short code %2)"),
    QStringLiteral("告知の要約値A：%1（短いコード %2）")};
inline const Words CompareDigest{QStringLiteral("No A was given (--announcement HEX): compare the A above with the one that was published."),
    QStringLiteral("Aが与えられていません（--announcement HEX）。上のAを公表されたものと比べてください。")};
inline const Words AnnouncedNotVerified{QStringLiteral("Not verified: this record is not the draw the announcement and the values give."),
    QStringLiteral("検証できません：この記録は、告知と値から出る抽選ではありません。")};
inline const Words AnnouncedVerified{QStringLiteral("Verified: this outcome is the one the announcement and the values allow. Proved: the "
                   "announcement with digest A fixed the lists, rows, Cross Lines and sources; every value follows its rule and "
                   "every reveal its commitment; the hits' order, the seed, the ladder and the results follow from them alone. "
                   "Resting on people: that A was published before drawAfter (and before any commitment), that the typed "
                   "public values and dice are the real ones, and that no other announcement of this draw was made."),
    QStringLiteral("検証済み：この結果は、告知と値から出る唯一のものです。証明されること：要約値Aの告知がリスト・行数・Cross Lines・乱数源を"
                   "決めていたこと、値はすべて規則どおりで、明かした秘密はすべてコミットメントと合うこと、当たりの順・シード・あみだ・結果がそれだけから"
                   "出ること。人に頼ること：Aが drawAfter より前（どのコミットメントよりも前）に公表されたこと、入力された公表値とサイコロが本物であること、"
                   "この抽選の告知がほかにないこと。")};
// %1: the participants left out.
inline const Words LeftOut{QStringLiteral("Left out, never revealed: %1."),
    QStringLiteral("明かさなかったため除外：%1。")};
inline const Words WhatKey{QStringLiteral("key K"), QStringLiteral("鍵K")};
inline const Words WhatOrder{QStringLiteral("hits' order"), QStringLiteral("当たりの順")};
inline const Words WhatSeed{QStringLiteral("seed"), QStringLiteral("シード")};

// What an entry should be.
inline const Words NonEmptyText{QStringLiteral("a text that is not empty, in NFC"),
    QStringLiteral("空でないNFCの文字列")};
inline const Words DrawId{QStringLiteral("32 lower-case hexadecimal digits"),
    QStringLiteral("16進数32桁（小文字）")};

} // namespace quorvan::announce_texts
