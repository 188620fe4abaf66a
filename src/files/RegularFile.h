#pragma once
// Opening a file to read it only when it is an ordinary file: opening a pipe
// waits until something writes to it, and a device such as /dev/zero never
// ends; either would freeze the window.

#include <QFile>
#include <QString>

#include "texts/UserText.h"

#include <memory>
#include <optional>

namespace quorvan {

// Opens `path` for reading. A folder, pipe, device or socket is refused
// without being opened: throws FileError(doing, path, why).
std::unique_ptr<QFile> OpenRegularFile(const QString& path, const QString& doing);

// What tells the file at a name from another put there since, or from
// itself rewritten: its device, inode, size and time of last change.
struct FileIdentity {
    quint64 Device = 0;
    quint64 Inode = 0;
    qint64 Size = 0;
    qint64 ChangedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file at `path`; nothing when there is none.
std::optional<FileIdentity> IdentityOf(const QString& path);

} // namespace quorvan
