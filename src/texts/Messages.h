#pragma once
// Every message the program gives in words of its own, beside the window's
// designed captions: errors of the files read and written, the save
// dialog's kinds of workbook, the names a screen reader reads and the
// traced result, in English, one table; the translations (translations/*.ts)
// hold every other language. Plain C++: the workbook reader program, which
// has no Qt, sends the number of its message, and the program puts it into
// the user's language.

#include <stdexcept>
#include <string>
#include <vector>

namespace quorvan {

enum class MessageId : int {
    // What failed, at the head of a file's error message.
    CannotReadListFile,
    CannotReadWorkbook,
    CannotWriteTextResult,
    CannotSaveWorkbook,
    // The whole of a file's error message: %1 what failed, %2 the file, %3 why.
    FileErrorFormat,

    // Why a file cannot be read.
    ListFileKinds, // %1: the file
    ListTooLarge,  // %1: megabytes, %2: lines
    ListHoldsBinary,
    ListEncodingUnknown,
    ListIsHtml,
    ListIsSpreadsheetMl,
    IsAFolder,
    IsAPipe,
    IsADevice,
    NotAnOrdinaryFile,

    // Why a file cannot be written.
    NotAnOrdinaryFileToWrite,
    TooManyLinks,
    WorkbookExtensions,
    NoMemoryForWorkbook,
    CellTooLong,
    CannotAssembleWorkbook, // %1: the temporary folder
    WorkbookLibraryRefused, // %1: the library's own words
    WorkbookTooLarge,
    NoSpaceOnDisk,
    QuotaUsedUp,
    FileTooLarge,
    NoPermissionToWrite,
    DiskReadOnly,
    FolderMissing,
    DiskInputOutputError,

    // The kinds of workbook the save dialog offers.
    XlsDescription,
    XlsxDescription,
    OdsDescription,
    CsvDescription,
    // The question before a workbook replaces a file: %1 the file.
    ReplaceQuestion,
    // The user guide could not be shown: %1 where it is.
    GuideNotOpened,
    // The fairness view's files: what failed, and why the picture failed.
    CannotSavePicture,
    CannotSaveMatrix,
    PictureNotMade,

    // The reader program, as the program sees it.
    ReaderStoppedOnSignal, // %1: number, %2: the signal's name
    ReaderExitedWithoutResult, // %1: exit code
    ReaderCannotStart,     // %1: the program, %2: why
    ReaderSentTooMuch,     // %1: a size
    ReaderTookTooLong,     // %1: seconds
    ReaderSentNoResult,
    ReaderSentDamagedCells,
    ReaderNotConfined,
    ReadingStopped,
    LinkOfAnotherUser,
    GoneSinceChosen,
    NameNotText,
    ChangedSinceChosen,
    ReadingList, // %1: the file
    NamesCut,    // %1: "member" or "hit" in the user's language, %2: the rows, %3: the most characters

    // The reader program's own reasons.
    WorkbookPartOutsideFile,
    WorkbookStreamCutShort,
    WorkbookSectorsLoop,
    WorkbookDirectoryBroken,
    WorkbookHeaderBroken,
    FileCutShort,
    FileNotFound,
    NoMemoryToRead,
    NotAnXlsWorkbook,
    NoWorkbookInFile,
    NoWorksheet,
    UnreadableCharacterSet,
    WorkbookDamagedWithCode, // %1: the library's error number
    WorkbookDamagedOrTooLarge,
    PasswordProtected,

    // Errors the program did not foresee.
    UnknownError,
    UnexpectedError, // %1: the technical detail

    // The font dialog's own controls.
    FontColourButton,
    FontColourTitle,

    // What a screen reader reads of the window.
    MemberBoxName, // %1: the row
    HitBoxName,
    ResultBoxName,
    CountSpinnerName,
    LadderName,
    GuideLinkName,

    // A traced hit in words: %1 the hit's row, %2 the member's text, %3 the member's row.
    HitReachedMember,
    HitReachedEmptyMember, // %1 the hit's row, %2 the member's row
    // A prize revealed: %1 its place ("2nd" / "2"), %2 the prize, %3 the member.
    // Reveal next when every named prize is revealed already.
    EveryPrizeRevealed,
    // Reveal next or back before Build.
    NoLadderToReveal,
    // The stage window's title.
    StageTitle,
    // The stage settings dialog: its title, its fields, the themes.
    StageSettingsTitle,
    StagePathSeconds,
    StagePauseSeconds,
    StageThemeChoice,
    StageThemeDark,
    StageThemeLight,
    StageThemeHighContrast,
    StageReducedMotion,
    StageCurtain,
    StageCelebration,
    StageSeconds, // the unit after a number of seconds

    // The reader program's reasons for an .xlsx or .ods workbook.
    ZipNotAnArchive,         // %1: the archive library's words
    ZipPartMissing,          // %1: the part's name in the archive
    ZipPartTooLarge,         // %1: the part, %2: the cap in MB
    ZipPartDamaged,          // %1: the part, %2: the archive library's words
    ZipPartCutShort,         // %1: the part
    ZipPartNotXml,           // %1: the part, %2: the line, %3: the XML parser's words
    ZipPartDeclaresEntities, // %1: the part
    SharedTextMissing,       // %1: the index, %2: the size of the table
    FormulaWithoutResult,    // %1: the cell ("A5"), %2: its formula

    // The list check's findings on a workbook list; %1: the list ("Member" or "Hit").
    FirstSheetHidden,  // %2: the sheet's name
    NamesInColumn,     // %2: the letters of the column read, %3: of the column with names, %4: how many
    NamesOnOtherSheet, // %2: the sheet's name, %3: how many names

    // Build without the fair draw, hits in the first rows only: %1 the
    // likeliest member's row, %2 its chance in per cent, %3 the fair chance.
    UnevenDraw,
    FairDrawOffer,          // the status line's button that draws again fairly
    FairDrawOnForNext,      // what that button says it did when results were already shown
    // The questions before a lottery with unsaved results is gone.
    SaveBeforeReset,
    SaveBeforeExit,
    // The lottery saved after each command, found at start.
    RestoreQuestion,        // %1: the members, %2: when it was saved
    RestoreButton,
    DiscardButton,
    CannotKeepLottery,      // what failed, when the lottery cannot be kept after a command
    LotteryNotKept,         // the status line while it goes on failing; %1: why, %2: the file
    CannotKeepSetting,      // what failed, when a setting cannot be kept for the next start
    SettingsNotWritten,     // why, when the system gave no reason
    CannotRestoreLottery,   // what failed, at the head of a file's error message
    SavedLotteryDamaged,    // why
    // The winners: the view, its columns and buttons, and the save dialogs' choice.
    WinnersTitle,
    WinnersPrizeHeading,
    WinnersMemberHeading,
    WinnersPrintButton,
    WinnersExportTextButton,
    WinnersExportWorkbookButton,
    WinnersNotYet,
    WinnersOnlyEntry,        // %1: the kind of file

    // Hit lines that give a count ("3 × Gift card").
    CountedHitsQuestion,     // %1: how many lines (2 or more), %2: the first line, %3: its count, %4: its prize
    CountedHitQuestion,      // the one line that gives a count: %1 the line, %2 its count, %3 its prize
    CountedHitsFinding,      // %1: the line, %2: the count, %3: the prize

    // Leaving out earlier winners.
    EarlierWinnersLeftOut,   // %1: how many, %2: their names
    NoEarlierWinnersFound,   // %1: the file
    NoWinnersInFile,
    EarlierWinnersKinds,     // %1: the file
    LeaveOutBeforeBuild,

    // The reveal of one hit: %1 the prize's place in the hit list as loaded,
    // %2 the prize, %3 the winner (a name, or MemberNumber).
    PrizeReveal,
    MemberNumber,            // %1: the member's row, for a member without a name
    KeepRedPathsEntry,       // the menu entry that keeps revealed prizes' paths red
    SavedWhere,              // %1: the file a result or record was saved to
    EveryPathTraced,         // HIT-ALL done: %1 how many winners (rows with a prize)

    // The import preview, opened when a list file looks read wrongly.
    ImportPreviewTitle,
    ImportWhyAsk,            // %1: the file's name
    ImportWhyHeading,        // %1: the entry that reads as a heading
    ImportWhyCodes,          // %1: the column of names
    ImportWhyStopped,        // %1: the row of the empty cell, %2: the names below it
    ImportColumnLabel,
    ImportHeadingBox,
    ImportPastEmptyBox,

    Count
};

// Marks a text for lupdate as QT_TRANSLATE_NOOP does, without Qt.
#define QUORVAN_TRANSLATE_NOOP(context, text) text

struct MessageText {
    MessageId Id;
    const char* English; // UTF-8; translated in the context "Messages"
};

const MessageText& TextOf(MessageId id);

// A message the reader program sends: its number and its arguments, as
// "#<number>", "#<number> <argument>", or with further arguments each after
// the separator ArgumentSeparator.
inline constexpr char ArgumentSeparator = '\x1f';
std::string EncodeMessage(MessageId id, const std::vector<std::string>& arguments = {});

// The English text of a message, with %1, %2 ... filled in; what the reader
// program's errors say of themselves.
std::string EnglishText(MessageId id, const std::vector<std::string>& arguments = {});

// An error the reader program reports with a message of the table.
class MessageError : public std::runtime_error {
public:
    explicit MessageError(MessageId id, std::vector<std::string> arguments = {})
        : std::runtime_error(EnglishText(id, arguments)), id_(id), arguments_(std::move(arguments))
    {
    }
    MessageId Id() const { return id_; }
    const std::vector<std::string>& Arguments() const { return arguments_; }

private:
    MessageId id_;
    std::vector<std::string> arguments_;
};

} // namespace quorvan
