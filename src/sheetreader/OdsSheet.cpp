// Reading the list column of an .ods spreadsheet: the first table of its
// content part, repeated rows and cells counted out; numbers through the
// number styles of the content part, formulas without a result worked out
// from the other cells of the table.

#include "sheetreader/FormulaValue.h"
#include "sheetreader/NumberFormat.h"
#include "sheetreader/XmlPart.h"
#include "sheetreader/ZipSheets.h"
#include "texts/Messages.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace quorvan {

namespace {

const std::string Office = "urn:oasis:names:tc:opendocument:xmlns:office:1.0 ";
const std::string Table = "urn:oasis:names:tc:opendocument:xmlns:table:1.0 ";
const std::string TextSpace = "urn:oasis:names:tc:opendocument:xmlns:text:1.0 ";
const std::string Style = "urn:oasis:names:tc:opendocument:xmlns:style:1.0 ";
const std::string NumberSpace = "urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0 ";

constexpr std::size_t LongestText = LongestCellBytes + 4;
// The columns a formula may name, and the most cells kept besides the list's column.
constexpr std::uint64_t MostColumns = 16384;
constexpr std::size_t MostCells = 200000;

std::uint64_t CountIn(const char* text, std::uint64_t otherwise)
{
    std::uint64_t count = 0;
    if (!text)
        return otherwise;
    const auto [end, error] = std::from_chars(text, text + std::char_traits<char>::length(text), count);
    return error == std::errc() && count > 0 ? count : otherwise;
}

std::optional<double> NumberIn(const char* text)
{
    double number = 0;
    if (!text || std::from_chars(text, text + std::char_traits<char>::length(text), number).ec != std::errc())
        return std::nullopt;
    return number;
}

// "PT12H30M05.5S" as a fraction of a day.
double DaysOfDuration(std::string_view duration)
{
    double part[3] = {0, 0, 0}; // hours, minutes, seconds
    double number = 0, scale = 0;
    for (const char c : duration) {
        if (c >= '0' && c <= '9') {
            if (scale > 0)
                number += (c - '0') * (scale /= 10);
            else
                number = std::min(number * 10 + (c - '0'), 1e9);
        } else if (c == '.') {
            scale = 1;
        } else {
            if (c == 'H' || c == 'M' || c == 'S')
                part[c == 'H' ? 0 : c == 'M' ? 1 : 2] = number;
            number = 0;
            scale = 0;
        }
    }
    return (part[0] * 3600 + part[1] * 60 + part[2]) / 86400;
}

// "2014-05-01" or "2014-05-01T09:05:07" as days since 1899-12-30.
std::optional<double> DaysOfDate(std::string_view date)
{
    using namespace std::chrono;
    int y = 0;
    unsigned m = 0, d = 0;
    if (date.size() < 10 || std::sscanf(std::string(date.substr(0, 10)).c_str(), "%d-%u-%u", &y, &m, &d) != 3)
        return std::nullopt;
    const year_month_day day{year(y), month(m), std::chrono::day(d)};
    if (!day.ok())
        return std::nullopt;
    double days = double((sys_days(day) - sys_days(1899y / 12 / 30)).count());
    if (date.size() > 11 && date[10] == 'T') {
        int hours = 0, minutes = 0;
        double seconds = 0;
        std::sscanf(std::string(date.substr(11)).c_str(), "%d:%d:%lf", &hours, &minutes, &seconds);
        days += (hours * 3600 + minutes * 60 + seconds) / 86400;
    }
    return days;
}

// A literal of a format code.
std::string Quoted(std::string_view text)
{
    std::string quoted;
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\\\"\"") : std::string(1, c);
    return "\"" + quoted + "\"";
}

// A cell as the table holds it.
struct OdsCell {
    std::string type; // office:value-type; empty for none
    std::optional<double> number; // a float, percentage, currency, date (in days) or time (in days)
    std::string text; // a string, or a boolean's "true"/"false"
    std::string formula;
    std::string style;
};

// The number styles and cell styles of the styles part and the content
// part, and the cells of the first table's rows 1 .. ListSheetRows.
class ContentPart : public XmlPart {
public:
    std::map<std::pair<std::uint32_t, std::uint32_t>, OdsCell> cells;
    std::map<std::string, std::string> dataStyleOf; // cell style → number style
    std::map<std::string, std::string> codes; // number style → format code
    std::uint32_t listColumn = ListSheetColumn;
    // The default cell style of each column, as far as the list's column and the preview's.
    std::vector<std::string> columnStyles;
    bool cellsLeftOut = false;
    std::string firstSheet;
    bool firstSheetHidden = false;
    // The last table read after the first, and the entries below row 1 of its column A.
    std::string otherSheet;
    std::uint32_t otherEntries = 0;

private:
    void Start(std::string_view name, const char** attributes) override
    {
        if (name == Table + "table") {
            if (++tables_ == 1) {
                const char* tableName = Attribute(attributes, (Table + "name").c_str());
                const char* style = Attribute(attributes, (Table + "style-name").c_str());
                if (!started_) {
                    started_ = true;
                    firstSheetHidden = style && hiddenTableStyles_.contains(style);
                    firstSheet = tableName ? std::string(tableName).substr(0, LongestSheetName) : "";
                }
                otherSheet = tableName ? std::string(tableName).substr(0, LongestSheetName) : "";
                otherRows_ = 0;
                otherEntries = 0;
            }
            return;
        }
        if (!started_) {
            StartStyle(name, attributes);
            return;
        }
        if (tables_ != 1)
            return;
        if (firstDone_) {
            // A later table: its column A counted.
            if (name == Table + "table-row") {
                repeat_ = CountIn(Attribute(attributes, (Table + "number-rows-repeated").c_str()), 1);
                cellRepeat_ = 0;
                otherHolds_ = false;
            } else if (name == Table + "table-cell" && cellRepeat_++ == 0) {
                otherHolds_ = Attribute(attributes, (Office + "value-type").c_str())
                              || Attribute(attributes, (Table + "formula").c_str());
            }
            return;
        }
        const std::size_t styledColumns = std::max<std::size_t>(listColumn, PreviewColumns);
        if (name == Table + "table-column" && columnStyles.size() < styledColumns) {
            const std::uint64_t repeated =
                std::min(CountIn(Attribute(attributes, (Table + "number-columns-repeated").c_str()), 1), MostColumns);
            const char* style = Attribute(attributes, (Table + "default-cell-style-name").c_str());
            columnStyles.resize(std::min<std::uint64_t>(columnStyles.size() + repeated, styledColumns), style ? style : "");
        } else if (name == Table + "table-row") {
            repeat_ = CountIn(Attribute(attributes, (Table + "number-rows-repeated").c_str()), 1);
            column_ = 0;
            row_.clear();
        } else if (name == Table + "table-cell" || name == Table + "covered-table-cell") {
            StartCell(attributes);
        } else if (inCell_ && name == Office + "annotation") {
            ++annotation_;
        } else if (inCell_ && annotation_ == 0 && name.starts_with(TextSpace)) {
            StartText(name.substr(TextSpace.size()), attributes);
        }
    }

    // The number styles (written as format codes) and which cell style uses which.
    void StartStyle(std::string_view name, const char** attributes)
    {
        const auto attribute = [&](const std::string& space, const char* local) {
            return Attribute(attributes, (space + local).c_str());
        };
        if (name == Style + "style") {
            const char* styleName = attribute(Style, "name");
            const char* dataStyle = attribute(Style, "data-style-name");
            if (styleName && dataStyle)
                dataStyleOf[styleName] = dataStyle;
            tableStyle_ = styleName ? styleName : "";
            return;
        }
        if (name == Style + "table-properties") {
            const char* display = Attribute(attributes, (Table + "display").c_str());
            if (display && std::string_view(display) == "false")
                hiddenTableStyles_.insert(tableStyle_);
            return;
        }
        if (name == Style + "map" && !numberStyle_.empty()) {
            // The style for the numbers a condition ("value()>=0") picks, as the first section.
            const char* applied = attribute(Style, "apply-style-name");
            const auto found = applied ? codes.find(applied) : codes.end();
            if (found != codes.end())
                map_ = found->second;
            return;
        }
        if (!name.starts_with(NumberSpace))
            return;
        const std::string_view local = name.substr(NumberSpace.size());
        if (local.ends_with("-style")) {
            const char* styleName = attribute(Style, "name");
            numberStyle_ = styleName ? styleName : "";
            percentage_ = local == "percentage-style";
            code_.clear();
            map_.clear();
            return;
        }
        if (numberStyle_.empty())
            return;
        const bool isLong = [&] {
            const char* style = attribute(NumberSpace, "style");
            return style && std::string_view(style) == "long";
        }();
        const std::uint64_t decimals = std::min<std::uint64_t>(CountIn(attribute(NumberSpace, "decimal-places"), 0), 30);
        const std::uint64_t minDecimals = std::min(decimals, CountIn(attribute(NumberSpace, "min-decimal-places"), decimals));
        const std::uint64_t integers = std::min<std::uint64_t>(CountIn(attribute(NumberSpace, "min-integer-digits"), 0), 30);
        const std::string fraction = decimals == 0 ? std::string()
                                                   : "." + std::string(minDecimals, '0') + std::string(decimals - minDecimals, '#');
        if (local == "number") {
            const char* grouping = attribute(NumberSpace, "grouping");
            const std::string whole = integers == 0 ? "#" : std::string(integers, '0');
            code_ += (grouping && std::string_view(grouping) == "true" ? "#,##" : "") + whole + fraction;
        } else if (local == "scientific-number") {
            code_ += std::string(std::max<std::uint64_t>(integers, 1), '0') + fraction + "E+"
                     + std::string(std::max<std::uint64_t>(std::min<std::uint64_t>(
                                       CountIn(attribute(NumberSpace, "min-exponent-digits"), 2), 5), 1), '0');
        } else if (local == "text" || local == "currency-symbol") {
            inLiteral_ = true;
        } else if (local == "year") {
            code_ += isLong ? "yyyy" : "yy";
        } else if (local == "month") {
            const char* textual = attribute(NumberSpace, "textual");
            code_ += textual && std::string_view(textual) == "true" ? (isLong ? "mmmm" : "mmm") : (isLong ? "mm" : "m");
        } else if (local == "day") {
            code_ += isLong ? "dd" : "d";
        } else if (local == "day-of-week") {
            code_ += isLong ? "dddd" : "ddd";
        } else if (local == "hours") {
            code_ += isLong ? "hh" : "h";
        } else if (local == "minutes") {
            code_ += isLong ? "mm" : "m";
        } else if (local == "seconds") {
            code_ += (isLong ? "ss" : "s") + (decimals ? "." + std::string(decimals, '0') : std::string());
        } else if (local == "am-pm") {
            code_ += "AM/PM";
        }
    }

    void StartCell(const char** attributes)
    {
        const auto attribute = [&](const std::string& space, const char* local) {
            return Attribute(attributes, (space + local).c_str());
        };
        cellRepeat_ = std::min(CountIn(attribute(Table, "number-columns-repeated"), 1), MostColumns);
        cell_ = {};
        inCell_ = true;
        paragraphs_ = 0;
        const char* type = attribute(Office, "value-type");
        cell_.type = type ? type : "";
        if (const char* style = attribute(Table, "style-name"))
            cell_.style = style;
        if (const char* formula = attribute(Table, "formula"))
            cell_.formula = formula;
        const std::string_view kind = cell_.type;
        isText_ = false;
        if (kind == "float" || kind == "percentage" || kind == "currency") {
            cell_.number = NumberIn(attribute(Office, "value"));
        } else if (kind == "date") {
            if (const char* date = attribute(Office, "date-value"))
                cell_.number = DaysOfDate(date);
        } else if (kind == "time") {
            if (const char* time = attribute(Office, "time-value"))
                cell_.number = DaysOfDuration(time);
        } else if (kind == "boolean") {
            const char* value = attribute(Office, "boolean-value");
            cell_.text = value ? value : "";
        } else if (kind == "string") {
            const char* value = attribute(Office, "string-value");
            if (value && *value)
                cell_.text = value;
            else
                isText_ = true; // in the paragraphs that follow
        }
    }

    // The text elements of a string cell: paragraphs, spaces, tabs, line breaks.
    void StartText(std::string_view local, const char** attributes)
    {
        if (!isText_)
            return;
        if (local == "p" || local == "h") {
            if (paragraphs_++ > 0)
                Add("\n");
            ++inParagraph_;
        } else if (local == "s") {
            const std::uint64_t spaces = CountIn(Attribute(attributes, (TextSpace + "c").c_str()), 1);
            Add(std::string(std::size_t(std::min<std::uint64_t>(spaces, LongestText)), ' '));
        } else if (local == "tab") {
            Add("\t");
        } else if (local == "line-break") {
            Add("\n");
        }
    }

    void End(std::string_view name) override
    {
        if (name == Table + "table") {
            if (--tables_ != 0)
                return;
            // The first table is all a list reads; when the list's column holds
            // nothing below the heading, the later ones are counted for the list check.
            const bool listed = std::any_of(cells.begin(), cells.end(), [this](const auto& cell) {
                return cell.first.first > 1 && cell.first.second == listColumn;
            });
            if (std::exchange(firstDone_, true) ? otherEntries > 0 : listed)
                Stop();
            return;
        }
        if (!started_) {
            EndStyle(name);
            return;
        }
        if (tables_ != 1)
            return;
        if (firstDone_) {
            if (name == Table + "table-row") {
                for (std::uint64_t copy = 0; copy < repeat_ && otherRows_ < ListSheetRows; ++copy)
                    if (++otherRows_ > 1 && otherHolds_)
                        ++otherEntries;
            }
            return;
        }
        if (inCell_ && name == Office + "annotation") {
            --annotation_;
        } else if (inCell_ && isText_ && annotation_ == 0 && (name == TextSpace + "p" || name == TextSpace + "h")) {
            --inParagraph_;
        } else if (inCell_ && (name == Table + "table-cell" || name == Table + "covered-table-cell")) {
            inCell_ = false;
            const bool holds = !cell_.type.empty() || !cell_.formula.empty();
            for (std::uint64_t copy = 0; copy < cellRepeat_ && column_ < MostColumns; ++copy) {
                ++column_;
                if (holds)
                    row_.emplace_back(column_, cell_);
            }
        } else if (name == Table + "table-row") {
            for (std::uint64_t copy = 0; copy < repeat_ && rowNumber_ < ListSheetRows; ++copy) {
                ++rowNumber_;
                for (const auto& [column, cell] : row_) {
                    if (column != listColumn && cells.size() >= MostCells) {
                        cellsLeftOut = true;
                        continue;
                    }
                    cells[{rowNumber_, column}] = cell;
                }
            }
            if (rowNumber_ >= ListSheetRows)
                Stop();
        }
    }

    void EndStyle(std::string_view name)
    {
        if (!name.starts_with(NumberSpace) || numberStyle_.empty())
            return;
        const std::string_view local = name.substr(NumberSpace.size());
        if (local == "text" || local == "currency-symbol") {
            inLiteral_ = false;
            // In a percentage style the percent sign scales the number.
            std::string literal = std::move(literal_);
            literal_.clear();
            const std::size_t percent = literal.find('%');
            if (percentage_ && percent != std::string::npos)
                code_ += Quoted(literal.substr(0, percent)) + "%" + Quoted(literal.substr(percent + 1));
            else
                code_ += Quoted(literal);
        } else if (local.ends_with("-style")) {
            codes[numberStyle_] = map_.empty() ? code_ : map_ + ";" + code_;
            numberStyle_.clear();
        }
    }

    void Text(std::string_view text) override
    {
        if (!started_) {
            if (inLiteral_)
                literal_.append(text.substr(0, 1000));
            return;
        }
        if (inCell_ && isText_ && inParagraph_ > 0 && annotation_ == 0)
            Add(text);
    }

    void Add(std::string_view text) { cell_.text.append(text.substr(0, LongestText - std::min(LongestText, cell_.text.size()))); }

    int tables_ = 0;
    bool started_ = false;
    std::uint32_t rowNumber_ = 0;
    std::uint64_t repeat_ = 1;
    std::uint64_t column_ = 0;
    std::uint64_t cellRepeat_ = 1;
    std::vector<std::pair<std::uint32_t, OdsCell>> row_;
    OdsCell cell_;
    bool inCell_ = false;
    bool isText_ = false;
    int annotation_ = 0;
    int inParagraph_ = 0;
    int paragraphs_ = 0;
    bool firstDone_ = false;
    std::uint32_t otherRows_ = 0;
    bool otherHolds_ = false;
    std::string tableStyle_;
    std::set<std::string> hiddenTableStyles_;
    // The number style being read.
    std::string numberStyle_;
    std::string code_;
    std::string map_;
    bool percentage_ = false;
    bool inLiteral_ = false;
    std::string literal_;

};

// What the cells of the table hold, formulas without a result worked out.
class TableValues {
public:
    explicit TableValues(const ContentPart& content) : content_(content) {}

    std::optional<FormulaValue> Value(std::uint32_t row, std::uint32_t column, int depth = 0) const
    {
        const auto found = content_.cells.find({row, column});
        if (found == content_.cells.end())
            return row > ListSheetRows || content_.cellsLeftOut ? std::nullopt : std::optional(FormulaValue{});
        const OdsCell& cell = found->second;
        if (WithoutResult(cell))
            return depth < MostDepth ? WorkOut(row, column, depth + 1) : std::nullopt;
        if (cell.type == "string")
            return FormulaValue{FormulaValue::Text, cell.text, 0};
        if (cell.type == "boolean")
            return FormulaValue{FormulaValue::Boolean, {}, cell.text == "true" ? 1.0 : 0.0};
        if (cell.number)
            return FormulaValue{FormulaValue::Number, {}, *cell.number};
        return std::nullopt;
    }

    // odfpy writes a formula without a value type: no result.
    static bool WithoutResult(const OdsCell& cell) { return !cell.formula.empty() && cell.type.empty(); }

    // Worked out once each, however many formulas name the cell.
    std::optional<FormulaValue> WorkOut(std::uint32_t row, std::uint32_t column, int depth = 0) const
    {
        if (const auto known = workedOut_.find({row, column}); known != workedOut_.end())
            return known->second;
        const OdsCell& cell = content_.cells.at({row, column});
        return workedOut_[{row, column}] = WorkOutFormula(
                   cell.formula, FormulaSyntax::OpenFormula,
                   [&](std::uint32_t r, std::uint32_t c) { return Value(r, c, depth); });
    }

private:
    static constexpr int MostDepth = 32;
    const ContentPart& content_;
    mutable std::map<std::pair<std::uint32_t, std::uint32_t>, std::optional<FormulaValue>> workedOut_;
};

// The format code of a cell style; empty for none.
std::string CodeOf(const ContentPart& content, const std::string& style)
{
    const auto data = content.dataStyleOf.find(style);
    if (data == content.dataStyleOf.end())
        return {};
    const auto code = content.codes.find(data->second);
    return code == content.codes.end() ? std::string() : code->second;
}

SheetValue ListValue(const FormulaValue& value, const OdsCell& cell, const std::string& code)
{
    switch (value.kind) {
    case FormulaValue::Text:
    case FormulaValue::Error: return {PackedKind::Text, value.text};
    case FormulaValue::Boolean: return BooleanValue(value.number != 0);
    case FormulaValue::Number:
        if (!code.empty())
            return {PackedKind::Text, FormatNumber(value.number, code)};
        // Without a style, dates and times as the user's regional settings show them.
        if (cell.type == "date" && std::floor(value.number) == value.number)
            return {PackedKind::Date, FormatNumber(value.number, "yyyy-mm-dd")};
        if (cell.type == "date")
            return {PackedKind::Moment, FormatNumber(value.number, "yyyy-mm-dd hh:mm:ss")};
        if (cell.type == "time")
            return {PackedKind::Time, FormatNumber(value.number, "hh:mm:ss")};
        return NumberValue(value.number);
    default: return {};
    }
}

} // namespace

ListColumn OdsListColumn(const char* path, std::uint16_t listColumn)
{
    const ZipArchive archive(path);
    ContentPart content;
    content.listColumn = listColumn;
    // The number styles people make are among the common styles.
    if (archive.Has("styles.xml"))
        content.Parse(archive, "styles.xml");
    content.Parse(archive, "content.xml");
    const TableValues values(content);
    ListColumn list{listColumn};
    list.ForEachCellSent([&](std::uint32_t row, std::uint32_t cellColumn, SheetValue& slot) {
        const auto found = content.cells.find({row, cellColumn});
        if (found == content.cells.end())
            return;
        const OdsCell& cell = found->second;
        std::optional<FormulaValue> value;
        if (TableValues::WithoutResult(cell)) {
            if (row == 1)
                return; // the heading, which no list reads
            value = values.WorkOut(row, cellColumn);
            if (!value && cellColumn == listColumn)
                throw MessageError(MessageId::FormulaWithoutResult, {CellName(row, listColumn), cell.formula});
        } else {
            value = values.Value(row, cellColumn);
        }
        const std::string& style = cell.style.empty() && cellColumn <= content.columnStyles.size()
                                       ? content.columnStyles[cellColumn - 1]
                                       : cell.style;
        if (value)
            slot = ListValue(*value, cell, CodeOf(content, style));
    });
    const std::vector<SheetValue>& column = list.cells;
    SheetNotes& notes = list.notes;
    if (content.firstSheetHidden)
        notes.hiddenFirstSheet = content.firstSheet;
    if (!HoldsEntries(column)) {
        std::map<std::uint32_t, std::uint32_t> counts;
        for (const auto& [place, cell] : content.cells)
            counts[place.second] += place.first > 1 ? 1 : 0;
        NoteNamesInOtherColumn(counts, list.column, notes);
        if (notes.namesCount == 0 && content.otherEntries > 0)
            notes = {notes.hiddenFirstSheet, ListSheetColumn, content.otherSheet, content.otherEntries};
    }
    return list;
}

} // namespace quorvan
