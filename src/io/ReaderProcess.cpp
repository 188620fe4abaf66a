#include "ReaderProcess.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quorvan {

namespace {

// Reads everything the reader writes until it closes its output; false when
// the time runs out first.
bool ReadUntilClosed(int fd, QByteArray& received, std::chrono::milliseconds timeLimit)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeLimit;
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd ready{fd, POLLIN, 0};
        const int count = poll(&ready, 1, static_cast<int>(left.count()));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false; // the time is up (or poll itself failed, which is no better)
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return true;
        received.append(buffer, got);
    }
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
        return QStringLiteral("The reader stopped on signal %1 (%2).")
            .arg(WTERMSIG(status))
            .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(status))));
    return QStringLiteral("The reader ended with exit code %1 and no result.").arg(WEXITSTATUS(status));
}

[[noreturn]] void Fail(const QString& reason)
{
    throw ReaderError(reason.toStdString());
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

pid_t Spawn(const QString& program, const QStringList& arguments, int output)
{
    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> texts{path};
    for (const QString& argument : arguments)
        texts.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::unique_ptr<posix_spawn_file_actions_t, int (*)(posix_spawn_file_actions_t*)> freeActions(
        &actions, posix_spawn_file_actions_destroy);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    pid_t child = 0;
    const int error = posix_spawn(&child, path.constData(), &actions, nullptr, argv.data(), environ);
    if (error != 0)
        Fail(QStringLiteral("The reader %1 cannot be started: %2.")
                 .arg(program, QString::fromLocal8Bit(std::strerror(error))));
    return child;
}

} // namespace

QByteArray RunReader(const QString& program, const QStringList& arguments, std::chrono::milliseconds timeLimit)
{
    Pipe output;
    const pid_t child = Spawn(program, arguments, output.ends[1]);
    output.CloseEnd(1);
    QByteArray received;
    const bool finished = ReadUntilClosed(output.ends[0], received, timeLimit);
    output.CloseEnd(0);
    if (!finished)
        kill(child, SIGKILL);
    const int status = WaitFor(child);
    if (!finished)
        Fail(QStringLiteral("The reader took longer than %1 seconds.").arg(timeLimit.count() / 1000.0));
    if (received.isEmpty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail(HowItEnded(status));
    if (received.front() == 'F')
        Fail(QString::fromUtf8(received.mid(1)));
    if (received.front() != 'R')
        Fail(QStringLiteral("The reader sent something other than a result."));
    return received.mid(1);
}

} // namespace quorvan
