#include "TestData.h"
#include "files/FileError.h"
#include "lists/ListFile.h"
#include "lists/ListReader.h"
#include "lists/TextDecoding.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvan;

Q_DECLARE_METATYPE(QStringConverter::Encoding)
Q_DECLARE_METATYPE(quorvan::ListFileKind)

namespace {

// `text` as a file in `encoding`, starting with the byte-order mark.
QByteArray WithMark(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

ListLineSplitter Split(QByteArrayView bytes, int32_t keep, qsizetype piece, ListSyntax syntax = ListSyntax::Lines)
{
    ListLineSplitter splitter(keep, syntax);
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        splitter.Feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
    splitter.Finish();
    return splitter;
}

} // namespace

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
        // Notepad's "Unicode" and "Unicode big endian"; these two end in CR LF
        // written as two bytes, not as two UTF-16 characters.
        QTest::newRow("UTF-16 LE") << "members-utf16le-bom.txt" << 1041
                                   << QStringList{"Aiko", "Bruno", "Chloé", "鈴木 Emi"} << 4ll;
        QTest::newRow("UTF-16 BE") << "members-utf16be-bom.txt" << 1033 << QStringList{"Aiko", "Bruno"} << 2ll;
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

    void piecesSplitAnywhereGiveTheSameLines_data()
    {
        QTest::addColumn<QStringConverter::Encoding>("encoding");
        QTest::newRow("UTF-8") << QStringConverter::Utf8;
        QTest::newRow("UTF-16 LE") << QStringConverter::Utf16LE;
        QTest::newRow("UTF-16 BE") << QStringConverter::Utf16BE;
    }

    void piecesSplitAnywhereGiveTheSameLines()
    {
        QFETCH(QStringConverter::Encoding, encoding);
        const QByteArray bytes = WithMark(QStringLiteral("A\r\nB\rb\n\n😀C\x1A" "D\n"), encoding);
        for (const qsizetype piece : {1, 2, 3, 5, 64}) {
            const ListLineSplitter splitter = Split(bytes, 480, piece);
            QCOMPARE(splitter.LinesRead(), 4);
            QCOMPARE(DecodeListLines(splitter.KeptLines(), 1033), QStringList({"A", "Bb", "", "😀C"}));
        }
    }

    // What is not quite UTF-16: damage shows as U+FFFD where it is.
    void utf16Lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("keep");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<qint64>("count");
        const QString damaged(QChar::ReplacementCharacter);
        QTest::newRow("odd last byte") << QByteArray("\xFF\xFE" "A\0B", 5) << 480 << QStringList{"A" + damaged} << 1ll;
        QTest::newRow("lone surrogate") << QByteArray("\xFE\xFF\xD8\x3D\0A", 6) << 480 << QStringList{damaged + "A"}
                                        << 1ll;
        QTest::newRow("bytes CR LF inside") << QByteArray("\xFF\xFE\r\nA\0", 6) << 480
                                            << QStringList{QStringLiteral("\u0A0D" "A")} << 1ll;
        QTest::newRow("first lines kept") << WithMark("a\r\nb\r\nc", QStringConverter::Utf16LE) << 2
                                          << QStringList{"a", "b"} << 3ll;
    }

    void utf16Lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, keep);
        QFETCH(QStringList, lines);
        QFETCH(qint64, count);
        const ListLineSplitter splitter = Split(bytes, keep, 1);
        QCOMPARE(DecodeListLines(splitter.KeptLines(), 1033), lines);
        QCOMPARE(splitter.LinesRead(), count);
    }

    // A CSV record's first field, quoted or not, whichever way the bytes come in pieces.
    void csvRecords_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("keep");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<qint64>("count");
        QTest::newRow("comma") << QByteArray("a,b\r\nc;d,e\r\n") << 480 << QStringList{"a", "c;d"} << 2ll;
        QTest::newRow("semicolon first") << QByteArray("a;b,c\nd,e;f\n") << 480 << QStringList{"a", "d,e"} << 2ll;
        QTest::newRow("no separator") << QByteArray("Smith John\nLee\n") << 480 << QStringList{"Smith John", "Lee"}
                                      << 2ll;
        QTest::newRow("quotes") << QByteArray("\"a,\"\"b\"\"\",x\n\"\"\n\"c\"d\n") << 480
                                << QStringList{"a,\"b\"", "", "cd"} << 3ll;
        QTest::newRow("line break inside quotes")
            << QByteArray("\"one\r\ntwo\",x\ny,\"z\nz\"\nlast") << 480 << QStringList{"one\ntwo", "y", "last"} << 3ll;
        QTest::newRow("empty records count") << QByteArray("a\n\n,b\n") << 480 << QStringList{"a", "", ""} << 3ll;
        QTest::newRow("quote never closed") << QByteArray("a\n\"b\nc,d\n") << 480 << QStringList{"a", "b\nc,d\n"}
                                            << 2ll;
        QTest::newRow("first records kept") << QByteArray("a\nb\nc\n") << 2 << QStringList{"a", "b"} << 3ll;
    }

    void csvRecords()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, keep);
        QFETCH(QStringList, entries);
        QFETCH(qint64, count);
        for (const qsizetype piece : {1, 2, 64}) {
            const ListLineSplitter splitter = Split(bytes, keep, piece, ListSyntax::CsvFirstField);
            QCOMPARE(DecodeListLines(splitter.KeptLines(), 1033), entries);
            QCOMPARE(splitter.LinesRead(), count);
        }
    }

    void cutLinesKeepWholeCharacters_data()
    {
        QTest::addColumn<QStringConverter::Encoding>("encoding");
        QTest::addColumn<QString>("character");
        for (const QString& character : {QStringLiteral("あ"), QStringLiteral("😀")}) {
            QTest::addRow("UTF-8 %s", qPrintable(character)) << QStringConverter::Utf8 << character;
            QTest::addRow("UTF-16 %s", qPrintable(character)) << QStringConverter::Utf16LE << character;
        }
    }

    void cutLinesKeepWholeCharacters()
    {
        QFETCH(QStringConverter::Encoding, encoding);
        QFETCH(QString, character);
        const ListLineSplitter splitter = Split(WithMark(character.repeated(MostLineBytes / 2), encoding), 480, 4096);
        const QString kept = DecodeListLines(splitter.KeptLines(), 1033).first();
        QCOMPARE(kept, character.repeated(MostLineBytes / character.toUtf8().size()));
    }

    void windowsCodePagesWhenNotUtf8()
    {
        // Latin-1 bytes are not UTF-8: the whole file is read as code page 1252.
        QCOMPARE(DecodeListLines({QByteArray("Jos\xE9"), QByteArray("\x80uro")}, 1033),
                 QStringList({"José", "€uro"}));
        QCOMPARE(DecodeListLines({QByteArray("\x81")}, 1033), QStringList({QString(QChar::ReplacementCharacter)}));
        QCOMPARE(DecodeListLines({QByteArray("caf\xC3\xA9")}, 1041), QStringList({"café"}));
        // One converter serves the whole file: a line cut inside a character leaves the next one whole.
        QCOMPARE(DecodeListLines({QByteArray("\x89"), QByteArray("\x89\xEF")}, 1041),
                 QStringList({QString(QChar::ReplacementCharacter), "会"}));
        QCOMPARE(AnsiCodePage(1041), 932);
        QCOMPARE(AnsiCodePage(2052), 1252);
    }

    void binaryDataIsNotAList_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("binary");
        QTest::newRow("NUL byte") << QByteArray("a\0b", 3) << true;
        QTest::newRow("UTF-16 NUL") << QByteArray("\xFF\xFE" "a\0\0\0", 6) << true;
        QTest::newRow("UTF-16 zero bytes") << QByteArray("\xFE\xFF\0a\0b", 6) << false;
    }

    void binaryDataIsNotAList()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, binary);
        const ListLineSplitter splitter = Split(bytes, 480, 64);
        bool refused = false;
        try {
            DecodeListLines(splitter.KeptLines(), 1033);
        } catch (const std::invalid_argument&) {
            refused = true;
        }
        QCOMPARE(refused, binary);
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

    void fileKindByTheLastLetters_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ListFileKind>("kind");
        QTest::addColumn<int>("workbook"); // WorkbookKind, or -1
        QTest::newRow(".Txt") << "/a/list.Txt" << ListFileKind::Text << -1;
        QTest::newRow("no dot") << "/a/mytxt" << ListFileKind::Text << -1;
        QTest::newRow(".CSV") << "/a/list.CSV" << ListFileKind::Csv << -1;
        QTest::newRow(".xls") << "/a/book.xls" << ListFileKind::Workbook << int(WorkbookKind::Xls);
        QTest::newRow(".XLS") << "/a/BOOK.XLS" << ListFileKind::Workbook << int(WorkbookKind::Xls);
        QTest::newRow(".xlsx") << "/a/book.xlsx" << ListFileKind::Workbook << int(WorkbookKind::Xlsx);
        QTest::newRow(".XlsX") << "/a/book.XlsX" << ListFileKind::Workbook << int(WorkbookKind::Xlsx);
        QTest::newRow(".ODS") << "/a/book.ODS" << ListFileKind::Workbook << int(WorkbookKind::Ods);
        QTest::newRow(".xlsm") << "/a/book.xlsm" << ListFileKind::Other << -1;
        QTest::newRow("full-width") << "/a/list.ｔｘｔ" << ListFileKind::Other << -1;
    }

    void fileKindByTheLastLetters()
    {
        QFETCH(QString, path);
        QFETCH(ListFileKind, kind);
        QFETCH(int, workbook);
        QCOMPARE(KindOfListFile(path), kind);
        QCOMPARE(WorkbookKindOf(path).has_value(), workbook >= 0);
        if (workbook >= 0)
            QCOMPARE(int(*WorkbookKindOf(path)), workbook);
    }
};

QTEST_APPLESS_MAIN(TestListFile)
#include "TestListFile.moc"
