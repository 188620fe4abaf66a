#include "sheetreader/ZipArchive.h"

#include "texts/Messages.h"

#include <zip.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace quorvan {

namespace {

[[noreturn]] void Refuse(MessageId message, std::vector<std::string> arguments)
{
    throw MessageError(message, std::move(arguments));
}

} // namespace

ZipArchive::ZipArchive(const char* path)
{
    // Opened here by that very address (ReaderConfinement.h); libzip takes
    // the descriptor over.
    const int descriptor = open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        Refuse(MessageId::ZipNotAnArchive, {std::strerror(errno)});
    int code = 0;
    archive_ = zip_fdopen(descriptor, 0, &code);
    if (!archive_) {
        close(descriptor);
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const std::string words = zip_error_strerror(&error);
        zip_error_fini(&error);
        Refuse(MessageId::ZipNotAnArchive, {words});
    }
}

ZipArchive::~ZipArchive()
{
    zip_discard(archive_);
}

bool ZipArchive::Has(const std::string& part) const
{
    return zip_name_locate(archive_, part.c_str(), 0) >= 0;
}

void ZipArchive::Read(const std::string& part, const std::function<bool(std::string_view)>& take) const
{
    const zip_int64_t index = zip_name_locate(archive_, part.c_str(), 0);
    if (index < 0)
        Refuse(MessageId::ZipPartMissing, {part});
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(zip_fopen_index(archive_, zip_uint64_t(index), 0),
                                                                  zip_fclose);
    if (!file)
        Refuse(MessageId::ZipPartDamaged, {part, zip_strerror(archive_)});
    char piece[64 * 1024];
    std::uint64_t inflated = 0;
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), piece, sizeof piece);
        if (got < 0)
            Refuse(MessageId::ZipPartDamaged, {part, zip_file_strerror(file.get())});
        if (got == 0)
            return;
        inflated += std::uint64_t(got);
        if (inflated > InflatedPartCap)
            Refuse(MessageId::ZipPartTooLarge, {part, std::to_string(InflatedPartCap >> 20)});
        if (!take({piece, std::size_t(got)}))
            return;
    }
}

} // namespace quorvan
