#include "TestData.h"
#include "FileError.h"
#include "ListFile.h"
#include "ListReader.h"
#include "TextDecoding.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quorvan;

class TestListFile : public QObject {
    Q_OBJECT

private slots:
    void fixtures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("locale");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<qint64>("count");
        QTest::newRow("CR LF") << "members-crlf.txt" << 1033 << QStringList{"Alice", "Bob", "Carol"} << 3ll;
        QTest::newRow("LF, empty line")
            << "members-lf-empty-line.txt" << 1033 << QStringList{"Alice", "Bob", "", "Dave"} << 4ll;
        QTest::newRow("CR alone") << "cr-only.txt" << 1033 << QStringList{"onetwothree"} << 1ll;
        QTest::newRow("Ctrl-Z") << "ctrl-z.txt" << 1033 << QStringList{"Alice", "Bob"} << 2ll;
        QTest::newRow("byte-order mark") << "utf8-bom.txt" << 1033 << QStringList{"Alice", "Bob"} << 2ll;
        QTest::newRow("code page 932") << "cp932.txt" << 1041 << QStringList{"佐藤", "鈴木", "高橋"} << 3ll;
        QTest::newRow("empty") << "empty.txt" << 1033 << QStringList{} << 0ll;
        QTest::newRow("no final newline")
            << "no-final-newline.txt" << 1033 << QStringList{"no newline at end"} << 1ll;
    }

    void fixtures()
    {
        QFETCH(QString, file);
        QFETCH(int, locale);
        QFETCH(QStringList, lines);
        QFETCH(qint64, count);
        const ListRead read = ReadListFile(TestData(file.toLatin1().constData()), 480, locale);
        QCOMPARE(read.Kept, lines);
        QCOMPARE(read.LinesRead, count);
    }

    void longListKeepsTheFirstLines()
    {
        const ListRead read = ReadListFile(TestData("lines-600.txt"), 480, 1033);
        QCOMPARE(read.LinesRead, 600);
        QCOMPARE(read.Kept.size(), 480);
        QCOMPARE(read.Kept.first(), QStringLiteral("line1"));
        QCOMPARE(read.Kept.last(), QStringLiteral("line480"));
    }

    void piecesSplitAnywhereGiveTheSameLines()
    {
        const QByteArray bytes("\xEF\xBB\xBF" "A\r\nB\rb\n\nC\x1A" "D\n");
        for (const int piece : {1, 2, 3, 5, 64}) {
            ListLineSplitter splitter(480);
            for (qsizetype at = 0; at < bytes.size(); at += piece)
                splitter.Feed(QByteArrayView(bytes.mid(at, piece)));
            splitter.Finish();
            QCOMPARE(splitter.LinesRead(), 4);
            QCOMPARE(DecodeListLines(splitter.KeptLines(), 1033), QStringList({"A", "Bb", "", "C"}));
        }
    }

    void cutLinesKeepWholeCharacters()
    {
        ListLineSplitter splitter(480);
        splitter.Feed(QString(MostLineBytes, QChar(0x3042)).toUtf8()); // three bytes each
        splitter.Finish();
        QCOMPARE(DecodeListLines(splitter.KeptLines(), 1033).first(), QString(MostLineBytes / 3, QChar(0x3042)));
    }

    void windowsCodePagesWhenNotUtf8()
    {
        // Latin-1 bytes are not UTF-8: the whole file is read as code page 1252.
        QCOMPARE(DecodeListLines({QByteArray("Jos\xE9"), QByteArray("\x80uro")}, 1033),
                 QStringList({"José", "€uro"}));
        QCOMPARE(DecodeListLines({QByteArray("\x81")}, 1033), QStringList({QString(QChar::ReplacementCharacter)}));
        QCOMPARE(DecodeListLines({QByteArray("caf\xC3\xA9")}, 1041), QStringList({"café"}));
        QCOMPARE(AnsiCodePage(1041), 932);
        QCOMPARE(AnsiCodePage(2052), 1252);
    }

    void binaryDataIsNotAList()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DecodeListLines({QByteArray("a\0b", 3)}, 1033));
    }

    void unreadableFilesNameTheFile()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath("missing.txt");
        try {
            ReadListFile(missing, 480, 1033);
            QFAIL("no error");
        } catch (const FileError& error) {
            QVERIFY(QString::fromUtf8(error.what()).contains(missing));
        }
        QVERIFY_THROWS_EXCEPTION(FileError, ReadListFile(folder.path(), 480, 1033));
    }

    void fileKindByTheLastThreeLetters()
    {
        QCOMPARE(KindOfListFile("/a/list.Txt"), ListFileKind::Text);
        QCOMPARE(KindOfListFile("/a/mytxt"), ListFileKind::Text);
        QCOMPARE(KindOfListFile("/a/book.xls"), ListFileKind::Workbook);
        QCOMPARE(KindOfListFile("/a/BOOK.XLS"), ListFileKind::Workbook);
        QCOMPARE(KindOfListFile("/a/book.xlsx"), ListFileKind::Other);
        QCOMPARE(KindOfListFile("/a/list.csv"), ListFileKind::Other);
        QCOMPARE(KindOfListFile("/a/list.ｔｘｔ"), ListFileKind::Other);
    }
};

QTEST_APPLESS_MAIN(TestListFile)
#include "TestListFile.moc"
