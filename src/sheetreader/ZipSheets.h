#pragma once
// The list column of the first worksheet of an Office Open XML workbook
// (.xlsx) or an OpenDocument spreadsheet (.ods), read in the reader program
// from the zip archive through libzip and expat. Values come as the .xls
// reading gives them (SheetRecords.h): texts (shared, inline and rich text
// alike), numbers, dates and times in ISO form, booleans as "TRUE" or
// "FALSE", errors as a spreadsheet shows them; a formula by the value saved
// with it. Reading stops past the rows a list uses. Plain C++.

#include "sheetreader/SheetRecords.h"

#include <string>
#include <vector>

namespace quorvan {

// Rows 1 .. ListSheetRows of column `listColumn` (A unless another is asked
// for), indexed from 0, the preview's cells of the other columns, and the
// notes on the workbook. Throws MessageError with the reason when the file
// cannot be read, or when a formula saved without a result in the list's
// column cannot be worked out (such a cell of the preview is left out).
ListColumn XlsxListColumn(const char* path, std::uint16_t listColumn = ListSheetColumn);
ListColumn OdsListColumn(const char* path, std::uint16_t listColumn = ListSheetColumn);

} // namespace quorvan
