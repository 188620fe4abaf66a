// quorvan-reader-probe FOLDER SOCKET ADDRESS: confines itself as the reader program
// does, then tries each way out a parser exploit would take and writes "R"
// and one line a try, "<try> refused" or "<try> allowed", to its output.
// FOLDER is one it may not write in, SOCKET a listening stand-in for the X
// server, ADDRESS (hexadecimal) one in the memory of the process that started
// the probe. Built for the tests only.

#include "sheetreader/ReaderConfinement.h"
#include "sheetreader/SanitizerOptions.h"

#include <chrono>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/mman.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void Report(const char* what, bool allowed)
{
    std::printf("%s %s\n", what, allowed ? "allowed" : "refused");
    std::fflush(stdout);
}

bool Opens(const char* path, int flags)
{
    const int file = open(path, flags, 0600);
    char byte = 0;
    const bool opened = file >= 0 && ((flags & O_ACCMODE) != O_RDONLY || read(file, &byte, 1) == 1);
    if (file >= 0)
        close(file);
    return opened;
}

bool ReadsMemory(pid_t process, const char* address)
{
    const int memory = open(("/proc/" + std::to_string(process) + "/mem").c_str(), O_RDONLY);
    char byte = 0;
    const bool read = memory >= 0 && pread(memory, &byte, 1, off_t(std::stoull(address, nullptr, 16))) == 1;
    if (memory >= 0)
        close(memory);
    return read;
}

bool Connects(const char* socketPath)
{
    const int end = socket(AF_UNIX, SOCK_STREAM, 0);
    if (end < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath);
    const bool connected = connect(end, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(end);
    return connected;
}

// Moves a page of its own to an address it names, as one would to lay it
// over the one name the reader may open.
bool MovesMemoryToAPlace()
{
    void* pages = mmap(nullptr, 8192, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        return false;
    void* second = static_cast<char*>(pages) + 4096;
    const bool moved = mremap(pages, 4096, 4096, MREMAP_MAYMOVE | MREMAP_FIXED, second) == second;
    munmap(pages, 8192);
    return moved;
}

bool Forks()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return child > 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const pid_t parent = getppid();
    if (!quorvan::ConfineReader(std::chrono::seconds(10))) {
        std::fputs("Fnot confined", stdout);
        return 0;
    }
    std::fputc('R', stdout);
    char byte = 0;
    Report("read-input", read(STDIN_FILENO, &byte, 1) == 1);
    Report("reopen-input", Opens(quorvan::ReaderInput, O_RDONLY));
    Report("write-file", Opens((std::string(argv[1]) + "/written").c_str(), O_WRONLY | O_CREAT | O_EXCL));
    Report("read-passwd", Opens("/etc/passwd", O_RDONLY));
    struct stat passwd {};
    Report("look-at-passwd", stat("/etc/passwd", &passwd) == 0);
    Report("move-memory-to-a-place", MovesMemoryToAPlace());
    const int network = socket(AF_INET, SOCK_STREAM, 0);
    Report("open-socket", network >= 0);
    Report("connect-x-server", Connects(argv[2]));
    Report("fork", Forks());
    Report("read-parent-memory", ReadsMemory(parent, argv[3]));
    const bool traces = ptrace(PTRACE_SEIZE, parent, nullptr, nullptr) == 0;
    if (traces)
        ptrace(PTRACE_DETACH, parent, nullptr, nullptr);
    Report("trace-parent", traces);
    // Last: a program that starts leaves this line out, which fails the test too.
    char* noArguments[] = {const_cast<char*>("/bin/true"), nullptr};
    execve("/bin/true", noArguments, nullptr);
    Report("run-program", false);
    return 0;
}
