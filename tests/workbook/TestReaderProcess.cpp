#include "ErrorOf.h"
#include "workbook/ReaderProcess.h"

#include <csignal>

using namespace quorvan;
using namespace std::chrono_literals;

namespace {

// The most a reader played by the shell may send: "R" and 3,000,000 bytes.
constexpr qsizetype MostBytes = 3000001;

// A reader played by the shell.
QByteArray Shell(const QString& script, std::chrono::milliseconds limit = 10s)
{
    return RunReader(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, -1, limit, MostBytes);
}

// What RunReader raised, or "" when it returned.
QString FailureOf(const QString& script, std::chrono::milliseconds limit = 10s)
{
    return ErrorOf<ReaderError>([&] { Shell(script, limit); });
}

} // namespace

class TestReaderProcess : public QObject {
    Q_OBJECT

private slots:
    void resultsComeBackWhole()
    {
        // Many times a pipe's buffer.
        const QByteArray big = Shell(QStringLiteral("printf R; head -c 3000000 /dev/zero | tr '\\0' x"));
        QCOMPARE(big, QByteArray(3000000, 'x'));
        QCOMPARE(Shell(QStringLiteral("printf R")), QByteArray());
    }

    void failuresBecomeReasons()
    {
        QCOMPARE(FailureOf(QStringLiteral("printf 'FThe workbook is damaged.'")),
                 QStringLiteral("The workbook is damaged."));
        QCOMPARE(FailureOf(QStringLiteral("printf 'Fここ'")), QStringLiteral("ここ"));
        QCOMPARE(FailureOf(QStringLiteral("printf R; kill -ABRT $$")),
                 QStringLiteral("The reader stopped on signal %1 (%2).").arg(SIGABRT).arg(strsignal(SIGABRT)));
        QCOMPARE(FailureOf(QStringLiteral("exit 3")), QStringLiteral("The reader ended with exit code 3 and no result."));
        QCOMPARE(FailureOf(QStringLiteral("printf R; exit 1")),
                 QStringLiteral("The reader ended with exit code 1 and no result."));
        QCOMPARE(FailureOf(QStringLiteral("printf 'Hello'")),
                 QStringLiteral("The reader sent something other than a result."));
        QCOMPARE(FailureOf(QStringLiteral("printf Rx; head -c 3000000 /dev/zero")),
                 QStringLiteral("The reader sent more than 2.86 MiB."));
        const QString longReason = FailureOf(QStringLiteral("printf F; head -c 3000 /dev/zero | tr '\\0' x"));
        QCOMPARE(longReason, QString(500, QLatin1Char('x')) + QChar(0x2026));
        const QString missing = QStringLiteral("/nonexistent/quorvan-sheet-reader");
        QCOMPARE(ErrorOf<ReaderError>([&] { RunReader(missing, {}, -1, 10s, MostBytes); }),
                 QStringLiteral("The reader %1 cannot be started: No such file or directory.").arg(missing));
    }

    void readerThatDoesNotEndIsStopped_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("sends nothing more") << "printf R; exec sleep 10";
        QTest::newRow("closes its output and runs on") << "printf R; exec >&- sleep 10";
    }

    void readerThatDoesNotEndIsStopped()
    {
        QFETCH(QString, script);
        const auto started = std::chrono::steady_clock::now();
        QCOMPARE(FailureOf(script, 300ms), QStringLiteral("The reader took longer than 0.3 seconds."));
        QVERIFY(std::chrono::steady_clock::now() - started < 5s);
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestReaderProcess)
#include "TestReaderProcess.moc"
