#include "XlsxWriter.h"

#include "FileError.h"

#include <xlsxwriter.h>

namespace quorvan {

void WriteXlsxFile(const QString& path, const QString& sheetName, const CellMap& cells)
{
    const QString doing = QStringLiteral("Cannot save the workbook");
    lxw_workbook* workbook = workbook_new(path.toLocal8Bit().constData());
    if (!workbook)
        throw FileError(doing, path, QStringLiteral("There is not enough memory to make it."));
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.toUtf8().constData());
    lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_SHEETNAME_ALREADY_USED;
    for (auto cell = cells.begin(); cell != cells.end() && error == LXW_NO_ERROR; ++cell) {
        error = worksheet_write_string(sheet, static_cast<lxw_row_t>(cell.key().first - 1),
                                       static_cast<lxw_col_t>(cell.key().second - 1),
                                       cell.value().toUtf8().constData(), nullptr);
    }
    // Closing writes the file and frees the workbook, also after an error.
    const lxw_error closed = workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR)
        throw FileError(doing, path, QString::fromUtf8(lxw_strerror(error)));
}

} // namespace quorvan
