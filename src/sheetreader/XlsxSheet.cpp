// Reading the list column of an .xlsx workbook: the package's relationships
// lead to the workbook part, its first sheet and its table of shared texts;
// the styles say which numbers are dates.

#include "sheetreader/FormulaValue.h"
#include "sheetreader/NumberFormat.h"
#include "sheetreader/XmlPart.h"
#include "sheetreader/ZipSheets.h"
#include "texts/Messages.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>

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

// The workbook part: its sheets' relationships, names and states, and its date system.
class WorkbookPart : public XmlPart {
public:
    struct Sheet {
        std::string id;
        std::string name;
        bool hidden = false;
    };
    std::vector<Sheet> sheets;
    bool from1904 = false;

private:
    static constexpr std::size_t MostSheets = 64;

    void Start(std::string_view name, const char** attributes) override
    {
        const std::string_view local = Local(name);
        if (local == "workbookPr") {
            const char* date1904 = Attribute(attributes, "date1904");
            from1904 = date1904 && (std::string_view(date1904) == "1" || std::string_view(date1904) == "true");
        } else if (local == "sheet") {
            Sheet sheet;
            for (const char** attribute = attributes; attribute[0]; attribute += 2)
                if (Local(attribute[0]) == "id" && std::string_view(attribute[0]) != "id")
                    sheet.id = attribute[1];
            const char* sheetName = Attribute(attributes, "name");
            const char* state = Attribute(attributes, "state");
            sheet.name = sheetName ? std::string(sheetName).substr(0, LongestSheetName) : "";
            sheet.hidden = state && std::string_view(state) != "visible";
            sheets.push_back(std::move(sheet));
            if (sheets.size() == MostSheets)
                Stop();
        }
    }
    void End(std::string_view name) override
    {
        if (Local(name) == "sheets")
            Stop();
    }
    void Text(std::string_view) override {}
};

// A cell as the sheet holds it.
struct RawCell {
    std::string type = "n"; // the "t" attribute: s, str, inlineStr, b, e, d or n
    int style = 0;
    std::string value; // <v>, or the inline text
    bool hasValue = false; // a <v> or an inline text was there
    std::string formula; // the <f> text; for a shared formula, its master's
    std::string sharedIndex; // the "si" of a shared formula
};

// The cells of rows 1 .. ListSheetRows, the list's column and those a formula
// may name; stops past them. A sheet with more cells than MostCells keeps
// the list's column and notes that others are missing.
class SheetPart : public XmlPart {
public:
    std::uint32_t listColumn = ListSheetColumn;
    std::map<std::pair<std::uint32_t, std::uint32_t>, RawCell> cells;
    // Shared formulas by index: their master's text, row and column.
    std::map<std::string, std::tuple<std::string, std::uint32_t, std::uint32_t>> sharedFormulas;
    bool cellsLeftOut = false;

private:
    static constexpr std::size_t MostCells = 200000;

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
            if (column_ < 1 || column_ > 16384 || row_ < 1 || row_ > ListSheetRows)
                return;
            if (column_ != listColumn && cells.size() >= MostCells) {
                cellsLeftOut = true;
                return;
            }
            cell_ = &cells[{row_, column_}];
            *cell_ = {};
            const char* type = Attribute(attributes, "t");
            cell_->type = type ? type : "n";
            const char* style = Attribute(attributes, "s");
            cell_->style = style ? NumberIn<int>(style).value_or(0) : 0;
        } else if (cell_ && local == "f") {
            const char* shared = Attribute(attributes, "t");
            const char* index = Attribute(attributes, "si");
            if (shared && std::string_view(shared) == "shared" && index)
                cell_->sharedIndex = index;
            inFormula_ = true;
            cell_->formula.clear();
        } else if (cell_ && (local == "v" || (local == "t" && phonetic_ == 0))) {
            taking_ = true;
            cell_->hasValue = true;
        } else if (cell_ && local == "rPh") {
            ++phonetic_;
        }
    }
    void End(std::string_view name) override
    {
        const std::string_view local = Local(name);
        taking_ = false;
        if (local == "c") {
            cell_ = nullptr;
        } else if (local == "rPh") {
            --phonetic_;
        } else if (local == "f" && cell_) {
            inFormula_ = false;
            if (!cell_->sharedIndex.empty() && !cell_->formula.empty())
                sharedFormulas[cell_->sharedIndex] = {cell_->formula, row_, column_};
            if (!cell_->sharedIndex.empty() || !cell_->formula.empty())
                cell_->formula = cell_->formula.empty() ? "=" : cell_->formula; // shared: its master's
        }
    }
    void Text(std::string_view text) override
    {
        if (inFormula_ && cell_)
            Append(cell_->formula, text);
        else if (taking_ && cell_)
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
    bool inFormula_ = false;
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

// The number format of each cell style (by index): its built-in number
// and its code.
struct CellFormat {
    int id = 0;
    std::string code;
};

class StylesPart : public XmlPart {
public:
    std::vector<CellFormat> formats;

private:
    void Start(std::string_view name, const char** attributes) override
    {
        const std::string_view local = Local(name);
        const char* id = Attribute(attributes, "numFmtId");
        if (local == "numFmt" && id) {
            const char* code = Attribute(attributes, "formatCode");
            codes_[NumberIn<int>(id).value_or(-1)] = code ? code : "";
        } else if (local == "cellXfs") {
            inCellStyles_ = true;
        } else if (local == "xf" && inCellStyles_) {
            const int number = id ? NumberIn<int>(id).value_or(0) : 0;
            const auto custom = codes_.find(number);
            formats.push_back({number, custom != codes_.end() ? custom->second
                                                              : std::string(BuiltInFormat(number).value_or(""))});
        }
    }
    void End(std::string_view name) override
    {
        if (Local(name) == "cellXfs")
            Stop();
    }
    void Text(std::string_view) override {}

    std::map<int, std::string> codes_;
    bool inCellStyles_ = false;
};

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

// A text with the escapes .xlsx writes for characters XML cannot hold
// ("_x0009_" a tab, "_x005F_" an underscore) decoded.
std::string Unescaped(const std::string& text)
{
    if (text.find("_x") == std::string::npos)
        return text;
    std::u16string units;
    std::string out;
    const auto flush = [&] {
        if (!units.empty())
            out += Utf8(units);
        units.clear();
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        unsigned unit = 0;
        if (text.compare(at, 2, "_x") == 0 && at + 6 < text.size() && text[at + 6] == '_'
            && std::from_chars(text.data() + at + 2, text.data() + at + 6, unit, 16).ptr == text.data() + at + 6) {
            units += char16_t(unit);
            at += 6;
            continue;
        }
        flush();
        out += text[at];
    }
    flush();
    return out;
}

// What the cells of a sheet hold, formulas without a saved result worked out.
class SheetValues {
public:
    SheetValues(const SheetPart& sheet, std::map<std::size_t, std::string>& shared) : sheet_(sheet), shared_(shared) {}

    // A cell as a formula sees it; nullopt when it is not known.
    std::optional<FormulaValue> Value(std::uint32_t row, std::uint32_t column, int depth = 0)
    {
        const auto found = sheet_.cells.find({row, column});
        if (found == sheet_.cells.end())
            return row > ListSheetRows || sheet_.cellsLeftOut ? std::nullopt : std::optional(FormulaValue{});
        const RawCell& cell = found->second;
        if (WithoutResult(cell))
            return depth < MostDepth ? WorkOut(row, column, depth + 1) : std::nullopt;
        if (!cell.hasValue || cell.value.empty())
            return cell.type == "str" || cell.type == "inlineStr" || cell.type == "s"
                       ? std::optional(FormulaValue{FormulaValue::Text, {}, 0})
                       : std::optional(FormulaValue{});
        if (cell.type == "s")
            return FormulaValue{FormulaValue::Text, Unescaped(shared_[NumberIn<std::size_t>(cell.value).value_or(0)]), 0};
        if (cell.type == "str" || cell.type == "inlineStr")
            return FormulaValue{FormulaValue::Text, Unescaped(cell.value), 0};
        if (cell.type == "e")
            return FormulaValue{FormulaValue::Error, cell.value, 0};
        if (cell.type == "b")
            return FormulaValue{FormulaValue::Boolean, {}, cell.value == "1" || cell.value == "true" ? 1.0 : 0.0};
        if (const auto number = NumberIn<double>(cell.value); number && cell.type == "n")
            return FormulaValue{FormulaValue::Number, {}, *number};
        return std::nullopt;
    }

    // A formula without a saved result: openpyxl and odfpy save none (a
    // result that is an empty text has the type "str").
    static bool WithoutResult(const RawCell& cell)
    {
        return !cell.formula.empty() && (!cell.hasValue || (cell.value.empty() && cell.type != "str"));
    }

    // Worked out once each, however many formulas name the cell.
    std::optional<FormulaValue> WorkOut(std::uint32_t row, std::uint32_t column, int depth = 0)
    {
        if (const auto known = workedOut_.find({row, column}); known != workedOut_.end())
            return known->second;
        return workedOut_[{row, column}] = WorkOutOnce(row, column, depth);
    }

private:
    std::optional<FormulaValue> WorkOutOnce(std::uint32_t row, std::uint32_t column, int depth)
    {
        const RawCell& cell = sheet_.cells.at({row, column});
        std::string formula = cell.formula;
        int rows = 0, columns = 0;
        if (!cell.sharedIndex.empty()) {
            const auto master = sheet_.sharedFormulas.find(cell.sharedIndex);
            if (master == sheet_.sharedFormulas.end())
                return std::nullopt;
            formula = std::get<0>(master->second);
            rows = int(row) - int(std::get<1>(master->second));
            columns = int(column) - int(std::get<2>(master->second));
        }
        return WorkOutFormula(formula, FormulaSyntax::Excel,
                              [&](std::uint32_t r, std::uint32_t c) { return Value(r, c, depth); }, rows, columns);
    }

    // How deep formulas that rest on other formulas without results are followed.
    static constexpr int MostDepth = 32;

    const SheetPart& sheet_;
    std::map<std::size_t, std::string>& shared_;
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::optional<FormulaValue>> workedOut_;
};

// Whether a cell holds anything.
bool HoldsValue(const RawCell& cell)
{
    return !cell.formula.empty() || (cell.hasValue && !cell.value.empty());
}

// The cells with a value below row 1 of each column.
std::map<std::uint32_t, std::uint32_t> EntriesByColumn(const SheetPart& sheet)
{
    std::map<std::uint32_t, std::uint32_t> counts;
    for (const auto& [place, cell] : sheet.cells)
        if (place.first > 1 && HoldsValue(cell))
            ++counts[place.second];
    return counts;
}

// The notes on the workbook: its first sheet hidden, names in another column or sheet.
SheetNotes NotesOn(const ZipArchive& archive, const Relationships& parts, const WorkbookPart& book,
                   const SheetPart& first, const ListColumn& list)
{
    SheetNotes notes;
    if (book.sheets.front().hidden)
        notes.hiddenFirstSheet = book.sheets.front().name;
    if (HoldsEntries(list.cells))
        return notes;
    NoteNamesInOtherColumn(EntriesByColumn(first), list.column, notes);
    for (std::size_t at = 1; at < book.sheets.size() && notes.namesCount == 0; ++at) {
        const std::optional<std::string> part = parts.ById(book.sheets[at].id);
        if (!part || !archive.Has(*part))
            continue; // a chart sheet, say
        SheetPart sheet;
        sheet.Parse(archive, *part);
        const auto counts = EntriesByColumn(sheet);
        if (const auto columnA = counts.find(ListSheetColumn); columnA != counts.end())
            notes = {notes.hiddenFirstSheet, ListSheetColumn, book.sheets[at].name, columnA->second};
    }
    return notes;
}

// A text, number, boolean or error as the list takes it; a number shown
// through its cell's format.
SheetValue ListValue(const FormulaValue& value, const CellFormat& format, bool from1904)
{
    switch (value.kind) {
    case FormulaValue::Text:
    case FormulaValue::Error: return {PackedKind::Text, value.text};
    case FormulaValue::Number: return ShownNumber(value.number, format.id, format.code, from1904);
    case FormulaValue::Boolean: return BooleanValue(value.number != 0);
    default: return {};
    }
}

} // namespace

ListColumn XlsxListColumn(const char* path, std::uint16_t listColumn)
{
    const ZipArchive archive(path);
    const Relationships package(archive, "");
    const std::string bookPart = package.ByType("/officeDocument").value_or("xl/workbook.xml");
    WorkbookPart book;
    book.Parse(archive, bookPart);
    const Relationships parts(archive, bookPart);
    const std::optional<std::string> sheetPart = book.sheets.empty() ? std::nullopt : parts.ById(book.sheets[0].id);
    if (!sheetPart)
        throw MessageError(MessageId::NoWorksheet);
    SheetPart sheet;
    sheet.listColumn = listColumn;
    sheet.Parse(archive, *sheetPart);

    std::map<std::size_t, std::string> shared;
    for (const auto& [place, cell] : sheet.cells)
        if (cell.type == "s" && !cell.value.empty())
            shared[NumberIn<std::size_t>(cell.value).value_or(std::size_t(-1))];
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
    if (const auto stylesPart = parts.ByType("/styles"))
        styles.Parse(archive, *stylesPart);

    SheetValues values(sheet, shared);
    ListColumn list{listColumn};
    list.ForEachCellSent([&](std::uint32_t row, std::uint32_t cellColumn, SheetValue& slot) {
        const auto found = sheet.cells.find({row, cellColumn});
        if (found == sheet.cells.end())
            return;
        const RawCell& cell = found->second;
        const CellFormat format = cell.style >= 0 && std::size_t(cell.style) < styles.formats.size()
                                      ? styles.formats[std::size_t(cell.style)]
                                      : CellFormat{};
        if (SheetValues::WithoutResult(cell)) {
            if (row == 1)
                return; // the heading, which no list reads
            const std::optional<FormulaValue> worked = values.WorkOut(row, cellColumn);
            if (!worked && cellColumn == listColumn)
                throw MessageError(MessageId::FormulaWithoutResult, {CellName(row, listColumn), "=" + cell.formula});
            if (worked)
                slot = ListValue(*worked, format, book.from1904);
        } else if (cell.type == "d" && cell.hasValue && !cell.value.empty()) {
            slot = IsoDateValue(cell.value);
        } else if (cell.hasValue && !cell.value.empty()) {
            const std::optional<FormulaValue> value = values.Value(row, cellColumn);
            slot = value ? ListValue(*value, format, book.from1904) : SheetValue{PackedKind::Text, cell.value};
        }
    });
    list.notes = NotesOn(archive, parts, book, sheet, list);
    return list;
}

} // namespace quorvan
