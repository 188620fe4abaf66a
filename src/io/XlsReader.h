#pragma once
// Reading Excel 97-2003 (and 5.0/95) workbooks: cells of the first worksheet as text.

#include "FreexlSheet.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>
#include <functional>
#include <unordered_map>

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
    // Reads the first worksheet of the workbook; throws FileError with the
    // reason when the file is not a workbook that can be read. The workbook
    // library runs in the reader program (quorvan-xls-reader), so a file that
    // upsets it costs that process, never this one.
    XlsReader(const QString& path, WorkbookReading reading);

    // The text of a cell, rows and columns counted from 1; empty where there is none.
    QString CellText(int row, int column) const;

private:
    struct Cell {
        PackedKind kind;
        QByteArray data;
    };
    WorkbookReading reading_;
    std::unordered_map<std::uint64_t, Cell> cells_;
};

} // namespace quorvan
