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

// Why nothing was found at `path`: a name that is not UTF-8 comes with a sign
// in place of its odd bytes, and nothing has the name so made; otherwise
// `missing`.
inline QString WhyNothingAt(const QString& path, const QString& missing)
{
    return path.contains(QChar::ReplacementCharacter) ? Say(MessageId::NameNotText) : missing;
}

} // namespace quorvan
