#include "files/TextResultFile.h"

namespace quorvan {

namespace {
const QString LineEnd = QStringLiteral("\r\n");
const QString ColumnLine = QStringLiteral("[HIT]\t[MEMBER]");
const QString StampStart = QStringLiteral("*=====");
} // namespace

QByteArray TextResultBlock(const QString& date, const QString& time, const QList<ResultPair>& results)
{
    QString block = StampStart + QStringLiteral(" %1 %2 =====*").arg(date, time) + LineEnd
                    + ColumnLine + LineEnd;
    for (const ResultPair& result : results)
        block += result.Hit + QLatin1Char('\t') + result.Member + LineEnd;
    return block.toUtf8();
}

QList<ResultPair> ReadTextResult(const QStringList& lines)
{
    QList<ResultPair> pairs;
    bool inBlock = false;
    for (const QString& line : lines) {
        if (line.startsWith(StampStart)) {
            inBlock = false;
        } else if (line == ColumnLine) {
            inBlock = true;
        } else if (inBlock && line.contains(QLatin1Char('\t'))) {
            const qsizetype tab = line.indexOf(QLatin1Char('\t'));
            pairs.append({line.left(tab), line.mid(tab + 1)});
        }
    }
    return pairs;
}

} // namespace quorvan
