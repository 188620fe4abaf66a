#pragma once
// The sample lists in tests/data, made by other programs, and small files
// that tests write and read.

#include <QByteArray>
#include <QFile>
#include <QString>

// A run as another user reads a copy of its own (tests/commands/run-as-nobody.sh).
inline QString TestData(const char* name)
{
    const QString copy = qEnvironmentVariable("QUORVAN_TEST_DATA_COPY");
    return (copy.isEmpty() ? QStringLiteral(QUORVAN_TEST_DATA) : copy) + QLatin1Char('/') + QString::fromLatin1(name);
}

inline void WriteTestFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

inline QByteArray ReadTestFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
