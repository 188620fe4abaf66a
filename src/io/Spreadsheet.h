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

enum class WorkbookFormat { Xls, Xlsx, Ods, Csv };

// The format a workbook saved under `Filename` gets: Excel 97-2003 for a name
// ending in ".xls", Office Open XML for ".xlsx", OpenDocument for ".ods" and
// CSV for ".csv" (any letter case). Throws FileError for any other name, and
// for a folder, a pipe or a device.
WorkbookFormat SavedWorkbookFormat(const QString& Filename);

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
    // Stores the workbook in the format its name asks for (see
    // SavedWorkbookFormat). The file is written beside its place and put
    // there only once all of it is on the disk, so a failed save leaves an
    // earlier file whole; a link is written through.
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
    // Opens it as a workbook of `kind`, whatever its name says.
    Workbook& OpenAs(const QString& FileName, WorkbookKind kind);
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
