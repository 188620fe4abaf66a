#include "files/FileSaving.h"

#include "files/FileError.h"
#include "files/SaveNotes.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <utility>

namespace quorvan {

namespace {

constexpr int MostLinks = 40; // as many as the system itself follows

// A file descriptor, closed with the object. Closing reports nothing that
// matters here: every write has been synced to the disk before.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return descriptor_; }

private:
    int descriptor_;
};

[[noreturn]] void Fail(const QString& doing, const QString& chosen, int error)
{
    throw FileError(doing, chosen, error == ENOENT ? WhyNothingAt(chosen, SystemReason(error)) : SystemReason(error));
}

// Writes every byte, then waits until they are on the disk: a full disk or
// a size limit may show only at the sync. 0, or the errno of the failure.
int WriteToDisk(int descriptor, const QByteArray& bytes)
{
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        next += written;
        left -= written;
    }
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

// A new empty file under a hidden passing name in `folder`, made with
// `mode` less the umask, so that it is never open to more users than the
// file it replaces, from its first byte on, and noted in `note` while the
// save runs: its name and descriptor, or a negative descriptor with errno set.
std::pair<QByteArray, int> CreatePassingFile(const QString& folder, mode_t mode, std::optional<SaveNote>& note)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = NewPassingName(folder);
        note.emplace(name);
        const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST)
            return {name, descriptor};
    }
    return {{}, -1};
}

// Makes the folder's new entry durable too; a folder that cannot be synced
// still holds the file.
void SyncFolder(const QString& folder)
{
    const Descriptor opened(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (opened.Get() >= 0)
        ::fsync(opened.Get());
}

// A link another user made in a folder everyone may write in and only
// owners may delete from (/tmp), which the kernel itself does not follow for
// anyone but the link's or the folder's owner (protected_symlinks).
bool PlantedLink(const QString& link)
{
    struct stat made {}, folder {};
    return ::lstat(QFile::encodeName(link).constData(), &made) == 0
           && ::stat(QFile::encodeName(QFileInfo(link).absolutePath()).constData(), &folder) == 0
           && (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH) && made.st_uid != ::geteuid()
           && made.st_uid != folder.st_uid;
}

} // namespace

QString SaveTarget(const QString& chosen, const QString& doing)
{
    QString target = chosen;
    for (int links = 0; QFileInfo(target).isSymLink(); ++links) {
        if (links == MostLinks)
            throw FileError(doing, chosen, Say(MessageId::TooManyLinks));
        if (PlantedLink(target))
            throw FileError(doing, chosen, Say(MessageId::LinkOfAnotherUser));
        target = QFileInfo(target).symLinkTarget();
    }
    struct stat found {};
    if (::stat(QFile::encodeName(target).constData(), &found) == 0) {
        if (S_ISDIR(found.st_mode))
            throw FileError(doing, chosen, Say(MessageId::IsAFolder));
        if (!S_ISREG(found.st_mode))
            throw FileError(doing, chosen, Say(MessageId::NotAnOrdinaryFileToWrite));
    }
    return target;
}

void MakeFolderFor(const QString& chosen, const QString& doing)
{
    QStringList missing;
    QString folder = QFileInfo(chosen).absolutePath();
    struct stat found {};
    while (::stat(QFile::encodeName(folder).constData(), &found) != 0) {
        if (errno != ENOENT)
            Fail(doing, chosen, errno);
        missing.prepend(folder);
        folder = QFileInfo(folder).absolutePath();
    }
    if (!S_ISDIR(found.st_mode))
        Fail(doing, chosen, ENOTDIR);
    for (const QString& made : missing)
        if (::mkdir(QFile::encodeName(made).constData(), 0777) != 0 && errno != EEXIST)
            Fail(doing, chosen, errno);
}

void ReplaceFileContent(const QString& chosen, const QByteArray& bytes, const QString& doing)
{
    const QString target = SaveTarget(chosen, doing);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat earlier {};
    const bool replacing = ::stat(targetName.constData(), &earlier) == 0;
    // The rename could replace a file its owner keeps from being written.
    if (replacing && ::access(targetName.constData(), W_OK) != 0)
        Fail(doing, chosen, errno);
    const QString folder = QFileInfo(target).absolutePath();
    std::optional<SaveNote> note;
    const auto [passingName, descriptor] = CreatePassingFile(folder, replacing ? earlier.st_mode & 0777 : 0666, note);
    if (descriptor < 0)
        Fail(doing, chosen, errno);
    const Descriptor passing(descriptor);
    int error = 0;
    if (replacing) {
        // The owner stays where the system allows it (only root may give a
        // file away); the permissions always.
        [[maybe_unused]] const int ownerKept = ::fchown(descriptor, earlier.st_uid, earlier.st_gid);
        if (::fchmod(descriptor, earlier.st_mode & 07777) != 0)
            error = errno;
    }
    if (error == 0)
        error = WriteToDisk(descriptor, bytes);
    if (error == 0 && ::rename(passingName.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(passingName.constData());
        Fail(doing, chosen, error);
    }
    SyncFolder(folder);
}

void AppendToFile(const QString& chosen, const QByteArray& bytes, const QString& doing)
{
    const QString target = SaveTarget(chosen, doing);
    const QByteArray targetName = QFile::encodeName(target);
    // Should a pipe take the file's place after the check, opening it does
    // not wait for a reader; ordinary files take no notice of O_NONBLOCK. A
    // link put in its place since is not followed.
    constexpr int Flags = O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW;
    bool created = false;
    int descriptor = ::open(targetName.constData(), Flags);
    if (descriptor < 0 && errno == ENOENT) {
        descriptor = ::open(targetName.constData(), Flags | O_CREAT | O_EXCL, 0666);
        created = descriptor >= 0;
    }
    if (descriptor < 0)
        Fail(doing, chosen, errno);
    const Descriptor file(descriptor);
    struct stat opened {};
    if (::fstat(descriptor, &opened) != 0)
        Fail(doing, chosen, errno);
    if (!S_ISREG(opened.st_mode))
        throw FileError(doing, chosen, Say(MessageId::NotAnOrdinaryFileToWrite));
    const int error = WriteToDisk(descriptor, bytes);
    if (error == 0) {
        if (created)
            SyncFolder(QFileInfo(target).absolutePath());
        return;
    }
    if (created)
        ::unlink(targetName.constData());
    else if (::ftruncate(descriptor, opened.st_size) == 0)
        ::fsync(descriptor);
    Fail(doing, chosen, error);
}

} // namespace quorvan
