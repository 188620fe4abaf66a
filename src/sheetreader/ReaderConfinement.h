#pragma once
// Confining the reader program: whatever a damaged or hostile workbook makes
// the workbook libraries do, the process reading it can do nothing but read
// its input and write its result. Plain C++ (Linux only).

#include <chrono>

// Builds with AddressSanitizer (GCC says so in one way, clang in another):
// its run-time needs a few calls more.
#if defined(__SANITIZE_ADDRESS__)
#define QUORVAN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVAN_ADDRESS_SANITIZER 1
#endif
#endif

namespace quorvan {

// The reader's own limit on processor time: it ends itself even when nobody waits for it.
constexpr std::chrono::seconds ReaderProcessorTime{40};

// The one name the confined reader may open: its input, descriptor 0, which
// the program opened and checked. freexl and the compound-file reader take a
// name, not a descriptor, and open it by exactly this address, which is all
// the system-call filter compares.
extern const char ReaderInput[];

// The first thing the reader does: closes every descriptor but its input (0),
// output (1) and error output (2), leaves the program's session, ends with
// the program (SIGKILL when its parent goes), keeps others from reading its
// memory, and takes limits of its own: `processorTime` seconds of processor
// time, no file written, a few descriptors, no new process, no core file.
void LeaveProgramBehind(std::chrono::seconds processorTime);

// Once the libraries hold what they load (character sets, ...): no new
// privileges, a user, network and IPC namespace of its own where the kernel
// lets anyone make one, Landlock refusing every file access but reading the input
// where the kernel has it, and a system-call filter allowing only reading,
// seeking and examining descriptors, writing the output, memory, futexes,
// and ending. Returns false, with nothing confined, when the kernel refuses
// the filter; the reader must not read then.
bool ConfineToInputAndOutput();

// All of it, in the reader's order: leaves the program behind, loads what
// the workbook libraries would load later, limits the reader's memory
// (FreexlSheet.h), then confines it. False as above.
bool ConfineReader(std::chrono::seconds processorTime);

} // namespace quorvan
