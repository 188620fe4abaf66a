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
// What a verified record of format version 1 shows, and what it cannot.
inline const Words VerifiedLimits{QStringLiteral("Every shuffle by the program gives its recorded order from its seed. The record is consistent "
                   "with itself; whether this was the first draw, or a fair one, cannot be told from this record."),
    QStringLiteral("プログラムによる並べ替えはどれも、シードから記録どおりの順になります。この記録はそれ自体として矛盾がありません。"
                   "ただし、これが最初の抽選だったか、公平な抽選だったかは、この記録からはわかりません。")};
inline const Words NoUniformShuffle{QStringLiteral("Warning: Fair draw was off at the last Build, so no uniform shuffle was applied; unless the "
                   "lists were shuffled, the ladder alone favours the members near each hit's own line."),
    QStringLiteral("注意：最後の作成のとき公平抽選がオフだったため、一様な並べ替えは行われていません。リストを並べ替えていなければ、"
                   "あみだは各当たりの行に近いメンバーに当たりやすくなります。")};
// %1: the entry, %2: the seed.
inline const Words ShuffleDiffers{QStringLiteral("The shuffle \u201C%1\u201D is not the order the program's generator gives from its seed %2."),
    QStringLiteral("並べ替え「%1」は、プログラムの乱数がシード%2から出す順と違います。")};
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

// Why a record is not in the one form records are written in (see StrictJson.h).
inline const Words ByteOrderMark{QStringLiteral("It begins with a byte order mark, which a draw record never has."),
    QStringLiteral("先頭にバイト順マーク（BOM）があります。抽選記録にBOMはありません。")};
// %1: the byte.
inline const Words ControlCharacter{QStringLiteral("A control character stands unescaped in a text at byte %1."),
    QStringLiteral("%1バイト目で、文字列の中に制御文字がエスケープされずに入っています。")};
// %1: the byte.
inline const Words LoneSurrogate{QStringLiteral("The escape at byte %1 is one half of a surrogate pair without the other: it is no character."),
    QStringLiteral("%1バイト目のエスケープはサロゲートペアの片方だけで、文字になりません。")};
// %1: the key, %2: the byte.
inline const Words DuplicateKey{QStringLiteral("The key \u201C%1\u201D appears twice in one object (byte %2)."),
    QStringLiteral("キー「%1」が一つのオブジェクトに二度あります（%2バイト目）。")};
// %1: the number as written, %2: the byte.
inline const Words NotWhole{QStringLiteral("The number %1 at byte %2 is not written as whole numbers are: digits only, as 12."),
    QStringLiteral("%2バイト目の数値%1が、整数の書き方（12のように数字だけ）になっていません。")};

// Histories Quorvan cannot make. %1: the entry.
inline const Words FairBuildUnshuffled{QStringLiteral("The record cannot have been saved by Quorvan: the fair Build \u201C%1\u201D does not "
                   "follow straight after the fair shuffle of the hits."),
    QStringLiteral("Quorvanが保存した記録ではありえません：公平抽選の作成「%1」の直前に、当たりの公平な並べ替えがありません。")};
inline const Words FairShuffleUnbuilt{QStringLiteral("The record cannot have been saved by Quorvan: the fair shuffle \u201C%1\u201D is not "
                   "followed straight away by a fair Build."),
    QStringLiteral("Quorvanが保存した記録ではありえません：公平な並べ替え「%1」の直後に、公平抽選の作成がありません。")};
inline const Words AfterLastBuild{QStringLiteral("The record cannot have been saved by Quorvan: \u201C%1\u201D comes after the last Build, "
                   "where Set-up and Shuffle are withdrawn until the hits are loaded again."),
    QStringLiteral("Quorvanが保存した記録ではありえません：「%1」が最後の作成の後にありますが、そこでは当たりを読み込み直すまで"
                   "設定と並べ替えはできません。")};

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
inline const Words ComposedText{QStringLiteral("a text in Unicode's composed form (NFC)"),
    QStringLiteral("Unicodeの合成済み形式（NFC）の文字列")};
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
