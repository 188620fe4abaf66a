#include "ReaderProcess.h"

#include <QTest>

#include <csignal>

using namespace quorvan;
using namespace std::chrono_literals;

namespace {

// A reader played by the shell.
QByteArray Shell(const QString& script, std::chrono::milliseconds limit = 10s)
{
    return RunReader(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, limit);
}

// What RunReader raised, or "" when it returned.
QString FailureOf(const QString& script, std::chrono::milliseconds limit = 10s)
{
    try {
        Shell(script, limit);
    } catch (const ReaderError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
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
        const QString missing = QStringLiteral("/nonexistent/quorvan-xls-reader");
        try {
            RunReader(missing, {}, 10s);
            QFAIL("a missing reader started");
        } catch (const ReaderError& error) {
            QCOMPARE(QString::fromStdString(error.what()),
                     QStringLiteral("The reader %1 cannot be started: No such file or directory.").arg(missing));
        }
    }

    void readerThatDoesNotEndIsStopped()
    {
        const auto started = std::chrono::steady_clock::now();
        QCOMPARE(FailureOf(QStringLiteral("printf R; exec sleep 60"), 300ms),
                 QStringLiteral("The reader took longer than 0.3 seconds."));
        QVERIFY(std::chrono::steady_clock::now() - started < 5s);
    }
};

QTEST_GUILESS_MAIN(TestReaderProcess)
#include "TestReaderProcess.moc"
