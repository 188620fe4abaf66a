#include "TestData.h"
#include "window/WindowFixture.h"

#include <QStringDecoder>
#include <QTemporaryDir>

using namespace quorvan;
using testing::WindowFixture;

namespace {

// A lottery of `rows` rows with every result in place; the hit box of row
// `emptyHit` (none for 0) left empty.
struct Results : WindowFixture {
    // Hit n is named "Hit n" (`firstHit` for hit 1 where given), except the `emptyHit`.
    explicit Results(int rows, const QString& language = "en", int emptyHit = 0, const QString& firstHit = {})
        : WindowFixture(language, 0)
    {
        SetUp(rows);
        for (int row = 1; row <= rows; ++row) {
            Box(QStringLiteral("edit1_%1").arg(row))->setText(QStringLiteral("メンバー%1").arg(row));
            const QString hit = row == 1 && !firstHit.isEmpty() ? firstHit : QStringLiteral("Hit %1").arg(row);
            Box(QStringLiteral("edit2_%1").arg(row))->setText(row == emptyHit ? QString() : hit);
        }
        Click(window->buildButton());
        Click(window->hitAllButton());
    }

    void WriteTo(const QString& path)
    {
        platform.SaveAnswers.append(path);
        Click(window->saveTextButton());
    }

    QByteArray ExpectedBlock(int rows) const
    {
        QByteArray block = "*===== 2014/05/01 9:05:07 =====*\r\n[HIT]\t[MEMBER]\r\n";
        for (int row = 1; row <= rows; ++row)
            block += (Box(QStringLiteral("edit2_%1").arg(row))->text() + "\t"
                      + Box(QStringLiteral("edit3_%1").arg(row))->text() + "\r\n")
                         .toUtf8();
        return block;
    }
};

} // namespace

class TestTextResult : public QObject {
    Q_OBJECT

private slots:
    void exactBlocks()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("result.txt");
        Results window(3, "en", 2);
        window.WriteTo(path);
        // Seed 0 on three rows: hits 1, 2, 3 reach members 1, 3, 2.
        const QByteArray first = "*===== 2014/05/01 9:05:07 =====*\r\n"
                                 "[HIT]\t[MEMBER]\r\n"
                                 "Hit 1\tメンバー1\r\n"
                                 "\tメンバー3\r\n"
                                 "Hit 3\tメンバー2\r\n";
        QCOMPARE(ReadTestFile(path), first);

        window.platform.Now = QDateTime(QDate(2026, 12, 9), QTime(23, 59, 1));
        // A result box emptied afterwards changes nothing: the file holds what was traced.
        window.Box("edit3_3")->clear();
        window.WriteTo(path);
        QCOMPARE(ReadTestFile(path), first + "*===== 2026/12/09 23:59:01 =====*\r\n"
                                        "[HIT]\t[MEMBER]\r\n"
                                        "Hit 1\tメンバー1\r\n"
                                        "\tメンバー3\r\n"
                                        "Hit 3\tメンバー2\r\n");
        QVERIFY(window.platform.Errors.isEmpty());
    }

    // A line break inside a name becomes a space: the block keeps a line a row.
    // An older file gets the block in its own encoding, so one reading reads it all.
    void blocksJoinWhatTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<QByteArray>("encoding");
        QTest::newRow("new file") << QByteArray() << QByteArray("UTF-8");
        QTest::newRow("Shift_JIS") << QByteArray("\x8E" "R\x93" "c \x91\xBE\x98" "Y\r\n\x8D\xB2\x93\xA1 \x89\xD4\x8E" "q\r\n") // Python's cp932
                                   << QByteArray("Shift_JIS");
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE" "A\0\r\0\n\0", 8) << QByteArray("UTF-16LE");
    }

    void blocksJoinWhatTheFileHolds()
    {
        QFETCH(QByteArray, earlier);
        QFETCH(QByteArray, encoding);
        QTemporaryDir folder;
        const QString path = folder.filePath("result.txt");
        if (!earlier.isEmpty())
            WriteTestFile(path, earlier);
        Results window(2, "en", 0, QStringLiteral("Prize\r\nA"));
        window.platform.TextLocale = QStringLiteral("en_US.UTF-8");
        window.WriteTo(path);
        QStringDecoder decoder(encoding.constData());
        const QString text = decoder.decode(ReadTestFile(path));
        QVERIFY(!decoder.hasError());
        QVERIFY(text.contains(QStringLiteral("\r\nPrize A\tメンバー")));
        QVERIFY(text.startsWith(QStringDecoder(encoding.constData()).decode(earlier)));
        QCOMPARE(text.count(QStringLiteral("\r\n")), earlier.count("\n") + 4);
    }

    void rowCounts_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("2") << 2;
        QTest::newRow("480") << 480;
    }

    void rowCounts()
    {
        QFETCH(int, rows);
        QTemporaryDir folder;
        const QString path = folder.filePath("result.txt");
        Results window(rows);
        window.WriteTo(path);
        const QByteArray written = ReadTestFile(path);
        QCOMPARE(written.count("\r\n"), rows + 2);
        QCOMPARE(written, window.ExpectedBlock(rows));
    }

    void defaultNamesAndCancel_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("Japanese") << "ja" << "Vessapo結果.TXT";
        QTest::newRow("English") << "en" << "VessapoResult.TXT";
    }

    void defaultNamesAndCancel()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.txt");
        WriteTestFile(path, "earlier\r\n");
        Results window(2, language);
        window.Click(window->saveTextButton());
        QCOMPARE(window.platform.SaveStarts, QStringList({name}));
        QCOMPARE(window.platform.Filters.last(), QStringLiteral("*.*|*.*"));
        QCOMPARE(ReadTestFile(path), QByteArray("earlier\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"kept.txt"}));

        // An existing file keeps what it held; the block follows it.
        window.WriteTo(path);
        QCOMPARE(ReadTestFile(path), "earlier\r\n" + window.ExpectedBlock(2));
    }
};

QUORVAN_TEST_MAIN(TestTextResult)
#include "TestTextResult.moc"
