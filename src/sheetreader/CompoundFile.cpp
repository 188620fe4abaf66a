#include "sheetreader/CompoundFile.h"

#include "sheetreader/LittleEndian.h"
#include "texts/Messages.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace quorvan {

namespace {

constexpr char Signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr std::size_t HeaderSize = 512, DifatInHeader = 109, EntrySize = 128, LongestEntryName = 64;
constexpr std::uint32_t EndOfChain = 0xFFFFFFFE;

[[noreturn]] void Damaged(MessageId what)
{
    throw MessageError(what);
}

// Sector numbers, four bytes each.
std::vector<std::uint32_t> SectorNumbers(std::string_view bytes)
{
    std::vector<std::uint32_t> numbers;
    for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4)
        numbers.push_back(LittleEndian<std::uint32_t>(bytes.data() + at));
    return numbers;
}

std::uint64_t SectorsFor(std::uint64_t bytes, std::uint64_t sectorSize)
{
    return bytes / sectorSize + (bytes % sectorSize != 0);
}

// The sectors of the chain that starts at `start` in `table`: `needed` of
// them, or all up to the chain's end when `needed` is 0. Every sector must
// be one of the first `limit` and come once.
std::vector<std::uint32_t> Chain(const std::vector<std::uint32_t>& table, std::uint32_t start, std::uint64_t needed,
                                 std::uint64_t limit)
{
    if (needed > limit)
        Damaged(MessageId::WorkbookPartOutsideFile);
    std::vector<bool> seen(limit);
    std::vector<std::uint32_t> chain;
    for (std::uint32_t sector = start; needed ? chain.size() < needed : sector != EndOfChain; sector = table[sector]) {
        if (sector == EndOfChain)
            Damaged(MessageId::WorkbookStreamCutShort);
        if (sector >= limit || sector >= table.size())
            Damaged(MessageId::WorkbookPartOutsideFile);
        if (seen[sector])
            Damaged(MessageId::WorkbookSectorsLoop);
        seen[sector] = true;
        chain.push_back(sector);
    }
    return chain;
}

// A compound file, read as its parts are asked for.
class Container {
public:
    Container(std::ifstream& file, std::uint64_t fileSize, const char* header)
        : file_(file), fileSize_(fileSize), sectorSize_(std::uint64_t(1) << LittleEndian<std::uint16_t>(header + 30)),
          sectorCount_(SectorsFor(fileSize, sectorSize_) - 1)
    {
        const auto tableLength = LittleEndian<std::uint32_t>(header + 44);
        if (tableLength > sectorCount_)
            Damaged(MessageId::WorkbookPartOutsideFile);
        std::vector<std::uint32_t> tableSectors = SectorNumbers({header + 76, 4 * DifatInHeader});
        // The allocation table's sectors past the first 109 are listed in
        // sectors of their own, each ending with the number of the next.
        const std::uint64_t perSector = sectorSize_ / 4 - 1;
        std::uint32_t next = LittleEndian<std::uint32_t>(header + 68);
        while (tableSectors.size() < tableLength) {
            const std::vector<std::uint32_t> more = Table({next});
            tableSectors.insert(tableSectors.end(), more.begin(), more.begin() + std::ptrdiff_t(perSector));
            next = more.back();
        }
        tableSectors.resize(tableLength);
        fat_ = Table(tableSectors);
    }

    std::uint64_t SectorSize() const { return sectorSize_; }
    std::uint64_t SectorCount() const { return sectorCount_; }
    const std::vector<std::uint32_t>& Fat() const { return fat_; }

    // `length` bytes of sector `sector` from `offset` on; where the file
    // ends first, zeros.
    void Append(std::string& out, std::uint32_t sector, std::uint64_t offset, std::uint64_t length) const
    {
        if (sector >= sectorCount_)
            Damaged(MessageId::WorkbookPartOutsideFile);
        const std::uint64_t at = (sector + 1) * sectorSize_ + offset;
        const std::size_t start = out.size();
        out.resize(start + length);
        const std::uint64_t present = std::min(length, fileSize_ - std::min(at, fileSize_));
        file_.clear();
        if (!file_.seekg(std::streamoff(at)) || !file_.read(out.data() + start, std::streamsize(present)))
            throw MessageError(MessageId::FileCutShort);
    }

    // The sectors joined, read as a table of sector numbers.
    std::vector<std::uint32_t> Table(const std::vector<std::uint32_t>& sectors) const
    {
        std::string bytes;
        for (const std::uint32_t sector : sectors)
            Append(bytes, sector, 0, sectorSize_);
        return SectorNumbers(bytes);
    }

private:
    std::ifstream& file_;
    std::uint64_t fileSize_;
    std::uint64_t sectorSize_;
    std::uint64_t sectorCount_;
    std::vector<std::uint32_t> fat_;
};

struct Entry {
    std::uint32_t start = 0;
    std::uint64_t size = 0;
};

// The root entry (the mini stream's own place) and the workbook stream's
// entry, if there is one; and whether the file holds an encrypted package,
// the form Excel gives an .xlsx protected by a password.
struct Directory {
    Entry root;
    std::optional<Entry> workbook;
    bool encryptedPackage = false;
};

Directory ReadDirectory(const Container& file, std::uint32_t start, bool wideSizes)
{
    std::vector<std::uint32_t> sectors;
    try {
        sectors = Chain(file.Fat(), start, 0, file.SectorCount());
    } catch (const std::runtime_error&) {
        Damaged(MessageId::WorkbookDirectoryBroken);
    }
    std::string entries;
    for (const std::uint32_t sector : sectors)
        file.Append(entries, sector, 0, file.SectorSize());
    const auto entryAt = [&](std::size_t at) {
        const char* entry = entries.data() + at;
        const std::uint64_t size =
            wideSizes ? LittleEndian<std::uint64_t>(entry + 120) : LittleEndian<std::uint32_t>(entry + 120);
        return Entry{LittleEndian<std::uint32_t>(entry + 116), size};
    };
    const auto named = [&](std::size_t at, const char16_t* name) {
        const std::size_t length = std::char_traits<char16_t>::length(name) + 1; // with its terminating zero
        return LittleEndian<std::uint16_t>(entries.data() + at + 64) == 2 * length
            && std::memcmp(entries.data() + at, name, 2 * length) == 0;
    };
    if (entries.size() < EntrySize)
        Damaged(MessageId::WorkbookDirectoryBroken);
    Directory directory{entryAt(0), {}};
    std::optional<Entry> book;
    for (std::size_t at = 0; at + EntrySize <= entries.size(); at += EntrySize) {
        if (LittleEndian<std::uint16_t>(entries.data() + at + 64) > LongestEntryName)
            Damaged(MessageId::WorkbookDirectoryBroken);
        if (!directory.workbook && named(at, u"Workbook"))
            directory.workbook = entryAt(at);
        if (!book && named(at, u"Book"))
            book = entryAt(at);
        directory.encryptedPackage = directory.encryptedPackage || named(at, u"EncryptedPackage");
    }
    if (!directory.workbook)
        directory.workbook = book;
    return directory;
}

// A stream under the cut-off size, kept in small sectors inside the mini
// stream, which is itself chained like any other stream from the root entry.
std::string ReadSmallStream(const Container& file, const char* header, const Entry& root, const Entry& stream)
{
    const auto miniShift = LittleEndian<std::uint16_t>(header + 32);
    if (miniShift != 6)
        Damaged(MessageId::WorkbookHeaderBroken);
    const std::uint64_t miniSize = std::uint64_t(1) << miniShift;
    const std::vector<std::uint32_t> container =
        Chain(file.Fat(), root.start, SectorsFor(root.size, file.SectorSize()), file.SectorCount());
    const std::vector<std::uint32_t> miniFat =
        file.Table(Chain(file.Fat(), LittleEndian<std::uint32_t>(header + 60), 0, file.SectorCount()));
    const std::uint64_t perSector = file.SectorSize() / miniSize;
    std::string bytes;
    for (const std::uint32_t mini : Chain(miniFat, stream.start, SectorsFor(stream.size, miniSize),
                                          container.size() * perSector))
        file.Append(bytes, container[mini / perSector], (mini % perSector) * miniSize, miniSize);
    bytes.resize(stream.size);
    return bytes;
}

} // namespace

std::optional<std::string> ReadWorkbookStream(const char* path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff fileSize = file.tellg();
    char header[HeaderSize];
    if (!file.seekg(0) || !file.read(header, HeaderSize) || std::memcmp(header, Signature, 8) != 0)
        return std::nullopt;
    const auto shift = LittleEndian<std::uint16_t>(header + 30);
    if (shift != 9 && shift != 12)
        return std::nullopt; // freexl refuses it as it is
    const Container container(file, std::uint64_t(fileSize), header);
    const bool wideSizes = LittleEndian<std::uint16_t>(header + 26) >= 4; // version 3 files keep junk in the high half
    const Directory directory = ReadDirectory(container, LittleEndian<std::uint32_t>(header + 48), wideSizes);
    if (!directory.workbook && directory.encryptedPackage)
        throw MessageError(MessageId::PasswordProtected);
    if (!directory.workbook)
        return std::nullopt;
    const Entry& stream = *directory.workbook;
    if (stream.size < LittleEndian<std::uint32_t>(header + 56))
        return ReadSmallStream(container, header, directory.root, stream);
    std::string bytes;
    for (const std::uint32_t sector :
         Chain(container.Fat(), stream.start, SectorsFor(stream.size, container.SectorSize()), container.SectorCount()))
        container.Append(bytes, sector, 0, container.SectorSize());
    bytes.resize(stream.size);
    return bytes;
}

} // namespace quorvan
