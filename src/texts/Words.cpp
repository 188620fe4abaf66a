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

Words PlaceWords(int32_t place)
{
    const int32_t tens = place % 100;
    const char* ending = "th";
    if (tens < 11 || tens > 13)
        ending = place % 10 == 1 ? "st" : place % 10 == 2 ? "nd" : place % 10 == 3 ? "rd" : "th";
    return {QString::number(place) + QLatin1String(ending), QString::number(place)};
}

} // namespace quorvan
