#pragma once
// The values freexl leaves out of a worksheet, read from the workbook
// stream's own records: the results of formulas, as the spreadsheet program
// that saved the workbook worked them out, and boolean and error cells.
// Part of the reader program; plain C++.

#include "sheetreader/PackedSheet.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// A cell's value as it is packed for the program; without bytes, no value.
struct SheetValue {
    PackedKind kind = PackedKind::Text;
    std::string bytes;
    // A number cell: the library, which knows the cell's format (a date,
    // say), reads it better; this value stands in when it cannot read the file.
    bool plainNumber = false;
};

// What the list check tells of a workbook besides its list (PackedSheet.h).
struct SheetNotes {
    std::string hiddenFirstSheet; // the first sheet's name, when it is hidden
    // The list column empty below its heading: the first other column of the
    // first sheet with entries below row 1, or column 1 of the sheet so named.
    std::uint32_t namesColumn = 0;
    std::string namesSheet;
    std::uint32_t namesCount = 0;
};

// The list column (its number), rows 1 .. ListSheetRows indexed from 0, the
// preview's cells of the other columns, and the notes.
struct ListColumn {
    explicit ListColumn(std::uint16_t listColumn = ListSheetColumn) : column(listColumn) {}

    std::uint16_t column;
    std::vector<SheetValue> cells = std::vector<SheetValue>(ListSheetRows);
    std::vector<SheetValue> preview = std::vector<SheetValue>(PreviewRows * PreviewColumns); // row by row
    SheetNotes notes;

    // Where a cell's value (row and column from 1) is kept: in the list
    // column, in the preview, or nowhere (nullptr) when neither sends it.
    SheetValue* Slot(std::uint32_t row, std::uint32_t column);
    // Calls `take` with each cell sent (row and column from 1) and where its
    // value is kept: the list column's rows, then the preview's cells of the
    // other columns.
    void ForEachCellSent(const std::function<void(std::uint32_t, std::uint32_t, SheetValue&)>& take);
};

// Whether the list column holds an entry below its heading.
bool HoldsEntries(const std::vector<SheetValue>& cells);

// The first column but the list column `read` that `counts` (entries below
// row 1 by column) has entries in, as notes; none when there is none.
void NoteNamesInOtherColumn(const std::map<std::uint32_t, std::uint32_t>& counts, std::uint32_t read,
                            SheetNotes& notes);

// A number, and a boolean as "TRUE" or "FALSE", as every reader packs them.
SheetValue NumberValue(double value);
SheetValue BooleanValue(bool value);

// A number as its cell's number format (built-in number `formatId`, its
// `code`) shows it: the dates and times that follow the user's regional
// settings as dates and times for the program to show, a number without a
// format as a number, any other as the text the format makes (NumberFormat.h).
SheetValue ShownNumber(double value, int formatId, std::string_view code, bool from1904);

// A cell as a spreadsheet names it: "B5" for row 5 of column 2.
std::string CellName(std::uint32_t row, std::uint32_t column);

// UTF-8 from UTF-16 (half of a surrogate pair alone becomes U+FFFD), and a code point appended as UTF-8.
std::string Utf8(const std::u16string& text);
void AppendUtf8(std::string& out, char32_t c);

// Column `listColumn` (A unless another is asked for) of the first worksheet
// of `stream` (an Excel 5.0/95 or 97-2003 workbook stream), rows 1 ..
// ListSheetRows, indexed from 0, the preview's cells of the other columns,
// and the notes on the workbook (whether its first sheet is hidden, where
// names are when that column has none, from the other columns and sheets): the texts
// (from the shared table, whole however long), the numbers, the formula
// results and the boolean and error values. A formula's text and number read
// as the same value typed in would; a boolean reads "TRUE" or "FALSE", an
// error as a spreadsheet shows it ("#DIV/0!"). A number a formula gives is
// shown as a number even where the cell's format would show a date.
// Records cut short are passed over. Throws MessageError when an
// Excel 5.0/95 formula's text is in a character set that cannot be read.
ListColumn FormulaAndBooleanValues(std::string_view stream, std::uint16_t listColumn = ListSheetColumn);

// Loads what iconv needs to convert every code page a workbook may name,
// and keeps it loaded: the confined reader can load nothing later.
void KeepCharacterSetsLoaded();

} // namespace quorvan
