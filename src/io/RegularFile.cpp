#include "RegularFile.h"

#include "FileError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quorvan {

namespace {

QString NotARegularFile(mode_t mode)
{
    switch (mode & S_IFMT) {
    case S_IFDIR: return QStringLiteral("It is a folder, not a file.");
    case S_IFIFO: return QStringLiteral("It is a pipe, not a file.");
    case S_IFCHR:
    case S_IFBLK: return QStringLiteral("It is a device, not a file.");
    default: return QStringLiteral("It is not an ordinary file.");
    }
}

} // namespace

std::unique_ptr<QFile> OpenRegularFile(const QString& path, const QString& doing)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        throw FileError(doing, path, qt_error_string(errno));
    if (!S_ISREG(info.st_mode))
        throw FileError(doing, path, NotARegularFile(info.st_mode));
    // Something else may have taken the name since: open without waiting
    // and look again at what was opened.
    const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        throw FileError(doing, path, qt_error_string(errno));
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

} // namespace quorvan
