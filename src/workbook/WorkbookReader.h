#pragma once
// Reading workbooks: cells of the first worksheet as text, from Excel
// 97-2003 (and 5.0/95) workbooks (.xls), Office Open XML workbooks (.xlsx)
// and OpenDocument spreadsheets (.ods).

#include "sheetreader/PackedSheet.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

namespace quorvan {

// How workbooks are read: by which reader program, and how the dates and
// times read are shown.
struct WorkbookReading {
    QString ReaderProgram;
    std::function<QString(const QDate&)> ShortDate;
    std::function<QString(const QTime&)> LongTime;
    // Asks the reader to stop, which ends the reading with a FileError.
    std::stop_token Stop;
};

// What the list check tells of a workbook besides its list.
struct WorkbookNotes {
    QString HiddenFirstSheet; // the first sheet's name, when it is hidden
    // When the column read holds nothing below its heading: the other column of the
    // first sheet (its number) that holds names, or column 1 of the sheet so
    // named, and how many.
    int NamesColumn = 0;
    QString NamesSheet;
    qint64 NamesCount = 0;
};

class WorkbookReader {
public:
    // Reads the cells a list can use (PackedSheet.h), in `column` (from 1),
    // of the first worksheet of the workbook of that kind; throws FileError with the reason when the
    // file is not a workbook that can be read. The workbook libraries run in
    // the reader program (quorvan-sheet-reader), so a file that upsets them
    // costs that process, never this one.
    WorkbookReader(const QString& path, WorkbookReading reading, WorkbookKind kind = WorkbookKind::Xls,
                   quint16 column = ListSheetColumn);

    // The text of a cell, rows and columns counted from 1; empty where there
    // is none and outside the cells read: the column asked for, and the first
    // PreviewRows rows of the first PreviewColumns columns.
    QString CellText(int row, int column) const;
    const WorkbookNotes& Notes() const { return notes_; }

private:
    void TakeNote(PackedKind kind, quint16 column, const QByteArray& bytes);

    // Where a cell's bytes lie in packed_; a cell without bytes is empty.
    struct Cell {
        PackedKind kind = PackedKind::Text;
        qsizetype at = 0;
        qsizetype size = 0;
    };
    WorkbookReading reading_;
    quint16 column_;
    QByteArray packed_;
    std::vector<Cell> cells_; // each cell sent at its PackedCellPlace
    WorkbookNotes notes_;
};

} // namespace quorvan
