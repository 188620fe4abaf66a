#include "sheetreader/SheetRecords.h"

#include "sheetreader/FormulaValue.h"
#include "sheetreader/LittleEndian.h"
#include "sheetreader/NumberFormat.h"
#include "sheetreader/XlsFormulaText.h"
#include "texts/Messages.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>

#include <iconv.h>

namespace quorvan {

namespace {

constexpr std::uint16_t BofRecord = 0x0809, EofRecord = 0x000A, BoundSheetRecord = 0x0085, CodePageRecord = 0x0042,
                        FilePassRecord = 0x002F, FormulaRecord = 0x0006, StringRecord = 0x0207,
                        BoolErrRecord = 0x0205, ContinueRecord = 0x003C, SstRecord = 0x00FC,
                        LabelSstRecord = 0x00FD, LabelRecord = 0x0204, NumberRecord = 0x0203, RkRecord = 0x027E,
                        MulRkRecord = 0x00BD, FormatRecord = 0x041E, XfRecord = 0x00E0, DateModeRecord = 0x0022;
constexpr std::uint16_t Biff5 = 0x0500, Biff8 = 0x0600;

struct Record {
    std::uint16_t type = 0;
    std::string_view body;
};

// The records of a stream, one after another from a place in it.
class Records {
public:
    Records(std::string_view stream, std::size_t at) : stream_(stream), at_(at) {}

    // The next record without taking it; false at the end of the stream and
    // at a record that the stream cuts short.
    bool Peek(Record& record) const
    {
        if (at_ > stream_.size() || stream_.size() - at_ < 4)
            return false;
        const auto size = LittleEndian<std::uint16_t>(stream_.data() + at_ + 2);
        if (stream_.size() - at_ - 4 < size)
            return false;
        record = {LittleEndian<std::uint16_t>(stream_.data() + at_), stream_.substr(at_ + 4, size)};
        return true;
    }

    bool Next(Record& record)
    {
        if (!Peek(record))
            return false;
        at_ += 4 + record.body.size();
        return true;
    }

private:
    std::string_view stream_;
    std::size_t at_;
};

// What the workbook's global records say about reading the first sheet.
struct Globals {
    std::uint16_t version = 0;
    std::optional<std::uint32_t> firstSheetAt;
    struct Sheet {
        std::uint32_t at = 0;
        bool hidden = false;
        bool isWorksheet = false;
        std::string_view name; // in its record: one byte a character, or two (Excel 97-2003) as the flags say
    };
    std::vector<Sheet> sheets;
    std::uint16_t codePage = 1252;
    bool encrypted = false;
    std::vector<std::string> sharedTexts; // Excel 97-2003's table of texts, in UTF-8
    std::map<std::uint16_t, std::string> formatCodes; // the workbook's number formats, by number
    std::vector<std::uint16_t> cellFormats; // each cell style's number format
    bool from1904 = false;
};

// The bytes of a record and its CONTINUE records read as one, where a text's
// characters that go on in the next record start with flags of their own.
class ContinuedBytes {
public:
    explicit ContinuedBytes(std::vector<std::string_view> parts) : parts_(std::move(parts)) {}

    bool Take(std::size_t count, std::string& out)
    {
        while (count > 0) {
            if (!NextPartIfDone())
                return false;
            const std::size_t take = std::min(count, parts_[part_].size() - at_);
            out.append(parts_[part_].substr(at_, take));
            at_ += take;
            count -= take;
        }
        return true;
    }

    template <typename Number>
    bool Read(Number& value)
    {
        std::string bytes;
        if (!Take(sizeof value, bytes))
            return false;
        value = LittleEndian<Number>(bytes.data());
        return true;
    }

    // `count` characters, one or two bytes each as `flags` say, and anew
    // after each record boundary.
    bool Characters(std::size_t count, std::uint8_t flags, std::u16string& text)
    {
        while (count > 0) {
            if (part_ >= parts_.size())
                return false;
            if (at_ == parts_[part_].size()) {
                if (!NextPartIfDone() || !Read(flags))
                    return false;
            }
            const bool wide = flags & 1;
            const std::size_t fit = std::min(count, (parts_[part_].size() - at_) / (wide ? 2 : 1));
            if (fit == 0)
                return false;
            for (std::size_t i = 0; i < fit; ++i)
                text += wide ? LittleEndian<char16_t>(parts_[part_].data() + at_ + 2 * i)
                             : char16_t(std::uint8_t(parts_[part_][at_ + i]));
            at_ += fit * (wide ? 2 : 1);
            count -= fit;
        }
        return true;
    }

private:
    bool NextPartIfDone()
    {
        while (part_ < parts_.size() && at_ == parts_[part_].size()) {
            ++part_;
            at_ = 0;
        }
        return part_ < parts_.size();
    }

    std::vector<std::string_view> parts_;
    std::size_t part_ = 0;
    std::size_t at_ = 0;
};

// The table of texts that LABELSST cells point into, every text whole
// however many records it spans; a table cut short keeps what it holds.
std::vector<std::string> SharedTexts(const Record& table, Records& records)
{
    std::vector<std::string_view> parts{table.body};
    Record next;
    while (records.Peek(next) && next.type == ContinueRecord) {
        records.Next(next);
        parts.push_back(next.body);
    }
    ContinuedBytes bytes(std::move(parts));
    std::uint32_t total = 0, unique = 0;
    std::vector<std::string> texts;
    if (!bytes.Read(total) || !bytes.Read(unique))
        return texts;
    for (std::uint32_t index = 0; index < unique; ++index) {
        std::uint16_t count = 0;
        std::uint8_t flags = 0;
        std::uint16_t runs = 0;
        std::uint32_t extra = 0;
        if (!bytes.Read(count) || !bytes.Read(flags) || ((flags & 0x08) && !bytes.Read(runs))
            || ((flags & 0x04) && !bytes.Read(extra)))
            break;
        std::u16string text;
        std::string skipped;
        if (!bytes.Characters(count, flags, text) || !bytes.Take(4 * std::size_t(runs) + extra, skipped))
            break;
        texts.push_back(Utf8(text));
    }
    return texts;
}

// An Excel 97-2003 text of `count` characters that begins in `part`, one
// or two bytes a character as the flags say, and goes on in the CONTINUE
// records that follow, each with flags of its own.
std::string TextOfBiff8(std::string_view part, std::uint8_t flags, std::size_t count, Records& records)
{
    std::u16string text;
    for (;;) {
        const bool wide = flags & 1;
        const std::size_t take = std::min(count - text.size(), part.size() / (wide ? 2 : 1));
        for (std::size_t at = 0; at < take; ++at)
            text += wide ? LittleEndian<char16_t>(part.data() + 2 * at) : char16_t(std::uint8_t(part[at]));
        Record next;
        if (text.size() == count || !records.Peek(next) || next.type != ContinueRecord || next.body.empty())
            return Utf8(text);
        records.Next(next);
        flags = std::uint8_t(next.body[0]);
        part = next.body.substr(1);
    }
}

// The character set iconv knows a workbook's code page by.
std::string CharsetOf(std::uint16_t codePage)
{
    return codePage == 367                          ? "ASCII"
           : codePage == 10000 || codePage == 32768 ? "MACINTOSH"
           : codePage == 32769                      ? "CP1252"
                                                    : "CP" + std::to_string(codePage);
}

// An Excel 5.0/95 text: bytes in the workbook's code page.
std::string TextOfBiff5(std::string_view bytes, std::uint16_t codePage)
{
    const iconv_t convert = iconv_open("UTF-8", CharsetOf(codePage).c_str());
    if (convert == iconv_t(-1))
        throw MessageError(MessageId::UnreadableCharacterSet);
    std::string out(4 * bytes.size(), '\0');
    char* in = const_cast<char*>(bytes.data());
    char* to = out.data();
    std::size_t inLeft = bytes.size(), outLeft = out.size();
    const std::size_t converted = iconv(convert, &in, &inLeft, &to, &outLeft);
    iconv_close(convert);
    if (converted == std::size_t(-1))
        throw MessageError(MessageId::UnreadableCharacterSet);
    out.resize(out.size() - outLeft);
    return out;
}

Globals ReadGlobals(std::string_view stream)
{
    Globals globals;
    std::vector<Record> formats; // read once the code page is known
    Records records(stream, 0);
    Record record;
    if (!records.Next(record) || record.type != BofRecord || record.body.size() < 2)
        return globals;
    globals.version = LittleEndian<std::uint16_t>(record.body.data());
    while (records.Next(record) && record.type != EofRecord) {
        if (record.type == BoundSheetRecord && record.body.size() >= 4 && !globals.firstSheetAt)
            globals.firstSheetAt = LittleEndian<std::uint32_t>(record.body.data());
        if (record.type == BoundSheetRecord && record.body.size() >= 7)
            globals.sheets.push_back({LittleEndian<std::uint32_t>(record.body.data()), (record.body[4] & 3) != 0,
                                      record.body[5] == 0, record.body.substr(6)});
        else if (record.type == CodePageRecord && record.body.size() >= 2)
            globals.codePage = LittleEndian<std::uint16_t>(record.body.data());
        else if (record.type == FilePassRecord)
            globals.encrypted = true;
        else if (record.type == SstRecord && globals.version == Biff8)
            globals.sharedTexts = SharedTexts(record, records);
        else if (record.type == XfRecord && record.body.size() >= 4)
            globals.cellFormats.push_back(LittleEndian<std::uint16_t>(record.body.data() + 2));
        else if (record.type == DateModeRecord && record.body.size() >= 2)
            globals.from1904 = LittleEndian<std::uint16_t>(record.body.data()) == 1;
        else if (record.type == FormatRecord && record.body.size() >= 3)
            formats.push_back(record);
    }
    for (const Record& format : formats) {
        const char* body = format.body.data();
        const auto number = LittleEndian<std::uint16_t>(body);
        if (globals.version == Biff8 && format.body.size() >= 5) {
            Records none(std::string_view(), 0);
            globals.formatCodes[number] = TextOfBiff8(format.body.substr(5), std::uint8_t(body[4]),
                                                      LittleEndian<std::uint16_t>(body + 2), none);
        } else if (globals.version == Biff5) {
            const std::size_t count = std::uint8_t(body[2]);
            globals.formatCodes[number] = TextOfBiff5(format.body.substr(3, count), globals.codePage);
        }
    }
    return globals;
}

SheetValue TextValue(std::string text)
{
    return {PackedKind::Text, std::move(text)};
}

// A number as an RK value holds it: 30 bits of an integer or of a double's
// high bits, perhaps to be divided by 100.
double RkNumber(std::uint32_t rk)
{
    double value = 0;
    if (rk & 2) {
        value = double(std::int32_t(rk) >> 2);
    } else {
        const std::uint64_t bits = std::uint64_t(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return rk & 1 ? value / 100 : value;
}

// A sheet's name as its BOUNDSHEET record holds it.
std::string SheetName(const Globals& globals, std::string_view name)
{
    if (name.empty())
        return {};
    const std::size_t count = std::uint8_t(name[0]);
    if (globals.version != Biff8)
        return TextOfBiff5(name.substr(1, count), globals.codePage);
    if (name.size() < 2)
        return {};
    Records none(std::string_view(), 0);
    return TextOfBiff8(name.substr(2), std::uint8_t(name[1]), count, none);
}

// The cells with a value below row 1 of each column (from 1) of the sheet at `at`.
std::map<std::uint32_t, std::uint32_t> EntriesByColumn(std::string_view stream, std::uint32_t at)
{
    std::map<std::uint32_t, std::uint32_t> counts;
    Records records(stream, at);
    Record record;
    if (!records.Next(record) || record.type != BofRecord)
        return counts;
    while (records.Next(record) && record.type != EofRecord) {
        const bool cell = record.type == LabelSstRecord || record.type == LabelRecord || record.type == NumberRecord
                          || record.type == RkRecord || record.type == FormulaRecord || record.type == BoolErrRecord;
        if ((!cell && record.type != MulRkRecord) || record.body.size() < 6)
            continue;
        const auto row = LittleEndian<std::uint16_t>(record.body.data());
        const auto column = LittleEndian<std::uint16_t>(record.body.data() + 2);
        if (row < 1 || row >= ListSheetRows)
            continue;
        // MULRK: a run of cells, from its first column to the one its last two bytes name.
        const std::uint32_t last = record.type == MulRkRecord
                                       ? LittleEndian<std::uint16_t>(record.body.data() + record.body.size() - 2)
                                       : column;
        for (std::uint32_t each = column; each <= last && each < 256; ++each)
            ++counts[each + 1];
    }
    return counts;
}

// The notes on the workbook: its first sheet hidden, names in another column or sheet.
SheetNotes NotesOn(std::string_view stream, const Globals& globals, const ListColumn& list)
{
    SheetNotes notes;
    if (globals.sheets.empty())
        return notes;
    if (globals.sheets.front().hidden)
        notes.hiddenFirstSheet = SheetName(globals, globals.sheets.front().name);
    if (HoldsEntries(list.cells))
        return notes;
    NoteNamesInOtherColumn(EntriesByColumn(stream, globals.sheets.front().at), list.column, notes);
    for (std::size_t sheet = 1; sheet < globals.sheets.size() && notes.namesCount == 0; ++sheet) {
        if (!globals.sheets[sheet].isWorksheet)
            continue;
        const auto counts = EntriesByColumn(stream, globals.sheets[sheet].at);
        if (const auto columnA = counts.find(1); columnA != counts.end())
            notes = {notes.hiddenFirstSheet, 1, SheetName(globals, globals.sheets[sheet].name), columnA->second};
    }
    return notes;
}

// A number as the cell style `xf` shows it.
SheetValue ShownBy(const Globals& globals, std::uint16_t xf, double value)
{
    const std::uint16_t id = xf < globals.cellFormats.size() ? globals.cellFormats[xf] : 0;
    const auto custom = globals.formatCodes.find(id);
    const std::string_view code = custom != globals.formatCodes.end() ? std::string_view(custom->second)
                                                                     : BuiltInFormat(id).value_or("");
    SheetValue number = ShownNumber(value, id, code == "General" ? "" : code, globals.from1904);
    number.plainNumber = number.kind == PackedKind::Number;
    return number;
}

SheetValue BooleanOrError(std::uint8_t value, bool isError)
{
    if (!isError)
        return BooleanValue(value != 0);
    switch (value) {
    case 0x00: return TextValue("#NULL!");
    case 0x07: return TextValue("#DIV/0!");
    case 0x0F: return TextValue("#VALUE!");
    case 0x17: return TextValue("#REF!");
    case 0x1D: return TextValue("#NAME?");
    case 0x24: return TextValue("#NUM!");
    default: return TextValue("#N/A");
    }
}

// The values of the first sheet's cells in rows 1 .. ListSheetRows, for
// formulas saved without a result, and those formulas.
struct SheetCells {
    using Place = std::pair<std::uint32_t, std::uint32_t>; // row and column, from 0
    static constexpr std::size_t MostCells = 200000;
    std::map<Place, FormulaValue> values;
    std::map<Place, std::pair<std::string_view, std::uint16_t>> withoutResult; // tokens and cell style
    std::optional<Place> textToFollow;
    bool cellsLeftOut = false;

    void Take(const Record& record, const Globals& globals)
    {
        const char* body = record.body.data();
        const Place place{LittleEndian<std::uint16_t>(body), LittleEndian<std::uint16_t>(body + 2)};
        if (place.first >= ListSheetRows)
            return;
        if (values.size() + withoutResult.size() >= MostCells) {
            cellsLeftOut = true;
            return;
        }
        const auto number = [](double value) { return FormulaValue{FormulaValue::Number, {}, value}; };
        if (record.type == LabelSstRecord && record.body.size() >= 10) {
            const auto index = LittleEndian<std::uint32_t>(body + 6);
            if (index < globals.sharedTexts.size())
                values[place] = {FormulaValue::Text, globals.sharedTexts[index], 0};
        } else if (record.type == NumberRecord && record.body.size() >= 14) {
            values[place] = number(LittleEndian<double>(body + 6));
        } else if (record.type == RkRecord && record.body.size() >= 10) {
            values[place] = number(RkNumber(LittleEndian<std::uint32_t>(body + 6)));
        } else if (record.type == MulRkRecord && record.body.size() >= 12) {
            for (std::size_t at = 6, column = place.second; at + 4 <= record.body.size() - 2; at += 6, ++column)
                values[{place.first, std::uint32_t(column)}] = number(RkNumber(LittleEndian<std::uint32_t>(body + at)));
        } else if (record.type == BoolErrRecord && record.body.size() >= 8) {
            const SheetValue value = BooleanOrError(std::uint8_t(body[6]), body[7] != 0);
            values[place] = body[7] ? FormulaValue{FormulaValue::Error, value.bytes, 0}
                                    : FormulaValue{FormulaValue::Boolean, {}, body[6] ? 1.0 : 0.0};
        } else if (record.type == FormulaRecord && record.body.size() >= 22) {
            const char* result = body + 6;
            const auto size = LittleEndian<std::uint16_t>(body + 20);
            if (LittleEndian<std::uint16_t>(result + 6) != 0xFFFF)
                values[place] = number(LittleEndian<double>(result));
            else if (result[0] == 0)
                textToFollow = place;
            else if (result[0] == 1)
                values[place] = {FormulaValue::Boolean, {}, result[2] ? 1.0 : 0.0};
            else if (result[0] == 2)
                values[place] = {FormulaValue::Error, BooleanOrError(std::uint8_t(result[2]), true).bytes, 0};
            else if (result[0] == 3 && record.body.size() >= 22u + size)
                withoutResult[place] = {record.body.substr(22, size), LittleEndian<std::uint16_t>(body + 4)};
        }
    }

    // A cell as a formula sees it (rows and columns from 0); nullopt when it is not known.
    std::optional<FormulaValue> Value(std::uint32_t row, std::uint32_t column, int depth)
    {
        if (withoutResult.contains({row, column}))
            return depth < MostDepth ? WorkOut(row, column, depth + 1) : std::nullopt;
        if (const auto found = values.find({row, column}); found != values.end())
            return found->second;
        return row < ListSheetRows && !cellsLeftOut ? std::optional(FormulaValue{}) : std::nullopt;
    }

    std::optional<FormulaValue> WorkOut(std::uint32_t row, std::uint32_t column, int depth = 0)
    {
        if (const auto known = workedOut_.find({row, column}); known != workedOut_.end())
            return known->second;
        const std::optional<std::string> text = FormulaTextOfTokens(withoutResult.at({row, column}).first);
        std::optional<FormulaValue> value;
        if (text)
            value = WorkOutFormula(*text, FormulaSyntax::Excel, [&](std::uint32_t r, std::uint32_t c) {
                return Value(r - 1, c - 1, depth);
            });
        return workedOut_[{row, column}] = value;
    }

private:
    static constexpr int MostDepth = 32;
    std::map<Place, std::optional<FormulaValue>> workedOut_;
};

} // namespace

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// UTF-16 as UTF-8; half of a surrogate pair alone becomes U+FFFD.
std::string Utf8(const std::u16string& text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        if (high && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000)
            AppendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[++at] - 0xDC00));
        else
            AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? U'\uFFFD' : char32_t(unit));
    }
    return out;
}

std::string CellName(std::uint32_t row, std::uint32_t column)
{
    std::string letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.insert(letters.begin(), char('A' + (column - 1) % 26));
    return letters + std::to_string(row);
}

SheetValue* ListColumn::Slot(std::uint32_t row, std::uint32_t column)
{
    const std::optional<std::size_t> place = PackedCellPlace(row, column, this->column);
    if (!place)
        return nullptr;
    return *place < ListSheetRows ? &cells[*place] : &preview[*place - ListSheetRows];
}

void ListColumn::ForEachCellSent(const std::function<void(std::uint32_t, std::uint32_t, SheetValue&)>& take)
{
    for (std::uint32_t row = 1; row <= cells.size(); ++row)
        take(row, column, cells[row - 1]);
    for (std::uint32_t row = 1; row <= PreviewRows; ++row)
        for (std::uint32_t other = 1; other <= PreviewColumns; ++other)
            if (other != column)
                take(row, other, *Slot(row, other));
}

bool HoldsEntries(const std::vector<SheetValue>& cells)
{
    return std::any_of(cells.begin() + std::min<std::size_t>(1, cells.size()), cells.end(),
                       [](const SheetValue& value) { return !value.bytes.empty(); });
}

void NoteNamesInOtherColumn(const std::map<std::uint32_t, std::uint32_t>& counts, std::uint32_t read,
                            SheetNotes& notes)
{
    for (const auto& [column, count] : counts)
        if (column >= 1 && column != read && count > 0) {
            notes.namesColumn = column;
            notes.namesCount = count;
            return;
        }
}

SheetValue NumberValue(double value)
{
    return {PackedKind::Number, std::string(reinterpret_cast<const char*>(&value), sizeof value)}; // little-endian, as the program
}

SheetValue BooleanValue(bool value)
{
    return TextValue(value ? "TRUE" : "FALSE");
}

SheetValue ShownNumber(double value, int formatId, std::string_view code, bool from1904)
{
    if (IsRegionalDateFormat(formatId) && value >= 0 && value < 2958466) {
        if (formatId == 22)
            return {PackedKind::Moment, FormatNumber(value, "yyyy-mm-dd hh:mm:ss", from1904)};
        if (formatId == 32 || formatId == 33)
            return {PackedKind::Time, FormatNumber(value, "hh:mm:ss", from1904)};
        return {PackedKind::Date, FormatNumber(value, "yyyy-mm-dd", from1904)};
    }
    if (code.empty())
        return NumberValue(value);
    return TextValue(FormatNumber(value, code, from1904));
}

ListColumn FormulaAndBooleanValues(std::string_view stream, std::uint16_t listColumn)
{
    ListColumn list{listColumn};
    const Globals globals = ReadGlobals(stream);
    if ((globals.version != Biff5 && globals.version != Biff8) || !globals.firstSheetAt || globals.encrypted)
        return list;
    Records records(stream, *globals.firstSheetAt);
    Record record;
    if (!records.Next(record) || record.type != BofRecord)
        return list;
    // The cell of a formula whose text comes in the STRING record after it
    // (after the formula it shares, if any); none when there is none.
    SheetValue* textToFollow = nullptr;
    SheetCells cells;
    while (records.Next(record) && record.type != EofRecord) {
        const char* body = record.body.data();
        if (record.type == StringRecord) {
            const std::size_t heading = globals.version == Biff8 ? 3 : 2;
            if (record.body.size() >= heading && (textToFollow || cells.textToFollow)) {
                const auto count = LittleEndian<std::uint16_t>(body);
                const std::string text = globals.version == Biff8
                                             ? TextOfBiff8(record.body.substr(heading), std::uint8_t(body[2]), count, records)
                                             : TextOfBiff5(record.body.substr(heading, count), globals.codePage);
                if (textToFollow)
                    *textToFollow = TextValue(text);
                if (cells.textToFollow)
                    cells.values[*cells.textToFollow] = {FormulaValue::Text, text, 0};
            }
            textToFollow = nullptr;
            cells.textToFollow.reset();
            continue;
        }
        if (record.body.size() < 6)
            continue;
        if (globals.version == Biff8)
            cells.Take(record, globals);
        const auto cellRow = LittleEndian<std::uint16_t>(body);
        const auto firstColumn = LittleEndian<std::uint16_t>(body + 2);
        SheetValue* const slot = list.Slot(cellRow + 1u, firstColumn + 1u);
        if (record.type == LabelSstRecord && slot && record.body.size() >= 10) {
            const auto index = LittleEndian<std::uint32_t>(body + 6);
            if (index < globals.sharedTexts.size())
                *slot = TextValue(globals.sharedTexts[index]);
        } else if (record.type == LabelRecord && slot && record.body.size() >= 8) {
            const auto count = LittleEndian<std::uint16_t>(body + 6);
            if (globals.version == Biff8 && record.body.size() >= 9)
                *slot = TextValue(TextOfBiff8(record.body.substr(9), std::uint8_t(body[8]), count, records));
            else if (globals.version == Biff5)
                *slot = TextValue(TextOfBiff5(record.body.substr(8, count), globals.codePage));
        } else if (record.type == NumberRecord && slot && record.body.size() >= 14) {
            double value = 0;
            std::memcpy(&value, body + 6, sizeof value);
            *slot = ShownBy(globals, LittleEndian<std::uint16_t>(body + 4), value);
        } else if (record.type == RkRecord && slot && record.body.size() >= 10) {
            *slot = ShownBy(globals, LittleEndian<std::uint16_t>(body + 4), RkNumber(LittleEndian<std::uint32_t>(body + 6)));
        } else if (record.type == MulRkRecord) {
            // Cells of one row from the first column on, 6 bytes each (format, number), then the last column.
            const std::size_t last =
                std::min<std::size_t>(firstColumn + (record.body.size() - 6) / 6, std::max(listColumn, PreviewColumns));
            for (std::size_t cell = firstColumn, at = 4; cell < last; ++cell, at += 6)
                if (SheetValue* const value = list.Slot(cellRow + 1u, std::uint32_t(cell + 1)))
                    *value = ShownBy(globals, LittleEndian<std::uint16_t>(body + at),
                                     RkNumber(LittleEndian<std::uint32_t>(body + at + 2)));
        }
        if ((record.type != FormulaRecord && record.type != BoolErrRecord) || record.body.size() < 8)
            continue;
        if (record.type == FormulaRecord)
            textToFollow = nullptr;
        if (!slot)
            continue;
        if (record.type == BoolErrRecord) {
            *slot = BooleanOrError(std::uint8_t(body[6]), body[7] != 0);
            continue;
        }
        if (record.body.size() < 14)
            continue;
        // The result: a number, or, marked by 0xFFFF in its last two
        // bytes, a kind and a value (a text's comes in the next STRING).
        const char* result = body + 6;
        if (LittleEndian<std::uint16_t>(result + 6) != 0xFFFF) {
            double value = 0;
            std::memcpy(&value, result, sizeof value);
            *slot = ShownBy(globals, LittleEndian<std::uint16_t>(body + 4), value);
            slot->plainNumber = false; // the library cannot read a formula's result
        }
        else if (result[0] == 0)
            textToFollow = slot;
        else if (result[0] == 1 || result[0] == 2)
            *slot = BooleanOrError(std::uint8_t(result[2]), result[0] == 2);
    }
    // Formulas saved without a result (xlwt writes them so, with an empty
    // text for a result): worked out where they can be, else left as saved.
    for (const auto& [place, formula] : cells.withoutResult) {
        SheetValue* const slot = list.Slot(place.first + 1u, place.second + 1u);
        if (!slot || place.first == 0)
            continue;
        if (const std::optional<FormulaValue> value = cells.WorkOut(place.first, place.second)) {
            if (value->kind == FormulaValue::Number)
                *slot = ShownBy(globals, formula.second, value->number);
            else if (value->kind == FormulaValue::Boolean)
                *slot = BooleanValue(value->number != 0);
            else
                *slot = TextValue(value->text);
            slot->plainNumber = false;
        }
    }
    list.notes = NotesOn(stream, globals, list);
    return list;
}

void KeepCharacterSetsLoaded()
{
    // The code pages Excel 5.0/95 and 97-2003 write; each conversion stays
    // open (and held here, kept on purpose, not lost), so that its module
    // stays loaded for freexl and for this file.
    static constexpr std::uint16_t CodePages[] = {
        367,  437,  720,  737,  775,  850,  852,  855,  857,  858,  860,  861,  862,   863,   864,   865,
        866,  869,  874,  932,  936,  949,  950,  1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258,
        1361, 10000};
    [[maybe_unused]] static iconv_t kept[std::size(CodePages) + 1];
    for (std::size_t page = 0; page < std::size(CodePages); ++page)
        kept[page] = iconv_open("UTF-8", CharsetOf(CodePages[page]).c_str());
    kept[std::size(CodePages)] = iconv_open("UTF-8", "UTF-16LE");
}

} // namespace quorvan
