#include "files/TextResultFile.h"

#include "files/TextDecoding.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace quorvan {

namespace {
const QString LineEnd = QStringLiteral("\r\n");
const QString ColumnLine = QStringLiteral("[HIT]\t[MEMBER]");
const QString StampStart = QStringLiteral("*=====");

// How much of an existing file tells its encoding.
constexpr qint64 EncodingSample = 1024 * 1024;

QString OneLine(QString name)
{
    name.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return name;
}

QString EncodingOfStart(QByteArray start, bool whole, const QString& textLocale)
{
    if (start.startsWith("\xFF\xFE"))
        return QStringLiteral("UTF-16LE");
    if (start.startsWith("\xFE\xFF"))
        return QStringLiteral("UTF-16BE");
    if (start.isEmpty() || start.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("UTF-8");
    if (const std::optional<bool> bigEndian = Utf16WithoutMark(start, whole))
        return *bigEndian ? QStringLiteral("UTF-16BE") : QStringLiteral("UTF-16LE");
    if (!whole) // a character cut at the end of the sample would say nothing
        start.truncate(start.lastIndexOf('\n') + 1);
    try {
        return DecodeLines(start.split('\n'), textLocale, false).Encoding;
    } catch (const UnexplainedBytes&) {
        return QStringLiteral("UTF-8");
    }
}

} // namespace

QByteArray TextResultBlock(const QString& date, const QString& time, const QList<ResultPair>& results,
                           const QString& encoding)
{
    QString block = StampStart + QStringLiteral(" %1 %2 =====*").arg(date, time) + LineEnd
                    + ColumnLine + LineEnd;
    for (const ResultPair& result : results)
        block += OneLine(result.Hit) + QLatin1Char('\t') + OneLine(result.Member) + LineEnd;
    QStringEncoder encoder(qPrintable(encoding));
    if (!encoder.isValid())
        return block.toUtf8();
    return encoder.encode(block);
}

QString TextResultEncoding(const QString& path, const QString& textLocale)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("UTF-8");
    const QByteArray start = file.read(EncodingSample);
    return EncodingOfStart(start, file.atEnd(), textLocale);
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
