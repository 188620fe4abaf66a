#pragma once
// The words of the draw records, in both languages, kept together.

#include "texts/Words.h"

namespace quorvan::draw_texts {

inline const Words CannotOpen{QStringLiteral("Cannot open the draw record"),
    QStringLiteral("抽選記録を開けません")};
inline const Words CannotSave{QStringLiteral("Cannot save the draw record"),
    QStringLiteral("抽選記録を保存できません")};
inline const Words NothingToSave{QStringLiteral("There is no draw to save yet: build the ladder first."),
    QStringLiteral("保存する抽選がまだありません。先にあみだを作ってください。")};

inline const Words Verified{QStringLiteral("Verified: same ladder, same results"),
    QStringLiteral("検証済み：同じあみだ、同じ結果")};
inline const Words NotVerified{QStringLiteral("Not verified: the record differs from its ladder."),
    QStringLiteral("検証できません：記録とあみだが違います。")};
// %1: how many differences were not listed.
inline const Words MoreDifferences{QStringLiteral("And %1 more differences."),
    QStringLiteral("ほかに%1件の違いがあります。")};
// %1: the seed.
inline const Words LadderDiffers{QStringLiteral("The ladder made again from seed %1 is not the ladder recorded."),
    QStringLiteral("シード%1から作り直したあみだは、記録のあみだと違います。")};
// %1 hit row, %2 hit, %3 member row recorded, %4 member recorded, %5 member row traced, %6 member traced.
inline const Words ResultDiffers{QStringLiteral("Hit %1 \u201C%2\u201D: the record says member %3 \u201C%4\u201D, the ladder gives member %5 "
                   "\u201C%6\u201D."),
    QStringLiteral("当たり%1「%2」：記録ではメンバー%3「%4」、あみだではメンバー%5「%6」です。")};

inline const Words Altered{QStringLiteral("Its content does not match its SHA-256 digest: the record has been altered since it was "
                   "saved."),
    QStringLiteral("内容がSHA-256ダイジェストと合いません。保存された後で書き換えられた記録です。")};
inline const Words Foreign{QStringLiteral("It is not a Quorvan draw record."),
    QStringLiteral("Quorvanの抽選記録ではありません。")};
// %1: the parser's words, %2: the byte where it stopped.
inline const Words NotJson{QStringLiteral("It is not a Quorvan draw record (it is not JSON text: %1 at byte %2)."),
    QStringLiteral("Quorvanの抽選記録ではありません（JSONとして読めません：%2バイト目で%1）。")};
// %1: the format version of the file, %2: the highest this program reads.
inline const Words NewerFormat{QStringLiteral("It is a draw record of format version %1; this Quorvan reads versions up to %2."),
    QStringLiteral("形式バージョン%1の抽選記録です。このQuorvanが読めるのはバージョン%2までです。")};
// %1: the most bytes a record has.
inline const Words TooLarge{QStringLiteral("It is larger than %1 bytes, too large for a draw record."),
    QStringLiteral("%1バイトを超えていて、抽選記録としては大きすぎます。")};
// %1: the entry, %2: what it should be (one of the words below).
inline const Words Damaged{QStringLiteral("The record is damaged: the entry \u201C%1\u201D should be %2."),
    QStringLiteral("記録が壊れています：項目「%1」は%2でなければなりません。")};
// %1: the entry.
inline const Words Unexpected{QStringLiteral("The record is damaged: a draw record has no entry \u201C%1\u201D."),
    QStringLiteral("記録が壊れています：項目「%1」は抽選記録にない項目です。")};
inline const Words LastBuildDiffers{QStringLiteral("The record is damaged: its last Build in the history does not match its rows, Cross Lines, "
                   "fair draw and seed."),
    QStringLiteral("記録が壊れています：最後の作成の記録が、記録の行数・Cross Lines・公平抽選・シードと合いません。")};

// What an entry should be. %1, %2: the range.
inline const Words WholeNumber{QStringLiteral("a whole number from %1 to %2"),
    QStringLiteral("%1から%2までの整数")};
inline const Words TrueOrFalse{QStringLiteral("true or false"),
    QStringLiteral("true か false")};
inline const Words Text{QStringLiteral("a text"),
    QStringLiteral("文字列")};
// %1: the most characters.
inline const Words ShortText{QStringLiteral("a text of at most %1 characters"),
    QStringLiteral("%1文字以内の文字列")};
// %1: how many.
inline const Words ListOf{QStringLiteral("a list of %1 entries"),
    QStringLiteral("%1個の要素のリスト")};
inline const Words List{QStringLiteral("a list"),
    QStringLiteral("リスト")};
inline const Words Object{QStringLiteral("a JSON object"),
    QStringLiteral("項目の集まり（JSONオブジェクト）")};
// %1: the values allowed.
inline const Words OneOf{QStringLiteral("one of %1"),
    QStringLiteral("%1のどれか")};
inline const Words Order{QStringLiteral("each row number from 1 to the row count once"),
    QStringLiteral("1から行数までの行番号を一つずつ並べたもの")};
inline const Words Digest{QStringLiteral("64 lower-case hexadecimal digits"),
    QStringLiteral("16進数64桁（小文字）")};
inline const Words TimeWithOffset{QStringLiteral("an ISO 8601 date and time with its offset from UTC"),
    QStringLiteral("UTCからの時差つきのISO 8601日時")};

} // namespace quorvan::draw_texts
