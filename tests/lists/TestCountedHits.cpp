// Hit lines that give a count are read as people write them, and nothing
// that merely holds a number or an x is taken for one.

#include "lists/CountedHits.h"

using namespace quorvan;

class TestCountedHits : public QObject {
    Q_OBJECT
private slots:
    void readCount_data();
    void readCount();
    void expansionKeepsOrderAndStopsAtTheMost();
};

void TestCountedHits::readCount_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("count"); // 0: no count
    QTest::addColumn<QString>("prize");

    QTest::newRow("count first, times sign") << "3 × Gift card" << 3 << "Gift card";
    QTest::newRow("count last, times sign") << "Gift card ×3" << 3 << "Gift card";
    QTest::newRow("3x") << "3x Gift card" << 3 << "Gift card";
    QTest::newRow("x with spaces after the prize") << "Gift card x 12" << 12 << "Gift card";
    QTest::newRow("full-width digit") << "Gift card ×３" << 3 << "Gift card";
    QTest::newRow("full-width prize kept as written") << "２ｘ ギフト券" << 2 << "ギフト券";
    QTest::newRow("asterisk") << "Mug*4" << 4 << "Mug";
    QTest::newRow("Japanese prize") << "商品券 × 5" << 5 << "商品券";
    QTest::newRow("no count") << "Gift card" << 0 << "";
    QTest::newRow("a number in the name") << "iPhone 15" << 0 << "";
    QTest::newRow("x inside a word") << "Xbox 360" << 0 << "";
    QTest::newRow("3D printer") << "3D printer" << 0 << "";
    QTest::newRow("x glued to a word") << "Box3" << 0 << "";
    QTest::newRow("zero") << "0 × Gift card" << 0 << "";
    QTest::newRow("more than the rows") << "Gift card ×481" << 0 << "";
    QTest::newRow("only a count") << "× 3" << 0 << "";
}

void TestCountedHits::readCount()
{
    QFETCH(QString, line);
    QFETCH(int, count);
    QFETCH(QString, prize);
    const auto found = ReadCount(line, 480);
    QCOMPARE(found.has_value(), count > 0);
    if (found) {
        QCOMPARE(found->Count, count);
        QCOMPARE(found->Prize, prize);
        QCOMPARE(found->Line, line);
    }
}

void TestCountedHits::expansionKeepsOrderAndStopsAtTheMost()
{
    const QStringList lines{"Tablet", "2 × Mug", "", "Pen ×3"};
    QCOMPARE(ExpandCounts(lines, 480), (QStringList{"Tablet", "Mug", "Mug", "", "Pen", "Pen", "Pen"}));
    QCOMPARE(ExpandCounts(lines, 4), (QStringList{"Tablet", "Mug", "Mug", ""}));
    QCOMPARE(CountedLines(lines, 480).size(), 2);
}

QUORVAN_TEST_GUILESS_MAIN(TestCountedHits)
#include "TestCountedHits.moc"
