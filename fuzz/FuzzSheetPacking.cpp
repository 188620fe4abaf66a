// Fuzz target: bytes of a workbook in, packed cells out, in this process:
// the reader program's own reading (the compound file, the records freexl
// passes over, the packing) instrumented, under the reader's memory limit.
// freexl runs here too, so its faults are found as well; in the program they
// end only the reader's process (FuzzWorkbookReader.cpp), so a fault in our
// own code is what needs mending here.

#include "FreexlSheet.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

int workbook = -1; // a file in memory, which freexl opens by its name
std::string workbookPath;

} // namespace

// As in the reader process, an allocation beyond the limit fails and the
// library answers that there is not enough memory.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
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
        if (quorvan::PackFirstSheet(workbookPath).size() + 1 > quorvan::LongestPackedSheet)
            __builtin_trap();
    } catch (const std::exception&) {
        // A file that is not a readable workbook is refused with a reason, which is right.
    }
    return 0;
}
