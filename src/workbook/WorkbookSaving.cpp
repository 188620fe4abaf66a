#include "workbook/WorkbookSaving.h"

#include "files/FileError.h"
#include "files/FileSaving.h"
#include "workbook/CsvWriter.h"

#include <stdexcept>

namespace quorvan {

namespace {

constexpr int MostRows = 65536;
constexpr int MostColumns = 256;

void CheckSheet(const QString& sheetName, const CellMap& cells)
{
    if (sheetName.isEmpty() || sheetName.size() > 31)
        throw std::invalid_argument("A worksheet name has 1 to 31 characters");
    for (auto cell = cells.keyBegin(); cell != cells.keyEnd(); ++cell)
        if (cell->first < 1 || cell->first > MostRows || cell->second < 1 || cell->second > MostColumns)
            throw std::out_of_range("There is no cell at row " + std::to_string(cell->first) + ", column "
                                    + std::to_string(cell->second));
}

} // namespace

WorkbookFormat SavedWorkbookFormat(const QString& path)
{
    SaveTarget(path, Say(MessageId::CannotSaveWorkbook));
    if (path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        return WorkbookFormat::Xls;
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return WorkbookFormat::Xlsx;
    if (path.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive))
        return WorkbookFormat::Ods;
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return WorkbookFormat::Csv;
    throw FileError(Say(MessageId::CannotSaveWorkbook), path, Say(MessageId::WorkbookExtensions));
}

void SaveWorkbook(const QString& path, const QString& sheetName, const CellMap& cells, const LibraryWriters& writers)
{
    CheckSheet(sheetName, cells);
    WorkbookBytes made;
    try {
        switch (SavedWorkbookFormat(path)) {
        case WorkbookFormat::Xls: made.Bytes = XlsWorkbookBytes(sheetName, cells); break;
        case WorkbookFormat::Xlsx: made = writers.Xlsx(sheetName, cells); break;
        case WorkbookFormat::Ods: made = writers.Ods(sheetName, cells); break;
        case WorkbookFormat::Csv: made.Bytes = CsvBytes(cells); break;
        }
    } catch (const UserError& unmade) { // a writer that could not be had
        made.Reason = unmade.Message();
    }
    if (!made.Reason.isEmpty())
        throw FileError(Say(MessageId::CannotSaveWorkbook), path, made.Reason);
    ReplaceFileContent(path, made.Bytes, Say(MessageId::CannotSaveWorkbook));
}

} // namespace quorvan
