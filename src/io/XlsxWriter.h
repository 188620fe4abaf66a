#pragma once
// Writing an Office Open XML workbook (.xlsx) with one worksheet of text cells.

#include "XlsWriter.h"

namespace quorvan {

// Writes the workbook to `path`; throws FileError when it cannot.
void WriteXlsxFile(const QString& path, const QString& sheetName, const CellMap& cells);

} // namespace quorvan
