#pragma once
// A file that could not be read or written: the message names the file and why.

#include "texts/UserText.h"

namespace quorvan {

class FileError : public UserError {
public:
    FileError(const QString& doing, const QString& path, const QString& reason)
        : UserError(Say(MessageId::FileErrorFormat).arg(doing, path, reason))
    {
    }
};

} // namespace quorvan
