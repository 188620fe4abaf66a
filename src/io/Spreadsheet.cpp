#include "Spreadsheet.h"

#include "CsvWriter.h"
#include "FileError.h"
#include "FileSaving.h"
#include "OdsWriter.h"
#include "XlsxWriter.h"

#include <stdexcept>

namespace quorvan {

namespace {

constexpr int MostRows = 65536;
constexpr int MostColumns = 256;

void CheckCell(int row, int column)
{
    if (row < 1 || row > MostRows || column < 1 || column > MostColumns)
        throw std::out_of_range("There is no cell at row " + std::to_string(row) + ", column "
                                + std::to_string(column));
}

} // namespace

WorkbookFormat SavedWorkbookFormat(const QString& Filename)
{
    SaveTarget(Filename, Say(MessageId::CannotSaveWorkbook));
    if (Filename.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        return WorkbookFormat::Xls;
    if (Filename.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return WorkbookFormat::Xlsx;
    if (Filename.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive))
        return WorkbookFormat::Ods;
    if (Filename.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return WorkbookFormat::Csv;
    throw FileError(Say(MessageId::CannotSaveWorkbook), Filename, Say(MessageId::WorkbookExtensions));
}

QString Worksheet::Cells(int row, int column) const
{
    CheckCell(row, column);
    if (source_)
        return source_->CellText(row, column);
    return cells_.value({row, column});
}

void Worksheet::SetCells(int row, int column, const QString& value)
{
    CheckCell(row, column);
    cells_.insert({row, column}, value);
}

void Worksheet::SetName(const QString& name)
{
    if (name.isEmpty() || name.size() > 31)
        throw std::invalid_argument("A worksheet name has 1 to 31 characters");
    name_ = name;
}

Workbook::Workbook(std::unique_ptr<XlsReader> source) : source_(std::move(source))
{
    sheet_.source_ = source_.get();
}

Worksheet& Workbook::WorkSheets(int index)
{
    if (index != 1)
        throw std::out_of_range("The workbook has no worksheet " + std::to_string(index));
    return sheet_;
}

void Workbook::SaveAs(const QString& Filename)
{
    QByteArray bytes;
    switch (SavedWorkbookFormat(Filename)) {
    case WorkbookFormat::Xls: bytes = XlsWorkbookBytes(sheet_.Name(), sheet_.cells_); break;
    case WorkbookFormat::Xlsx: bytes = XlsxWorkbookBytes(sheet_.Name(), sheet_.cells_, Filename); break;
    case WorkbookFormat::Ods: bytes = OdsWorkbookBytes(sheet_.Name(), sheet_.cells_, Filename); break;
    case WorkbookFormat::Csv: bytes = CsvBytes(sheet_.cells_); break;
    }
    ReplaceFileContent(Filename, bytes, Say(MessageId::CannotSaveWorkbook));
}

void Workbook::close()
{
    sheet_.source_ = nullptr;
    source_.reset();
}

Workbook& Workbooks::Open(const QString& FileName, bool /*readOnly: never written back*/)
{
    // A name of no workbook kind is read as the oldest kind, .xls.
    return OpenAs(FileName, WorkbookKindOf(FileName).value_or(WorkbookKind::Xls));
}

Workbook& Workbooks::OpenAs(const QString& FileName, WorkbookKind kind)
{
    books_.push_back(std::make_unique<Workbook>(std::make_unique<XlsReader>(FileName, reading_, kind)));
    return *books_.back();
}

Workbook& Workbooks::Add()
{
    books_.push_back(std::make_unique<Workbook>());
    return *books_.back();
}

} // namespace quorvan
