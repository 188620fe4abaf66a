#include "lists/EarlierWinners.h"

#include <QSet>

namespace quorvan {

LeftOut LeaveOutWinners(const QStringList& members, const QStringList& winners)
{
    QSet<QString> won;
    for (const QString& winner : winners)
        if (!winner.trimmed().isEmpty())
            won.insert(winner.trimmed());
    LeftOut result;
    for (const QString& member : members) {
        if (member.trimmed().isEmpty())
            continue;
        (won.contains(member.trimmed()) ? result.Names : result.Remaining).append(member);
    }
    return result;
}

} // namespace quorvan
