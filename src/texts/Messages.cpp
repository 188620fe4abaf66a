#include "texts/Messages.h"

#include <iterator>

namespace quorvan {

namespace {

using enum MessageId;

// clang-format off
constexpr MessageText Table[] = {
    {CannotReadListFile, "Cannot read the list file", "リストファイルを読み込めません"},
    {CannotReadWorkbook, "Cannot read the workbook", "ブックを読み込めません"},
    {CannotWriteTextResult, "Cannot write the result file", "結果ファイルに書き込めません"},
    {CannotSaveWorkbook, "Cannot save the workbook", "ブックを保存できません"},
    {FileErrorFormat, "%1 \u201C%2\u201D:\n%3", "%1：\u201C%2\u201D\n%3"},

    {ListFileKinds, "Cannot read \u201C%1\u201D:\nlists are read from text files (.txt), CSV files (.csv), Excel "
                    "workbooks (.xls, .xlsx) and OpenDocument spreadsheets (.ods).",
     "\u201C%1\u201D を読み込めません：\nリストはテキストファイル（.txt）、CSV（.csv）、Excel ブック（.xls、.xlsx）、"
     "OpenDocument スプレッドシート（.ods）から読み込みます。"},
    {ListTooLarge, "It is too large to be a list: its first %1 MB hold fewer than %2 lines.",
     "リストとしては大きすぎます：先頭の %1 MB に %2 行もありません。"},
    {ListHoldsBinary, "It holds binary data (NUL bytes), not a list of names.",
     "名前のリストではなく、バイナリデータ（NUL バイト）を含んでいます。"},
    {ListEncodingUnknown,
     "Its bytes are in no encoding a list is read in (UTF-8, UTF-16, Shift_JIS, EUC-JP, EUC-KR, GB18030, Big5, "
     "Windows-1251 or Windows-1252). Save it as UTF-8 text or CSV and load it again.",
     "バイト列が、リストとして読める文字コード（UTF-8、UTF-16、Shift_JIS、EUC-JP、EUC-KR、GB18030、Big5、"
     "Windows-1251、Windows-1252）のどれにも当てはまりません。UTF-8 のテキストか CSV として保存し直してから読み込んでください。"},
    {ListIsHtml,
     "This is an HTML table (a web page), not a workbook: open it in a spreadsheet program and save it as .xlsx or .csv.",
     "これは HTML の表（Web ページ）で、ブックではありません。表計算ソフトで開き、.xlsx か .csv として保存してください。"},
    {ListIsSpreadsheetMl,
     "This is an Excel 2003 XML spreadsheet: open it in a spreadsheet program and save it as .xlsx or .csv.",
     "これは Excel 2003 XML スプレッドシートです。表計算ソフトで開き、.xlsx か .csv として保存してください。"},
    {IsAFolder, "It is a folder, not a file.", "ファイルではなくフォルダーです。"},
    {IsAPipe, "It is a pipe, not a file.", "ファイルではなくパイプです。"},
    {IsADevice, "It is a device, not a file.", "ファイルではなくデバイスです。"},
    {NotAnOrdinaryFile, "It is not an ordinary file.", "通常のファイルではありません。"},

    {NotAnOrdinaryFileToWrite, "It is not an ordinary file (it is a device, a pipe or the like), so nothing is written to it.",
     "通常のファイルではない（デバイスやパイプなど）ため、何も書き込みません。"},
    {TooManyLinks, "It is a symbolic link that leads round in a circle.", "循環しているシンボリックリンクです。"},
    {WorkbookExtensions, "An Excel result is saved as an Excel 97\u20132003 workbook (.xls), an Excel workbook "
                         "(.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv). Choose a name ending in one of "
                         "them, or a name without an ending.",
     "Excel の結果は Excel 97\u20132003 ブック（.xls）、Excel ブック（.xlsx）、OpenDocument スプレッドシート（.ods）"
     "または CSV（.csv）として保存します。そのいずれかの拡張子で終わる名前か、拡張子のない名前を選んでください。"},
    {NoMemoryForWorkbook, "There is not enough memory to make it.", "作成するためのメモリーが足りません。"},
    {CellTooLong, "A cell holds more than 32,767 characters.", "32,767 文字を超えるセルがあります。"},
    {CannotAssembleWorkbook, "It could not be put together in the temporary folder \u201C%1\u201D: that folder may be "
                             "full, or the file larger than this system allows.",
     "一時フォルダー \u201C%1\u201D で組み立てられませんでした：フォルダーがいっぱいか、"
     "ファイルがこのシステムで扱える大きさを超えている可能性があります。"},
    {WorkbookLibraryRefused, "The workbook library refused it: %1", "ブックのライブラリーが拒否しました：%1"},
    {WorkbookTooLarge, "The workbook is too large to write", "ブックが大きすぎて書き込めません"},
    {NoSpaceOnDisk, "There is not enough space on the disk.", "ディスクの空き容量が足りません。"},
    {QuotaUsedUp, "Your disk quota is used up.", "ディスククォータを使い切りました。"},
    {FileTooLarge, "The file would grow larger than this system allows.",
     "ファイルがこのシステムで扱える大きさを超えてしまいます。"},
    {NoPermissionToWrite, "You have no permission to write there.", "そこに書き込む権限がありません。"},
    {DiskReadOnly, "The disk can only be read, not written.", "ディスクは読み取り専用で、書き込めません。"},
    {FolderMissing, "The folder does not exist.", "フォルダーがありません。"},
    {DiskInputOutputError, "The disk reported an input/output error.", "ディスクが入出力エラーを報告しました。"},

    {XlsDescription, "Excel 97\u20132003 workbook", "Excel 97\u20132003 ブック"},
    {XlsxDescription, "Excel workbook", "Excel ブック"},
    {OdsDescription, "OpenDocument spreadsheet", "OpenDocument スプレッドシート"},
    {CsvDescription, "CSV file", "CSV ファイル"},
    {ReplaceQuestion, "\u201C%1\u201D already exists. Replace it?", "\u201C%1\u201D は既にあります。置き換えますか？"},
    {GuideNotOpened, "The user guide could not be opened. Open this file in a web browser:\n%1",
     "ユーザーガイドを開けませんでした。次のファイルをウェブブラウザーで開いてください:\n%1"},
    {CannotSavePicture, "Cannot save the picture", "図を保存できません"},
    {CannotSaveMatrix, "Cannot save the matrix", "表を保存できません"},
    {PictureNotMade, "The picture could not be made into a PNG.", "図を PNG にできませんでした。"},

    {ReaderStoppedOnSignal, "The reader stopped on signal %1 (%2).", "読み込みプログラムがシグナル %1（%2）で止まりました。"},
    {ReaderExitedWithoutResult, "The reader ended with exit code %1 and no result.",
     "読み込みプログラムが結果を返さずに終了しました（終了コード %1）。"},
    {ReaderCannotStart, "The reader %1 cannot be started: %2.", "読み込みプログラム %1 を起動できません：%2。"},
    {ReaderSentTooMuch, "The reader sent more than %1.", "読み込みプログラムが %1 を超えるデータを送ってきました。"},
    {ReaderTookTooLong, "The reader took longer than %1 seconds.", "読み込みプログラムが %1 秒たっても終わりませんでした。"},
    {ReaderSentNoResult, "The reader sent something other than a result.",
     "読み込みプログラムが結果以外のものを送ってきました。"},
    {ReaderSentDamagedCells, "The reader sent damaged cells.", "読み込みプログラムが壊れたセルを送ってきました。"},
    {ReaderNotConfined, "The system would not let the reader shut itself off from everything but the workbook, so it did not read it.",
     "システムが読み込みプログラムをブックのほかから切り離させなかったため、読み込みませんでした。"},
    {ReadingStopped, "Reading was cancelled.", "読み込みを取り消しました。"},
    {LinkOfAnotherUser, "It is a link another user made in a shared folder; it is not followed.",
     "共有フォルダーにほかのユーザーが作ったリンクです。リンク先には書き込みません。"},
    {GoneSinceChosen, "There is no such file (any more): it may have been moved, renamed or deleted.",
     "そのファイルは（もう）ありません：移動、名前の変更または削除がされたようです。"},
    {ReadingList, "Reading \u201C%1\u201D\u2026", "\u201C%1\u201D を読み込んでいます\u2026"},
    {NamesCut, "Names in the %1 list cut to %3 characters: rows %2",
     "%1のリストの名前を %3 文字までにしました：%2 行目"},

    {WorkbookPartOutsideFile, "The workbook is damaged (part of it lies outside the file).",
     "ブックが壊れています（一部がファイルの外を指しています）。"},
    {WorkbookStreamCutShort, "The workbook is damaged (one of its streams is cut short).",
     "ブックが壊れています（ストリームの一つが途中で切れています）。"},
    {WorkbookSectorsLoop, "The workbook is damaged (its sectors run in a loop).",
     "ブックが壊れています（セクターが循環しています）。"},
    {WorkbookDirectoryBroken, "The workbook is damaged (its directory is broken).",
     "ブックが壊れています（ディレクトリーが壊れています）。"},
    {WorkbookHeaderBroken, "The workbook is damaged (its header is broken).", "ブックが壊れています（ヘッダーが壊れています）。"},
    {FileCutShort, "The file is cut short or cannot be read.", "ファイルが途中で切れているか、読み取れません。"},
    {FileNotFound, "The file does not exist or cannot be opened.", "ファイルが存在しないか、開けません。"},
    {NoMemoryToRead, "There is not enough memory to read it.", "読み込むためのメモリーが足りません。"},
    {NotAnXlsWorkbook, "It is not an Excel 97\u20132003 workbook (.xls).", "Excel 97\u20132003 ブック（.xls）ではありません。"},
    {NoWorkbookInFile, "The file holds no workbook.", "ファイルにブックが入っていません。"},
    {NoWorksheet, "The workbook has no worksheet.", "ブックにワークシートがありません。"},
    {UnreadableCharacterSet, "Its text is in a character set that cannot be read.",
     "読み取れない文字セットで書かれたテキストがあります。"},
    {WorkbookDamagedWithCode, "The workbook is damaged (error %1).", "ブックが壊れています（エラー %1）。"},
    {WorkbookDamagedOrTooLarge, "The workbook is damaged or too large to read.",
     "ブックが壊れているか、大きすぎて読み込めません。"},
    {PasswordProtected, "It is protected by a password.", "パスワードで保護されています。"},

    {UnknownError, "The command ended with an unknown error.", "コマンドが不明なエラーで終了しました。"},
    {UnexpectedError, "%1", "コマンドが予期しないエラーで終了しました：\n%1"},

    {FontColourButton, "&Colour...", "色(&C)..."},
    {FontColourTitle, "Font colour", "フォントの色"},

    {MemberBoxName, "Member %1", "メンバー %1"},
    {HitBoxName, "Hit %1", "当たり %1"},
    {ResultBoxName, "Result %1", "結果 %1"},
    {CountSpinnerName, "Number of members", "メンバー数"},
    {LadderName, "Ladder", "あみだ"},
    {GuideLinkName, "User guide", "ユーザーガイド"},

    {HitReachedMember, "Hit %1 \u2192 %2 (member %3)", "当たり %1 \u2192 %2（メンバー %3）"},
    {HitReachedEmptyMember, "Hit %1 \u2192 member %2", "当たり %1 \u2192 メンバー %2"},
    {EveryPrizeRevealed, "Every prize is revealed.", "すべての賞品を発表しました。"},
    {NoLadderToReveal, "Build the ladder first: there is nothing to reveal yet.", "先にあみだを作ってください。まだ発表するものがありません。"},
    {StageTitle, "Quorvan stage", "Quorvan ステージ"},
    {StageSettingsTitle, "Stage settings", "ステージの設定"},
    {StagePathSeconds, "One path takes", "経路一本の時間"},
    {StagePauseSeconds, "Pause between paths in Reveal all", "すべて発表での経路の間"},
    {StageThemeChoice, "Theme", "配色"},
    {StageThemeDark, "Dark", "暗い"},
    {StageThemeLight, "Light", "明るい"},
    {StageThemeHighContrast, "High contrast", "ハイコントラスト"},
    {StageReducedMotion, "Reduced motion: paths appear at once", "動きを減らす：経路をすぐに表示"},
    {StageCurtain, "Hide the prizes until they are revealed", "発表まで賞品を隠す"},
    {StageSeconds, " s", " 秒"},

    {ZipNotAnArchive, "The file is damaged or cut short: it is not a whole zip archive, as an .xlsx or .ods workbook is (%1).",
     "ファイルが壊れているか途中で切れています。.xlsx や .ods のブックのような完全な zip 書庫ではありません（%1）。"},
    {ZipPartMissing, "The workbook has no part \u201C%1\u201D: it is damaged, or not a workbook of this kind.",
     "ブックに「%1」の部分がありません。壊れているか、この種類のブックではありません。"},
    {ZipPartTooLarge, "Its part \u201C%1\u201D unpacks to more than %2 MB, far more than any list needs (it may be a zip bomb).",
     "その部分「%1」は展開すると %2 MB を超え、名簿としては大きすぎます（zip 爆弾のおそれがあります）。"},
    {ZipPartDamaged, "Its part \u201C%1\u201D cannot be unpacked: %2.", "その部分「%1」を展開できません: %2。"},
    {ZipPartCutShort, "Its part \u201C%1\u201D stops before its end: the file is damaged or cut short.",
     "その部分「%1」が終わりの前で途切れています。ファイルが壊れているか途中で切れています。"},
    {ZipPartNotXml, "Its part \u201C%1\u201D is damaged: line %2: %3.", "その部分「%1」が壊れています（%2 行目: %3）。"},
    {ZipPartDeclaresEntities, "Its part \u201C%1\u201D declares XML entities of its own, which no workbook does.",
     "その部分「%1」は独自の XML 実体を宣言しています。ブックにはないことです。"},
    {SharedTextMissing, "A cell refers to shared text number %1, but the workbook's table of texts holds only %2.",
     "セルが共有文字列の %1 番を参照していますが、ブックの文字列表には %2 個しかありません。"},
    {FormulaWithoutResult,
     "Cell %1 holds the formula %2 without its result, and Quorvan cannot work that formula out. Open the file in a "
     "spreadsheet program (LibreOffice Calc, Excel) and save it again there, so that the results of its formulas are "
     "stored with them, or paste the column as values.",
     "セル %1 の数式 %2 には計算結果が保存されておらず、Quorvan ではこの数式を計算できません。表計算ソフト（LibreOffice "
     "Calc、Excel）でファイルを開いて保存し直し、数式の結果をいっしょに保存するか、列を値として貼り付けてください。"},
    {FirstSheetHidden, "%1 workbook: its first sheet “%2” is hidden; the list was read from it",
     "%1のブック: 最初のシート「%2」は非表示ですが、リストはこのシートから読みました"},
    {NamesInColumn, "%1 workbook: no names in column A; column %2 holds %3 (only column A is read)",
     "%1のブック: A列に名前がありません。%2列に%3件あります（読むのはA列だけです）"},
    {NamesOnOtherSheet, "%1 workbook: no names on the first sheet; sheet “%2” holds %3 (only the first sheet is read)",
     "%1のブック: 最初のシートに名前がありません。シート「%2」に%3件あります（読むのは最初のシートだけです）"},
    {UnevenDraw, "Uneven draw: member %1 wins %2 % of the time, fair is %3 %", "偏った抽選: メンバー %1 が %2 %（公平なら %3 %）"},
    {FairDrawOffer, "Draw again fairly", "公平抽選で引き直す"},
    {FairDrawOnForNext, "Fair draw is on from the next Build.", "次の抽選から公平抽選になります。"},
    {SaveBeforeReset, "The results of this lottery have not been saved. Save them before starting a new lottery?",
     "この抽選の結果はまだ保存されていません。新しい抽選を始める前に保存しますか？"},
    {SaveBeforeExit, "The results of this lottery have not been saved. Save them before quitting?",
     "この抽選の結果はまだ保存されていません。終了する前に保存しますか？"},
    {RestoreQuestion, "Quorvan was not closed normally. Restore the lottery of %1 members as it was at %2?",
     "Quorvan は正常に終了しませんでした。%2 の時点の %1 人の抽選を元どおりに復元しますか？"},
    {RestoreButton, "Restore", "復元"},
    {DiscardButton, "Discard", "破棄"},
    {CannotKeepLottery, "Cannot keep the lottery safe against a crash in", "クラッシュに備えて抽選を保存できません"},
    {CannotRestoreLottery, "Cannot restore the lottery kept as", "次のファイルに残した抽選を復元できません"},
    {SavedLotteryDamaged, "It is damaged, or was saved by another version of Quorvan; it stays there for you.",
     "壊れているか、別の版の Quorvan が保存したものです。ファイルはそのまま残してあります。"},
    {WinnersTitle, "Winners", "当選者"},
    {WinnersPrizeHeading, "Prize", "賞品"},
    {WinnersMemberHeading, "Winner", "当選者"},
    {WinnersPrintButton, "Print\u2026", "印刷\u2026"},
    {WinnersExportTextButton, "Save as text\u2026", "テキストで保存\u2026"},
    {WinnersExportWorkbookButton, "Save as workbook\u2026", "ブックで保存\u2026"},
    {WinnersNotYet, "No prize has been drawn yet: build the ladder first.",
     "まだ抽選していません。先にあみだを作成してください。"},
    {WinnersOnlyEntry, "%1, winners only", "%1（当選者のみ）"},

    {CountedHitsQuestion, "Hit lines that give a count: %1, such as \u201C%2\u201D (%3 \u00D7 \u201C%4\u201D).\n"
                          "Count each as that many hits?",
     "当たりのリストの %1 行に個数があります（例：\u201C%2\u201D は \u201C%4\u201D が %3 個）。\n"
     "それぞれその個数の当たりとして数えますか？"},
    {CountedHitsFinding, "\u201C%1\u201D counted as %2 hits \u201C%3\u201D",
     "\u201C%1\u201D を当たり \u201C%3\u201D %2 個として数えました"},

    {EarlierWinnersLeftOut, "Left out %1 earlier winners: %2", "前回の当選者 %1 人を除きました：%2"},
    {NoEarlierWinnersFound, "None of the winners in \u201C%1\u201D is in the member list.",
     "\u201C%1\u201D の当選者はメンバーのリストにいません。"},
    {NoWinnersInFile, "It holds no results of a draw.", "抽選の結果がありません。"},
    {EarlierWinnersKinds, "Cannot read \u201C%1\u201D:\nearlier winners are read from text results (.txt) and draw "
                          "records (.qdraw).",
     "\u201C%1\u201D を読み込めません：\n前回の当選者はテキストの結果（.txt）と抽選記録（.qdraw）から読み込みます。"},
    {LeaveOutBeforeBuild, "Earlier winners are left out before Build: press RESET first.",
     "前回の当選者を除くのは作成の前です。先に RESET を押してください。"},

    {PrizeReveal, "%1 prize: %2 \u2192 %3", "%1等：%2 \u2192 %3"},
    {MemberNumber, "member %1", "メンバー %1"},
    {KeepRedPathsEntry, "Keep prizes' red paths", "当たりの赤い道筋を残す"},
    {SavedWhere, "Saved to %1", "%1 に保存しました"},

    {ImportPreviewTitle, "Import preview", "読み込みの確認"},
    {ImportWhyAsk, "How should \u201C%1\u201D be read?", "\u300C%1\u300Dをどう読み込みますか？"},
    {ImportWhyHeading, "The first row looks like a heading: \u201C%1\u201D.",
     "1 行目は見出しのようです：\u300C%1\u300D。"},
    {ImportWhyCodes, "Column A holds numbers or codes; column %1 holds names.",
     "A 列は番号やコードで、%1 列に名前があります。"},
    {ImportWhyStopped, "The list stops at the empty cell in row %1; below it: %2 more.",
     "リストは %1 行目の空のセルで終わりますが、その下にまだ名前が %2 件あります。"},
    {ImportColumnLabel, "Entries in column:", "読み込む列："},
    {ImportHeadingBox, "The first row is a heading (not read)", "1 行目は見出し（読み込まない）"},
    {ImportPastEmptyBox, "Read on past empty cells", "空のセルの先も読み込む"},
};
// clang-format on

constexpr bool InOrder()
{
    for (std::size_t i = 0; i < std::size(Table); ++i)
        if (static_cast<std::size_t>(Table[i].Id) != i)
            return false;
    return std::size(Table) == static_cast<std::size_t>(Count);
}
static_assert(InOrder(), "every message has its row, in the order of MessageId");

} // namespace

const MessageText& TextOf(MessageId id)
{
    const auto index = static_cast<std::size_t>(id);
    return Table[index < std::size(Table) ? index : static_cast<std::size_t>(UnknownError)];
}

std::string EncodeMessage(MessageId id, const std::vector<std::string>& arguments)
{
    std::string encoded(1, '#');
    encoded += std::to_string(static_cast<int>(id));
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        encoded += index == 0 ? ' ' : ArgumentSeparator;
        encoded += arguments[index];
    }
    return encoded;
}

std::string EnglishText(MessageId id, const std::vector<std::string>& arguments)
{
    // One pass from the left, so that an argument holding "%2" stays as it is.
    const std::string text = TextOf(id).English;
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t number = at + 1 < text.size() ? std::size_t(text[at + 1] - '0') : 0;
        if (text[at] == '%' && number >= 1 && number <= arguments.size() && number <= 9) {
            filled += arguments[number - 1];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

} // namespace quorvan
