#pragma once
// Writing cells as CSV: UTF-8 with a byte-order mark, so that spreadsheet
// programs read every character right; comma-separated records ending in
// CR LF; a field that holds a comma, a quote or a line break in quotes.

#include "workbook/XlsWriter.h"

namespace quorvan {

// Rows 1 .. the last row with a cell, fields 1 .. the last column with one.
QByteArray CsvBytes(const CellMap& cells);

} // namespace quorvan
