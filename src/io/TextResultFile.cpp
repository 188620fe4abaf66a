#include "TextResultFile.h"

#include "FileError.h"

#include <QFile>
#include <QFileInfo>

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

void AppendTextResult(const QString& path, const QByteArray& block)
{
    const QString doing = QStringLiteral("Cannot write the result file");
    if (QFileInfo(path).isDir())
        throw FileError(doing, path, QStringLiteral("It is a folder, not a file."));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw FileError(doing, path, file.errorString());
    const qint64 sizeBefore = file.size();
    const bool written = file.write(block) == block.size() && file.flush();
    if (!written) {
        const QString reason = file.errorString();
        if (!file.isSequential())
            file.resize(sizeBefore);
        throw FileError(doing, path, reason);
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw FileError(doing, path, file.errorString());
}

} // namespace quorvan
