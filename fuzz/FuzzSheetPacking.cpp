// Fuzz target: bytes of a workbook in, packed cells out, in this process:
// the reader program's own code (the compound file, the records freexl
// passes over, the packing) instrumented, under the reader's memory limit.
// freexl itself is fuzzed where it runs, in the reader's process
// (FuzzWorkbookReader.cpp), where its faults cost only that process.
// Built with QUORVAN_FUZZ_XLSX or QUORVAN_FUZZ_ODS, the workbook is an .xlsx
// or an .ods, read from its zip parts through libzip and expat.

#include "sheetreader/FreexlSheet.h"
#include "sheetreader/ZipSheets.h"

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

// As in the reader process, an allocation beyond the limit fails. Freed
// memory is held back only briefly, so that it does not count against the
// limit for long.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1:quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    workbook = memfd_create("workbook.xls", 0);
    workbookPath = "/proc/self/fd/" + std::to_string(workbook);
    quorvan::LimitFurtherMemory(quorvan::ReaderMemory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (ftruncate(workbook, 0) != 0 || pwrite(workbook, data, size, 0) != static_cast<ssize_t>(size))
        __builtin_trap();
    try {
#if defined(QUORVAN_FUZZ_XLSX)
        const auto column = quorvan::XlsxListColumn(workbookPath.c_str());
#elif defined(QUORVAN_FUZZ_ODS)
        const auto column = quorvan::OdsListColumn(workbookPath.c_str());
#else
        const auto column = quorvan::RecordValues(workbookPath.c_str());
#endif
        if (quorvan::PackListColumn(column).size() + 1 > quorvan::LongestPackedSheet)
            __builtin_trap();
    } catch (const std::exception&) {
        // A damaged workbook is refused with a reason, which is right.
    }
    return 0;
}
