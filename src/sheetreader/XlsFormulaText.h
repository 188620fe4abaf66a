#pragma once
// An Excel 97-2003 formula's parsed form (its tokens in reverse Polish
// order, as a FORMULA record holds them) written as the formula text
// WorkOutFormula reads (FormulaValue.h), for the formulas people build
// names with: references and areas, texts, numbers, booleans, the
// operators, TRIM, UPPER, LOWER, PROPER and CONCATENATE. Part of the reader
// program; plain C++.

#include <optional>
#include <string>
#include <string_view>

namespace quorvan {

// The text of the formula, "B2&\" \"&C2" say; nullopt for a token not listed above.
std::optional<std::string> FormulaTextOfTokens(std::string_view tokens);

} // namespace quorvan
