#include "texts/Words.h"

#include <cerrno>
#include <cstring>

namespace quorvan {

Words Say(MessageId id)
{
    const MessageText& text = TextOf(id);
    return {QString::fromUtf8(text.English), QString::fromUtf8(text.Japanese)};
}

Words SystemReason(int error)
{
    switch (error) {
    case ENOSPC: return Say(MessageId::NoSpaceOnDisk);
    case EDQUOT: return Say(MessageId::QuotaUsedUp);
    case EFBIG: return Say(MessageId::FileTooLarge);
    case EACCES:
    case EPERM: return Say(MessageId::NoPermissionToWrite);
    case EROFS: return Say(MessageId::DiskReadOnly);
    case ENOENT: return Say(MessageId::FolderMissing);
    case EIO: return Say(MessageId::DiskInputOutputError);
    default: return Verbatim(QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.'));
    }
}

} // namespace quorvan
