#include "files/SaveNotes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <mutex>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvan {

namespace {

// A note's name while it is written, and once it counts.
const QString NoteBeingWritten = QStringLiteral(".note");
const QString NoteInForce = QStringLiteral(".saving");

// A note never names more than a path.
constexpr qsizetype LongestNote = 8192;

std::mutex notesLock;
QString notesFolder; // under notesLock

QString NotesFolder()
{
    const std::lock_guard<std::mutex> locked(notesLock);
    return notesFolder;
}

QByteArray RandomWord()
{
    return QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

bool IsPassingName(const QByteArray& path)
{
    static const QRegularExpression passing(QStringLiteral("^\\.quorvan-[0-9a-z]{1,13}\\.part\\z"));
    return passing.match(QFileInfo(QFile::decodeName(path)).fileName()).hasMatch();
}

// Removes the passing file a note names, when it is still an ordinary file
// of this user (not a link, not anyone else's) under a passing file's name.
bool RemovePassingFile(const QByteArray& path)
{
    struct stat found {};
    return IsPassingName(path) && ::lstat(path.constData(), &found) == 0 && S_ISREG(found.st_mode)
           && found.st_uid == ::geteuid() && ::unlink(path.constData()) == 0;
}

} // namespace

QByteArray NewPassingName(const QString& folder)
{
    return QFile::encodeName(folder) + "/.quorvan-" + RandomWord() + ".part";
}

void NoteSavesIn(const QString& folder)
{
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    const std::lock_guard<std::mutex> locked(notesLock);
    notesFolder = folder;
}

SaveNote::SaveNote(const QByteArray& passingName)
{
    const QString folder = NotesFolder();
    if (folder.isEmpty())
        return;
    // Written and locked under a name the start passes over, then put in
    // place whole: a start never finds a note that does not yet name its file.
    const QByteArray word = QFile::encodeName(folder) + '/' + RandomWord();
    const QByteArray writing = word + QFile::encodeName(NoteBeingWritten);
    descriptor_ = ::open(writing.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor_ < 0)
        return;
    note_ = word + QFile::encodeName(NoteInForce);
    if (::flock(descriptor_, LOCK_EX) != 0
        || ::write(descriptor_, passingName.constData(), size_t(passingName.size())) != passingName.size()
        || ::rename(writing.constData(), note_.constData()) != 0) {
        ::unlink(writing.constData());
        ::close(descriptor_);
        descriptor_ = -1;
        note_.clear();
    }
}

SaveNote::~SaveNote()
{
    if (descriptor_ < 0)
        return;
    // Removed before the lock goes, so that no start takes it for a killed save's.
    ::unlink(note_.constData());
    ::close(descriptor_);
}

int RemoveLeftoversOfKilledSaves(const QString& folder)
{
    if (folder.isEmpty())
        return 0;
    int removed = 0;
    const QStringList notes = QDir(folder).entryList({QLatin1Char('*') + NoteInForce, QLatin1Char('*') + NoteBeingWritten},
                                                      QDir::Files | QDir::Hidden);
    for (const QString& name : notes) {
        const QByteArray note = QFile::encodeName(QDir(folder).filePath(name));
        const int descriptor = ::open(note.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (descriptor < 0)
            continue;
        // Held: a save still running, in this or another copy of the program.
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            QByteArray passing(LongestNote, '\0');
            const ssize_t got = ::read(descriptor, passing.data(), size_t(passing.size()));
            passing.resize(got > 0 ? got : 0);
            if (name.endsWith(NoteInForce) && RemovePassingFile(passing))
                ++removed;
            ::unlink(note.constData());
        }
        ::close(descriptor);
    }
    return removed;
}

} // namespace quorvan
