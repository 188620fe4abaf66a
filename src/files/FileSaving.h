#pragma once
// Writing a file so that nothing already on disk is lost: every byte is
// checked to have reached the disk before the write counts as done, and a
// write that fails leaves the earlier file exactly as it was. A file chosen
// through a symbolic link is written where the link leads; the link stays.
// Errors are FileErrors that name the file as the user chose it.

#include <QByteArray>
#include <QString>

#include "texts/UserText.h"

namespace quorvan {

// The file a save to `chosen` writes: `chosen` itself, or where its links
// lead. Refuses a folder and anything but an ordinary file (a pipe, a
// device) before anything is opened. `doing` starts the error message.
QString SaveTarget(const QString& chosen, const QString& doing);

// Makes the folder `chosen` is to be saved in, with any missing folders
// above it; one that cannot be made fails naming `chosen`, with the reason
// the system gave for the first that could not.
void MakeFolderFor(const QString& chosen, const QString& doing);

// Makes `bytes` the whole content of `chosen`: they are written to a new
// file beside it, flushed to the disk, and only then put in its place.
// The new file keeps the permissions of the file it replaces; a file that
// may not be written is not replaced.
void ReplaceFileContent(const QString& chosen, const QByteArray& bytes, const QString& doing);

// Adds `bytes` at the end of `chosen`, creating it when missing. A write that
// fails takes the file back to the size it had, or removes it when this
// call created it.
void AppendToFile(const QString& chosen, const QByteArray& bytes, const QString& doing);

} // namespace quorvan
