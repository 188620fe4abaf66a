#pragma once
// The part of workbook reading that runs in the reader process
// (quorvan-sheet-reader): the cells of the first worksheet that a list can use
// are read, from the records freexl passes over and by freexl, and packed
// for the program, where WorkbookReader unpacks them. Plain C++.

#include "sheetreader/PackedSheet.h"
#include "sheetreader/SheetRecords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvan {

// Column `listColumn` (A unless another is asked for), rows 1 .. ListSheetRows,
// of the first worksheet, and the preview's cells of the other columns,
// packed as PackedSheet.h says; empty cells are left out. Throws MessageError
// (Messages.h) with the message for the user when the file cannot be read.
std::string PackFirstSheet(const char* path, std::uint16_t listColumn);

// What the reader reads itself, before freexl: the workbook stream out of
// its compound file (a damaged one is refused, by throwing as above) and
// the list column's values that freexl leaves out (SheetRecords.h).
ListColumn RecordValues(const char* path, std::uint16_t listColumn = ListSheetColumn);

// The list column's values, rows from 1, then the preview's, packed: texts
// cut to what an edit box holds (in the preview, to LongestPreviewUnits),
// cells without a value left out; then the notes.
std::string PackListColumn(ListColumn column);

// Keeps the process's further heap within this many bytes, so that a file
// that makes the library ask for memory without end gets "no" instead.
void LimitFurtherMemory(std::uint64_t bytes);

// What the reader process may take: ample for any list (the library keeps a
// worksheet's cells in at most 256 MB), and quickly refused beyond.
constexpr std::uint64_t ReaderMemory = std::uint64_t(512) << 20;

} // namespace quorvan
