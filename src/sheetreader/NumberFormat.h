#pragma once
// Numbers as a spreadsheet shows them: through a cell's number format code
// (the codes .xls and .xlsx store, and what an .ods number style says
// written the same way), or, without one, in the general form. Part of the
// reader program; plain C++.

#include <optional>
#include <string>
#include <string_view>

namespace quorvan {

// The general form: at most 15 significant digits, no trailing zeros,
// scientific ("1.5E+20") only for very large and very small numbers.
std::string GeneralNumber(double value);

// The code of a built-in format of .xls and .xlsx (by its number), as it
// shows in an English spreadsheet; nullopt for "General" and unknown numbers.
std::optional<std::string_view> BuiltInFormat(int id);

// Whether the built-in format shows the date or time in the user's own way
// (the short date of their regional settings, say), which the program does.
bool IsRegionalDateFormat(int id);

// Whether the code shows a date or a time.
bool IsDateFormat(std::string_view code);

// `value` through the format `code`: digits ("0", "#", "?"), grouping and
// scaling commas, decimals, percent, scientific notation, literal text
// (quoted, escaped, currency symbols such as [$¥-411]), sections for
// positive, negative and zero numbers, and dates and times (serial days
// since 1899-12-30, or since 1904-01-01 with `from1904`). Colours and
// conditions are passed over. The general form for "General" and an empty code.
std::string FormatNumber(double value, std::string_view code, bool from1904 = false);

} // namespace quorvan
