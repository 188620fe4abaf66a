#pragma once
// Reading Excel 97-2003 (and 5.0/95) workbooks: cells of the first worksheet as text.

#include <QDate>
#include <QString>

#include <functional>

namespace quorvan {

// How dates and times read from a workbook are shown.
struct CellFormats {
    std::function<QString(const QDate&)> ShortDate;
    std::function<QString(const QTime&)> LongTime;
};

class XlsReader {
public:
    // Opens the workbook and selects its first worksheet; throws FileError
    // with the reason when the file is not a workbook that can be read.
    XlsReader(const QString& path, CellFormats formats);
    ~XlsReader();
    XlsReader(const XlsReader&) = delete;
    XlsReader& operator=(const XlsReader&) = delete;

    // The text of a cell, rows and columns counted from 1; empty outside the sheet.
    QString CellText(int row, int column) const;

private:
    QString path_;
    CellFormats formats_;
    const void* handle_ = nullptr;
    unsigned int rows_ = 0;
    unsigned short columns_ = 0;
};

} // namespace quorvan
