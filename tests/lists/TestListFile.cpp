#include "ErrorOf.h"
#include "TestData.h"
#include "documents/DocumentTable.h"
#include "files/FileError.h"
#include "files/TextDecoding.h"
#include "lists/ListFile.h"
#include "lists/ListReader.h"

#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>

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

ListLineSplitter Split(QByteArrayView bytes, int32_t keep, qsizetype piece, ListSyntax syntax = ListSyntax::Lines,
                       ListFields fields = {})
{
    ListLineSplitter splitter(keep, syntax, false, fields);
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        splitter.Feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
    splitter.Finish();
    return splitter;
}

} // namespace

class TestListFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { DetectEncodingsWith(DocumentTable().DetectEncoding); }

    void fixtures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<qint64>("count");
        const QString en = QStringLiteral("en_US.UTF-8"), ja = QStringLiteral("ja_JP.UTF-8");
        QTest::newRow("CR LF") << "members-crlf.txt" << en << QStringList{"Alice", "Bob", "Carol"} << 3ll;
        QTest::newRow("LF, empty line")
            << "members-lf-empty-line.txt" << en << QStringList{"Alice", "Bob", "", "Dave"} << 4ll;
        QTest::newRow("CR alone") << "cr-only.txt" << en << QStringList{"one", "two", "three"} << 3ll;
        QTest::newRow("old Mac CR") << "cr-only-mac.txt" << en << QStringList{"Alice", "Bob", "Carol"} << 3ll;
        QTest::newRow("lone CR in an LF file")
            << "lone-cr-in-lf-file.txt" << en << QStringList{"Alice", "Bob", "Carol"} << 3ll;
        QTest::newRow("Ctrl-Z") << "ctrl-z.txt" << en << QStringList{"Alice", "Bob"} << 2ll;
        QTest::newRow("byte-order mark") << "utf8-bom.txt" << en << QStringList{"Alice", "Bob"} << 2ll;
        QTest::newRow("code page 932") << "cp932.txt" << ja << QStringList{"佐藤", "鈴木", "高橋"} << 3ll;
        QTest::newRow("empty") << "empty.txt" << en << QStringList{} << 0ll;
        QTest::newRow("no final newline")
            << "no-final-newline.txt" << en << QStringList{"no newline at end"} << 1ll;
        // Notepad's "Unicode" and "Unicode big endian"; these two end in CR LF
        // written as two bytes, not as two UTF-16 characters.
        QTest::newRow("UTF-16 LE") << "members-utf16le-bom.txt" << ja
                                   << QStringList{"Aiko", "Bruno", "Chloé", "鈴木 Emi"} << 4ll;
        QTest::newRow("UTF-16 BE") << "members-utf16be-bom.txt" << en << QStringList{"Aiko", "Bruno"} << 2ll;
        QTest::newRow("UTF-16 LE, no mark") << "utf16le-no-bom.txt" << en << QStringList{"田中 太郎", "佐藤 花子"} << 2ll;
        QTest::newRow("UTF-16 BE, no mark") << "utf16be-no-bom.txt" << ja << QStringList{"Aiko", "Bruno"} << 2ll;
        // Legacy encodings, whatever the language of the messages.
        QTest::newRow("CP949 under Korean") << "ko-cp949.txt" << "ko_KR.UTF-8"
                                            << QStringList{"김민준", "이서연", "박지호"} << 3ll;
        QTest::newRow("short Shift_JIS under Japanese") << "ja-shift-jis-short.txt" << ja << QStringList{"山田"} << 1ll;
        QTest::newRow("short Shift_JIS under English") << "ja-shift-jis-short.txt" << en << QStringList{"山田"} << 1ll;
        QTest::newRow("EUC-JP under English") << "ja-euc-jp.txt" << en
                                              << QStringList{"山田 太郎", "佐藤 花子", "鈴木 一郎"} << 3ll;
        QTest::newRow("GBK under Chinese") << "zh-gbk.txt" << "zh_CN.UTF-8"
                                           << QStringList{"王伟", "李娜", "张敏", "刘洋", "陈静", "杨磊"} << 6ll;
        QTest::newRow("Big5 under Taiwanese") << "zh-big5.txt" << "zh_TW.UTF-8"
                                              << QStringList{"王偉", "李娜", "張敏", "劉洋", "陳靜", "楊磊"} << 6ll;
        QTest::newRow("CP1251 under English") << "ru-cp1251.txt" << en
                                              << QStringList{"Иванов Иван", "Петров Пётр", "Сидорова Анна"} << 3ll;
        QTest::newRow("CP1252 under Japanese") << "fr-cp1252.txt" << ja
                                               << QStringList{"Müller", "José", "François", "Œdipe"} << 4ll;
        QTest::newRow("UTF-8, one bad byte") << "utf8-one-bad-byte.txt" << ja
                                             << QStringList{"田中 太郎", "佐藤 \uFFFD子", "鈴木 一郎"} << 3ll;
        QTest::newRow("UTF-8 mark, bad byte") << "utf8-bom-bad-byte.txt" << ja
                                              << QStringList{"Zoë", "Ren\uFFFDe"} << 2ll;
        QTest::newRow("tabs: first column") << "unicode-text-tabs.txt" << ja << QStringList{"田中 太郎", "佐藤 花子"}
                                            << 2ll;
    }

    void fixtures()
    {
        QFETCH(QString, file);
        QFETCH(QString, locale);
        QFETCH(QStringList, lines);
        QFETCH(qint64, count);
        const ListRead read = ReadListFile(TestData(file.toLatin1().constData()), 480, locale);
        QCOMPARE(read.Kept, lines);
        QCOMPARE(read.LinesRead, count);
    }

    // A program that set no detector is told so, where a guess from letters
    // alone would read this Korean list as Japanese.
    void noDetectorIsAnError()
    {
        DetectEncodingsWith(nullptr);
        const auto restore = qScopeGuard([] { DetectEncodingsWith(DocumentTable().DetectEncoding); });
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ReadListFile(TestData("ko-cp949.txt"), 480, QStringLiteral("en_US.UTF-8")));
    }

    // A detector that cannot be had (its part of the program missing) fails the list, which the message names.
    void detectorMissingNamesTheList()
    {
        DetectEncodingsWith([](const QByteArray&) -> QByteArray { throw UserError(QStringLiteral("no detector")); });
        const auto restore = qScopeGuard([] { DetectEncodingsWith(DocumentTable().DetectEncoding); });
        const QString path = TestData("ko-cp949.txt");
        const QString message = ErrorOf<FileError>([&] { ReadListFile(path, 480, QStringLiteral("en_US.UTF-8")); });
        QVERIFY2(message.contains(path) && message.contains(QLatin1String("no detector")), qPrintable(message));
    }

    // What the reading had to do, for the list check to say.
    void notes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<int32_t>>("replaced");
        QTest::addColumn<QList<int32_t>>("droppedCr");
        QTest::addColumn<bool>("tabs");
        QTest::newRow("bad byte") << "utf8-one-bad-byte.txt" << QList<int32_t>{2} << QList<int32_t>{} << false;
        QTest::newRow("lone CR") << "lone-cr-in-lf-file.txt" << QList<int32_t>{} << QList<int32_t>{2} << false;
        QTest::newRow("tabs") << "unicode-text-tabs.txt" << QList<int32_t>{} << QList<int32_t>{} << true;
        QTest::newRow("plain") << "members-crlf.txt" << QList<int32_t>{} << QList<int32_t>{} << false;
    }

    void notes()
    {
        QFETCH(QString, file);
        QFETCH(QList<int32_t>, replaced);
        QFETCH(QList<int32_t>, droppedCr);
        QFETCH(bool, tabs);
        const ListRead read = ReadListFile(TestData(file.toLatin1().constData()), 480, "ja_JP.UTF-8");
        QCOMPARE(read.Notes.ReplacedLines, replaced);
        QCOMPARE(read.Notes.DroppedCrLines, droppedCr);
        QCOMPARE(read.Notes.TabColumns, tabs);
    }

    void bytesNoEncodingExplainsAreRefusedByName()
    {
        const QString path = TestData("no-encoding.txt");
        const QString error = ErrorOf<FileError>([&] { ReadListFile(path, 480, "ja_JP.UTF-8"); });
        QVERIFY2(error.contains(path) && error.contains("UTF-8 text"), qPrintable(error));
    }

    void longListKeepsTheFirstLines()
    {
        const ListRead read = ReadListFile(TestData("lines-600.txt"), 480, "en_US.UTF-8");
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
            QCOMPARE(DecodeListLines(splitter, "en_US.UTF-8").Lines, QStringList({"A", "Bb", "", "😀C"}));
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
        QTest::newRow("UTF-32 LE") << WithMark("Zoë\r\n😀 Ann\r\n", QStringConverter::Utf32LE) << 480
                                   << QStringList{"Zoë", "😀 Ann"} << 2ll;
        QTest::newRow("UTF-32 BE") << WithMark("李\nBo", QStringConverter::Utf32BE) << 480 << QStringList{"李", "Bo"} << 2ll;
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
        QCOMPARE(DecodeListLines(splitter, "en_US.UTF-8").Lines, lines);
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
        // As Python's csv module writes them with ';' and with tabs, which quote no comma.
        QTest::newRow("semicolons, a comma in the first name")
            << QByteArray("Smith, John;1\n\"Lee; Ann\";2\nKim;3\n") << 480
            << QStringList{"Smith, John", "Lee; Ann", "Kim"} << 3ll;
        QTest::newRow("tabs, commas in names") << QByteArray("Smith, John\t1\r\nLee, Ann\t2\r\n") << 480
                                               << QStringList{"Smith, John", "Lee, Ann"} << 2ll;
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
            QCOMPARE(DecodeListLines(splitter, "en_US.UTF-8").Lines, entries);
            QCOMPARE(splitter.LinesRead(), count);
        }
    }

    // The column the user chose in the import preview, or every field for the preview itself.
    void chosenFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("csv");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("second CSV field, quoted")
            << QByteArray("1001,\"Brown, Alice\"\r\n1002,Bob\r\n1003\r\n") << true << 1 << false
            << QStringList{"Brown, Alice", "Bob", ""};
        QTest::newRow("second tab column") << QByteArray("1\tAnn\tx\n2\tBo\n") << false << 1 << false
                                           << QStringList{"Ann", "Bo"};
        QTest::newRow("every CSV field") << QByteArray("a,\"b;c\"\nd\n") << true << 0 << true
                                         << QStringList{"a\x1F" "b;c", "d"};
        QTest::newRow("every tab column") << QByteArray("a\tb\n") << false << 0 << true << QStringList{"a\x1F" "b"};
    }

    void chosenFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, csv);
        QFETCH(int, column);
        QFETCH(bool, all);
        for (const qsizetype piece : {1, 64}) {
            const ListLineSplitter splitter =
                Split(bytes, 480, piece, csv ? ListSyntax::CsvFirstField : ListSyntax::Lines, {column, all});
            QTEST(DecodeListLines(splitter, "en_US.UTF-8").Lines, "entries");
            QVERIFY(!splitter.TabColumns());
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
        const QString kept = DecodeListLines(splitter, "en_US.UTF-8").Lines.first();
        QCOMPARE(kept, character.repeated(MostLineBytes / character.toUtf8().size()));
    }

    // A line of a legacy encoding cut inside a character leaves that
    // character out, and the list is read in its encoding all the same
    // (Shift_JIS as Python's cp932 codec writes it: 佐藤, x and あ many times, 鈴木).
    void cutLegacyLineKeepsTheEncoding()
    {
        const QByteArray line = 'x' + QByteArray("\x82\xA0").repeated(MostLineBytes);
        const ListLineSplitter splitter = Split("\x8D\xB2\x93\xA1\n" + line + "\n\x97\xE9\x96\xD8\n", 480, 4096);
        for (const char* locale : {"ja_JP.UTF-8", "en_US.UTF-8"})
            QCOMPARE(DecodeListLines(splitter, QString::fromLatin1(locale)).Lines,
                     QStringList({"佐藤", 'x' + QStringLiteral("あ").repeated((MostLineBytes - 1) / 2), "鈴木"}));
    }

    // Lists in the other code pages of Europe and the Middle East (bytes as
    // Python's codecs write the names), for the users of their languages;
    // Western and Cyrillic lists stay as they were read.
    void otherCodePages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Polish") << QByteArray("\xA3ukasz \xAF\xF3\xB3\xE6\nMicha\xB3 Wi\x9Cniewski\nAgnieszka D\xB9" "browska")
                                << "pl_PL.UTF-8" << QStringList{"Łukasz Żółć", "Michał Wiśniewski", "Agnieszka Dąbrowska"};
        QTest::newRow("Greek") << QByteArray("\xC3\xE9\xFE\xF1\xE3\xEF\xF2 \xD0\xE1\xF0\xE1\xE4\xFC\xF0\xEF\xF5\xEB\xEF\xF2\n"
                                             "\xC5\xEB\xDD\xED\xE7 \xCA\xF9\xED\xF3\xF4\xE1\xED\xF4\xDF\xED\xEF\xF5")
                               << "el_GR.UTF-8" << QStringList{"Γιώργος Παπαδόπουλος", "Ελένη Κωνσταντίνου"};
        QTest::newRow("Turkish") << QByteArray("\xDE\xFCkr\xFC \xD6zt\xFCrk\nAy\xFE" "e Y\xFDlmaz") << "tr_TR.UTF-8"
                                 << QStringList{"Şükrü Öztürk", "Ayşe Yılmaz"};
        QTest::newRow("Hebrew") << QByteArray("\xE3\xE5\xE3 \xEB\xE4\xEF\n\xF9\xF8\xE4 \xEC\xE5\xE9") << "he_IL.UTF-8"
                                << QStringList{"דוד כהן", "שרה לוי"};
        QTest::newRow("Arabic") << QByteArray("\xE3\xCD\xE3\xCF \xDA\xE1\xED\n\xDD\xC7\xD8\xE3\xC9 \xCD\xD3\xE4")
                                << "ar_EG.UTF-8" << QStringList{"محمد علي", "فاطمة حسن"};
        QTest::newRow("Latvian") << QByteArray("J\xE2nis B\xE7rzi\xF2\xF0\nIlze Kalni\xF2" "a\nAndris Ozoli\xF2\xF0\nL\xEEga Liepi\xF2"
                                            "a\n\xCCirts \xCD\xE7ni\xF2\xF0")
                                 << "lv_LV.UTF-8"
                                 << QStringList{"Jānis Bērziņš", "Ilze Kalniņa", "Andris Ozoliņš", "Līga Liepiņa", "Ģirts Ķēniņš"};
        const QByteArray french("H\xE9l\xE8ne B\xE9r\xE9nice\nFran\xE7ois");
        for (const char* locale : {"en_US.UTF-8", "fr_FR.UTF-8"})
            QTest::addRow("French, %s", locale) << french << locale << QStringList{"Hélène Bérénice", "François"};
        QTest::newRow("Russian, English locale")
            << QByteArray("\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2\n\xCC\xE0\xF0\xE8\xFF \xD1\xEC\xE8\xF0\xED\xEE\xE2\xE0\n"
                          "\xCE\xEB\xFC\xE3\xE0 \xCA\xF3\xE7\xED\xE5\xF6\xEE\xE2\xE0")
            << "en_US.UTF-8" << QStringList{"Иван Петров", "Мария Смирнова", "Ольга Кузнецова"};
    }

    void otherCodePages()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, locale);
        QTEST(DecodeLines(bytes.split('\n'), locale, false).Lines, "names");
    }

    void legacyEncodingsWhenNotUtf8()
    {
        const auto decode = [](const QList<QByteArray>& lines, const char* locale) {
            return DecodeLines(lines, QString::fromLatin1(locale), false).Lines;
        };
        QCOMPARE(decode({QByteArray("Jos\xE9"), QByteArray("\x80uro")}, "en_US"), QStringList({"José", "€uro"}));
        QCOMPARE(decode({QByteArray("caf\xC3\xA9")}, "ja_JP"), QStringList({"café"}));
        // A line cut inside a character does not spoil the next one.
        QCOMPARE(decode({QByteArray("\x89\xEF"), QByteArray("\x89\xEF")}, "ja_JP"), QStringList({"会", "会"}));
        // Names from Hong Kong, two of them in characters only Big5-HKSCS holds (Python's big5hkscs codec).
        QCOMPARE(decode({QByteArray("\xB3\xAF\xA4\x6A\xA4\xE5"), QByteArray("\x9D\xF2\xA5\x4A"),
                         QByteArray("\x90\x68\xA7\xF5")}, "zh_HK"),
                 QStringList({"陳大文", "𨋢仔", "邨李"}));
        // Chinese, Korean and Japanese names beside Latin letters (Python's
        // gb18030, cp949 and cp932 codecs), each of which another of the three reads too.
        QCOMPARE(decode({QByteArray("A\xD7\xE9\xCD\xF5\xCE\xB0"), QByteArray("B\xD7\xE9\xC0\xEE\xC4\xC8"),
                         QByteArray("VIP\xBF\xCD\xBB\xA7\xCD\xF5\xD7\xDC")}, "zh_CN"),
                 QStringList({"A组王伟", "B组李娜", "VIP客户王总"}));
        QCOMPARE(decode({QByteArray("A\xB9\xDD \xB1\xE8\xC3\xB6\xBC\xF6"),
                         QByteArray("B\xB9\xDD \xC0\xCC\xBF\xB5\xC8\xF1"), QByteArray("VIP\xB0\xED\xB0\xB4 \xB9\xDA\xB9\xCE\xBC\xF6")}, "ko_KR"),
                 QStringList({"A반 김철수", "B반 이영희", "VIP고객 박민수"}));
        QCOMPARE(decode({QByteArray("A\x91" "g \x8ER\x93" "c"), QByteArray("B\x91" "g \x97\xE9\x96\xD8"),
                         QByteArray("VIP\x89\xEF\x88\xF5 \x8D\xB2\x93\xA1")}, "ja_JP"),
                 QStringList({"A組 山田", "B組 鈴木", "VIP会員 佐藤"}));
        // Japanese names with the NEC and IBM characters of code page 932 (Python's cp932 codec).
        const QList<QByteArray> nec({QByteArray("\x87\x40\x8E\x52\x93\x63"), QByteArray("\xEE\xE0\x8B\xB4\x20\xEE\xF0"),
                                     QByteArray("\x8E\x52\xED\x95"), QByteArray("\x87\x8A\x8D\xB2\x93\xA1"),
                                     QByteArray("\x87\x82\x33\x20\x97\xE9\x96\xD8")});
        for (const char* locale : {"ja_JP", "en_US"})
            QCOMPARE(decode(nec, locale), QStringList({"①山田", "髙橋 ⅱ", "山﨑", "㈱佐藤", "№3 鈴木"}));
        QVERIFY_THROWS_EXCEPTION(UnexplainedBytes, decode({QByteArray("\x98\x81\xFF")}, "en_US"));
    }

    void binaryDataIsNotAList_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("binary");
        QTest::newRow("NUL byte") << QByteArray("a\0b", 3) << true;
        QTest::newRow("UTF-16 NUL") << QByteArray("\xFF\xFE" "a\0\0\0", 6) << true;
        QTest::newRow("UTF-16 zero bytes") << QByteArray("\xFE\xFF\0a\0b", 6) << false;
        QTest::newRow("UTF-16 without a mark") << QByteArray("a\0\n\0", 4) << false;
    }

    void binaryDataIsNotAList()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, binary);
        const ListLineSplitter splitter = Split(bytes, 480, 64);
        bool refused = false;
        try {
            DecodeListLines(splitter, "en_US.UTF-8").Lines;
        } catch (const std::invalid_argument&) {
            refused = true;
        }
        QCOMPARE(refused, binary);
    }

    void unreadableFilesNameTheFile()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath("missing.txt");
        QVERIFY(ErrorOf<FileError>([&] { ReadListFile(missing, 480, "en_US.UTF-8"); }).contains(missing));
        QVERIFY_THROWS_EXCEPTION(FileError, ReadListFile(folder.path(), 480, "en_US.UTF-8"));
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

QUORVAN_TEST_APPLESS_MAIN(TestListFile)
#include "TestListFile.moc"
