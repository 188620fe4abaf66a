#pragma once
// Working out the formulas people build names with, for cells saved without
// a result (openpyxl and odfpy write formulas so, and re-saving with
// openpyxl drops the results): references to cells of the same sheet, text
// and number literals, "&", CONCATENATE, CONCAT, TEXTJOIN, TRIM, UPPER,
// LOWER, PROPER and arithmetic (+ - * / ^ %). Anything else is not worked
// out. Part of the reader program; plain C++.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvan {

struct FormulaValue {
    enum Kind { Empty, Text, Number, Boolean, Error } kind = Empty;
    std::string text; // a text, or an error as a spreadsheet shows it ("#VALUE!")
    double number = 0; // a number, or a boolean as 1 or 0
};

// How a formula is written: as .xlsx stores it ("B2&\" \"&C2", commas
// between arguments), or in OpenFormula as .ods stores it
// ("of:=[.B2]&\" \"&[.C2]", semicolons).
enum class FormulaSyntax { Excel, OpenFormula };

// The value of the cell at row, column (from 1); nullopt when it is not
// known (not read, or a formula that cannot be worked out).
using CellValues = std::function<std::optional<FormulaValue>(std::uint32_t row, std::uint32_t column)>;

// The value of `formula`, its relative references moved by `rows` and
// `columns` (a formula shared from another cell); nullopt when it holds
// anything not listed above, or a reference to a cell not known.
std::optional<FormulaValue> WorkOutFormula(std::string_view formula, FormulaSyntax syntax, const CellValues& cells,
                                           int rows = 0, int columns = 0);

// Loads the case mapping UPPER, LOWER and PROPER use, and keeps it loaded:
// the confined reader can load nothing later.
void KeepCaseMappingLoaded();

} // namespace quorvan
