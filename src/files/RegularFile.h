#pragma once
// Opening a file to read it only when it is an ordinary file: opening a pipe
// waits until something writes to it, and a device such as /dev/zero never
// ends; either would freeze the window.

#include <QFile>
#include <QString>

#include "texts/UserText.h"

#include <memory>

namespace quorvan {

// Opens `path` for reading. A folder, pipe, device or socket is refused
// without being opened: throws FileError(doing, path, why).
std::unique_ptr<QFile> OpenRegularFile(const QString& path, const QString& doing);

} // namespace quorvan
