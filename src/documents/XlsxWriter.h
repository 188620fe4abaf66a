#pragma once
// Writing an Office Open XML workbook (.xlsx) with one worksheet of text cells.

#include "workbook/WorkbookSaving.h"

namespace quorvan {

// The workbook's bytes, or the reason they cannot be made.
WorkbookBytes XlsxWorkbookBytes(const QString& sheetName, const CellMap& cells);

} // namespace quorvan
