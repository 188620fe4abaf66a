// Qt's own options, which every Qt window program takes (-style Fusion for
// another look, -platform, -reverse for right-to-left), start the window as
// they would any other; the program's own options still work beside them.

#include "TestRunner.h"

#include <QDir>
#include <QProcess>

class TestToolkitOptions : public QObject {
    Q_OBJECT

private slots:
    void windowStartsWithToolkitOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // -1: the window still runs after two seconds
        QTest::newRow("-style Fusion") << QStringList{"-style", "Fusion"} << -1;
        QTest::newRow("--style=Fusion -reverse") << QStringList{"--style=Fusion", "-reverse"} << -1;
        QTest::newRow("-platform offscreen, a record") << QStringList{"-platform", "offscreen", "missing.qdraw"} << -1;
        QTest::newRow("-style Fusion --version") << QStringList{"-style", "Fusion", "--version"} << 0;
        QTest::newRow("an unknown option") << QStringList{"-stile", "Fusion"} << 2;
    }

    void windowStartsWithToolkitOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), QDir::tempPath() + QStringLiteral("/quorvan-toolkit-options"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QUORVAN_PROGRAM), arguments);
        const bool ended = program.waitForFinished(2000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QCOMPARE(ended ? program.exitCode() : -1, status);
        if (status == 2)
            QVERIFY(program.readAllStandardError().contains("stile"));
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestToolkitOptions)
#include "TestToolkitOptions.moc"
