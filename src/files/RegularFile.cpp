#include "files/RegularFile.h"

#include "files/FileError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quorvan {

namespace {

QString NotARegularFile(mode_t mode)
{
    switch (mode & S_IFMT) {
    case S_IFDIR: return Say(MessageId::IsAFolder);
    case S_IFIFO: return Say(MessageId::IsAPipe);
    case S_IFCHR:
    case S_IFBLK: return Say(MessageId::IsADevice);
    default: return Say(MessageId::NotAnOrdinaryFile);
    }
}

// Why a file chosen a moment ago cannot be looked at or opened.
QString WhyNotOpened(int error, const QString& path)
{
    if (error == ENOENT)
        return WhyNothingAt(path, Say(MessageId::GoneSinceChosen));
    return qt_error_string(error);
}

} // namespace

std::unique_ptr<QFile> OpenRegularFile(const QString& path, const QString& doing)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        throw FileError(doing, path, WhyNotOpened(errno, path));
    if (!S_ISREG(info.st_mode))
        throw FileError(doing, path, NotARegularFile(info.st_mode));
    // Something else may have taken the name since: open without waiting
    // and look again at what was opened.
    const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        throw FileError(doing, path, WhyNotOpened(errno, path));
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(handle);
        throw FileError(doing, path, NotARegularFile(info.st_mode));
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        throw FileError(doing, path, file->errorString());
    }
    return file;
}

std::optional<FileIdentity> IdentityOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino), info.st_size,
                        info.st_ctim.tv_sec * 1'000'000'000LL + info.st_ctim.tv_nsec};
}

} // namespace quorvan
