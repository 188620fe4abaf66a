#pragma once
// The program's own spreadsheet application: the few objects and calls the
// commands use to read list workbooks and to save results, in the shape of a
// spreadsheet's automation model (application, workbooks, workbook,
// worksheet, cells). Every object is freed with the application, on every path.

#include "XlsReader.h"
#include "XlsWriter.h"

#include <memory>
#include <vector>

namespace quorvan {

class Worksheet {
public:
    // A cell's value as text; rows and columns counted from 1.
    QString Cells(int row, int column) const;
    void SetCells(int row, int column, const QString& value);
    QString Name() const { return name_; }
    void SetName(const QString& name);

private:
    friend class Workbook;
    const XlsReader* source_ = nullptr;
    CellMap cells_;
    QString name_ = QStringLiteral("Sheet1");
};

class Workbook {
public:
    explicit Workbook(std::unique_ptr<XlsReader> source = nullptr);

    // The worksheet of that number; a workbook here has just the first.
    Worksheet& WorkSheets(int index);
    // Stores the workbook: a name ending in ".xls" (any case) as an Excel
    // 97-2003 workbook, any other as .xlsx. The file is written beside its
    // place and then put there, so a failed save leaves an earlier file whole.
    void SaveAs(const QString& Filename);
    void close();

private:
    std::unique_ptr<XlsReader> source_;
    Worksheet sheet_;
};

class Workbooks {
public:
    explicit Workbooks(WorkbookReading reading) : reading_(std::move(reading)) {}
    // Opens a workbook file for reading; throws FileError when it cannot be read.
    Workbook& Open(const QString& FileName, bool readOnly);
    Workbook& Add();

private:
    WorkbookReading reading_;
    std::vector<std::unique_ptr<Workbook>> books_;
};

class SpreadsheetApplication {
public:
    explicit SpreadsheetApplication(WorkbookReading reading) : books_(std::move(reading)) {}
    Workbooks& WorkBooks() { return books_; }
    void Quit() { books_ = Workbooks({}); }

private:
    Workbooks books_;
};

} // namespace quorvan
