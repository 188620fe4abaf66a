#pragma once
// The words of the draw records, in both languages, kept together.

#include <QString>

namespace quorvan::draw_texts {

struct Words {
    QString Japanese;
    QString English;
    const QString& In(bool japanese) const { return japanese ? Japanese : English; }
};

inline const Words CannotOpen{QStringLiteral("抽選記録を開けません"), QStringLiteral("Cannot open the draw record")};
inline const Words CannotSave{QStringLiteral("抽選記録を保存できません"),
                              QStringLiteral("Cannot save the draw record")};
inline const Words NothingToSave{
    QStringLiteral("保存する抽選がまだありません。先にあみだを作ってください。"),
    QStringLiteral("There is no draw to save yet: build the ladder first.")};

inline const Words Verified{QStringLiteral("検証済み：同じあみだ、同じ結果"),
                            QStringLiteral("Verified: same ladder, same results")};
inline const Words NotVerified{QStringLiteral("検証できません：記録とあみだが違います。"),
                               QStringLiteral("Not verified: the record differs from its ladder.")};
// %1: how many differences were not listed.
inline const Words MoreDifferences{QStringLiteral("ほかに%1件の違いがあります。"),
                                   QStringLiteral("And %1 more differences.")};
// %1: the seed.
inline const Words LadderDiffers{
    QStringLiteral("シード%1から作り直したあみだは、記録のあみだと違います。"),
    QStringLiteral("The ladder made again from seed %1 is not the ladder recorded.")};
// %1 hit row, %2 hit, %3 member row recorded, %4 member recorded, %5 member row traced, %6 member traced.
inline const Words ResultDiffers{
    QStringLiteral("当たり%1「%2」：記録ではメンバー%3「%4」、あみだではメンバー%5「%6」です。"),
    QStringLiteral("Hit %1 \u201C%2\u201D: the record says member %3 \u201C%4\u201D, the ladder gives member %5 "
                   "\u201C%6\u201D.")};

inline const Words Altered{
    QStringLiteral("内容がSHA-256ダイジェストと合いません。保存された後で書き換えられた記録です。"),
    QStringLiteral("Its content does not match its SHA-256 digest: the record has been altered since it was "
                   "saved.")};
inline const Words Foreign{QStringLiteral("Quorvanの抽選記録ではありません。"),
                           QStringLiteral("It is not a Quorvan draw record.")};
// %1: the parser's words, %2: the byte where it stopped.
inline const Words NotJson{
    QStringLiteral("Quorvanの抽選記録ではありません（JSONとして読めません：%2バイト目で%1）。"),
    QStringLiteral("It is not a Quorvan draw record (it is not JSON text: %1 at byte %2).")};
// %1: the format version of the file, %2: the highest this program reads.
inline const Words NewerFormat{
    QStringLiteral("形式バージョン%1の抽選記録です。このQuorvanが読めるのはバージョン%2までです。"),
    QStringLiteral("It is a draw record of format version %1; this Quorvan reads versions up to %2.")};
// %1: the most bytes a record has.
inline const Words TooLarge{QStringLiteral("%1バイトを超えていて、抽選記録としては大きすぎます。"),
                            QStringLiteral("It is larger than %1 bytes, too large for a draw record.")};
// %1: the entry, %2: what it should be (one of the words below).
inline const Words Damaged{QStringLiteral("記録が壊れています：項目「%1」は%2でなければなりません。"),
                           QStringLiteral("The record is damaged: the entry \u201C%1\u201D should be %2.")};
// %1: the entry.
inline const Words Unexpected{QStringLiteral("記録が壊れています：項目「%1」は抽選記録にない項目です。"),
                              QStringLiteral("The record is damaged: a draw record has no entry \u201C%1\u201D.")};
inline const Words LastBuildDiffers{
    QStringLiteral("記録が壊れています：最後の作成の記録が、記録の行数・Cross Lines・公平抽選・シードと合いません。"),
    QStringLiteral("The record is damaged: its last Build in the history does not match its rows, Cross Lines, "
                   "fair draw and seed.")};

// What an entry should be. %1, %2: the range.
inline const Words WholeNumber{QStringLiteral("%1から%2までの整数"), QStringLiteral("a whole number from %1 to %2")};
inline const Words TrueOrFalse{QStringLiteral("true か false"), QStringLiteral("true or false")};
inline const Words Text{QStringLiteral("文字列"), QStringLiteral("a text")};
// %1: how many.
inline const Words ListOf{QStringLiteral("%1個の要素のリスト"), QStringLiteral("a list of %1 entries")};
inline const Words List{QStringLiteral("リスト"), QStringLiteral("a list")};
inline const Words Object{QStringLiteral("項目の集まり（JSONオブジェクト）"), QStringLiteral("a JSON object")};
// %1: the values allowed.
inline const Words OneOf{QStringLiteral("%1のどれか"), QStringLiteral("one of %1")};
inline const Words Order{QStringLiteral("1から行数までの行番号を一つずつ並べたもの"),
                         QStringLiteral("each row number from 1 to the row count once")};
inline const Words Digest{QStringLiteral("16進数64桁（小文字）"), QStringLiteral("64 lower-case hexadecimal digits")};
inline const Words TimeWithOffset{QStringLiteral("UTCからの時差つきのISO 8601日時"),
                                  QStringLiteral("an ISO 8601 date and time with its offset from UTC")};

} // namespace quorvan::draw_texts
