#pragma once
// A file that could not be read or written: the message names the file and why.

#include "texts/Words.h"

namespace quorvan {

class FileError : public UserError {
public:
    FileError(const Words& doing, const QString& path, const Words& reason)
        : UserError(Say(MessageId::FileErrorFormat).arg(doing, Verbatim(path), reason))
    {
    }
};

} // namespace quorvan
