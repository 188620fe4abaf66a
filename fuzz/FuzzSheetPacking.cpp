// Fuzz target: bytes of a workbook in, packed cells out: the reader
// program's own reading (the compound file, the records freexl passes over,
// the packing) instrumented. Built with QUORVAN_FUZZ_XLSX or QUORVAN_FUZZ_ODS,
// the workbook is an .xlsx or an .ods, read from its zip parts through libzip
// and expat.
//
// Each input is read in a child process confined exactly as the reader
// program confines itself (ConfineReader: its limits, memory, namespaces,
// Landlock and system-call filter), so that a call the confinement refuses
// fails here as it fails there. The child writes what it covered to its
// output, the one thing it may write, and this process takes it as its own
// coverage. A child that ends on a signal or with a sanitizer's report makes
// the input a finding here.

#include "sheetreader/FreexlSheet.h"
#include "sheetreader/ReaderConfinement.h"
#include "sheetreader/SanitizerOptions.h"
#include "sheetreader/SheetRecords.h"
#include "sheetreader/ZipSheets.h"

#include "CoverageCounters.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int workbook = -1; // the input, a file in memory
std::string workbookPath;

bool WriteAll(int descriptor, const std::uint8_t* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(descriptor, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= std::size_t(written);
    }
    return true;
}

[[noreturn]] void ReadConfined(int output)
{
    // The input on descriptor 0 read from its start, as the program hands it over.
    const int input = open(workbookPath.c_str(), O_RDONLY);
    if (input < 0 || dup2(input, STDIN_FILENO) < 0 || dup2(output, STDOUT_FILENO) < 0)
        _exit(3);
    if (!quorvan::ConfineReader(quorvan::ReaderProcessorTime))
        _exit(4);
    try {
#if defined(QUORVAN_FUZZ_XLSX)
        const auto column = quorvan::XlsxListColumn(quorvan::ReaderInput);
#elif defined(QUORVAN_FUZZ_ODS)
        const auto column = quorvan::OdsListColumn(quorvan::ReaderInput);
#else
        const auto column = quorvan::RecordValues(quorvan::ReaderInput);
#endif
        if (quorvan::PackListColumn(column).size() + 1 > quorvan::LongestPackedSheet)
            __builtin_trap();
    } catch (const std::exception&) {
        // A damaged workbook is refused with a reason, which is right.
    }
    const std::span<std::uint8_t> counters = CoverageCounters();
    _exit(WriteAll(STDOUT_FILENO, counters.data(), counters.size()) ? 0 : 5);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    workbook = memfd_create("workbook", 0);
    workbookPath = "/proc/self/fd/" + std::to_string(workbook);
    // Loaded once here, inherited by every child.
    quorvan::KeepCharacterSetsLoaded();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int ends[2];
    if (ftruncate(workbook, 0) != 0 || pwrite(workbook, data, size, 0) != static_cast<ssize_t>(size)
        || pipe2(ends, O_CLOEXEC) != 0)
        __builtin_trap();
    const pid_t child = fork();
    if (child == 0)
        ReadConfined(ends[1]);
    close(ends[1]);
    const std::span<std::uint8_t> counters = CoverageCounters();
    std::vector<std::uint8_t> covered(counters.size() + 1);
    std::size_t got = 0;
    for (ssize_t part = 1; part > 0 || (part < 0 && errno == EINTR);) {
        part = read(ends[0], covered.data() + got, covered.size() - got);
        if (part > 0)
            got += std::size_t(part);
    }
    close(ends[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // The child's own report, if any, is above.
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        __builtin_trap();
    if (got == counters.size())
        std::copy_n(covered.begin(), got, counters.begin());
    return 0;
}
