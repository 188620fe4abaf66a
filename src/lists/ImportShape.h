#pragma once
// A look at a list file before it is taken as it reads: a first row that
// looks like a heading, numbers or codes in the first column with names in
// another, or a workbook list stopped by an empty cell with names below it.
// When one of these shows, the user is asked how to read the file, with the
// likely answer chosen; otherwise the list is read as it always is.

#include "lists/ListNotes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace quorvan {

// How a list file is read: which column holds the entries (from 1), whether
// its first row is a heading to pass over (text and CSV files), and whether
// a workbook list reads on past empty cells.
struct ImportChoice {
    int32_t Column = 1;
    bool Heading = false;
    bool PastEmpty = false;
    bool operator==(const ImportChoice&) const = default;

    // As kept in the settings, and back; nothing for a text that is no choice.
    QString ToSetting() const;
    static std::optional<ImportChoice> FromSetting(const QString& text);
};

// What looks wrong, and the answer that would mend it.
struct ImportShape {
    QString HeadingLike;      // the first row's entry when it reads as a heading
    int32_t NamesColumn = 0;  // the column of names beside codes in column A; 0 when none
    int32_t StopRow = 0;      // a workbook's empty cell with names below it
    int32_t NamesBelow = 0;
    ImportChoice Likely;
    QList<QStringList> FirstRows; // the file's first rows, field by field (a workbook's: cell by cell)
    bool HeadingRow = false;      // the first row is a heading whatever it holds, as a workbook's is

    bool doubtful() const { return !HeadingLike.isEmpty() || NamesColumn != 0 || StopRow != 0; }
};

// The shape of a text or CSV file from the fields of its first rows.
ImportShape ShapeOfRows(const QList<QStringList>& rows);

// The shape of a workbook's list from the cells of its first rows, under
// the heading row every workbook list has, and the `notes` of reading it.
ImportShape ShapeOfSheet(const QList<QStringList>& rows, const ListNotes& notes);

// A name of a heading ("Name", "Prize", and their Japanese words), whatever its case and width.
bool LooksLikeHeading(const QString& entry);
// A number or code such as 1024, A-17, EMP0042, #12.
bool LooksLikeCode(const QString& entry);

} // namespace quorvan
