#include "TestData.h"
#include "window/WindowFixture.h"

#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace quorvan;
using testing::WindowFixture;

namespace {

// Text for a name ending in .txt, Excel for any other; the one error shown, if any.
QString SaveResult(WindowFixture& window, const QString& path)
{
    window.platform.SaveAnswers.append(path);
    window.platform.Answers.append(true); // replace, where asked
    window.Click(path.endsWith(".txt") ? window->saveTextButton() : window->saveWorkbookButton());
    return window.platform.Errors.join("\n");
}

// A small file system mounted for the life of the object, so that a full disk is a real one.
class SmallDisk {
public:
    SmallDisk()
    {
        if (::geteuid() != 0)
            failure_ = QStringLiteral("mounting a file system needs root");
        else if (::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0, "size=64k") != 0)
            failure_ = QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (failure_.isEmpty())
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }
    QString Failure() const { return failure_; }
    QString Path() const { return folder_.path(); }

    // Takes up all the space still free.
    void Fill()
    {
        const int filler = ::open(QFile::encodeName(folder_.filePath("filler")).constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray page(4096, 'f');
        while (::write(filler, page.constData(), page.size()) > 0) {
        }
        ::close(filler);
    }

private:
    QTemporaryDir folder_;
    QString failure_;
};

// While it lives, a write that would make a file larger than `bytes` fails
// (with the signal that would end the process ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &earlier_);
        const rlimit limited{bytes, earlier_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limited);
        earlierSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &earlier_);
        std::signal(SIGXFSZ, earlierSignal_);
    }

private:
    rlimit earlier_{};
    void (*earlierSignal_)(int) = nullptr;
};

} // namespace

class TestResultSaving : public QObject {
    Q_OBJECT

private slots:
    // A save that fails part-way leaves the earlier file as it was, or no file
    // where there was none, and says which file and why.
    void failedSavesLoseNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fullDisk"); // else a file size limit
        QTest::addColumn<bool>("earlier");
        for (const char* name : {"result.txt", "result.xls", "result.xlsx"}) {
            QTest::addRow("%s over a file on a full disk", name) << name << true << true;
            QTest::addRow("%s as a new file on a full disk", name) << name << true << false;
            QTest::addRow("%s over a file, past the size limit", name) << name << false << true;
        }
    }

    void failedSavesLoseNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, fullDisk);
        QFETCH(bool, earlier);
        SmallDisk disk;
        QTemporaryDir ordinaryFolder;
        if (fullDisk && !disk.Failure().isEmpty())
            QSKIP(qPrintable(disk.Failure()));
        const QString folder = fullDisk ? disk.Path() : ordinaryFolder.path();
        const QString path = folder + "/" + name;
        // It ends inside a page: an append fills the rest of the page before it fails.
        const QByteArray before(4090, 'e');
        if (earlier)
            WriteTestFile(path, before);
        WindowFixture window;
        window.PlayLottery(4);

        QString message;
        if (fullDisk) {
            disk.Fill();
            message = SaveResult(window, path);
        } else {
            FileSizeLimit limit(before.size() + 10);
            message = SaveResult(window, path);
        }
        QCOMPARE(window.platform.Errors.size(), 1);
        const QString reason = fullDisk ? "not enough space" : "larger than this system allows";
        QVERIFY2(message.contains("\u201C" + path + "\u201D") && message.contains(reason) && !message.contains(".quorvan"),
                 qPrintable(message));
        QCOMPARE(ReadTestFile(path), earlier ? before : QByteArray("<unreadable>"));
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        left.removeOne("filler");
        QCOMPARE(left, earlier ? QStringList({name}) : QStringList());
    }

    // A symbolic link is written through: the file it leads to gets the
    // result, the link stays a link.
    void linksAreWrittenThrough_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("Text") << "result.txt" << QByteArray("earlier\r\n*===== ");
        QTest::newRow("xls") << "result.xls" << QByteArray("\xD0\xCF\x11\xE0");
        QTest::newRow("xlsx") << "result.xlsx" << QByteArray("PK\x03\x04");
    }

    void linksAreWrittenThrough()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("kept"));
        const QString target = folder.filePath("kept/" + name);
        WriteTestFile(target, "earlier\r\n");
        const QString link = folder.filePath("link-" + name);
        QVERIFY(QFile::link("kept/" + name, link));
        WindowFixture window;
        window.PlayLottery(3);
        QCOMPARE(SaveResult(window, link), QString());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QVERIFY2(ReadTestFile(target).startsWith(start), ReadTestFile(target).left(16).toHex().constData());
        QCOMPARE(QDir(folder.filePath("kept")).entryList(QDir::Files | QDir::Hidden), QStringList({name}));
    }

    // A link another user planted in a shared folder (as /tmp is) is not
    // followed, as the kernel follows none there; the file it leads to is
    // untouched. Temporary files start with the replaced file's permissions.
    void linksPlantedInSharedFoldersAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Text") << "result.txt";
        QTest::newRow("xls") << "result.xls";
    }

    void linksPlantedInSharedFoldersAreRefused()
    {
        QFETCH(QString, name);
        if (::geteuid() != 0)
            QSKIP("giving a link to another user needs root");
        QTemporaryDir folder;
        const QString shared = folder.filePath("shared");
        QVERIFY(QDir(folder.path()).mkdir("shared"));
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        const QString victim = folder.filePath("victim");
        WriteTestFile(victim, "the victim's own\n");
        const QString link = shared + "/" + name;
        QVERIFY(QFile::link(victim, link));
        QVERIFY(::lchown(QFile::encodeName(link).constData(), 65534, 65534) == 0);
        WindowFixture window;
        window.PlayLottery(3);
        QVERIFY(SaveResult(window, link).contains("It is a link another user made in a shared folder"));
        QCOMPARE(ReadTestFile(victim), QByteArray("the victim's own\n"));
    }

    // Each kind of result goes on in the folder where the last one went.
    void saveDialogsStartInTheFolderLastUsed()
    {
        QTemporaryDir texts, workbooks;
        WindowFixture window;
        window.PlayLottery(2);
        SaveResult(window, texts.filePath("a.txt"));
        SaveResult(window, workbooks.filePath("b.xls"));
        window.Click(window->saveTextButton());
        window.Click(window->saveWorkbookButton());
        QCOMPARE(window.platform.SaveFolders, QStringList({"", "", texts.path(), workbooks.path()}));
        QCOMPARE(window.platform.SaveStarts.last(), QStringLiteral("VessapoResult.XLS"));
    }

    // A file its owner may not write is neither replaced nor added to (this
    // one runs as an ordinary user too).
    void filesWithoutWritePermissionAreKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Text") << "result.txt";
        QTest::newRow("xls") << "result.xls";
    }

    void filesWithoutWritePermissionAreKept()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        WriteTestFile(path, "earlier");
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        if (QFile(path).open(QIODevice::WriteOnly))
            QSKIP("this user writes files without write permission");
        WindowFixture window;
        window.PlayLottery(2);
        const QString message = SaveResult(window, path);
        QVERIFY2(message.contains(path) && message.contains("permission"), qPrintable(message));
        QCOMPARE(ReadTestFile(path), QByteArray("earlier"));
    }

    // A pipe or a device is refused before it is opened: opening a pipe
    // would wait for a reader for ever.
    void onlyOrdinaryFilesAreWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pipe"); // else a link to a device
        for (const char* name : {"result.txt", "result.xls"}) {
            QTest::addRow("%s as a pipe", name) << name << true;
            QTest::addRow("%s as a link to a device", name) << name << false;
        }
    }

    void onlyOrdinaryFilesAreWritten()
    {
        QFETCH(QString, name);
        QFETCH(bool, pipe);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QVERIFY(pipe ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : QFile::link("/dev/null", path));
        WindowFixture window;
        window.PlayLottery(2);
        const QString message = SaveResult(window, path);
        QVERIFY2(message.contains(path) && message.contains("not an ordinary file"), qPrintable(message));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({name}));
    }
};

QUORVAN_TEST_MAIN(TestResultSaving)
#include "TestResultSaving.moc"
