#pragma once
// Reading a list text file: one entry a line, its first column when the line
// holds tabs. A line ends at LF or CR LF and a CR elsewhere is dropped; in a
// file without any LF a line ends at CR. Ctrl-Z ends the file, a UTF-8
// byte-order mark at the start is dropped, and one of UTF-16 (or the look of
// UTF-16 without one) or of UTF-32 makes the file UTF-16 or UTF-32. Only the first lines are kept;
// the rest are counted.
//
// A CSV file is read by the same rules, one entry a record: its first field,
// quoted or not (a quoted field may hold the separator, doubled quotes and
// line breaks). The separator is the one of comma, semicolon and tab found
// outside quotes in the most records of the file's start (a tie going to the
// tab, then the semicolon), or else the first of them met.

#include "files/TextDecoding.h"
#include "ladder/Geometry.h"
#include "lists/ListNotes.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace quorvan {

struct ListRead {
    QStringList Kept;      // the first lines, decoded
    int64_t LinesRead = 0; // every line of the file
    ListNotes Notes;
    QList<QStringList> SheetStart; // a workbook's first rows of its first columns, for the import preview
};

// The longest line kept, in bytes: more than the longest name (LongestName
// characters of up to four bytes), which the list reading then cuts to that
// length and notes; the rest of a longer line is dropped unread.
constexpr qsizetype MostLineBytes = 4 * LongestName;

// The most bytes of a list file read. Lines that fit their boxes make a full
// list in less than a third of it, so only a file that is no list meets it
// before its 480th line; past that line it only ends a count already at 480.
constexpr qint64 MostListFileBytes = 128 * 1024 * 1024;

enum class ListSyntax { Lines, CsvFirstField };

// Which field of a line (split at tabs) or record is kept: the first unless
// the user chose another, or every field, each ended by FieldEnd, for a look
// at the file's columns.
struct ListFields {
    int32_t Column = 0; // from 0
    bool All = false;
};
constexpr char FieldEnd = '\x1F';

// Splits bytes fed in pieces into lines (or CSV records: their first fields).
class ListLineSplitter {
public:
    // `crEndsLines` for a file without any LF.
    explicit ListLineSplitter(int32_t keep, ListSyntax syntax = ListSyntax::Lines, bool crEndsLines = false,
                              ListFields fields = {})
        : keep_(keep), syntax_(syntax), crEndsLines_(crEndsLines), fields_(fields)
    {
    }

    void Feed(QByteArrayView bytes);
    // Call at the end of the bytes; a last line without a line end counts too.
    void Finish();
    // A Ctrl-Z was met: nothing after it is read.
    bool Ended() const { return ended_; }

    // The kept lines, in UTF-8 when the file is UTF-16 or UTF-32.
    const QList<QByteArray>& KeptLines() const { return kept_; }
    int64_t LinesRead() const { return lines_; }
    // A byte-order mark, or UTF-16 without one: the kept lines are UTF-8.
    bool Unicode() const { return unicode_; }
    // Kept lines, from 1, that lost a CR not followed by LF.
    const QList<int32_t>& DroppedCrLines() const { return droppedCr_; }
    // Some kept line held a tab and gave only its first column.
    bool TabColumns() const { return tabColumns_; }
    // Kept lines, from 1, cut at MostLineBytes.
    const QList<int32_t>& CutLines() const { return cutLines_; }

private:
    void FeedStart(QByteArrayView bytes, bool whole = false);
    void SplitLine(char byte);
    void Split(QByteArrayView bytes);
    void SplitCsv(char byte);
    bool IsSeparator(char byte);
    void EndLine();
    void Keep(char byte);
    // The current field is one kept.
    bool Wanted() const { return fields_.All || field_ == fields_.Column; }
    void NextField(char separator);

    enum class Quote { Outside, Inside, ClosingOrDoubled };

    int32_t keep_;
    ListSyntax syntax_;
    bool crEndsLines_;
    ListFields fields_;
    bool unicode_ = false;
    bool crWaiting_ = false; // a CR whose next byte decides whether it is dropped
    bool tabColumns_ = false;
    QList<int32_t> droppedCr_;
    QList<int32_t> cutLines_;
    Quote quote_ = Quote::Outside;
    bool fieldStart_ = true;
    int32_t field_ = 0; // the field of the record, from 0
    char separator_ = 0; // none yet
    bool atFirstSplit_ = true;
    QList<QByteArray> kept_;
    QByteArray current_;
    std::optional<Utf16ToUtf8> utf16_;
    std::optional<QStringDecoder> utf32_;
    bool lineStarted_ = false;
    bool lineCut_ = false;
    bool atStart_ = true;
    bool ended_ = false;
    int64_t lines_ = 0;
};

// The kept lines as text (DecodeLines). Throws std::invalid_argument when a
// line holds a NUL character: such a file is binary data, not a list.
DecodedLines DecodeListLines(const ListLineSplitter& splitter, const QString& textLocale);

// Reads the list file at `path`, in the encoding its bytes show, the one of
// `textLocale` (an LC_CTYPE value) deciding a tie; throws FileError when it
// cannot be read or no encoding explains it.
ListRead ReadListFile(const QString& path, int32_t keep, const QString& textLocale,
                      ListSyntax syntax = ListSyntax::Lines, ListFields fields = {});

} // namespace quorvan
