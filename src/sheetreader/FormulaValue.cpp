#include "sheetreader/FormulaValue.h"

#include "sheetreader/NumberFormat.h"
#include "sheetreader/SheetRecords.h"

#include <charconv>
#include <cmath>
#include <cwctype>
#include <vector>

#include <locale.h>

namespace quorvan {

namespace {

// The case mapping of every Unicode letter, loaded before the reader is confined.
locale_t CaseMapping = nullptr;

// The longest formula and the most cells one range may name.
constexpr std::size_t LongestFormula = 8192;
constexpr std::uint64_t MostRangeCells = 100000;

struct Reference {
    std::uint32_t row = 0, column = 0;
};

// A value, or the cells of a range (as function arguments take them).
struct Operand {
    Operand() = default;
    Operand(FormulaValue single) : value(std::move(single)) {}
    FormulaValue value;
    bool isRange = false;
    Reference from, to;
};

FormulaValue ErrorValue(const char* text)
{
    return {FormulaValue::Error, text, 0};
}

std::string AsText(const FormulaValue& value)
{
    switch (value.kind) {
    case FormulaValue::Text: return value.text;
    case FormulaValue::Number: return GeneralNumber(value.number);
    case FormulaValue::Boolean: return value.number != 0 ? "TRUE" : "FALSE";
    default: return {};
    }
}

// A value as a number, or the error it gives.
std::optional<double> AsNumber(const FormulaValue& value)
{
    if (value.kind == FormulaValue::Number || value.kind == FormulaValue::Boolean)
        return value.number;
    if (value.kind == FormulaValue::Empty)
        return 0.0;
    if (value.kind != FormulaValue::Text)
        return std::nullopt;
    std::string_view text = value.text;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

// UTF-8 code points, changed one by one.
template <typename Change>
std::string EachCharacter(const std::string& text, Change change)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (at + length > text.size()) {
            out += text.substr(at);
            break;
        }
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t i = 1; i < length; ++i)
            c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        AppendUtf8(out, change(c));
        at += length;
    }
    return out;
}

char32_t Upper(char32_t c)
{
    if (CaseMapping)
        return char32_t(towupper_l(wint_t(c), CaseMapping));
    return c >= 'a' && c <= 'z' ? c - 32 : c;
}

char32_t LowerCase(char32_t c)
{
    if (CaseMapping)
        return char32_t(towlower_l(wint_t(c), CaseMapping));
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

bool IsLetter(char32_t c)
{
    if (CaseMapping)
        return iswalpha_l(wint_t(c), CaseMapping);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Spaces at either end dropped, runs of them made one (as TRIM does: only U+0020).
std::string Trimmed(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' '))
            continue;
        out += c;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

class Parser {
public:
    Parser(std::string_view formula, FormulaSyntax syntax, const CellValues& cells, int rows, int columns)
        : text_(formula), syntax_(syntax), cells_(cells), rows_(rows), columns_(columns)
    {
    }

    std::optional<FormulaValue> Whole()
    {
        if (text_.size() > LongestFormula)
            return std::nullopt;
        if (syntax_ == FormulaSyntax::OpenFormula) {
            for (const std::string_view prefix : {"of:", "oooc:"})
                if (text_.starts_with(prefix))
                    text_.remove_prefix(prefix.size());
        }
        if (text_.starts_with('='))
            text_.remove_prefix(1);
        const std::optional<Operand> result = Concatenation();
        Spaces();
        if (!failed_ && result && at_ == text_.size() && !result->isRange)
            return result->value;
        return std::nullopt;
    }

private:
    void Spaces()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool Take(char c)
    {
        Spaces();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool Peek(char c)
    {
        Spaces();
        return at_ < text_.size() && text_[at_] == c;
    }

    std::optional<Operand> Fail()
    {
        failed_ = true;
        return std::nullopt;
    }

    // A binary operation on two values; errors pass through.
    template <typename Operation>
    std::optional<Operand> Arithmetic(const std::optional<Operand>& left, const std::optional<Operand>& right,
                                      Operation operation)
    {
        if (!left || !right || left->isRange || right->isRange)
            return Fail();
        if (left->value.kind == FormulaValue::Error)
            return left;
        if (right->value.kind == FormulaValue::Error)
            return right;
        const std::optional<double> a = AsNumber(left->value), b = AsNumber(right->value);
        if (!a || !b)
            return Operand{ErrorValue("#VALUE!")};
        return Operand{operation(*a, *b)};
    }

    static FormulaValue NumberOrError(double value)
    {
        return std::isfinite(value) ? FormulaValue{FormulaValue::Number, {}, value} : ErrorValue("#NUM!");
    }

    std::optional<Operand> Concatenation()
    {
        std::optional<Operand> left = Sum();
        while (!failed_ && Take('&')) {
            const std::optional<Operand> right = Sum();
            if (!left || !right || left->isRange || right->isRange)
                return Fail();
            if (left->value.kind == FormulaValue::Error)
                continue;
            if (right->value.kind == FormulaValue::Error)
                left = right;
            else
                left = Operand{{FormulaValue::Text, AsText(left->value) + AsText(right->value), 0}};
        }
        if (Peek('=') || Peek('<') || Peek('>'))
            return Fail(); // comparisons are not worked out
        return left;
    }

    std::optional<Operand> Sum()
    {
        std::optional<Operand> left = Product();
        for (;;) {
            if (Take('+'))
                left = Arithmetic(left, Product(), [](double a, double b) { return NumberOrError(a + b); });
            else if (Take('-'))
                left = Arithmetic(left, Product(), [](double a, double b) { return NumberOrError(a - b); });
            else
                return left;
        }
    }

    std::optional<Operand> Product()
    {
        std::optional<Operand> left = Power();
        for (;;) {
            if (Take('*'))
                left = Arithmetic(left, Power(), [](double a, double b) { return NumberOrError(a * b); });
            else if (Take('/'))
                left = Arithmetic(left, Power(), [](double a, double b) {
                    return b == 0 ? ErrorValue("#DIV/0!") : NumberOrError(a / b);
                });
            else
                return left;
        }
    }

    std::optional<Operand> Power()
    {
        std::optional<Operand> left = Percent();
        while (Take('^'))
            left = Arithmetic(left, Percent(), [](double a, double b) { return NumberOrError(std::pow(a, b)); });
        return left;
    }

    std::optional<Operand> Percent()
    {
        std::optional<Operand> value = Sign();
        while (Take('%'))
            value = Arithmetic(value, Operand{{FormulaValue::Number, {}, 100}},
                               [](double a, double b) { return NumberOrError(a / b); });
        return value;
    }

    std::optional<Operand> Sign()
    {
        if (Take('-'))
            return Arithmetic(Operand{{FormulaValue::Number, {}, 0}}, Sign(),
                              [](double a, double b) { return NumberOrError(a - b); });
        if (Take('+'))
            return Sign();
        return Primary();
    }

    std::optional<Operand> Primary()
    {
        Spaces();
        if (at_ >= text_.size())
            return Fail();
        const char c = text_[at_];
        if (c == '"')
            return TextLiteral();
        if (c == '(') {
            ++at_;
            std::optional<Operand> inside = Concatenation();
            if (!Take(')'))
                return Fail();
            return inside;
        }
        if ((c >= '0' && c <= '9') || c == '.')
            return NumberLiteral();
        if (syntax_ == FormulaSyntax::OpenFormula && c == '[')
            return BracketedReference();
        return NameOrReference();
    }

    std::optional<Operand> TextLiteral()
    {
        std::string text;
        for (++at_; at_ < text_.size(); ++at_) {
            if (text_[at_] == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    text += '"';
                    ++at_;
                    continue;
                }
                ++at_;
                return Operand{{FormulaValue::Text, text, 0}};
            }
            text += text_[at_];
        }
        return Fail();
    }

    std::optional<Operand> NumberLiteral()
    {
        double number = 0;
        const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), number);
        if (error != std::errc())
            return Fail();
        at_ = std::size_t(end - text_.data());
        return Operand{{FormulaValue::Number, {}, number}};
    }

    // "B2", "$B$2" at `at_`, moved as a shared formula moves it.
    std::optional<Reference> CellReference()
    {
        Reference reference;
        const bool fixedColumn = at_ < text_.size() && text_[at_] == '$';
        at_ += fixedColumn ? 1 : 0;
        std::size_t letters = 0;
        while (at_ < text_.size() && letters < 4 && ((text_[at_] >= 'A' && text_[at_] <= 'Z') || (text_[at_] >= 'a' && text_[at_] <= 'z'))) {
            reference.column = reference.column * 26 + std::uint32_t((text_[at_] | 0x20) - 'a' + 1);
            ++at_;
            ++letters;
        }
        const bool fixedRow = at_ < text_.size() && text_[at_] == '$';
        at_ += fixedRow ? 1 : 0;
        std::size_t digits = 0;
        while (at_ < text_.size() && digits < 8 && text_[at_] >= '0' && text_[at_] <= '9') {
            reference.row = reference.row * 10 + std::uint32_t(text_[at_] - '0');
            ++at_;
            ++digits;
        }
        if (letters == 0 || digits == 0 || reference.row == 0 || reference.column > 16384)
            return std::nullopt;
        const long long row = (long long)reference.row + (fixedRow ? 0 : rows_);
        const long long column = (long long)reference.column + (fixedColumn ? 0 : columns_);
        if (row < 1 || column < 1)
            return std::nullopt;
        return Reference{std::uint32_t(row), std::uint32_t(column)};
    }

    std::optional<Operand> ReferenceOperand(Reference from, std::optional<Reference> to)
    {
        if (!to) {
            const std::optional<FormulaValue> value = cells_(from.row, from.column);
            if (!value)
                return Fail();
            return Operand{*value};
        }
        Operand range;
        range.isRange = true;
        range.from = {std::min(from.row, to->row), std::min(from.column, to->column)};
        range.to = {std::max(from.row, to->row), std::max(from.column, to->column)};
        if (std::uint64_t(range.to.row - range.from.row + 1) * (range.to.column - range.from.column + 1) > MostRangeCells)
            return Fail();
        return range;
    }

    // OpenFormula: "[.B2]", "[.B2:.C3]"; a reference naming a sheet is not worked out.
    std::optional<Operand> BracketedReference()
    {
        ++at_;
        if (!Take('.'))
            return Fail();
        const std::optional<Reference> from = CellReference();
        std::optional<Reference> to;
        if (from && Take(':')) {
            if (!Take('.'))
                return Fail();
            to = CellReference();
            if (!to)
                return Fail();
        }
        if (!from || !Take(']'))
            return Fail();
        return ReferenceOperand(*from, to);
    }

    std::optional<Operand> NameOrReference()
    {
        const std::size_t start = at_;
        if (const std::optional<Reference> from = CellReference(); from && !Peek('(') && !Peek('!') && !Peek('.')) {
            std::optional<Reference> to;
            if (Take(':')) {
                Spaces();
                to = CellReference();
                if (!to)
                    return Fail();
            }
            return ReferenceOperand(*from, to);
        }
        at_ = start;
        std::string name;
        while (at_ < text_.size()
               && ((text_[at_] >= 'A' && text_[at_] <= 'Z') || (text_[at_] >= 'a' && text_[at_] <= 'z')
                   || (text_[at_] >= '0' && text_[at_] <= '9') || text_[at_] == '.' || text_[at_] == '_'))
            name += text_[at_++];
        for (char& c : name)
            if (c >= 'a' && c <= 'z')
                c = char(c - 32);
        for (const std::string_view prefix : {"_XLFN.", "COM.MICROSOFT."})
            if (name.starts_with(prefix))
                name.erase(0, prefix.size());
        if (name.empty())
            return Fail();
        if (!Take('(')) {
            if (name == "TRUE" || name == "FALSE")
                return Operand{{FormulaValue::Boolean, {}, name == "TRUE" ? 1.0 : 0.0}};
            return Fail(); // a defined name, or a reference to another sheet
        }
        std::vector<Operand> arguments;
        const char separator = syntax_ == FormulaSyntax::OpenFormula ? ';' : ',';
        if (!Take(')')) {
            do {
                if (Peek(separator) || Peek(')')) { // an argument left out
                    arguments.push_back({});
                    continue;
                }
                std::optional<Operand> argument = Concatenation();
                if (!argument)
                    return Fail();
                arguments.push_back(std::move(*argument));
            } while (Take(separator));
            if (!Take(')'))
                return Fail();
        }
        return Function(name, arguments);
    }

    // The values a function argument gives: one, or every cell of a range, row by row.
    std::optional<std::vector<FormulaValue>> Values(const Operand& argument)
    {
        if (!argument.isRange)
            return std::vector<FormulaValue>{argument.value};
        std::vector<FormulaValue> values;
        for (std::uint32_t row = argument.from.row; row <= argument.to.row; ++row)
            for (std::uint32_t column = argument.from.column; column <= argument.to.column; ++column) {
                const std::optional<FormulaValue> value = cells_(row, column);
                if (!value)
                    return std::nullopt;
                values.push_back(*value);
            }
        return values;
    }

    std::optional<Operand> Function(const std::string& name, const std::vector<Operand>& arguments)
    {
        if (name == "TRUE" || name == "FALSE") {
            if (!arguments.empty())
                return Fail();
            return Operand{{FormulaValue::Boolean, {}, name == "TRUE" ? 1.0 : 0.0}};
        }
        // Every value of the arguments, ranges taken whole where the function takes them.
        std::vector<FormulaValue> values;
        const bool takesRanges = name == "CONCAT" || name == "TEXTJOIN";
        for (const Operand& argument : arguments) {
            if (argument.isRange && !takesRanges)
                return Fail();
            const std::optional<std::vector<FormulaValue>> each = Values(argument);
            if (!each)
                return Fail();
            for (const FormulaValue& value : *each) {
                if (value.kind == FormulaValue::Error)
                    return Operand{value};
                values.push_back(value);
            }
        }
        const auto text = [](std::string value) { return Operand{{FormulaValue::Text, std::move(value), 0}}; };
        if (name == "CONCATENATE" || name == "CONCAT") {
            if (arguments.empty())
                return Fail();
            std::string joined;
            for (const FormulaValue& value : values)
                joined += AsText(value);
            return text(joined);
        }
        if (name == "TEXTJOIN") {
            if (arguments.size() < 3 || arguments[0].isRange || arguments[1].isRange)
                return Fail();
            const std::string separator = AsText(values[0]);
            const std::optional<double> skipEmpty = AsNumber(values[1]);
            if (!skipEmpty)
                return Operand{ErrorValue("#VALUE!")};
            std::string joined;
            bool first = true;
            for (std::size_t at = 2; at < values.size(); ++at) {
                const std::string part = AsText(values[at]);
                if (part.empty() && *skipEmpty != 0)
                    continue;
                joined += (first ? "" : separator) + part;
                first = false;
            }
            return text(joined);
        }
        if (arguments.size() != 1)
            return Fail();
        const std::string argument = AsText(values[0]);
        if (name == "TRIM")
            return text(Trimmed(argument));
        if (name == "UPPER")
            return text(EachCharacter(argument, Upper));
        if (name == "LOWER")
            return text(EachCharacter(argument, LowerCase));
        if (name == "PROPER") {
            bool afterLetter = false;
            return text(EachCharacter(argument, [&](char32_t c) {
                const char32_t changed = afterLetter ? LowerCase(c) : Upper(c);
                afterLetter = IsLetter(c);
                return changed;
            }));
        }
        return Fail();
    }

    std::string_view text_;
    FormulaSyntax syntax_;
    const CellValues& cells_;
    int rows_, columns_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

} // namespace

std::optional<FormulaValue> WorkOutFormula(std::string_view formula, FormulaSyntax syntax, const CellValues& cells,
                                           int rows, int columns)
{
    return Parser(formula, syntax, cells, rows, columns).Whole();
}

void KeepCaseMappingLoaded()
{
    if (!CaseMapping)
        CaseMapping = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
}

} // namespace quorvan
