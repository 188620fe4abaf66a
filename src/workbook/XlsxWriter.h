#pragma once
// Writing an Office Open XML workbook (.xlsx) with one worksheet of text cells.

#include "workbook/XlsWriter.h"

namespace quorvan {

// The workbook's bytes; throws FileError naming `savedAs`, the file they are
// for, when they cannot be made.
QByteArray XlsxWorkbookBytes(const QString& sheetName, const CellMap& cells, const QString& savedAs);

} // namespace quorvan
