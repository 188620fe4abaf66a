#include "sheetreader/FreexlSheet.h"

#include "sheetreader/CompoundFile.h"
#include "sheetreader/NumberFormat.h"
#include "sheetreader/SheetRecords.h"
#include "texts/Messages.h"

#include <freexl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <vector>

#include <sys/resource.h>

namespace quorvan {

namespace {

MessageError ReasonOf(int code)
{
    switch (code) {
    case FREEXL_FILE_NOT_FOUND: return MessageError(MessageId::FileNotFound);
    case FREEXL_INSUFFICIENT_MEMORY: return MessageError(MessageId::NoMemoryToRead);
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE: return MessageError(MessageId::NotAnXlsWorkbook);
    case FREEXL_CFBF_READ_ERROR:
    case FREEXL_CFBF_SEEK_ERROR: return MessageError(MessageId::FileCutShort);
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND: return MessageError(MessageId::NoWorkbookInFile);
    case FREEXL_BIFF_ILLEGAL_SHEET_INDEX: return MessageError(MessageId::NoWorksheet);
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER: return MessageError(MessageId::UnreadableCharacterSet);
    default: return MessageError(MessageId::WorkbookDamagedWithCode, {std::to_string(code)});
    }
}

[[noreturn]] void Refuse(const MessageError& reason)
{
    throw reason;
}

void Check(int code)
{
    if (code != FREEXL_OK)
        Refuse(ReasonOf(code));
}

// Owns a workbook opened by freexl.
class FreexlWorkbook {
public:
    // Opens `path` by that very address (ReaderConfinement.h).
    explicit FreexlWorkbook(const char* path)
    {
        const int code = freexl_open(path, &handle_);
        if (code != FREEXL_OK) {
            freexl_close(handle_);
            Refuse(ReasonOf(code));
        }
    }
    // Some records it cannot take (a text longer than it expects, one that
    // needs more memory than it gets) make it stop and still answer "done",
    // without a workbook.
    bool Opened() const { return handle_ != nullptr; }
    ~FreexlWorkbook() { freexl_close(handle_); }
    FreexlWorkbook(const FreexlWorkbook&) = delete;
    FreexlWorkbook& operator=(const FreexlWorkbook&) = delete;
    const void* Handle() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

template <typename Number>
std::string BytesOf(Number value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value); // the reader is little-endian too
}

// A text cut to `longest` UTF-16 units, and to 3 bytes a unit.
void CutToUnits(std::string& text, std::size_t longest)
{
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = std::uint8_t(text[at]);
        if ((byte & 0xC0) == 0x80)
            continue; // within a character
        units += byte >= 0xF0 ? 2 : 1; // a character beyond U+FFFF takes two
        if (units > longest) {
            text.resize(at);
            break;
        }
    }
    if (text.size() > 3 * longest) // bytes that are not UTF-8
        text.resize(3 * longest);
}

SheetValue ValueOf(const FreeXL_CellValue& cell)
{
    const auto text = [&](PackedKind kind) {
        return SheetValue{kind, cell.value.text_value ? cell.value.text_value : ""};
    };
    switch (cell.type) {
    case FREEXL_CELL_INT: return {PackedKind::Integer, BytesOf(std::int32_t(cell.value.int_value))};
    case FREEXL_CELL_DOUBLE: return {PackedKind::Number, BytesOf(cell.value.double_value)};
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT: return text(PackedKind::Text);
    case FREEXL_CELL_DATE: return text(PackedKind::Date);
    case FREEXL_CELL_TIME: return text(PackedKind::Time);
    case FREEXL_CELL_DATETIME: return text(PackedKind::Moment);
    default: return {};
    }
}

// A cell of the list (`units` LongestCellUnits) or of the preview (LongestPreviewUnits).
void PutCell(std::string& out, std::uint32_t row, std::uint16_t column, SheetValue value, std::size_t units)
{
    if (value.kind == PackedKind::Number && value.bytes.size() == sizeof(double)) {
        double number = 0;
        std::memcpy(&number, value.bytes.data(), sizeof number);
        value = {PackedKind::Text, GeneralNumber(number)}; // as a spreadsheet shows a number without a format
    }
    if (value.kind != PackedKind::Integer && value.kind != PackedKind::Number)
        CutToUnits(value.bytes, units);
    if (value.bytes.empty())
        return;
    out += BytesOf(std::uint32_t(row + 1));
    out += BytesOf(column);
    out += BytesOf(std::uint8_t(value.kind));
    out += BytesOf(std::uint32_t(value.bytes.size()));
    out += value.bytes;
}

// A note on the workbook (PackedSheet.h), in row 0; a name cut to LongestSheetName bytes.
void PutNote(std::string& out, PackedKind kind, std::uint16_t column, std::string bytes)
{
    bytes.resize(std::min(bytes.size(), std::size_t(4) * (kind == PackedKind::NamesElsewhere) + LongestSheetName));
    out += BytesOf(std::uint32_t(0));
    out += BytesOf(column);
    out += BytesOf(std::uint8_t(kind));
    out += BytesOf(std::uint32_t(bytes.size()));
    out += bytes;
}

} // namespace

ListColumn RecordValues(const char* path, std::uint16_t listColumn)
{
    if (const std::optional<std::string> stream = ReadWorkbookStream(path))
        return FormulaAndBooleanValues(*stream, listColumn);
    return ListColumn{listColumn};
}

std::string PackListColumn(ListColumn column)
{
    std::string packed;
    for (std::uint32_t row = 0; row < column.cells.size(); ++row)
        PutCell(packed, row, column.column, std::move(column.cells[row]), LongestCellUnits);
    for (std::uint32_t cell = 0; cell < column.preview.size(); ++cell)
        PutCell(packed, cell / PreviewColumns, std::uint16_t(cell % PreviewColumns + 1),
                std::move(column.preview[cell]), LongestPreviewUnits);
    const SheetNotes& notes = column.notes;
    if (!notes.hiddenFirstSheet.empty())
        PutNote(packed, PackedKind::HiddenSheet, 0, notes.hiddenFirstSheet);
    if (notes.namesCount > 0 && notes.namesColumn > 0 && notes.namesColumn <= 0xFFFF)
        PutNote(packed, PackedKind::NamesElsewhere, std::uint16_t(notes.namesColumn),
                BytesOf(notes.namesCount) + notes.namesSheet);
    return packed;
}

std::string PackFirstSheet(const char* path, std::uint16_t listColumn)
{
    ListColumn list = RecordValues(path, listColumn);
    const std::vector<SheetValue>& column = list.cells;
    const FreexlWorkbook workbook(path);
    if (!workbook.Opened()) {
        // The cells read from the records alone, when they hold the list.
        if (std::none_of(column.begin(), column.end(), [](const SheetValue& value) { return !value.bytes.empty(); }))
            Refuse(MessageError(MessageId::WorkbookDamagedOrTooLarge));
        return PackListColumn(std::move(list));
    }
    unsigned int password = 0;
    if (freexl_get_info(workbook.Handle(), FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK
        && password == FREEXL_BIFF_OBFUSCATED)
        Refuse(MessageError(MessageId::PasswordProtected));
    unsigned int rows = 0;
    unsigned short columns = 0;
    Check(freexl_select_active_worksheet(workbook.Handle(), 0));
    Check(freexl_worksheet_dimensions(workbook.Handle(), &rows, &columns));
    list.ForEachCellSent([&](std::uint32_t row, std::uint32_t cellColumn, SheetValue& slot) {
        if (row > rows || cellColumn > columns)
            return;
        if (!slot.bytes.empty() && !slot.plainNumber)
            return; // a text, a formula's result, a boolean or an error, read from the records
        FreeXL_CellValue cell{};
        Check(freexl_get_cell_value(workbook.Handle(), row - 1, std::uint16_t(cellColumn - 1), &cell));
        if (SheetValue value = ValueOf(cell); !value.bytes.empty())
            slot = std::move(value);
    });
    return PackListColumn(std::move(list));
}

void LimitFurtherMemory(std::uint64_t bytes)
{
    // Counted on top of what the process holds now; with AddressSanitizer
    // that includes its reserved shadow memory.
    unsigned long kilobytes = 0;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmData: %lu kB", &kilobytes) == 1)
                break;
        std::fclose(status);
    }
    const rlim_t limit = rlim_t(kilobytes) * 1024 + bytes;
    const rlimit memory{limit, limit};
    setrlimit(RLIMIT_DATA, &memory);
}

} // namespace quorvan
