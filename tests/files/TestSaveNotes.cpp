// What a killed save leaves is removed at the next start, and nothing else.

#include "files/SaveNotes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

using namespace quorvan;

class TestSaveNotes : public QObject {
    Q_OBJECT

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void onlyWhatKilledSavesLeftGoes_data()
    {
        QTest::addColumn<QString>("left");      // what lies in the folder saved to
        QTest::addColumn<QString>("noted");     // how a note names it
        QTest::addColumn<bool>("removed");

        QTest::newRow("a killed save's passing file") << "passing" << "killed" << true;
        QTest::newRow("a running save's passing file") << "passing" << "running" << false;
        QTest::newRow("a file not named as a passing file") << "other" << "killed" << false;
        QTest::newRow("a link under a passing file's name") << "link" << "killed" << false;
        QTest::newRow("a passing file nobody noted") << "passing" << "none" << false;
    }

    void onlyWhatKilledSavesLeftGoes()
    {
        QFETCH(QString, left);
        QFETCH(QString, noted);
        QFETCH(bool, removed);
        QTemporaryDir saved, state;
        QVERIFY(saved.isValid() && state.isValid());
        const QString notes = state.filePath(QStringLiteral("saving"));
        const QString kept = saved.filePath(QStringLiteral("Draw.qdraw"));
        Write(kept, "the user's file");
        QString path = left == QLatin1String("other") ? kept : QFile::decodeName(NewPassingName(saved.path()));
        if (left == QLatin1String("link"))
            QVERIFY(QFile::link(kept, path));
        else if (left == QLatin1String("passing"))
            Write(path, "half a save");

        NoteSavesIn(notes);
        std::optional<SaveNote> running;
        if (noted == QLatin1String("running"))
            running.emplace(QFile::encodeName(path));
        if (noted == QLatin1String("killed")) {
            const pid_t save = fork();
            if (save == 0) {
                const SaveNote note(QFile::encodeName(path));
                raise(SIGKILL);
            }
            int status = 0;
            QCOMPARE(waitpid(save, &status, 0), save);
            QVERIFY(WIFSIGNALED(status));
        }
        NoteSavesIn({});

        QCOMPARE(RemoveLeftoversOfKilledSaves(notes), removed ? 1 : 0);
        QCOMPARE(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), !removed);
        QVERIFY(QFile::exists(kept));
        // A killed save's note goes with its file; a running save keeps its own.
        QCOMPARE(QDir(notes).entryList(QDir::Files | QDir::Hidden).size(), noted == QLatin1String("running") ? 1 : 0);
        running.reset();
        QCOMPARE(QDir(notes).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestSaveNotes)
#include "TestSaveNotes.moc"
