#pragma once
// Writing an Excel 97-2003 workbook (BIFF8 in a compound file) with one
// worksheet of text cells. Every text goes into the shared string table in
// UTF-16, so no character is lost.

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QString>

namespace quorvan {

// Text cells by (row, column), both counted from 1.
using CellMap = QMap<QPair<int, int>, QString>;

// Cells holding an empty text are left empty.
QByteArray XlsWorkbookBytes(const QString& sheetName, const CellMap& cells);

} // namespace quorvan
