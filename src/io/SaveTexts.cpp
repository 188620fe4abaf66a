#include "SaveTexts.h"

#include <cerrno>
#include <cstring>

namespace quorvan::save_texts {

QString SystemReason(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("There is not enough space on the disk.");
    case EDQUOT:
        return QStringLiteral("Your disk quota is used up.");
    case EFBIG:
        return QStringLiteral("The file would grow larger than this system allows.");
    case EACCES:
    case EPERM:
        return QStringLiteral("You have no permission to write there.");
    case EROFS:
        return QStringLiteral("The disk can only be read, not written.");
    case ENOENT:
        return QStringLiteral("The folder does not exist.");
    case EIO:
        return QStringLiteral("The disk reported an input/output error.");
    default:
        return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
    }
}

} // namespace quorvan::save_texts
