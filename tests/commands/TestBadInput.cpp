#include "TestData.h"
#include "lists/ListFile.h"
#include "window/WindowFixture.h"
#include "workbook/WorkbookSaving.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorvan;
using testing::WindowFixture;

namespace {

// The most memory the process has held since StartPeakRss, in MB.
long PeakRssMegabytes()
{
    for (const QByteArray& line : ReadTestFile(QStringLiteral("/proc/self/status")).split('\n'))
        if (line.startsWith("VmHWM:")) // in kB
            return line.mid(6).trimmed().split(' ').first().toLong() / 1024;
    qFatal("no peak memory in /proc/self/status");
}

// Starts measuring afresh (the peak so far is forgotten, so that each test
// measures only itself) and returns the memory held now, in MB.
long StartPeakRss()
{
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1)
        qFatal("cannot reset the peak memory");
    reset.close();
    return PeakRssMegabytes();
}

// Loads `path` as the member list; returns the most memory the command took
// beyond what the program held before it, in MB.
long MemoryToLoad(WindowFixture& window, const QString& path)
{
    const long before = StartPeakRss();
    window.platform.OpenAnswers.append(path);
    window.Click(window->loadMembersButton());
    return PeakRssMegabytes() - before;
}

// After a failed command the window takes the next one: Reset, then Set-up.
void VerifyStillUsable(WindowFixture& window)
{
    window.Click(window->resetButton());
    window.Click(window->setUpButton());
    QVERIFY(window->findControl("edit1_2"));
    QCOMPARE(window.platform.Cursor, MouseCursor::Default);
}

// The command that writes a result file: "Text" or "Excel".
QPushButton* SaveButton(WindowFixture& window, const QString& file)
{
    return file == QLatin1String("Text") ? window->saveTextButton() : window->saveWorkbookButton();
}

// The member import of `path` ends with one message naming the file and `reason`.
void ExpectImportRefused(WindowFixture& window, const QString& path, const QString& reason)
{
    window.Load(window->loadMembersButton(), path);
    QCOMPARE(window.platform.Errors.size(), 1);
    const QString message = window.platform.Errors.first();
    QVERIFY2(message.contains(path) && message.contains(reason), qPrintable(message));
}

// `start`, then zero bytes up to `size` that take no room on the disk.
void WriteSparseFile(const QString& path, const QByteArray& start, qint64 size)
{
    WriteTestFile(path, start);
    QFile file(path);
    if (!file.resize(size))
        qFatal("cannot grow %s", qPrintable(path));
}

// The workbook with the first sector of its workbook stream pointing to
// itself. `tableAt` is where the header names the first sector of the table
// that chains the stream (76: the allocation table; 60: the one for small
// streams); in the sample files used the stream starts at entry 0 of it.
QByteArray WithSelfPointingStream(QByteArray xls, int tableAt)
{
    const quint32 table = qFromLittleEndian<quint32>(xls.constData() + tableAt);
    qToLittleEndian<quint32>(0, xls.data() + (table + 1) * 512);
    return xls;
}

// The workbook as Excel keeps an .xlsx encrypted with a password: in a
// compound file, the package in a stream named "EncryptedPackage" (here the
// workbook stream so renamed: only the directory tells them apart).
QByteArray AsEncryptedPackage(QByteArray xls)
{
    const char16_t workbook[] = u"Workbook";
    const char16_t package[] = u"EncryptedPackage";
    const qsizetype entry = xls.indexOf(QByteArrayView(reinterpret_cast<const char*>(workbook), sizeof workbook));
    xls.replace(entry, sizeof package, reinterpret_cast<const char*>(package), sizeof package);
    qToLittleEndian<quint16>(sizeof package, xls.data() + entry + 64);
    return xls;
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void listFilesThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray workbook = ReadTestFile(TestData("members-10.xls"));
        QTest::newRow("0-byte .xls") << "empty.xls" << QByteArray() << "";
        QTest::newRow("truncated .xls") << "cut.xls" << workbook.left(2000) << "";
        // A name length of 5,632 bytes in the directory: found by fuzzing, it made the
        // workbook library read far past its buffer.
        QTest::newRow("broken directory .xls") << "directory.xls" << ReadTestFile(TestData("broken-directory.xls"))
                                               << "directory is broken";
        // Found by fuzzing too: the workbook library reads from a wild address on
        // this one. Its process ends on the signal (in the sanitized build the
        // sanitizer reports it first); the program says so.
        QTest::newRow("library crash .xls") << "crash.xls" << ReadTestFile(TestData("library-crash.xls"))
                                            << "The reader stopped on signal";
        QTest::newRow("self-pointing stream .xls")
            << "loop.xls" << WithSelfPointingStream(workbook, 76) << "The workbook is damaged";
        QTest::newRow("self-pointing small stream .xls")
            << "small-loop.xls" << WithSelfPointingStream(ReadTestFile(TestData("formulas.xls")), 60)
            << "The workbook is damaged";
        // Found by fuzzing: a small stream but no table of small sectors, on
        // which the reader's own code handed memcpy a null pointer (the
        // sanitized build stops on it).
        QTest::newRow("small stream without its table .xls")
            << "no-table.xls" << ReadTestFile(TestData("small-stream-without-table.xls")) << "The workbook is damaged";
        // Text and a .xlsx named .xls are read as what they are: TestWorkbookCommands::filesAreWhatTheirBytesShow.
        const QByteArray xlsx = ReadTestFile(TestData("hits-20.xlsx"));
        QTest::newRow("zip bomb .xlsx") << "bomb.xlsx" << ReadTestFile(TestData("zip-bomb.xlsx")) << "zip bomb";
        QTest::newRow("truncated .xlsx") << "cut.xlsx" << xlsx.left(xlsx.size() / 2) << "not a whole zip archive";
        QTest::newRow("encrypted .xlsx") << "locked.xlsx" << AsEncryptedPackage(workbook) << "protected by a password";
        QTest::newRow("sheet without its end .xlsx")
            << "sheet-cut.xlsx" << ReadTestFile(TestData("sheet-cut-short.xlsx")) << "stops before its end";
        QTest::newRow("shared text past the table .xlsx")
            << "past.xlsx" << ReadTestFile(TestData("shared-text-past-table.xlsx")) << "shared text number 9999";
        QTest::newRow(".ods without content") << "no-content.ods" << ReadTestFile(TestData("no-content.ods"))
                                              << "no part \u201Ccontent.xml\u201D";
        QTest::newRow("binary .csv") << "binary.csv" << QByteArray("a\0,b\r\n", 6) << "NUL bytes";
        QTest::newRow("binary .txt") << "binary.txt" << QByteArray("Al\0ice\r\n\x01\x02", 10) << "binary";
        // A file gone between choosing and reading is said to be gone, whatever its kind.
        for (const QString kind : {".txt", ".csv", ".xls", ".xlsx", ".ods"})
            QTest::newRow(qPrintable("missing " + kind)) << "<missing>" + kind << QByteArray()
                                                         << "There is no such file (any more)";
        QTest::newRow("name not UTF-8") << "<not UTF-8>" << QByteArray() << "not UTF-8 text";
        QTest::newRow("folder") << "<folder>" << QByteArray() << "folder";
        QTest::newRow("read error") << "<unreadable>" << QByteArray() << "";
    }

    void listFilesThatCannotBeRead()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QByteArray oddName = QFile::encodeName(folder.path()) + "/list\xff.txt";
        const auto removeOdd = qScopeGuard([&oddName] { ::unlink(oddName.constData()); }); // no QString names it
        QString path = folder.filePath(name);
        if (name.startsWith("<missing>"))
            path = folder.filePath("missing" + name.sliced(9));
        else if (name == "<folder>")
            QDir().mkdir(path = folder.filePath("folder.txt"));
        else if (name == "<unreadable>") // opens, but every read fails
            QFile::link(QStringLiteral("/proc/self/mem"), path = folder.filePath("memory.txt"));
        else if (name == "<not UTF-8>") { // there, by the name a file dialog shows for it
            QCOMPARE(::close(::open(oddName.constData(), O_WRONLY | O_CREAT, 0600)), 0);
            path = QFile::decodeName(oddName);
        }
        else
            WriteTestFile(path, bytes);

        WindowFixture window;
        ExpectImportRefused(window, path, reason);
        VerifyStillUsable(window);
    }

    // Files that would block the window or be read without end: refused
    // before they are opened, or once more has been read than any list holds.
    void listFilesWithoutEnd_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pipe as .txt") << "pipe.txt" << "pipe";
        QTest::newRow("pipe as .xls") << "pipe.xls" << "pipe";
        QTest::newRow("pipe as .ods") << "pipe.ods" << "pipe";
        QTest::newRow("/dev/zero as .txt") << "zero.txt" << "device";
        QTest::newRow("one endless line") << "line.txt" << "too large";
    }

    void listFilesWithoutEnd()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (name.startsWith("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (name == "zero.txt")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else
            WriteSparseFile(path, QByteArray(MostLineBytes + 1, 'x'), MostListFileBytes + 1);

        WindowFixture window;
        ExpectImportRefused(window, path, reason);
        VerifyStillUsable(window);
    }

    // Past the first 480 lines a file may go on: it loads like any long list.
    void longFileAfterAFullList()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("long.txt");
        WriteSparseFile(path, ReadTestFile(TestData("lines-600.txt")), MostListFileBytes + 1);
        WindowFixture window;
        window.Load(window->loadMembersButton(), path);
        QVERIFY(window.platform.Errors.isEmpty());
        QCOMPARE(window->countDisplay()->text(), QStringLiteral("480"));
        QCOMPARE(window.Box("edit1_480")->text(), QStringLiteral("line480"));
    }

    // Root reads and writes anything, so these two skip under root; ctest runs
    // them once more as an ordinary user (tests/commands/run-as-nobody.sh).
    void listFilesWithoutReadPermission_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("text") << "members.txt";
        QTest::newRow("workbook") << "members.xls";
    }

    void listFilesWithoutReadPermission()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QVERIFY(QFile::copy(TestData(name.endsWith(".xls") ? "members-10.xls" : "members-crlf.txt"), path));
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this user reads files without read permission");

        WindowFixture window;
        ExpectImportRefused(window, path, "ermission");
        QCOMPARE(window->firstMemberBox()->text(), QString());
        VerifyStillUsable(window);
    }

    void resultsIntoFolderWithoutWritePermission_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("Text") << "Text" << "result.txt";
        QTest::newRow("Excel") << "Excel" << "result.xls";
    }

    void resultsIntoFolderWithoutWritePermission()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QTemporaryDir folder;
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString path = folder.filePath(name);
        if (QFile(path).open(QIODevice::WriteOnly))
            QSKIP("this user writes into folders without write permission");

        WindowFixture window;
        window.PlayLottery(3);
        window.platform.SaveAnswers.append(path);
        window.Click(SaveButton(window, file));
        QCOMPARE(window.platform.Errors.size(), 1);
        const QString message = window.platform.Errors.first();
        QVERIFY2(message.contains(path) && message.contains("ermission"), qPrintable(message));
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!QFile::exists(path));
        VerifyStillUsable(window);
    }

    void hugeTextFilesStayBounded()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("huge.txt");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray block = QByteArray("a member of a very long list\r\n").repeated(35000);
            for (int i = 0; i < 200; ++i) // about 200 MB
                QVERIFY(file.write(block) == block.size());
        }
        WindowFixture window;
        const long memory = MemoryToLoad(window, path);
        QVERIFY(window.platform.Errors.isEmpty());
        QCOMPARE(window->countDisplay()->text(), QStringLiteral("480"));
        QVERIFY2(memory < 100, qPrintable(QString::number(memory)));
    }

    void oneFiftyMegabyteLine()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("line.txt");
        WriteTestFile(path, QByteArray(50 * 1024 * 1024, 'x') + "\r\nBob\r\n");
        WindowFixture window;
        const long memory = MemoryToLoad(window, path);
        QVERIFY(window.platform.Errors.isEmpty());
        QCOMPARE(window->firstMemberBox()->text(), QString(1024, QLatin1Char('x'))); // a name's most
        QCOMPARE(window.Box("edit1_2")->text(), QStringLiteral("Bob"));
        QVERIFY2(memory < 100, qPrintable(QString::number(memory)));
    }

    // A small workbook whose sheet claims its full size 400 times over: the
    // workbook library asks for 256 MB each time and never gives it back.
    // That happens in the reading process, which has a memory limit.
    void workbookAskingForMemoryWithoutEnd()
    {
        const QString path = TestData("memory-hungry.xls");
        const long before = StartPeakRss();
        WindowFixture window;
        ExpectImportRefused(window, path, "too large");
        QVERIFY2(PeakRssMegabytes() - before < 100, qPrintable(QString::number(PeakRssMegabytes() - before)));
        VerifyStillUsable(window);
    }

    // One long text shared by 29,000 cells makes a workbook of 410 KB; only the
    // cells a list can use (column A, rows 1 to 481) come into the program.
    void workbookOfOneTextInManyCells()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("shared.xls");
        const QString text(2000, QLatin1Char('x'));
        {
            CellMap cells;
            for (int row = 1; row <= 1000; ++row)
                for (int column = 1; column <= 29; ++column)
                    cells.insert({row, column}, text);
            WriteTestFile(path, XlsWorkbookBytes(QStringLiteral("Sheet1"), cells));
        }
        WindowFixture window;
        const long memory = MemoryToLoad(window, path);
        QVERIFY(window.platform.Errors.isEmpty());
        QCOMPARE(window.Box("edit1_480")->text(), text.left(1024)); // a name's most
        QVERIFY2(memory < 100, qPrintable(QString::number(memory)));
    }

    void resultsThatCannotBeSaved_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        // An Excel result named "/dev/full" becomes "/dev/full.xls"; devices
        // and real full disks have their own tests for both commands.
        QTest::addRow("Text to a device") << "Text" << "/dev/full" << "not an ordinary file";
        for (const char* file : {"Text", "Excel"}) {
            QTest::addRow("%s into a missing folder", file)
                << file << "/nonexistent-folder/result.xls" << "The folder does not exist";
            QTest::addRow("%s onto a folder", file) << file << "/tmp" << "folder";
            // The name a file dialog shows for a folder named "\xff".
            QTest::addRow("%s into a folder not named in UTF-8", file)
                << file << "<odd folder>/result.xls" << "not UTF-8 text";
        }
    }

    void resultsThatCannotBeSaved()
    {
        QFETCH(QString, file);
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QByteArray oddFolder = QFile::encodeName(folder.path()) + "/\xff";
        QVERIFY(::mkdir(oddFolder.constData(), 0700) == 0);
        const auto removeOdd = qScopeGuard([&oddFolder] { ::rmdir(oddFolder.constData()); }); // no QString names it
        path.replace(QLatin1String("<odd folder>"), QFile::decodeName(oddFolder));
        WindowFixture window;
        window.PlayLottery(3);
        window.platform.SaveAnswers.append(path);
        window.platform.Answers.append(true); // replace, where asked
        window.Click(SaveButton(window, file));
        QCOMPARE(window.platform.Errors.size(), 1);
        const QString& error = window.platform.Errors.first();
        QVERIFY2(error.contains(path) && error.contains(reason), qPrintable(error));
        QVERIFY(window->saveTextButton()->isEnabled() && window->saveWorkbookButton()->isEnabled());
        // The next save writes one whole result: two heading lines and three rows as text, one and three as CSV.
        const QString good = folder.filePath(file == QLatin1String("Text") ? "good.txt" : "good.csv");
        window.platform.SaveAnswers.append(good);
        window.Click(SaveButton(window, file));
        QCOMPARE(window.platform.Errors.size(), 1);
        QCOMPARE(ReadTestFile(good).count('\n'), file == QLatin1String("Text") ? 5 : 4);
        VerifyStillUsable(window);
    }
};

QUORVAN_TEST_MAIN(TestBadInput)
#include "TestBadInput.moc"
