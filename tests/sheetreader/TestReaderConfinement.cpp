// The reader's confinement, tried from inside by quorvan-reader-probe.

#include "workbook/ReaderProcess.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace quorvan;
using namespace std::chrono_literals;

class TestReaderConfinement : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QMap<QString, QString> outcomes_; // a try's name: "allowed" or "refused"

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        // A listening socket standing in for the X server's.
        const QByteArray socketPath = QFile::encodeName(folder_.filePath(QStringLiteral("X0")));
        const int server = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path);
        QVERIFY(bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
        QVERIFY(listen(server, 4) == 0);
        const int input = open(QUORVAN_TEST_DATA "/members-10.xls", O_RDONLY | O_CLOEXEC);
        QVERIFY(input >= 0);
        const QByteArray report = RunReader(QStringLiteral(QUORVAN_PROBE), {folder_.path(), QFile::decodeName(socketPath),
                                             QString::number(quintptr(&outcomes_), 16)},
                                            input, 20s, 4096);
        close(input);
        close(server);
        for (const QByteArray& line : report.split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 2)
                outcomes_.insert(QString::fromLatin1(words[0]), QString::fromLatin1(words[1]));
        }
    }

    void everyWayOutIsRefused_data()
    {
        QTest::addColumn<QString>("tried");
        QTest::addColumn<QString>("outcome");
        // What reading needs stays allowed.
        QTest::newRow("read its input") << "read-input" << "allowed";
        QTest::newRow("open its input by its one name") << "reopen-input" << "allowed";
        // What an exploit would do.
        for (const char* tried : {"write-file", "read-passwd", "look-at-passwd", "move-memory-to-a-place", "open-socket", "connect-x-server", "fork",
                                  "read-parent-memory", "trace-parent", "run-program"})
            QTest::newRow(tried) << tried << "refused";
    }

    void everyWayOutIsRefused()
    {
        QFETCH(QString, tried);
        QFETCH(QString, outcome);
        QCOMPARE(outcomes_.value(tried, QStringLiteral("(not tried)")), outcome);
        QVERIFY2(!QFile::exists(folder_.filePath(QStringLiteral("written"))), "the probe wrote a file");
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestReaderConfinement)
#include "TestReaderConfinement.moc"
