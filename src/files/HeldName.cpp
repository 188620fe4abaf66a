#include "files/HeldName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace quorvan {

namespace {
// More copies than anyone runs at once.
constexpr int MostNames = 64;
} // namespace

HeldName::HeldName(const QString& folder, const QString& stem, const QString& extension, Taking taking)
{
    QDir().mkpath(folder);
    // First the names with a file left under them, then those without.
    for (const bool withFile : {true, false}) {
        if (withFile && taking == Taking::NoFileOnly)
            continue;
        for (int number = 1; number <= MostNames; ++number) {
            const QString name = number == 1 ? stem : stem + QLatin1Char('-') + QString::number(number);
            const QString path = QDir(folder).filePath(name + QLatin1Char('.') + extension);
            if (QFileInfo::exists(path) != withFile)
                continue;
            const QByteArray lockName = QFile::encodeName(path + QStringLiteral(".lock"));
            int lock = ::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
            if (lock < 0) // a folder nothing can be written to still shows what a killed copy left
                lock = ::open(lockName.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
            if (lock < 0) {
                // No lock can be had here: the name is used as it is, as it would
                // be by a single copy.
                path_ = path;
                return;
            }
            if (::flock(lock, LOCK_EX | LOCK_NB) == 0) {
                path_ = path;
                lock_ = lock;
                return;
            }
            const int refused = errno;
            ::close(lock);
            if (refused != EWOULDBLOCK) { // a file system without locks (some NFS mounts): as above
                path_ = path;
                return;
            }
        }
    }
}

HeldName::~HeldName()
{
    if (lock_ >= 0)
        ::close(lock_);
}

} // namespace quorvan
