#pragma once
// A file that could not be read or written: the message names the file and why.

#include <QString>

#include <stdexcept>

namespace quorvan {

class FileError : public std::runtime_error {
public:
    FileError(const QString& doing, const QString& path, const QString& reason)
        : std::runtime_error(QStringLiteral("%1 \u201C%2\u201D:\n%3").arg(doing, path, reason).toStdString())
    {
    }
};

} // namespace quorvan
