#pragma once
// Writing an OpenDocument spreadsheet (.ods) with one table of text cells,
// packed with libzip: the "mimetype" entry first and stored, then the
// content and the manifest.

#include "workbook/WorkbookSaving.h"

namespace quorvan {

// The spreadsheet's bytes, or the reason they cannot be made.
WorkbookBytes OdsWorkbookBytes(const QString& sheetName, const CellMap& cells);

} // namespace quorvan
