#pragma once
// Writing an OpenDocument spreadsheet (.ods) with one table of text cells,
// packed with libzip: the "mimetype" entry first and stored, then the
// content and the manifest.

#include "workbook/XlsWriter.h"

namespace quorvan {

// The spreadsheet's bytes; throws FileError naming `savedAs`, the file they
// are for, when they cannot be made.
QByteArray OdsWorkbookBytes(const QString& sheetName, const CellMap& cells, const QString& savedAs);

} // namespace quorvan
