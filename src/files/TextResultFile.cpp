#include "files/TextResultFile.h"

namespace quorvan {

namespace {
const QString LineEnd = QStringLiteral("\r\n");
} // namespace

QByteArray TextResultBlock(const QString& date, const QString& time, const QList<ResultPair>& results)
{
    QString block = QStringLiteral("*===== %1 %2 =====*").arg(date, time) + LineEnd
                    + QStringLiteral("[HIT]\t[MEMBER]") + LineEnd;
    for (const ResultPair& result : results)
        block += result.Hit + QLatin1Char('\t') + result.Member + LineEnd;
    return block.toUtf8();
}

} // namespace quorvan
