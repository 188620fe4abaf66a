#pragma once
// Reading Excel 97-2003 (and 5.0/95) workbooks: cells of the first worksheet as text.

#include "PackedSheet.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <vector>

namespace quorvan {

// How workbooks are read: by which reader program, and how the dates and
// times read are shown.
struct WorkbookReading {
    QString ReaderProgram;
    std::function<QString(const QDate&)> ShortDate;
    std::function<QString(const QTime&)> LongTime;
};

class XlsReader {
public:
    // Reads the cells a list can use (PackedSheet.h) of the first worksheet
    // of the workbook; throws FileError with the reason when the file is not
    // a workbook that can be read. The workbook library runs in the reader
    // program (quorvan-xls-reader), so a file that upsets it costs that
    // process, never this one.
    XlsReader(const QString& path, WorkbookReading reading);

    // The text of a cell, rows and columns counted from 1; empty where there
    // is none and outside the cells read.
    QString CellText(int row, int column) const;

private:
    // Where a cell's bytes lie in packed_; a cell without bytes is empty.
    struct Cell {
        PackedKind kind = PackedKind::Text;
        qsizetype at = 0;
        qsizetype size = 0;
    };
    WorkbookReading reading_;
    QByteArray packed_;
    std::vector<Cell> cells_; // rows 1 .. ListSheetRows of the list's column
};

} // namespace quorvan
