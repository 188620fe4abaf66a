#include "workbook/ReaderProcess.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvan {

namespace {

using Clock = std::chrono::steady_clock;

// A reason longer than this many characters is cut: it goes into a message box.
constexpr qsizetype LongestReason = 500;

int MillisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<decltype(left)>(left, 0, std::numeric_limits<int>::max()));
}

enum class Output { Closed, TimeUp, TooMuch, Stopped };

// Reads everything the reader writes until it closes its output, the
// deadline passes, it has written more than mostBytes, or `stopped` (an
// eventfd) is signalled.
Output ReadUntilClosed(int fd, int stopped, QByteArray& received, Clock::time_point deadline, qsizetype mostBytes)
{
    char buffer[65536];
    for (;;) {
        const int left = MillisecondsUntil(deadline);
        if (left <= 0)
            return Output::TimeUp;
        pollfd ready[2] = {{fd, POLLIN, 0}, {stopped, POLLIN, 0}};
        const int count = poll(ready, 2, left);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return Output::TimeUp; // (or poll itself failed, which is no better)
        if (ready[1].revents)
            return Output::Stopped;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return Output::Closed;
        received.append(buffer, got);
        if (received.size() > mostBytes)
            return Output::TooMuch;
    }
}

// Waits until the child has ended, or the deadline has passed (false).
bool EndsBy(pid_t child, Clock::time_point deadline, int& status)
{
    // Readable once the child has ended. Without it (an old kernel) the
    // poll below is a short sleep.
    const int ended = static_cast<int>(syscall(SYS_pidfd_open, child, 0));
    bool done = false;
    for (;;) {
        const pid_t waited = waitpid(child, &status, WNOHANG);
        done = waited != 0 && !(waited < 0 && errno == EINTR);
        const int left = MillisecondsUntil(deadline);
        if (done || left <= 0)
            break;
        pollfd ready{ended, POLLIN, 0};
        poll(&ready, 1, std::min(left, 10));
    }
    if (ended >= 0)
        close(ended);
    return done;
}

int WaitFor(pid_t child)
{
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

QString HowItEnded(int status)
{
    if (WIFSIGNALED(status))
        return Say(MessageId::ReaderStoppedOnSignal)
            .arg(QString::number(WTERMSIG(status)), QString::fromLocal8Bit(strsignal(WTERMSIG(status))));
    return Say(MessageId::ReaderExitedWithoutResult).arg(QString::number(WEXITSTATUS(status)));
}

// `text` with %1, %2 ... replaced by `arguments`, in one pass from the left,
// so that an argument holding "%2" stays as it is.
QString Filled(const QString& text, const QStringList& arguments)
{
    QString filled;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const qsizetype number = at + 1 < text.size() ? text[at + 1].digitValue() : -1;
        if (text[at] == QLatin1Char('%') && number >= 1 && number <= arguments.size()) {
            filled += arguments[number - 1];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

// The message of the table a reason "#<number>[ <arguments>]" names.
std::optional<QString> MessageIn(const QString& reason)
{
    if (!reason.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const qsizetype space = reason.indexOf(QLatin1Char(' '));
    bool number = false;
    const int id = reason.mid(1, space < 0 ? -1 : space - 1).toInt(&number);
    if (!number || id < 0 || id >= static_cast<int>(MessageId::Count))
        return std::nullopt;
    const QString message = Say(static_cast<MessageId>(id));
    if (space < 0)
        return message;
    const QStringList arguments = reason.mid(space + 1).split(QLatin1Char(ArgumentSeparator));
    return Filled(message, arguments);
}

// The reason after the "F", cut when it is long.
QString ReasonIn(const QByteArray& received)
{
    QString reason = QString::fromUtf8(received.mid(1, 4 * LongestReason));
    if (const std::optional<QString> message = MessageIn(reason))
        return *message;
    if (reason.size() <= LongestReason)
        return reason;
    reason.truncate(reason.at(LongestReason - 1).isHighSurrogate() ? LongestReason - 1 : LongestReason);
    return reason + QChar(0x2026);
}

[[noreturn]] void Fail(const QString& reason)
{
    throw ReaderError(reason);
}

// Owns the two ends of a pipe.
struct Pipe {
    int ends[2] = {-1, -1};
    Pipe()
    {
        if (pipe2(ends, O_CLOEXEC) != 0)
            Fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ~Pipe()
    {
        CloseEnd(0);
        CloseEnd(1);
    }
    void CloseEnd(int end)
    {
        if (ends[end] >= 0)
            close(ends[end]);
        ends[end] = -1;
    }
};

// Starts the reader in a session of its own with an empty environment,
// `input` (or nothing) as its standard input, `output` as its standard
// output and nothing as its error output; no other descriptor reaches it.
pid_t Spawn(const QString& program, const QStringList& arguments, int input, int output)
{
    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> texts{path};
    for (const QString& argument : arguments)
        texts.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    char* noEnvironment[] = {nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::unique_ptr<posix_spawn_file_actions_t, int (*)(posix_spawn_file_actions_t*)> freeActions(
        &actions, posix_spawn_file_actions_destroy);
    if (input >= 0)
        posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    const std::unique_ptr<posix_spawnattr_t, int (*)(posix_spawnattr_t*)> freeAttributes(&attributes,
                                                                                         posix_spawnattr_destroy);
    // Signals the program blocks or ignores (a terminal's, say) are the
    // reader's own business again.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    const int error = posix_spawn(&child, path.constData(), &actions, &attributes, argv.data(), noEnvironment);
    if (error != 0)
        Fail(Say(MessageId::ReaderCannotStart)
                 .arg(program, QString::fromLocal8Bit(std::strerror(error))));
    return child;
}

} // namespace

QByteArray RunReader(const QString& program, const QStringList& arguments, int input,
                     std::chrono::milliseconds timeLimit, qsizetype mostBytes, std::stop_token stop)
{
    const Clock::time_point deadline = Clock::now() + timeLimit;
    Pipe output;
    const pid_t child = Spawn(program, arguments, input, output.ends[1]);
    output.CloseEnd(1);
    const int stopped = eventfd(0, EFD_CLOEXEC);
    std::optional<std::stop_callback<std::function<void()>>> stopping;
    if (stopped >= 0)
        stopping.emplace(stop, std::function<void()>([stopped] { eventfd_write(stopped, 1); }));
    QByteArray received;
    const Output reading = ReadUntilClosed(output.ends[0], stopped, received, deadline, mostBytes);
    stopping.reset();
    if (stopped >= 0)
        close(stopped);
    output.CloseEnd(0);
    int status = 0;
    const bool ended = reading == Output::Closed && EndsBy(child, deadline, status);
    if (!ended) {
        kill(child, SIGKILL);
        status = WaitFor(child);
    }
    if (reading == Output::Stopped)
        Fail(Say(MessageId::ReadingStopped));
    if (reading == Output::TooMuch)
        Fail(Say(MessageId::ReaderSentTooMuch).arg(QLocale::c().formattedDataSize(mostBytes)));
    if (!ended)
        Fail(Say(MessageId::ReaderTookTooLong).arg(QString::number(timeLimit.count() / 1000.0)));
    if (received.isEmpty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail(HowItEnded(status));
    if (received.front() == 'F')
        Fail(ReasonIn(received));
    if (received.front() != 'R')
        Fail(Say(MessageId::ReaderSentNoResult));
    return received.remove(0, 1); // in place: it may be large
}

} // namespace quorvan
