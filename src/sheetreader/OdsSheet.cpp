// Reading the list column of an .ods spreadsheet: the first table of its
// content part, the first cell of each row, repeated rows counted out.

#include "sheetreader/XmlPart.h"
#include "sheetreader/ZipSheets.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace quorvan {

namespace {

const std::string Office = "urn:oasis:names:tc:opendocument:xmlns:office:1.0 ";
const std::string Table = "urn:oasis:names:tc:opendocument:xmlns:table:1.0 ";
const std::string TextSpace = "urn:oasis:names:tc:opendocument:xmlns:text:1.0 ";

constexpr std::size_t LongestText = LongestCellBytes + 4;

std::uint64_t CountIn(const char* text, std::uint64_t otherwise)
{
    std::uint64_t count = 0;
    if (!text)
        return otherwise;
    const auto [end, error] = std::from_chars(text, text + std::char_traits<char>::length(text), count);
    return error == std::errc() && count > 0 ? count : otherwise;
}

// "PT12H30M05.5S" as "12:30:05", the hours of a longer span within a day.
std::string TimeOfDuration(std::string_view duration)
{
    long part[3] = {0, 0, 0}; // hours, minutes, seconds
    long number = 0;
    for (const char c : duration) {
        if (c >= '0' && c <= '9')
            number = std::min(number * 10 + (c - '0'), 1000000L);
        else if (c == 'H' || c == 'M' || c == 'S' || c == '.') {
            if (c != '.')
                part[c == 'H' ? 0 : c == 'M' ? 1 : 2] = number;
            else
                part[2] = number; // the fraction that follows is dropped
            number = 0;
        } else
            number = 0;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", part[0] % 24, part[1] % 60, part[2] % 60);
    return text;
}

// The first table's first column, rows 1 .. ListSheetRows.
class ContentPart : public XmlPart {
public:
    std::vector<SheetValue> column = std::vector<SheetValue>(ListSheetRows);

private:
    void Start(std::string_view name, const char** attributes) override
    {
        if (name == Table + "table") {
            if (++tables_ == 1 && !started_)
                started_ = true;
            return;
        }
        if (!started_ || tables_ != 1)
            return;
        if (name == Table + "table-row") {
            repeat_ = CountIn(Attribute(attributes, (Table + "number-rows-repeated").c_str()), 1);
            cells_ = 0;
            value_ = {};
        } else if (name == Table + "table-cell" || name == Table + "covered-table-cell") {
            if (cells_++ == 0)
                StartCell(attributes);
        } else if (inCell_ && name == Office + "annotation") {
            ++annotation_;
        } else if (inCell_ && annotation_ == 0 && name.starts_with(TextSpace)) {
            StartText(name.substr(TextSpace.size()), attributes);
        }
    }

    void StartCell(const char** attributes)
    {
        inCell_ = true;
        paragraphs_ = 0;
        const auto attribute = [&](const char* local) { return Attribute(attributes, (Office + local).c_str()); };
        const char* type = attribute("value-type");
        const std::string_view kind = type ? type : "";
        const char* value = nullptr;
        isText_ = false;
        if (kind == "float" || kind == "percentage" || kind == "currency") {
            double number = 0;
            value = attribute("value");
            if (value && std::from_chars(value, value + std::char_traits<char>::length(value), number).ec == std::errc())
                value_ = NumberValue(number);
        } else if (kind == "date" && (value = attribute("date-value"))) {
            const std::string_view date = value;
            const std::size_t t = date.find('T');
            value_ = t == std::string_view::npos
                         ? SheetValue{PackedKind::Date, std::string(date.substr(0, 10))}
                         : SheetValue{PackedKind::Moment,
                                      std::string(date.substr(0, t)) + " " + std::string(date.substr(t + 1, 8))};
        } else if (kind == "time" && (value = attribute("time-value"))) {
            value_ = {PackedKind::Time, TimeOfDuration(value)};
        } else if (kind == "boolean" && (value = attribute("boolean-value"))) {
            value_ = BooleanValue(std::string_view(value) == "true");
        } else if (kind == "string") {
            value = attribute("string-value");
            if (value && *value)
                value_ = {PackedKind::Text, value};
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
            if (--tables_ == 0 && started_)
                Stop(); // the first table is all a list reads
            return;
        }
        if (!started_ || tables_ != 1)
            return;
        if (inCell_ && name == Office + "annotation") {
            --annotation_;
        } else if (inCell_ && isText_ && annotation_ == 0 && (name == TextSpace + "p" || name == TextSpace + "h")) {
            --inParagraph_;
        } else if (inCell_ && (name == Table + "table-cell" || name == Table + "covered-table-cell")) {
            inCell_ = false;
            if (isText_)
                value_ = {PackedKind::Text, std::move(text_)};
            text_.clear();
        } else if (name == Table + "table-row") {
            for (std::uint64_t copy = 0; copy < repeat_ && row_ < ListSheetRows; ++copy)
                column[row_++] = value_;
            if (row_ >= ListSheetRows)
                Stop();
        }
    }

    void Text(std::string_view text) override
    {
        if (inCell_ && isText_ && inParagraph_ > 0 && annotation_ == 0)
            Add(text);
    }

    void Add(std::string_view text) { text_.append(text.substr(0, LongestText - std::min(LongestText, text_.size()))); }

    int tables_ = 0;
    bool started_ = false;
    std::uint32_t row_ = 0;
    std::uint64_t repeat_ = 1;
    std::uint64_t cells_ = 0;
    bool inCell_ = false;
    bool isText_ = false;
    int annotation_ = 0;
    int inParagraph_ = 0;
    int paragraphs_ = 0;
    SheetValue value_;
    std::string text_;
};

} // namespace

std::vector<SheetValue> OdsListColumn(const char* path)
{
    const ZipArchive archive(path);
    ContentPart content;
    content.Parse(archive, "content.xml");
    return std::move(content.column);
}

} // namespace quorvan
