#include "FreexlSheet.h"

#include <freexl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include <sys/resource.h>

namespace quorvan {

namespace {

// More cell text than this is not a list anyone types.
constexpr std::size_t LargestSheet = 256u * 1024 * 1024;

std::string ReasonOf(int code)
{
    switch (code) {
    case FREEXL_FILE_NOT_FOUND: return "The file does not exist or cannot be opened.";
    case FREEXL_INSUFFICIENT_MEMORY: return "There is not enough memory to read it.";
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE: return "It is not an Excel 97\u20132003 workbook (.xls).";
    case FREEXL_CFBF_READ_ERROR:
    case FREEXL_CFBF_SEEK_ERROR: return "The file is cut short or cannot be read.";
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND: return "The file holds no workbook.";
    case FREEXL_BIFF_ILLEGAL_SHEET_INDEX: return "The workbook has no worksheet.";
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER: return "Its text is in a character set that cannot be read.";
    default: return "The workbook is damaged (error " + std::to_string(code) + ").";
    }
}

[[noreturn]] void Refuse(const std::string& reason)
{
    throw std::runtime_error(reason);
}

void Check(int code)
{
    if (code != FREEXL_OK)
        Refuse(ReasonOf(code));
}

// Owns a workbook opened by freexl.
class FreexlWorkbook {
public:
    explicit FreexlWorkbook(const std::string& path)
    {
        const int code = freexl_open(path.c_str(), &handle_);
        if (code != FREEXL_OK) {
            freexl_close(handle_);
            Refuse(ReasonOf(code));
        }
        // Some records it cannot take (one that needs more memory than it
        // gets, say) make it stop and still answer "done", without a workbook.
        if (!handle_)
            Refuse("The workbook is damaged or too large to read.");
    }
    ~FreexlWorkbook() { freexl_close(handle_); }
    FreexlWorkbook(const FreexlWorkbook&) = delete;
    FreexlWorkbook& operator=(const FreexlWorkbook&) = delete;
    const void* Handle() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

template <typename Number>
Number Get(const char* bytes)
{
    Number value;
    std::memcpy(&value, bytes, sizeof value); // the machine is little-endian, as is the file
    return value;
}

// freexl takes the name length of each entry in the compound file's first
// directory sector on trust and reads that many bytes from a 64-byte field,
// far past its buffer when the length is damaged. Such a file, and one whose
// directory lies outside the file, is refused here first. Files that are not
// compound files are left to freexl to judge.
void CheckCompoundDirectory(const std::string& path)
{
    constexpr char Signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    constexpr std::size_t HeaderSize = 512, SectorShiftAt = 30, DirectoryStartAt = 48;
    constexpr std::size_t EntrySize = 128, NameLengthAt = 64, LongestName = 64;
    std::ifstream file(path, std::ios::binary);
    char header[HeaderSize];
    if (!file.read(header, HeaderSize) || std::memcmp(header, Signature, 8) != 0)
        return;
    const auto shift = Get<std::uint16_t>(header + SectorShiftAt);
    if (shift != 9 && shift != 12)
        return; // freexl refuses it as it is
    const std::uint64_t sectorSize = std::uint64_t(1) << shift;
    const std::uint64_t directoryAt = (std::uint64_t(Get<std::uint32_t>(header + DirectoryStartAt)) + 1) * sectorSize;
    std::string directory(sectorSize, '\0');
    if (!file.seekg(std::streamoff(directoryAt)) || !file.read(directory.data(), std::streamsize(sectorSize)))
        Refuse("The workbook is damaged (its directory is broken).");
    for (std::size_t entry = 0; entry < sectorSize; entry += EntrySize)
        if (Get<std::uint16_t>(directory.data() + entry + NameLengthAt) > LongestName)
            Refuse("The workbook is damaged (its directory is broken).");
}

template <typename Number>
void Put(std::string& out, Number value)
{
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value); // the machine is little-endian, as is the reader
    out.append(bytes, sizeof value);
}

void PutCell(std::string& out, unsigned row, unsigned short column, PackedKind kind, const void* data,
             std::size_t size)
{
    Put(out, std::uint32_t(row + 1));
    Put(out, std::uint16_t(column + 1));
    Put(out, std::uint8_t(kind));
    Put(out, std::uint32_t(size));
    out.append(static_cast<const char*>(data), size);
}

void PutText(std::string& out, unsigned row, unsigned short column, PackedKind kind, const char* text)
{
    if (text && *text)
        PutCell(out, row, column, kind, text, std::strlen(text));
}

} // namespace

std::string PackFirstSheet(const std::string& path)
{
    CheckCompoundDirectory(path);
    const FreexlWorkbook workbook(path);
    unsigned int password = 0;
    if (freexl_get_info(workbook.Handle(), FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK
        && password == FREEXL_BIFF_OBFUSCATED)
        Refuse("It is protected by a password.");
    unsigned int rows = 0;
    unsigned short columns = 0;
    Check(freexl_select_active_worksheet(workbook.Handle(), 0));
    Check(freexl_worksheet_dimensions(workbook.Handle(), &rows, &columns));

    std::string cells;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell{};
            Check(freexl_get_cell_value(workbook.Handle(), row, column, &cell));
            switch (cell.type) {
            case FREEXL_CELL_INT: {
                const std::int32_t value = cell.value.int_value;
                PutCell(cells, row, column, PackedKind::Integer, &value, sizeof value);
                break;
            }
            case FREEXL_CELL_DOUBLE:
                PutCell(cells, row, column, PackedKind::Number, &cell.value.double_value, sizeof(double));
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT: PutText(cells, row, column, PackedKind::Text, cell.value.text_value); break;
            case FREEXL_CELL_DATE: PutText(cells, row, column, PackedKind::Date, cell.value.text_value); break;
            case FREEXL_CELL_TIME: PutText(cells, row, column, PackedKind::Time, cell.value.text_value); break;
            case FREEXL_CELL_DATETIME: PutText(cells, row, column, PackedKind::Moment, cell.value.text_value); break;
            default: break;
            }
            if (cells.size() > LargestSheet)
                Refuse("Its first worksheet holds more text than can be read.");
        }
    }
    return cells;
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
