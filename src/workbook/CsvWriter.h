#pragma once
// Writing cells as CSV: UTF-8 with a byte-order mark, so that spreadsheet
// programs read every character right; comma-separated records ending in
// CR LF; a field that holds a comma, a quote or a line break in quotes; a
// field that starts with =, +, -, @, a tab or a CR after an apostrophe, so
// that no spreadsheet runs it as a formula.

#include "workbook/XlsWriter.h"

namespace quorvan {

// Rows 1 .. the last row with a cell, fields 1 .. the last column with one.
QByteArray CsvBytes(const CellMap& cells);

} // namespace quorvan
