#include "sheetreader/XlsFormulaText.h"

#include "sheetreader/LittleEndian.h"
#include "sheetreader/SheetRecords.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace quorvan {

namespace {

// "B2" from a row and column counted from 0 (the relative flags play no part: the formula is not moved).
std::string CellName(std::uint16_t row, std::uint16_t column)
{
    const unsigned index = column & 0x00FF;
    std::string letters;
    for (unsigned number = index + 1; number > 0; number = (number - 1) / 26)
        letters.insert(letters.begin(), char('A' + (number - 1) % 26));
    return letters + std::to_string(unsigned(row) + 1);
}

// The functions read, by their number in the file.
struct Function {
    std::uint16_t number;
    const char* name;
};
constexpr Function Functions[] = {{112, "LOWER"}, {113, "UPPER"}, {114, "PROPER"}, {118, "TRIM"}, {336, "CONCATENATE"}};

const char* FunctionName(std::uint16_t number)
{
    for (const Function& function : Functions)
        if (function.number == number)
            return function.name;
    return nullptr;
}

} // namespace

std::optional<std::string> FormulaTextOfTokens(std::string_view tokens)
{
    std::vector<std::string> stack;
    const auto pop = [&] {
        std::string top = std::move(stack.back());
        stack.pop_back();
        return top;
    };
    const auto call = [&](const char* name, std::size_t count) -> bool {
        if (!name || stack.size() < count)
            return false;
        std::string arguments;
        const std::size_t first = stack.size() - count;
        for (std::size_t at = first; at < stack.size(); ++at)
            arguments += (at == first ? "" : ",") + stack[at];
        stack.resize(stack.size() - count);
        stack.push_back(std::string(name) + "(" + arguments + ")");
        return true;
    };
    std::size_t at = 0;
    const auto has = [&](std::size_t bytes) { return tokens.size() - at >= bytes; };
    while (at < tokens.size()) {
        const auto token = std::uint8_t(tokens[at++]);
        const char* data = tokens.data() + at;
        if (token >= 0x03 && token <= 0x08) { // + - * / ^ &
            if (stack.size() < 2)
                return std::nullopt;
            const std::string right = pop(), left = pop();
            stack.push_back("(" + left + "+-*/^&"[token - 0x03] + right + ")");
        } else if (token >= 0x12 && token <= 0x15) { // unary +, unary -, %, parentheses
            if (stack.empty())
                return std::nullopt;
            const std::string operand = pop();
            stack.push_back(token == 0x12 ? "(+" + operand + ")" : token == 0x13 ? "(-" + operand + ")"
                            : token == 0x14 ? "(" + operand + "%)" : "(" + operand + ")");
        } else if (token == 0x16) { // an argument left out
            stack.emplace_back();
        } else if (token == 0x17 && has(2)) { // a text
            const std::size_t count = std::uint8_t(data[0]);
            const bool wide = data[1] & 1;
            at += 2;
            if (!has(count * (wide ? 2 : 1)))
                return std::nullopt;
            std::u16string text;
            for (std::size_t i = 0; i < count; ++i)
                text += wide ? LittleEndian<char16_t>(tokens.data() + at + 2 * i) : char16_t(std::uint8_t(tokens[at + i]));
            at += count * (wide ? 2 : 1);
            std::string quoted = "\"";
            for (const char c : Utf8(text))
                quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
            stack.push_back(quoted + "\"");
        } else if (token == 0x19 && has(3)) { // spaces and marks that change nothing; others are not read
            const auto flags = std::uint8_t(data[0]);
            if (flags & ~0x41)
                return std::nullopt;
            at += 3;
        } else if (token == 0x1D && has(1)) {
            stack.push_back(data[0] ? "TRUE" : "FALSE");
            at += 1;
        } else if (token == 0x1E && has(2)) {
            stack.push_back(std::to_string(LittleEndian<std::uint16_t>(data)));
            at += 2;
        } else if (token == 0x1F && has(8)) {
            char text[32];
            std::snprintf(text, sizeof text, "%.17g", LittleEndian<double>(data));
            stack.push_back(text);
            at += 8;
        } else if ((token == 0x24 || token == 0x44 || token == 0x64) && has(4)) {
            stack.push_back(CellName(LittleEndian<std::uint16_t>(data), LittleEndian<std::uint16_t>(data + 2)));
            at += 4;
        } else if ((token == 0x25 || token == 0x45 || token == 0x65) && has(8)) {
            stack.push_back(CellName(LittleEndian<std::uint16_t>(data), LittleEndian<std::uint16_t>(data + 4)) + ":"
                            + CellName(LittleEndian<std::uint16_t>(data + 2), LittleEndian<std::uint16_t>(data + 6)));
            at += 8;
        } else if ((token == 0x21 || token == 0x41 || token == 0x61) && has(2)) {
            if (!call(FunctionName(LittleEndian<std::uint16_t>(data)), 1))
                return std::nullopt;
            at += 2;
        } else if ((token == 0x22 || token == 0x42 || token == 0x62) && has(3)) {
            if (!call(FunctionName(LittleEndian<std::uint16_t>(data + 1) & 0x7FFF), std::uint8_t(data[0]) & 0x7F))
                return std::nullopt;
            at += 3;
        } else {
            return std::nullopt;
        }
    }
    if (stack.size() != 1)
        return std::nullopt;
    return stack.front();
}

} // namespace quorvan
