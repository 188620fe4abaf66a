#include "sheetreader/ReaderConfinement.h"

#include "sheetreader/FormulaValue.h"
#include "sheetreader/FreexlSheet.h"
#include "sheetreader/SheetRecords.h"

#include <linux/landlock.h>
#include <seccomp.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>

#include <fcntl.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quorvan {

const char ReaderInput[] = "/proc/self/fd/0";

namespace {

void Limit(int resource, rlim_t soft, rlim_t hard)
{
    const rlimit limit{soft, hard};
    setrlimit(resource, &limit);
}

// The rights Landlock knows, by the version the kernel speaks; each later
// version adds to the earlier ones.
std::uint64_t FileRightsOf(long version)
{
    std::uint64_t rights = (std::uint64_t(1) << 13) - 1; // version 1: execute ... make a link
    if (version >= 2)
        rights |= std::uint64_t(1) << 13; // refer (rename and link across folders)
    if (version >= 3)
        rights |= std::uint64_t(1) << 14; // truncate
    if (version >= 5)
        rights |= std::uint64_t(1) << 15; // ioctl on devices
    return rights;
}

// Every file access refused but reading the input again by its name; a
// kernel without Landlock (or with it switched off) leaves this to the filter.
void RefuseFileAccess()
{
    const long version = syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (version < 1)
        return;
    const landlock_ruleset_attr handled{FileRightsOf(version)};
    const int ruleset = int(syscall(SYS_landlock_create_ruleset, &handled, sizeof handled, 0));
    if (ruleset < 0)
        return;
    const landlock_path_beneath_attr input{LANDLOCK_ACCESS_FS_READ_FILE, 0};
    syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &input, 0);
    syscall(SYS_landlock_restrict_self, ruleset, 0);
    close(ruleset);
}

// A filter that answers every call not named here with EPERM.
class Filter {
public:
    Filter() : context_(seccomp_init(SCMP_ACT_ERRNO(EPERM))) {}
    ~Filter() { seccomp_release(context_); }
    Filter(const Filter&) = delete;
    Filter& operator=(const Filter&) = delete;

    template <typename... Conditions>
    void Allow(int call, Conditions... conditions)
    {
        ok_ = ok_ && context_
              && seccomp_rule_add(context_, SCMP_ACT_ALLOW, call, sizeof...(conditions), conditions...) == 0;
    }
    bool Load() { return ok_ && context_ && seccomp_load(context_) == 0; }

private:
    scmp_filter_ctx context_;
    bool ok_ = true;
};

} // namespace

void LeaveProgramBehind(std::chrono::seconds processorTime)
{
    close_range(3, ~0U, 0);
    setsid(); // (already the leader when the program started it so)
    const pid_t parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent || parent == 1)
        _exit(1); // the program ended before the signal was asked for
    prctl(PR_SET_DUMPABLE, 0);
    Limit(RLIMIT_CORE, 0, 0);
    const auto seconds = rlim_t(processorTime.count());
    Limit(RLIMIT_CPU, seconds, seconds + 1);
    Limit(RLIMIT_FSIZE, 0, 0);
    Limit(RLIMIT_NOFILE, 8, 8);
    Limit(RLIMIT_NPROC, 0, 0);
}

bool ConfineToInputAndOutput()
{
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return false;
    // Where anyone may make them: a user namespace of its own holding a
    // network without any interface and its own inter-process objects, so
    // that even a call the filter let through reaches no one.
    unshare(CLONE_NEWUSER | CLONE_NEWNET | CLONE_NEWIPC);
    Filter filter;
    for (const int call : {SCMP_SYS(read), SCMP_SYS(readv), SCMP_SYS(pread64), SCMP_SYS(lseek), SCMP_SYS(fstat), SCMP_SYS(dup),
                           SCMP_SYS(close), SCMP_SYS(brk), SCMP_SYS(munmap), SCMP_SYS(madvise), SCMP_SYS(futex), SCMP_SYS(getrandom), SCMP_SYS(clock_gettime),
                           SCMP_SYS(getpid), SCMP_SYS(gettid), SCMP_SYS(rt_sigaction), SCMP_SYS(rt_sigprocmask),
                           SCMP_SYS(rt_sigreturn), SCMP_SYS(restart_syscall), SCMP_SYS(exit), SCMP_SYS(exit_group)})
        filter.Allow(call);
    filter.Allow(SCMP_SYS(write), SCMP_A0(SCMP_CMP_EQ, STDOUT_FILENO));
    filter.Allow(SCMP_SYS(writev), SCMP_A0(SCMP_CMP_EQ, STDOUT_FILENO));
    // New memory, never executable nor laid over what is mapped already
    // (such as the constant ReaderInput).
    filter.Allow(SCMP_SYS(mmap), SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0), SCMP_A3(SCMP_CMP_MASKED_EQ, MAP_FIXED, 0));
    // Memory grown or moved where the system likes, never to a place named
    // (which could lay a page of one's own over ReaderInput).
    filter.Allow(SCMP_SYS(mremap), SCMP_A3(SCMP_CMP_MASKED_EQ, MREMAP_FIXED, 0));
    // Examining an open descriptor, or the input by its name; no other name.
    filter.Allow(SCMP_SYS(newfstatat), SCMP_A3(SCMP_CMP_MASKED_EQ, AT_EMPTY_PATH, AT_EMPTY_PATH));
    filter.Allow(SCMP_SYS(newfstatat), SCMP_A1(SCMP_CMP_EQ, scmp_datum_t(ReaderInput)));
    for (const int command : {F_GETFL, F_GETFD, F_SETFD})
        filter.Allow(SCMP_SYS(fcntl), SCMP_A1(SCMP_CMP_EQ, scmp_datum_t(command)));
    filter.Allow(SCMP_SYS(tgkill), SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(getpid()))); // abort()
    filter.Allow(SCMP_SYS(openat), SCMP_A1(SCMP_CMP_EQ, scmp_datum_t(ReaderInput)),
                 SCMP_A2(SCMP_CMP_MASKED_EQ, O_ACCMODE | O_CREAT | O_TRUNC | O_TMPFILE, O_RDONLY));
#if defined(QUORVAN_ADDRESS_SANITIZER)
    // The sanitizer's run-time maps its shadow memory at fixed places.
    filter.Allow(SCMP_SYS(mmap), SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0));
    filter.Allow(SCMP_SYS(mprotect), SCMP_A2(SCMP_CMP_MASKED_EQ, PROT_EXEC, 0));
    // It tells readable memory from unreadable by writing it into a pipe, and
    // writes its reports to standard error.
    filter.Allow(SCMP_SYS(pipe2));
    filter.Allow(SCMP_SYS(write));
    // It looks at the signal stack whenever a function that does not return is called.
    filter.Allow(SCMP_SYS(sigaltstack));
#endif
    RefuseFileAccess();
    return filter.Load();
}

bool ConfineReader(std::chrono::seconds processorTime)
{
    LeaveProgramBehind(processorTime);
    KeepCharacterSetsLoaded();
    KeepCaseMappingLoaded();
    tzset(); // libzip reads the time zone for the archive's dates
    LimitFurtherMemory(ReaderMemory);
    return ConfineToInputAndOutput();
}

} // namespace quorvan
