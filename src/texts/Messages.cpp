#include "texts/Messages.h"

#include <iterator>

namespace quorvan {

namespace {

using enum MessageId;

// clang-format off
constexpr MessageText Table[] = {
    {CannotReadListFile, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot read the list file")},
    {CannotReadWorkbook, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot read the workbook")},
    {CannotWriteTextResult, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot write the result file")},
    {CannotSaveWorkbook, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot save the workbook")},
    {FileErrorFormat, QUORVAN_TRANSLATE_NOOP("Messages", "%1 “%2”:\n%3")},
    {ListFileKinds, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot read “%1”:\nlists are read from text files (.txt), "
            "CSV files (.csv), Excel workbooks (.xls, .xlsx) and OpenDocument spreadsheets (.ods).")},
    {ListTooLarge, QUORVAN_TRANSLATE_NOOP("Messages", "It is too large to be a list: its first %1 MB hold fewer than "
            "%2 lines.")},
    {ListHoldsBinary, QUORVAN_TRANSLATE_NOOP("Messages", "It holds binary data (NUL bytes), not a list of names.")},
    {ListEncodingUnknown, QUORVAN_TRANSLATE_NOOP("Messages", "Its bytes are in no encoding a list is read in (UTF-8, "
            "UTF-16, Shift_JIS, EUC-JP, EUC-KR, GB18030, Big5, Windows-1251 or Windows-1252). Save it as UTF-8 text "
            "or CSV and load it again.")},
    {ListIsHtml, QUORVAN_TRANSLATE_NOOP("Messages", "This is an HTML table (a web page), not a workbook: open it in "
            "a spreadsheet program and save it as .xlsx or .csv.")},
    {ListIsSpreadsheetMl, QUORVAN_TRANSLATE_NOOP("Messages", "This is an Excel 2003 XML spreadsheet: open it in a "
            "spreadsheet program and save it as .xlsx or .csv.")},
    {IsAFolder, QUORVAN_TRANSLATE_NOOP("Messages", "It is a folder, not a file.")},
    {IsAPipe, QUORVAN_TRANSLATE_NOOP("Messages", "It is a pipe, not a file.")},
    {IsADevice, QUORVAN_TRANSLATE_NOOP("Messages", "It is a device, not a file.")},
    {NotAnOrdinaryFile, QUORVAN_TRANSLATE_NOOP("Messages", "It is not an ordinary file.")},
    {NotAnOrdinaryFileToWrite, QUORVAN_TRANSLATE_NOOP("Messages", "It is not an ordinary file (it is a device, a "
            "pipe or the like), so nothing is written to it.")},
    {TooManyLinks, QUORVAN_TRANSLATE_NOOP("Messages", "It is a symbolic link that leads round in a circle.")},
    {WorkbookExtensions, QUORVAN_TRANSLATE_NOOP("Messages", "An Excel result is saved as an Excel 97–2003 workbook "
            "(.xls), an Excel workbook (.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv). Choose a name "
            "ending in one of them, or a name without an ending.")},
    {NoMemoryForWorkbook, QUORVAN_TRANSLATE_NOOP("Messages", "There is not enough memory to make it.")},
    {CellTooLong, QUORVAN_TRANSLATE_NOOP("Messages", "A cell holds more than 32,767 characters.")},
    {CannotAssembleWorkbook, QUORVAN_TRANSLATE_NOOP("Messages", "It could not be put together in the temporary "
            "folder “%1”: that folder may be full, or the file larger than this system allows.")},
    {WorkbookLibraryRefused, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook library refused it: %1")},
    {WorkbookTooLarge, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook is too large to write")},
    {NoSpaceOnDisk, QUORVAN_TRANSLATE_NOOP("Messages", "There is not enough space on the disk.")},
    {QuotaUsedUp, QUORVAN_TRANSLATE_NOOP("Messages", "Your disk quota is used up.")},
    {FileTooLarge, QUORVAN_TRANSLATE_NOOP("Messages", "The file would grow larger than this system allows.")},
    {NoPermissionToWrite, QUORVAN_TRANSLATE_NOOP("Messages", "You have no permission to write there.")},
    {DiskReadOnly, QUORVAN_TRANSLATE_NOOP("Messages", "The disk can only be read, not written.")},
    {FolderMissing, QUORVAN_TRANSLATE_NOOP("Messages", "The folder does not exist.")},
    {DiskInputOutputError, QUORVAN_TRANSLATE_NOOP("Messages", "The disk reported an input/output error.")},
    {XlsDescription, QUORVAN_TRANSLATE_NOOP("Messages", "Excel 97–2003 workbook")},
    {XlsxDescription, QUORVAN_TRANSLATE_NOOP("Messages", "Excel workbook")},
    {OdsDescription, QUORVAN_TRANSLATE_NOOP("Messages", "OpenDocument spreadsheet")},
    {CsvDescription, QUORVAN_TRANSLATE_NOOP("Messages", "CSV file")},
    {ReplaceQuestion, QUORVAN_TRANSLATE_NOOP("Messages", "“%1” already exists. Replace it?")},
    {GuideNotOpened, QUORVAN_TRANSLATE_NOOP("Messages", "The user guide could not be opened. Open this file in a web "
            "browser:\n%1")},
    {CannotSavePicture, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot save the picture")},
    {CannotSaveMatrix, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot save the matrix")},
    {PictureNotMade, QUORVAN_TRANSLATE_NOOP("Messages", "The picture could not be made into a PNG.")},
    {ReaderStoppedOnSignal, QUORVAN_TRANSLATE_NOOP("Messages", "The reader stopped on signal %1 (%2).")},
    {ReaderExitedWithoutResult, QUORVAN_TRANSLATE_NOOP("Messages", "The reader ended with exit code %1 and no result.")},
    {ReaderCannotStart, QUORVAN_TRANSLATE_NOOP("Messages", "The reader %1 cannot be started: %2.")},
    {ReaderSentTooMuch, QUORVAN_TRANSLATE_NOOP("Messages", "The reader sent more than %1.")},
    {ReaderTookTooLong, QUORVAN_TRANSLATE_NOOP("Messages", "The reader took longer than %1 seconds.")},
    {ReaderSentNoResult, QUORVAN_TRANSLATE_NOOP("Messages", "The reader sent something other than a result.")},
    {ReaderSentDamagedCells, QUORVAN_TRANSLATE_NOOP("Messages", "The reader sent damaged cells.")},
    {ReaderNotConfined, QUORVAN_TRANSLATE_NOOP("Messages", "The system would not let the reader shut itself off from "
            "everything but the workbook, so it did not read it.")},
    {ReadingStopped, QUORVAN_TRANSLATE_NOOP("Messages", "Reading was cancelled.")},
    {LinkOfAnotherUser, QUORVAN_TRANSLATE_NOOP("Messages", "It is a link another user made in a shared folder; it is "
            "not followed.")},
    {GoneSinceChosen, QUORVAN_TRANSLATE_NOOP("Messages", "There is no such file (any more): it may have been moved, "
            "renamed or deleted.")},
    {NameNotText, QUORVAN_TRANSLATE_NOOP("Messages", "No file or folder has this name: the sign � in it stands for "
            "bytes that are not UTF-8 text, and no file can be read or saved under such a name. Give the file, or its "
            "folder, a name in UTF-8.")},
    {ChangedSinceChosen, QUORVAN_TRANSLATE_NOOP("Messages", "It was replaced or changed while the import preview was "
            "open, so it was not read again: load it once more.")},
    {ReadingList, QUORVAN_TRANSLATE_NOOP("Messages", "Reading “%1”…")},
    {NamesCut, QUORVAN_TRANSLATE_NOOP("Messages", "Names in the %1 list cut to %3 characters: rows %2")},
    {WorkbookPartOutsideFile, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook is damaged (part of it lies outside "
            "the file).")},
    {WorkbookStreamCutShort, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook is damaged (one of its streams is cut "
            "short).")},
    {WorkbookSectorsLoop, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook is damaged (its sectors run in a loop).")},
    {WorkbookDirectoryBroken, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook is damaged (its directory is broken).")},
    {WorkbookHeaderBroken, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook is damaged (its header is broken).")},
    {FileCutShort, QUORVAN_TRANSLATE_NOOP("Messages", "The file is cut short or cannot be read.")},
    {FileNotFound, QUORVAN_TRANSLATE_NOOP("Messages", "The file does not exist or cannot be opened.")},
    {NoMemoryToRead, QUORVAN_TRANSLATE_NOOP("Messages", "There is not enough memory to read it.")},
    {NotAnXlsWorkbook, QUORVAN_TRANSLATE_NOOP("Messages", "It is not an Excel 97–2003 workbook (.xls).")},
    {NoWorkbookInFile, QUORVAN_TRANSLATE_NOOP("Messages", "The file holds no workbook.")},
    {NoWorksheet, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook has no worksheet.")},
    {UnreadableCharacterSet, QUORVAN_TRANSLATE_NOOP("Messages", "Its text is in a character set that cannot be read.")},
    {WorkbookDamagedWithCode, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook is damaged (error %1).")},
    {WorkbookDamagedOrTooLarge, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook is damaged or too large to read.")},
    {PasswordProtected, QUORVAN_TRANSLATE_NOOP("Messages", "It is protected by a password.")},
    {UnknownError, QUORVAN_TRANSLATE_NOOP("Messages", "The command ended with an unknown error.")},
    {UnexpectedError, QUORVAN_TRANSLATE_NOOP("Messages", "%1")},
    {FontColourButton, QUORVAN_TRANSLATE_NOOP("Messages", "&Colour...")},
    {FontColourTitle, QUORVAN_TRANSLATE_NOOP("Messages", "Font colour")},
    {MemberBoxName, QUORVAN_TRANSLATE_NOOP("Messages", "Member %1")},
    {HitBoxName, QUORVAN_TRANSLATE_NOOP("Messages", "Hit %1")},
    {ResultBoxName, QUORVAN_TRANSLATE_NOOP("Messages", "Result %1")},
    {CountSpinnerName, QUORVAN_TRANSLATE_NOOP("Messages", "Number of members")},
    {LadderName, QUORVAN_TRANSLATE_NOOP("Messages", "Ladder")},
    {GuideLinkName, QUORVAN_TRANSLATE_NOOP("Messages", "User guide")},
    {HitReachedMember, QUORVAN_TRANSLATE_NOOP("Messages", "Hit %1 → %2 (member %3)")},
    {HitReachedEmptyMember, QUORVAN_TRANSLATE_NOOP("Messages", "Hit %1 → member %2")},
    {EveryPrizeRevealed, QUORVAN_TRANSLATE_NOOP("Messages", "Every prize is revealed.")},
    {NoLadderToReveal, QUORVAN_TRANSLATE_NOOP("Messages", "Build the ladder first: there is nothing to reveal yet.")},
    {StageTitle, QUORVAN_TRANSLATE_NOOP("Messages", "Quorvan stage")},
    {StageSettingsTitle, QUORVAN_TRANSLATE_NOOP("Messages", "Stage settings")},
    {StagePathSeconds, QUORVAN_TRANSLATE_NOOP("Messages", "One path takes")},
    {StagePauseSeconds, QUORVAN_TRANSLATE_NOOP("Messages", "Pause between paths in Reveal all")},
    {StageThemeChoice, QUORVAN_TRANSLATE_NOOP("Messages", "Theme")},
    {StageThemeDark, QUORVAN_TRANSLATE_NOOP("Messages", "Dark")},
    {StageThemeLight, QUORVAN_TRANSLATE_NOOP("Messages", "Light")},
    {StageThemeHighContrast, QUORVAN_TRANSLATE_NOOP("Messages", "High contrast")},
    {StageReducedMotion, QUORVAN_TRANSLATE_NOOP("Messages", "Reduced motion: paths appear at once")},
    {StageCurtain, QUORVAN_TRANSLATE_NOOP("Messages", "Hide the prizes until they are revealed")},
    {StageCelebration, QUORVAN_TRANSLATE_NOOP("Messages", "Celebrate each reveal")},
    {StageSeconds, QUORVAN_TRANSLATE_NOOP("Messages", " s")},
    {ZipNotAnArchive, QUORVAN_TRANSLATE_NOOP("Messages", "The file is damaged or cut short: it is not a whole zip "
            "archive, as an .xlsx or .ods workbook is (%1).")},
    {ZipPartMissing, QUORVAN_TRANSLATE_NOOP("Messages", "The workbook has no part “%1”: it is damaged, or not a "
            "workbook of this kind.")},
    {ZipPartTooLarge, QUORVAN_TRANSLATE_NOOP("Messages", "Its part “%1” unpacks to more than %2 MB, far more than "
            "any list needs (it may be a zip bomb).")},
    {ZipPartDamaged, QUORVAN_TRANSLATE_NOOP("Messages", "Its part “%1” cannot be unpacked: %2.")},
    {ZipPartCutShort, QUORVAN_TRANSLATE_NOOP("Messages", "Its part “%1” stops before its end: the file is damaged or "
            "cut short.")},
    {ZipPartNotXml, QUORVAN_TRANSLATE_NOOP("Messages", "Its part “%1” is damaged: line %2: %3.")},
    {ZipPartDeclaresEntities, QUORVAN_TRANSLATE_NOOP("Messages", "Its part “%1” declares XML entities of its own, "
            "which no workbook does.")},
    {SharedTextMissing, QUORVAN_TRANSLATE_NOOP("Messages", "A cell refers to shared text number %1, but the "
            "workbook's table of texts holds only %2.")},
    {FormulaWithoutResult, QUORVAN_TRANSLATE_NOOP("Messages", "Cell %1 holds the formula %2 without its result, and "
            "Quorvan cannot work that formula out. Open the file in a spreadsheet program (LibreOffice Calc, Excel) "
            "and save it again there, so that the results of its formulas are stored with them, or paste the column "
            "as values.")},
    {FirstSheetHidden, QUORVAN_TRANSLATE_NOOP("Messages", "%1 workbook: its first sheet “%2” is hidden; the list was "
            "read from it")},
    {NamesInColumn, QUORVAN_TRANSLATE_NOOP("Messages", "%1 workbook: no names in column %2; column %3 holds %4 (only "
            "column %2 is read)")},
    {NamesOnOtherSheet, QUORVAN_TRANSLATE_NOOP("Messages", "%1 workbook: no names on the first sheet; sheet “%2” "
            "holds %3 (only the first sheet is read)")},
    {UnevenDraw, QUORVAN_TRANSLATE_NOOP("Messages", "Uneven draw: member %1 wins %2 % of the time, fair is %3 %")},
    {FairDrawOffer, QUORVAN_TRANSLATE_NOOP("Messages", "Draw again fairly")},
    {FairDrawOnForNext, QUORVAN_TRANSLATE_NOOP("Messages", "Fair draw is on from the next Build.")},
    {SaveBeforeReset, QUORVAN_TRANSLATE_NOOP("Messages", "The results of this lottery have not been saved. Save them "
            "before starting a new lottery?")},
    {SaveBeforeExit, QUORVAN_TRANSLATE_NOOP("Messages", "The results of this lottery have not been saved. Save them "
            "before quitting?")},
    {RestoreQuestion, QUORVAN_TRANSLATE_NOOP("Messages", "Quorvan was not closed normally. Restore the lottery of %1 "
            "members as it was at %2?")},
    {RestoreButton, QUORVAN_TRANSLATE_NOOP("Messages", "Restore")},
    {DiscardButton, QUORVAN_TRANSLATE_NOOP("Messages", "Discard")},
    {CannotKeepLottery, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot keep the lottery safe against a crash in")},
    {LotteryNotKept, QUORVAN_TRANSLATE_NOOP("Messages", "Not kept safe against a crash: %1 (%2)")},
    {CannotKeepSetting, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot keep this setting for the next start in")},
    {SettingsNotWritten, QUORVAN_TRANSLATE_NOOP("Messages", "The settings could not be written there.")},
    {CannotRestoreLottery, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot restore the lottery kept as")},
    {SavedLotteryDamaged, QUORVAN_TRANSLATE_NOOP("Messages", "It is damaged, or was saved by another version of "
            "Quorvan; it stays there for you.")},
    {WinnersTitle, QUORVAN_TRANSLATE_NOOP("Messages", "Winners")},
    {WinnersPrizeHeading, QUORVAN_TRANSLATE_NOOP("Messages", "Prize")},
    {WinnersMemberHeading, QUORVAN_TRANSLATE_NOOP("Messages", "Winner")},
    {WinnersPrintButton, QUORVAN_TRANSLATE_NOOP("Messages", "Print…")},
    {WinnersExportTextButton, QUORVAN_TRANSLATE_NOOP("Messages", "Save as text…")},
    {WinnersExportWorkbookButton, QUORVAN_TRANSLATE_NOOP("Messages", "Save as workbook…")},
    {WinnersNotYet, QUORVAN_TRANSLATE_NOOP("Messages", "No prize has been drawn yet: build the ladder first.")},
    {WinnersOnlyEntry, QUORVAN_TRANSLATE_NOOP("Messages", "%1, winners only")},
    {CountedHitsQuestion, QUORVAN_TRANSLATE_NOOP("Messages", "%1 hit lines give a count, such as “%2”.\nCount each "
            "as that many hits (“%2” as %3 hits “%4”)?")},
    {CountedHitQuestion, QUORVAN_TRANSLATE_NOOP("Messages", "The hit line “%1” gives a count.\nCount it as %2 hits "
            "“%3”?")},
    {CountedHitsFinding, QUORVAN_TRANSLATE_NOOP("Messages", "“%1” counted as %2 hits “%3”")},
    {EarlierWinnersLeftOut, QUORVAN_TRANSLATE_NOOP("Messages", "Left out %1 earlier winners: %2")},
    {NoEarlierWinnersFound, QUORVAN_TRANSLATE_NOOP("Messages", "None of the winners in “%1” is in the member list.")},
    {NoWinnersInFile, QUORVAN_TRANSLATE_NOOP("Messages", "It holds no results of a draw.")},
    {EarlierWinnersKinds, QUORVAN_TRANSLATE_NOOP("Messages", "Cannot read “%1”:\nearlier winners are read from text "
            "results (.txt) and draw records (.qdraw).")},
    {LeaveOutBeforeBuild, QUORVAN_TRANSLATE_NOOP("Messages", "Earlier winners are left out before Build: press RESET "
            "first.")},
    {PrizeReveal, QUORVAN_TRANSLATE_NOOP("Messages", "%1 prize: %2 → %3")},
    {MemberNumber, QUORVAN_TRANSLATE_NOOP("Messages", "member %1")},
    {KeepRedPathsEntry, QUORVAN_TRANSLATE_NOOP("Messages", "Keep prizes' red paths")},
    {SavedWhere, QUORVAN_TRANSLATE_NOOP("Messages", "Saved to %1")},
    {EveryPathTraced, QUORVAN_TRANSLATE_NOOP("Messages", "Every path traced; winners: %1. View › Winners… lists "
            "them in prize order.")},
    {ImportPreviewTitle, QUORVAN_TRANSLATE_NOOP("Messages", "Import preview")},
    {ImportWhyAsk, QUORVAN_TRANSLATE_NOOP("Messages", "How should “%1” be read?")},
    {ImportWhyHeading, QUORVAN_TRANSLATE_NOOP("Messages", "The first row looks like a heading: “%1”.")},
    {ImportWhyCodes, QUORVAN_TRANSLATE_NOOP("Messages", "Column A holds numbers or codes; column %1 holds names.")},
    {ImportWhyStopped, QUORVAN_TRANSLATE_NOOP("Messages", "The list stops at the empty cell in row %1; below it: %2 "
            "more.")},
    {ImportColumnLabel, QUORVAN_TRANSLATE_NOOP("Messages", "Entries in column:")},
    {ImportHeadingBox, QUORVAN_TRANSLATE_NOOP("Messages", "The first row is a heading (not read)")},
    {ImportPastEmptyBox, QUORVAN_TRANSLATE_NOOP("Messages", "Read on past empty cells")},
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
