#include "texts/UserText.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace quorvan {

QString Say(MessageId id)
{
    return QCoreApplication::translate("Messages", TextOf(id).English);
}

QString SystemReason(int error)
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
    default: return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
    }
}

QString PlaceWords(int32_t place)
{
    const int32_t tens = place % 100;
    const int32_t ones = place % 10;
    const QString number = QString::number(place);
    if (tens < 11 || tens > 13) {
        if (ones == 1)
            return QCoreApplication::translate("Place", "%1st").arg(number);
        if (ones == 2)
            return QCoreApplication::translate("Place", "%1nd").arg(number);
        if (ones == 3)
            return QCoreApplication::translate("Place", "%1rd").arg(number);
    }
    return QCoreApplication::translate("Place", "%1th").arg(number);
}

} // namespace quorvan
