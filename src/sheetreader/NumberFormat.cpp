#include "sheetreader/NumberFormat.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quorvan {

namespace {

// A number's digits, rounded as spreadsheets round: from its 15 significant
// digits, half away from zero (2.675 to two decimals is 2.68).
struct Digits {
    std::string whole; // without leading zeros; empty for zero
    std::string fraction;
};

Digits Rounded(double value, int decimals)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    std::string digits = std::string(1, text[0]) + std::string(text + 2, 14);
    int point = std::atoi(std::strchr(text, 'e') + 1) + 1; // digits before the point
    if (point < 0) {
        digits.insert(0, std::size_t(-point), '0');
        point = 0;
    }
    const std::size_t wanted = std::size_t(point + decimals);
    if (digits.size() < wanted)
        digits.append(wanted - digits.size(), '0');
    if (digits.size() > wanted) {
        const bool up = digits[wanted] >= '5';
        digits.resize(wanted);
        for (std::size_t at = digits.size(); up; --at) {
            if (at == 0) {
                digits.insert(0, 1, '1');
                ++point;
                break;
            }
            if (digits[at - 1] == '9') {
                digits[at - 1] = '0';
            } else {
                ++digits[at - 1];
                break;
            }
        }
    }
    Digits out{digits.substr(0, std::size_t(point)), digits.substr(std::size_t(point))};
    out.whole.erase(0, std::min(out.whole.find_first_not_of('0'), out.whole.size()));
    return out;
}

// What a format code is made of.
struct Token {
    enum Kind { Literal, Digit, Point, Comma, Percent, Exponent, Date, Text, General } kind;
    std::string text; // the literal, the digit placeholder, the exponent's sign, the date code (lower case)
};

bool IsDateLetter(char c)
{
    return c == 'y' || c == 'm' || c == 'd' || c == 'h' || c == 's';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view start)
{
    if (text.size() < start.size())
        return false;
    for (std::size_t at = 0; at < start.size(); ++at)
        if (Lower(text[at]) != Lower(start[at]))
            return false;
    return true;
}

// The sections of a code, split at semicolons outside quotes and brackets.
std::vector<std::string_view> Sections(std::string_view code)
{
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    for (std::size_t at = 0; at < code.size(); ++at) {
        if (code[at] == '"')
            at = std::min(code.find('"', at + 1), code.size());
        else if (code[at] == '\\' || code[at] == '_' || code[at] == '*')
            ++at;
        else if (code[at] == '[')
            at = std::min(code.find(']', at), code.size());
        else if (code[at] == ';') {
            sections.push_back(code.substr(start, at - start));
            start = at + 1;
        }
    }
    sections.push_back(code.substr(std::min(start, code.size())));
    return sections;
}

std::vector<Token> Tokens(std::string_view section)
{
    std::vector<Token> tokens;
    const auto literal = [&](std::string_view text) {
        if (!tokens.empty() && tokens.back().kind == Token::Literal)
            tokens.back().text += text;
        else
            tokens.push_back({Token::Literal, std::string(text)});
    };
    for (std::size_t at = 0; at < section.size(); ++at) {
        const char c = section[at];
        const char lower = Lower(c);
        if (c == '"') {
            const std::size_t end = std::min(section.find('"', at + 1), section.size());
            literal(section.substr(at + 1, end - at - 1));
            at = end;
        } else if (c == '\\') {
            if (at + 1 < section.size())
                literal(section.substr(++at, 1));
        } else if (c == '_') {
            literal(" ");
            ++at; // the width of the next character, as a space
        } else if (c == '*') {
            ++at; // filled to the column's width: nothing in a box
        } else if (c == '[') {
            const std::size_t end = std::min(section.find(']', at), section.size());
            const std::string_view inside = section.substr(at + 1, end - at - 1);
            if (inside.starts_with('$')) // a currency symbol, and after "-" its locale
                literal(inside.substr(1, inside.find('-') == std::string_view::npos ? std::string_view::npos
                                                                                     : inside.find('-') - 1));
            else if (!inside.empty() && IsDateLetter(Lower(inside[0])) && Lower(inside[0]) != 'd'
                     && Lower(inside[0]) != 'y')
                tokens.push_back({Token::Date, "[" + std::string(1, Lower(inside[0])) + "]"});
            at = end; // colours and conditions pass
        } else if (c == '0' || c == '#' || c == '?') {
            tokens.push_back({Token::Digit, std::string(1, c)});
        } else if (c == '.') {
            if (!tokens.empty() && tokens.back().kind == Token::Date && at + 1 < section.size() && section[at + 1] == '0') {
                std::string fraction = ".";
                while (at + 1 < section.size() && section[at + 1] == '0')
                    fraction += section[++at];
                tokens.push_back({Token::Date, fraction});
            } else {
                tokens.push_back({Token::Point, "."});
            }
        } else if (c == ',') {
            tokens.push_back({Token::Comma, ","});
        } else if (c == '%') {
            tokens.push_back({Token::Percent, "%"});
        } else if (lower == 'e' && at + 1 < section.size() && (section[at + 1] == '+' || section[at + 1] == '-')) {
            tokens.push_back({Token::Exponent, std::string(1, section[++at])});
        } else if (c == '@') {
            tokens.push_back({Token::Text, "@"});
        } else if (StartsWithNoCase(section.substr(at), "general")) {
            tokens.push_back({Token::General, ""});
            at += 6;
        } else if (StartsWithNoCase(section.substr(at), "am/pm")) {
            tokens.push_back({Token::Date, "am/pm"});
            at += 4;
        } else if (StartsWithNoCase(section.substr(at), "a/p")) {
            tokens.push_back({Token::Date, "a/p"});
            at += 2;
        } else if (IsDateLetter(lower)) {
            std::size_t end = at;
            while (end < section.size() && Lower(section[end]) == lower)
                ++end;
            tokens.push_back({Token::Date, std::string(end - at, lower)});
            at = end - 1;
        } else {
            literal(section.substr(at, 1));
        }
    }
    return tokens;
}

bool HasDate(const std::vector<Token>& tokens)
{
    return std::any_of(tokens.begin(), tokens.end(), [](const Token& token) { return token.kind == Token::Date; });
}

const char* const MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
const char* const DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Padded(long long number, int width)
{
    std::string text = std::to_string(number);
    if (int(text.size()) < width)
        text.insert(0, std::size_t(width - int(text.size())), '0');
    return text;
}

std::string FormatDate(double serial, std::vector<Token> tokens, bool from1904)
{
    using namespace std::chrono;
    // Seconds kept to the fraction the code shows.
    int fractionDigits = 0;
    bool twelveHours = false;
    for (const Token& token : tokens) {
        if (token.kind == Token::Date && token.text.starts_with('.'))
            fractionDigits = int(token.text.size()) - 1;
        twelveHours = twelveHours || (token.kind == Token::Date && (token.text == "am/pm" || token.text == "a/p"));
    }
    const double scale = std::pow(10.0, fractionDigits);
    const auto ticks = static_cast<long long>(std::floor(serial * 86400 * scale + 0.5));
    const long long totalSeconds = ticks / static_cast<long long>(scale);
    const long long fraction = ticks % static_cast<long long>(scale);
    long long days = totalSeconds / 86400;
    const long long seconds = totalSeconds % 86400;
    if (!from1904 && days < 61 && days > 0)
        ++days; // before 1 March 1900, whose 29 February never was
    const sys_days day = sys_days(from1904 ? 1904y / 1 / 1 : 1899y / 12 / 30) + std::chrono::days(days);
    const year_month_day date{day};
    const unsigned weekday = std::chrono::weekday(day).c_encoding();
    const long long hour = seconds / 3600, minute = seconds / 60 % 60, second = seconds % 60;

    // "m" is the minute after an hour or before a second, else the month.
    std::vector<std::size_t> dateTokens;
    for (std::size_t at = 0; at < tokens.size(); ++at)
        if (tokens[at].kind == Token::Date)
            dateTokens.push_back(at);
    for (std::size_t i = 0; i < dateTokens.size(); ++i) {
        Token& token = tokens[dateTokens[i]];
        if (token.text != "m" && token.text != "mm")
            continue;
        const bool afterHour = i > 0 && tokens[dateTokens[i - 1]].text.find('h') != std::string::npos;
        const bool beforeSecond = i + 1 < dateTokens.size() && tokens[dateTokens[i + 1]].text.find('s') != std::string::npos;
        if (afterHour || beforeSecond)
            token.text = token.text == "m" ? "n" : "nn"; // minutes
    }
    std::string out;
    for (const Token& token : tokens) {
        if (token.kind != Token::Date) {
            if (token.kind == Token::Literal)
                out += token.text;
            else if (token.kind != Token::General && token.kind != Token::Text)
                out += token.text;
            continue;
        }
        const std::string& code = token.text;
        const char letter = code[0];
        const int width = int(code.size());
        if (letter == 'y')
            out += width <= 2 ? Padded(int(date.year()) % 100, 2) : Padded(int(date.year()), 4);
        else if (letter == 'm')
            out += width <= 2 ? Padded(unsigned(date.month()), width)
                   : width == 3 ? std::string(MonthNames[unsigned(date.month()) - 1]).substr(0, 3)
                   : width == 4 ? std::string(MonthNames[unsigned(date.month()) - 1])
                                : std::string(MonthNames[unsigned(date.month()) - 1]).substr(0, 1);
        else if (letter == 'd')
            out += width <= 2 ? Padded(unsigned(date.day()), width)
                   : width == 3 ? std::string(DayNames[weekday]).substr(0, 3)
                                : std::string(DayNames[weekday]);
        else if (letter == 'h')
            out += Padded(twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour, std::min(width, 2));
        else if (letter == 'n')
            out += Padded(minute, std::min(width, 2));
        else if (letter == 's')
            out += Padded(second, std::min(width, 2));
        else if (letter == '.')
            out += "." + Padded(fraction, width - 1);
        else if (code == "am/pm")
            out += hour < 12 ? "AM" : "PM";
        else if (code == "a/p")
            out += hour < 12 ? "A" : "P";
        else if (code == "[h]")
            out += Padded(totalSeconds / 3600, 1);
        else if (code == "[m]")
            out += Padded(totalSeconds / 60, 1);
        else if (code == "[s]")
            out += Padded(totalSeconds, 1);
    }
    return out;
}

std::string FormatDigits(double value, const std::vector<Token>& tokens)
{
    std::size_t exponentAt = tokens.size();
    std::size_t pointAt = tokens.size();
    int percents = 0;
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        if (tokens[at].kind == Token::Exponent && exponentAt == tokens.size())
            exponentAt = at;
        if (tokens[at].kind == Token::Point && pointAt == tokens.size() && at < exponentAt)
            pointAt = at;
        percents += tokens[at].kind == Token::Percent ? 1 : 0;
    }
    std::vector<std::size_t> whole, fraction, exponent;
    for (std::size_t at = 0; at < tokens.size(); ++at)
        if (tokens[at].kind == Token::Digit)
            (at > exponentAt ? exponent : at > pointAt ? fraction : whole).push_back(at);
    // Commas between whole digits group them; those right after the last scale by 1000 each.
    bool grouping = false;
    int scaling = 0;
    for (std::size_t at = 0; at < std::min(pointAt, exponentAt); ++at) {
        if (tokens[at].kind != Token::Comma || whole.empty())
            continue;
        if (at > whole.front() && at < whole.back())
            grouping = true;
        else if (at > whole.back())
            ++scaling;
    }
    double number = std::fabs(value) * std::pow(100.0, percents) / std::pow(1000.0, scaling);
    int power = 0;
    Digits digits;
    if (exponentAt < tokens.size()) {
        const int wholeDigits = std::max<int>(1, int(whole.size()));
        const bool engineering = wholeDigits > 1 && tokens[whole.front()].text == "#";
        const auto powerOf = [&](double of) {
            if (of == 0)
                return 0;
            const int magnitude = int(std::floor(std::log10(of)));
            return engineering ? int(std::floor(double(magnitude) / wholeDigits)) * wholeDigits
                               : magnitude - (wholeDigits - 1);
        };
        power = powerOf(number);
        digits = Rounded(number / std::pow(10.0, power), int(fraction.size()));
        if (!engineering && int(digits.whole.size()) > wholeDigits) { // 9.99 became 10.0
            ++power;
            digits = Rounded(number / std::pow(10.0, power), int(fraction.size()));
        }
    } else {
        digits = Rounded(number, int(fraction.size()));
    }

    std::vector<std::string> placed(tokens.size());
    // Whole digits from the right; what is left over goes into the first placeholder.
    if (grouping) {
        std::string text = digits.whole;
        const std::size_t least = std::size_t(std::count_if(whole.begin(), whole.end(),
                                                            [&](std::size_t at) { return tokens[at].text == "0"; }));
        if (text.size() < least)
            text.insert(0, least - text.size(), '0');
        for (int at = int(text.size()) - 3; at > 0; at -= 3)
            text.insert(std::size_t(at), 1, ',');
        if (!whole.empty())
            placed[whole.front()] = text;
    } else {
        std::string left = digits.whole;
        for (std::size_t i = whole.size(); i-- > 0;) {
            const std::string& placeholder = tokens[whole[i]].text;
            if (i == 0 && !left.empty())
                placed[whole[i]] = left;
            else if (!left.empty()) {
                placed[whole[i]] = left.substr(left.size() - 1);
                left.pop_back();
            } else
                placed[whole[i]] = placeholder == "0" ? "0" : placeholder == "?" ? " " : "";
        }
    }
    for (std::size_t i = 0; i < fraction.size(); ++i)
        placed[fraction[i]] = digits.fraction.substr(i, 1);
    for (std::size_t i = fraction.size(); i-- > 0;) {
        const std::string& placeholder = tokens[fraction[i]].text;
        if (placeholder == "0" || placed[fraction[i]] != "0")
            break;
        placed[fraction[i]] = placeholder == "?" ? " " : "";
    }
    if (exponentAt < tokens.size()) {
        std::string text = std::to_string(std::abs(power));
        if (text.size() < exponent.size())
            text.insert(0, exponent.size() - text.size(), '0');
        placed[exponentAt] = std::string("E") + (power < 0 ? "-" : tokens[exponentAt].text == "+" ? "+" : "");
        for (std::size_t i = 0; i < exponent.size(); ++i)
            placed[exponent[i]] = i + 1 == exponent.size() ? text.substr(i) : text.substr(i, 1);
    }
    std::string out;
    for (std::size_t at = 0; at < tokens.size(); ++at) {
        const Token& token = tokens[at];
        switch (token.kind) {
        case Token::Literal:
        case Token::Point:
        case Token::Percent: out += token.text; break;
        case Token::Digit:
        case Token::Exponent: out += placed[at]; break;
        case Token::General: out += GeneralNumber(std::fabs(value)); break;
        case Token::Text: out += GeneralNumber(value); break;
        default: break;
        }
    }
    return out;
}

} // namespace

std::string GeneralNumber(double value)
{
    if (!std::isfinite(value))
        return "#NUM!";
    if (value == 0)
        return "0";
    const double size = std::fabs(value);
    if (size >= 1e15 || size < 1e-9) {
        char text[40];
        std::snprintf(text, sizeof text, "%.14E", value);
        std::string mantissa(text, std::strchr(text, 'E'));
        const int power = std::atoi(std::strchr(text, 'E') + 1);
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.ends_with('.'))
            mantissa.pop_back();
        return mantissa + (power < 0 ? "E-" : "E+") + Padded(std::abs(power), 2);
    }
    const int magnitude = int(std::floor(std::log10(size)));
    const Digits digits = Rounded(value, std::max(0, 14 - magnitude));
    std::string fraction = digits.fraction;
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const std::string whole = digits.whole.empty() ? "0" : digits.whole;
    if (whole == "0" && fraction.empty())
        return "0";
    return (value < 0 ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

std::optional<std::string_view> BuiltInFormat(int id)
{
    switch (id) {
    case 1: return "0";
    case 2: return "0.00";
    case 3: return "#,##0";
    case 4: return "#,##0.00";
    case 5: return "\"$\"#,##0_);(\"$\"#,##0)";
    case 6: return "\"$\"#,##0_);[Red](\"$\"#,##0)";
    case 7: return "\"$\"#,##0.00_);(\"$\"#,##0.00)";
    case 8: return "\"$\"#,##0.00_);[Red](\"$\"#,##0.00)";
    case 9: return "0%";
    case 10: return "0.00%";
    case 11: return "0.00E+00";
    case 14: return "m/d/yyyy";
    case 15: return "d-mmm-yy";
    case 16: return "d-mmm";
    case 17: return "mmm-yy";
    case 18: return "h:mm AM/PM";
    case 19: return "h:mm:ss AM/PM";
    case 20: return "h:mm";
    case 21: return "h:mm:ss";
    case 22: return "m/d/yyyy h:mm";
    case 37: return "#,##0_);(#,##0)";
    case 38: return "#,##0_);[Red](#,##0)";
    case 39: return "#,##0.00_);(#,##0.00)";
    case 40: return "#,##0.00_);[Red](#,##0.00)";
    case 45: return "mm:ss";
    case 46: return "[h]:mm:ss";
    case 47: return "mm:ss.0";
    case 48: return "##0.0E+0";
    case 49: return "@";
    default: return std::nullopt;
    }
}

bool IsRegionalDateFormat(int id)
{
    return id == 14 || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
}

bool IsDateFormat(std::string_view code)
{
    const std::vector<std::string_view> sections = Sections(code);
    return HasDate(Tokens(sections.front()));
}

std::string FormatNumber(double value, std::string_view code, bool from1904)
{
    if (!std::isfinite(value))
        return "#NUM!";
    const std::vector<std::string_view> sections = Sections(code);
    std::string_view section = sections[0];
    bool sign = value < 0;
    if (value < 0 && sections.size() >= 2 && !sections[1].empty()) {
        section = sections[1];
        sign = false; // the negative section shows its own sign
    } else if (value == 0 && sections.size() >= 3) {
        section = sections[2];
    }
    const std::vector<Token> tokens = Tokens(section);
    if (tokens.empty() || (tokens.size() == 1 && tokens[0].kind == Token::General))
        return GeneralNumber(value);
    if (HasDate(tokens)) {
        if (!(value >= 0 && value < 2958466)) // up to 9999-12-31
            return GeneralNumber(value);
        return FormatDate(value, tokens, from1904);
    }
    const bool hasDigits = std::any_of(tokens.begin(), tokens.end(), [](const Token& token) {
        return token.kind == Token::Digit || token.kind == Token::General || token.kind == Token::Text;
    });
    std::string shown = FormatDigits(value, tokens);
    if (sign && hasDigits)
        shown.insert(0, 1, '-');
    return shown;
}

} // namespace quorvan
