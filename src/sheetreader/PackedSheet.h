#pragma once
// What the reader program (quorvan-sheet-reader) sends the program: the cells
// of the first worksheet that a list import can use, packed. Plain C++.

#include "ladder/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace quorvan {

// The kinds of workbook the reader reads, and how the program names each on
// the reader's command line: quorvan-sheet-reader KIND [COLUMN] <FILE.
enum class WorkbookKind { Xls, Xlsx, Ods };
constexpr const char* WorkbookKindArgument[] = {"xls", "xlsx", "ods"};

// The cells a list import reads: one column, A unless the command line names
// another (by its number, 1 .. MostSheetColumns), from the heading row to the
// last entry a list holds below it; and, for the import preview, the first
// PreviewRows rows of the first PreviewColumns columns. Nothing else of the
// sheet leaves the reader.
constexpr std::uint16_t ListSheetColumn = 1;
constexpr std::uint16_t MostSheetColumns = 16384;
constexpr std::uint32_t ListSheetRows = MostMembers + 1;
constexpr std::uint32_t PreviewRows = 16;
constexpr std::uint16_t PreviewColumns = 8;

// Where a cell sent (row and column from 1) is kept, counted from 0 among
// PackedCellPlaces: rows 1 .. ListSheetRows of the list's column
// `listColumn`, then the preview's cells of the other columns, row by row;
// none for a cell that is not sent.
constexpr std::size_t PackedCellPlaces = ListSheetRows + PreviewRows * PreviewColumns;
constexpr std::optional<std::size_t> PackedCellPlace(std::int64_t row, std::int64_t column, std::uint16_t listColumn)
{
    if (row < 1)
        return std::nullopt;
    if (column == listColumn)
        return row <= std::int64_t(ListSheetRows) ? std::optional(std::size_t(row - 1)) : std::nullopt;
    if (row <= std::int64_t(PreviewRows) && column >= 1 && column <= PreviewColumns)
        return ListSheetRows + std::size_t(row - 1) * PreviewColumns + std::size_t(column - 1);
    return std::nullopt;
}

// What a packed cell holds. Numbers travel as their bytes (4 for an integer,
// 8 for any other), dates and times in ISO form, so that the program shows
// them the way it shows everything else; text in UTF-8.
//
// Two kinds are notes on the workbook, in row 0, for the list check:
// HiddenSheet, the name of the first sheet when it is hidden (column 0);
// NamesElsewhere, when the list's column holds nothing below its heading, where
// names are instead: in the column of that number of the first sheet, or
// (column 1) in column A of another sheet, its name after the 4 bytes of
// the number of names.
enum class PackedKind : std::uint8_t { Text, Integer, Number, Date, Time, Moment, HiddenSheet, NamesElsewhere };

// Each cell: row (4 bytes), column (2), kind (1), length (4), then the bytes;
// numbers little-endian, rows and columns counted from 1.
constexpr std::size_t PackedCellHeading = 11;

// A text of the list is cut to what an edit box holds: 32,767 UTF-16 code units, each
// at most 3 bytes of UTF-8.
constexpr std::size_t LongestCellUnits = 32767;
constexpr std::size_t LongestCellBytes = 3 * LongestCellUnits;
// A cell of the preview only shows what a column holds: it is cut to twice
// the longest name a list takes.
constexpr std::size_t LongestPreviewUnits = 2 * LongestName;
constexpr std::size_t LongestPreviewBytes = 3 * LongestPreviewUnits;

// The most a reader that keeps to these rules sends: the leading "R", every
// cell of the list and of the preview at its longest, about 48 MB, and the two notes.
constexpr std::size_t LongestSheetName = 1024;
constexpr std::size_t LongestPackedSheet = 1 + ListSheetRows * (PackedCellHeading + LongestCellBytes)
                                           + PreviewRows * PreviewColumns * (PackedCellHeading + LongestPreviewBytes)
                                           + 2 * (PackedCellHeading + 4 + LongestSheetName);

} // namespace quorvan
