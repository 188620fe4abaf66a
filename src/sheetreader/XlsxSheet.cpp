// Reading the list column of an .xlsx workbook: the package's relationships
// lead to the workbook part, its first sheet and its table of shared texts;
// the styles say which numbers are dates.

#include "sheetreader/XmlPart.h"
#include "sheetreader/ZipSheets.h"
#include "texts/Messages.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>

namespace quorvan {

namespace {


// A cell's text is cut here already: the program cuts it shorter still.
constexpr std::size_t LongestText = LongestCellBytes + 4;

void Append(std::string& to, std::string_view text)
{
    to.append(text.substr(0, LongestText - std::min(LongestText, to.size())));
}

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

template <typename Number>
std::optional<Number> NumberIn(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The folder a part is in, with its final "/"; "" at the top.
std::string FolderOf(const std::string& part)
{
    const std::size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// A relationship's target as a part name: from the top when it starts with
// "/", else from the folder of the part that names it; "." and ".." resolved.
std::string PartName(const std::string& from, const std::string& target)
{
    const std::string joined = target.starts_with('/') ? target.substr(1) : FolderOf(from) + target;
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at <= joined.size()) {
        const std::size_t slash = std::min(joined.find('/', at), joined.size());
        const std::string name = joined.substr(at, slash - at);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        at = slash + 1;
    }
    std::string part;
    for (const std::string& name : names)
        part += (part.empty() ? "" : "/") + name;
    return part;
}

// The relationships of a part: targets by id, and by the end of their type.
class Relationships : public XmlPart {
public:
    Relationships(const ZipArchive& archive, const std::string& of) : of_(of)
    {
        const std::string rels = FolderOf(of) + "_rels/" + of.substr(FolderOf(of).size()) + ".rels";
        if (archive.Has(rels))
            Parse(archive, rels);
    }
    std::optional<std::string> ById(const std::string& id) const
    {
        const auto found = byId_.find(id);
        return found == byId_.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::string> ByType(std::string_view typeEnd) const
    {
        for (const auto& [type, target] : byType_)
            if (EndsWith(type, typeEnd))
                return target;
        return std::nullopt;
    }

private:
    void Start(std::string_view name, const char** attributes) override
    {
        const char* id = Attribute(attributes, "Id");
        const char* type = Attribute(attributes, "Type");
        const char* target = Attribute(attributes, "Target");
        const char* mode = Attribute(attributes, "TargetMode");
        if (Local(name) != "Relationship" || !target || (mode && std::string_view(mode) == "External"))
            return;
        const std::string part = PartName(of_, target);
        if (id)
            byId_.emplace(id, part);
        if (type)
            byType_.emplace_back(type, part);
    }
    void End(std::string_view) override {}
    void Text(std::string_view) override {}

    std::string of_;
    std::map<std::string, std::string> byId_;
    std::vector<std::pair<std::string, std::string>> byType_;
};

// The workbook part: its first sheet's relationship, and its date system.
class WorkbookPart : public XmlPart {
public:
    std::optional<std::string> firstSheet;
    bool from1904 = false;

private:
    void Start(std::string_view name, const char** attributes) override
    {
        const std::string_view local = Local(name);
        if (local == "workbookPr") {
            const char* date1904 = Attribute(attributes, "date1904");
            from1904 = date1904 && (std::string_view(date1904) == "1" || std::string_view(date1904) == "true");
        } else if (local == "sheet") {
            for (const char** attribute = attributes; attribute[0]; attribute += 2)
                if (Local(attribute[0]) == "id" && std::string_view(attribute[0]) != "id")
                    firstSheet = attribute[1];
            Stop();
        }
    }
    void End(std::string_view) override {}
    void Text(std::string_view) override {}
};

// A cell of the list column as the sheet holds it.
struct RawCell {
    std::string type; // the "t" attribute: s, str, inlineStr, b, e, d, n or none
    int style = 0;
    std::string value; // <v>, or the inline text
    bool present = false;
};

// Column A of the sheet part, rows 1 .. ListSheetRows; stops past them.
class SheetPart : public XmlPart {
public:
    std::vector<RawCell> cells = std::vector<RawCell>(ListSheetRows);

private:
    void Start(std::string_view name, const char** attributes) override
    {
        const std::string_view local = Local(name);
        if (local == "row") {
            const char* number = Attribute(attributes, "r");
            const auto row = number ? NumberIn<std::uint32_t>(number) : std::nullopt;
            row_ = row ? *row : row_ + 1;
            column_ = 0;
            if (row_ > ListSheetRows)
                Stop();
        } else if (local == "c") {
            const char* reference = Attribute(attributes, "r");
            column_ = reference ? ColumnOf(reference) : column_ + 1;
            cell_ = nullptr;
            if (column_ != ListSheetColumn || row_ < 1 || row_ > ListSheetRows)
                return;
            cell_ = &cells[row_ - 1];
            *cell_ = {};
            cell_->present = true;
            const char* type = Attribute(attributes, "t");
            cell_->type = type ? type : "n";
            const char* style = Attribute(attributes, "s");
            cell_->style = style ? NumberIn<int>(style).value_or(0) : 0;
        } else if (cell_ && (local == "v" || (local == "t" && phonetic_ == 0))) {
            taking_ = true;
        } else if (cell_ && local == "rPh") {
            ++phonetic_;
        }
    }
    void End(std::string_view name) override
    {
        const std::string_view local = Local(name);
        taking_ = false;
        if (local == "c")
            cell_ = nullptr;
        else if (local == "rPh")
            --phonetic_;
    }
    void Text(std::string_view text) override
    {
        if (taking_ && cell_)
            Append(cell_->value, text);
    }

    // The column of a reference such as "AB12", from 1; 0 when it has none.
    static std::uint32_t ColumnOf(std::string_view reference)
    {
        std::uint32_t column = 0;
        for (const char c : reference) {
            if (c < 'A' || c > 'Z' || column > 100000)
                break;
            column = column * 26 + std::uint32_t(c - 'A' + 1);
        }
        return column;
    }

    std::uint32_t row_ = 0;
    std::uint32_t column_ = 0;
    RawCell* cell_ = nullptr;
    bool taking_ = false;
    int phonetic_ = 0;
};

// The table of shared texts, as far as the highest index the list uses;
// rich text runs joined, phonetic guides left out.
class SharedTexts : public XmlPart {
public:
    SharedTexts(std::map<std::size_t, std::string>& wanted) : wanted_(wanted)
    {
        last_ = wanted.empty() ? 0 : wanted.rbegin()->first;
    }
    std::size_t count = 0;

private:
    void Start(std::string_view name, const char** /*attributes*/) override
    {
        const std::string_view local = Local(name);
        if (local == "si")
            text_ = wanted_.contains(count) ? &wanted_[count] : nullptr;
        else if (local == "rPh")
            ++phonetic_;
        else if (local == "t" && phonetic_ == 0)
            taking_ = text_ != nullptr;
    }
    void End(std::string_view name) override
    {
        const std::string_view local = Local(name);
        taking_ = false;
        if (local == "rPh") {
            --phonetic_;
        } else if (local == "si") {
            text_ = nullptr;
            if (count++ == last_)
                Stop();
        }
    }
    void Text(std::string_view text) override
    {
        if (taking_)
            Append(*text_, text);
    }

    std::map<std::size_t, std::string>& wanted_;
    std::size_t last_ = 0;
    std::string* text_ = nullptr;
    bool taking_ = false;
    int phonetic_ = 0;
};

enum class NumberShown { AsNumber, AsDate, AsTime, AsMoment };

// What a number format shows: letters outside quotes, escapes and brackets
// (other than elapsed time, [h]) tell dates (y, d) from times (h, s).
NumberShown ShownBy(std::string_view format)
{
    bool date = false, time = false;
    for (std::size_t at = 0; at < format.size(); ++at) {
        const char c = char(std::tolower(static_cast<unsigned char>(format[at])));
        if (c == '"') {
            at = std::min(format.find('"', at + 1), format.size());
        } else if (c == '\\' || c == '_' || c == '*') {
            ++at;
        } else if (c == '[') {
            const std::size_t end = std::min(format.find(']', at), format.size());
            const std::string_view inside = format.substr(at + 1, end - at - 1);
            time = time || inside.find_first_of("hHsS") == 0;
            at = end;
        } else if (c == ';') {
            break; // the first section says
        } else {
            date = date || c == 'y' || c == 'd';
            time = time || c == 'h' || c == 's';
        }
    }
    return date && time ? NumberShown::AsMoment : date ? NumberShown::AsDate : time ? NumberShown::AsTime
                                                                                    : NumberShown::AsNumber;
}

// The built-in formats: 14-17 dates, 18-21 times, 22 both, 45-47 times;
// 27-36 and 50-58 the dates and times of East Asian locales.
NumberShown ShownByBuiltIn(int id)
{
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return NumberShown::AsDate;
    if ((id >= 18 && id <= 21) || id == 32 || id == 33 || (id >= 45 && id <= 47))
        return NumberShown::AsTime;
    return id == 22 ? NumberShown::AsMoment : NumberShown::AsNumber;
}

// What each cell style (by index) shows its numbers as.
class StylesPart : public XmlPart {
public:
    std::vector<NumberShown> shown;

private:
    void Start(std::string_view name, const char** attributes) override
    {
        const std::string_view local = Local(name);
        const char* id = Attribute(attributes, "numFmtId");
        if (local == "numFmt" && id) {
            const char* code = Attribute(attributes, "formatCode");
            formats_[NumberIn<int>(id).value_or(-1)] = ShownBy(code ? code : "");
        } else if (local == "cellXfs") {
            inCellStyles_ = true;
        } else if (local == "xf" && inCellStyles_) {
            const int number = id ? NumberIn<int>(id).value_or(0) : 0;
            const auto custom = formats_.find(number);
            shown.push_back(custom != formats_.end() ? custom->second : ShownByBuiltIn(number));
        }
    }
    void End(std::string_view name) override
    {
        if (Local(name) == "cellXfs")
            Stop();
    }
    void Text(std::string_view) override {}

    std::map<int, NumberShown> formats_;
    bool inCellStyles_ = false;
};

std::string Digits(const char* format, int a, int b, int c)
{
    char text[32];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// A date serial number as ISO text: days since 1899-12-30 (the 1900 system,
// whose day 60 is the 29 February 1900 that never was) or since 1904-01-01.
SheetValue DateValue(double serial, NumberShown shown, bool from1904)
{
    using namespace std::chrono;
    if (!(serial >= 0 && serial < 2958466)) // up to 9999-12-31
        return NumberValue(serial);
    auto seconds = static_cast<long long>(serial * 86400 + 0.5);
    auto days = seconds / 86400;
    seconds %= 86400;
    if (!from1904 && days < 61)
        ++days; // before 1 March 1900
    const year_month_day date{sys_days(from1904 ? 1904y / 1 / 1 : 1899y / 12 / 30) + std::chrono::days(days)};
    const std::string dateText = Digits("%04d-%02d-%02d", int(date.year()), int(unsigned(date.month())),
                                        int(unsigned(date.day())));
    const std::string timeText = Digits("%02d:%02d:%02d", int(seconds / 3600), int(seconds / 60 % 60),
                                        int(seconds % 60));
    switch (shown) {
    case NumberShown::AsDate: return {PackedKind::Date, dateText};
    case NumberShown::AsTime: return {PackedKind::Time, timeText};
    default: return {PackedKind::Moment, dateText + " " + timeText};
    }
}

// An ISO date and time as a "d" cell holds it.
SheetValue IsoDateValue(const std::string& text)
{
    const std::size_t t = text.find('T');
    if (t == std::string::npos)
        return {PackedKind::Date, text.substr(0, 10)};
    if (t == 0)
        return {PackedKind::Time, text.substr(1, 8)};
    return {PackedKind::Moment, text.substr(0, t) + " " + text.substr(t + 1, 8)};
}

} // namespace

std::vector<SheetValue> XlsxListColumn(const char* path)
{
    const ZipArchive archive(path);
    const Relationships package(archive, "");
    const std::string bookPart = package.ByType("/officeDocument").value_or("xl/workbook.xml");
    WorkbookPart book;
    book.Parse(archive, bookPart);
    const Relationships parts(archive, bookPart);
    const std::optional<std::string> sheetPart = book.firstSheet ? parts.ById(*book.firstSheet) : std::nullopt;
    if (!sheetPart)
        throw MessageError(MessageId::NoWorksheet);
    SheetPart sheet;
    sheet.Parse(archive, *sheetPart);

    std::map<std::size_t, std::string> shared;
    bool numbers = false;
    for (const RawCell& cell : sheet.cells) {
        if (cell.type == "s" && !cell.value.empty())
            shared[NumberIn<std::size_t>(cell.value).value_or(std::size_t(-1))];
        numbers = numbers || (cell.type == "n" && !cell.value.empty());
    }
    if (!shared.empty()) {
        SharedTexts texts(shared);
        if (const auto table = parts.ByType("/sharedStrings"))
            texts.Parse(archive, *table);
        if (shared.rbegin()->first >= texts.count) {
            const std::size_t index = shared.rbegin()->first;
            throw MessageError(
                MessageId::SharedTextMissing, {index == std::size_t(-1) ? "?" : std::to_string(index), std::to_string(texts.count)});
        }
    }
    StylesPart styles;
    if (const auto stylesPart = parts.ByType("/styles"); stylesPart && numbers)
        styles.Parse(archive, *stylesPart);

    std::vector<SheetValue> column(ListSheetRows);
    for (std::size_t row = 0; row < column.size(); ++row) {
        const RawCell& cell = sheet.cells[row];
        if (!cell.present || cell.value.empty())
            continue;
        if (cell.type == "s") {
            column[row] = {PackedKind::Text, shared[*NumberIn<std::size_t>(cell.value)]};
        } else if (cell.type == "b") {
            column[row] = BooleanValue(cell.value == "1" || cell.value == "true");
        } else if (cell.type == "d") {
            column[row] = IsoDateValue(cell.value);
        } else if (cell.type == "n") {
            const std::optional<double> number = NumberIn<double>(cell.value);
            const NumberShown shown = cell.style >= 0 && std::size_t(cell.style) < styles.shown.size()
                                          ? styles.shown[std::size_t(cell.style)]
                                          : NumberShown::AsNumber;
            if (!number)
                column[row] = {PackedKind::Text, cell.value};
            else
                column[row] = shown == NumberShown::AsNumber ? NumberValue(*number)
                                                             : DateValue(*number, shown, book.from1904);
        } else { // str, inlineStr, e
            column[row] = {PackedKind::Text, cell.value};
        }
    }
    return column;
}

} // namespace quorvan
