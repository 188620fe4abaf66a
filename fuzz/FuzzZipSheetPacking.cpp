// Fuzz target: bytes of an .xlsx (or, built with QUORVAN_FUZZ_ODS, an .ods)
// workbook in, the list column out, in this process: the reader program's
// own code (the zip parts through libzip, the XML through expat, the
// packing) instrumented, under the reader's memory limit.

#include "FreexlSheet.h"
#include "ZipSheets.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

int workbook = -1; // a file in memory, read by its name as the reader reads one
std::string workbookPath;

} // namespace

// As in the reader process, an allocation beyond the limit fails.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1:quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    workbook = memfd_create("workbook", 0);
    workbookPath = "/proc/self/fd/" + std::to_string(workbook);
    quorvan::LimitFurtherMemory(quorvan::ReaderMemory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (ftruncate(workbook, 0) != 0 || pwrite(workbook, data, size, 0) != static_cast<ssize_t>(size))
        __builtin_trap();
    try {
#ifdef QUORVAN_FUZZ_ODS
        const std::string packed = quorvan::PackListColumn(quorvan::OdsListColumn(workbookPath));
#else
        const std::string packed = quorvan::PackListColumn(quorvan::XlsxListColumn(workbookPath));
#endif
        if (packed.size() + 1 > quorvan::LongestPackedSheet)
            __builtin_trap();
    } catch (const std::exception&) {
        // A damaged workbook is refused with a reason, which is right.
    }
    return 0;
}
