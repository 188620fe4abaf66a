#pragma once
// Every message the program gives in words of its own, beside the window's
// designed captions: errors of the files read and written, the save
// dialog's kinds of workbook, the names a screen reader reads and the
// traced result. Each comes in English and Japanese, in one table. Plain
// C++: the workbook reader program, which has no Qt, sends the number of
// its message, and the program puts it into the user's language.

#include <stdexcept>
#include <string>

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

    Count
};

struct MessageText {
    MessageId Id;
    const char* English; // UTF-8
    const char* Japanese;
};

const MessageText& TextOf(MessageId id);

// A message the reader program sends: its number and at most one argument,
// as "#<number>" or "#<number> <argument>".
std::string EncodeMessage(MessageId id, const std::string& argument = {});

// The English text of a message, with its one argument filled in; what the
// reader program's errors say of themselves.
std::string EnglishText(MessageId id, const std::string& argument = {});

// An error the reader program reports with a message of the table.
class MessageError : public std::runtime_error {
public:
    explicit MessageError(MessageId id, std::string argument = {})
        : std::runtime_error(EnglishText(id, argument)), id_(id), argument_(std::move(argument))
    {
    }
    MessageId Id() const { return id_; }
    const std::string& Argument() const { return argument_; }

private:
    MessageId id_;
    std::string argument_;
};

} // namespace quorvan
