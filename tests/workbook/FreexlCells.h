#pragma once
// An .xls workbook as freexl reads it: its sheet names and the text cells of
// its first sheet. A reader we did not write, to check the workbooks the
// program saves (the program's own reader takes only a list's cells).

#include "workbook/XlsWriter.h"

#include <QFile>
#include <QStringList>

#include <freexl.h>

struct FreexlWorkbook {
    QStringList Sheets;
    quorvan::CellMap Cells;
};

inline FreexlWorkbook ReadWithFreexl(const QString& path)
{
    FreexlWorkbook read;
    const void* handle = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK) {
        freexl_close(handle);
        return read;
    }
    unsigned int sheets = 0;
    freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets);
    for (unsigned int sheet = 0; sheet < sheets; ++sheet) {
        const char* name = nullptr;
        freexl_get_worksheet_name(handle, static_cast<unsigned short>(sheet), &name);
        read.Sheets.append(QString::fromUtf8(name));
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (sheets > 0 && freexl_select_active_worksheet(handle, 0) == FREEXL_OK
        && freexl_worksheet_dimensions(handle, &rows, &columns) == FREEXL_OK)
        for (unsigned int row = 0; row < rows; ++row)
            for (unsigned short column = 0; column < columns; ++column) {
                FreeXL_CellValue cell{};
                if (freexl_get_cell_value(handle, row, column, &cell) == FREEXL_OK
                    && (cell.type == FREEXL_CELL_TEXT || cell.type == FREEXL_CELL_SST_TEXT))
                    read.Cells.insert({int(row) + 1, int(column) + 1}, QString::fromUtf8(cell.value.text_value));
            }
    freexl_close(handle);
    return read;
}
