#include "ladder/FakeClock.h"
#include "ladder/Generation.h"
#include "ladder/Tracing.h"
#include "window/LadderBitmap.h"
#include "window/Pixels.h"
#include "window/TabSequence.h"

using namespace quorvan;
using namespace quorvan::testing;

namespace {

void Line(LadderBitmap& bitmap, int x0, int y0, int x1, int y1)
{
    bitmap.MoveTo(x0, y0);
    bitmap.LineTo(x1, y1);
}

} // namespace

class TestLadderBitmap : public QObject {
    Q_OBJECT

private slots:
    void startsWhiteWithThinBlackPen()
    {
        LadderBitmap bitmap(440, 10620);
        QCOMPARE(bitmap.PenWidth(), 1);
        QCOMPARE(bitmap.PenColour(), ColourBlack);
        QCOMPARE(bitmap.Image().pixel(439, 10619), White);
    }

    void widePenCoversTheSamePixelsEitherWay()
    {
        LadderBitmap forward(60, 60);
        forward.SetPenWidth(2);
        Line(forward, 10, 20, 40, 20);
        Line(forward, 30, 20, 30, 40);
        LadderBitmap backward(60, 60);
        backward.SetPenWidth(2);
        Line(backward, 30, 40, 30, 20);
        Line(backward, 40, 20, 10, 20);
        QCOMPARE(forward.Image(), backward.Image());
        // Two rows across the line, reaching one pixel past each end.
        QCOMPARE(forward.Image().pixel(9, 19), Black);
        QCOMPARE(forward.Image().pixel(40, 20), Black);
        QCOMPARE(forward.Image().pixel(41, 20), White);
        QCOMPARE(forward.Image().pixel(20, 21), White);
        QCOMPARE(forward.Image().pixel(29, 40), Black);
        QCOMPARE(forward.Image().pixel(30, 41), White);
    }

    void redOverBlackThenBlackAgainRestoresEveryPixel()
    {
        LadderBitmap bitmap(440, 100);
        bitmap.SetPenWidth(2);
        Line(bitmap, 0, 20, 440, 20);
        Line(bitmap, 0, 40, 440, 40);
        Line(bitmap, 90, 20, 90, 40);
        const QImage ladder = bitmap.Image().copy();

        bitmap.SetPenColour(ColourRed);
        Line(bitmap, 440, 20, 90, 20);
        Line(bitmap, 90, 20, 90, 40);
        Line(bitmap, 90, 40, -10, 40);
        QVERIFY(CountPixels(bitmap.Image(), Red) > 0);
        bitmap.SetPenColour(ColourBlack);
        Line(bitmap, 440, 20, 90, 20);
        Line(bitmap, 90, 20, 90, 40);
        Line(bitmap, 90, 40, -10, 40);
        QCOMPARE(bitmap.Image(), ladder);
    }

    // ［HIT-ALL］ follows every path but draws only the one a click drew red:
    // every other path already lies on the ladder's black lines and rungs.
    void pathsLieOnTheLadder_data()
    {
        QTest::addColumn<int>("members");
        QTest::addColumn<bool>("crossLines");
        QTest::addColumn<uint64_t>("seed");
        QTest::newRow("2 members") << 2 << true << uint64_t(1);
        QTest::newRow("40, crossing") << 40 << true << uint64_t(77);
        QTest::newRow("40, not crossing") << 40 << false << uint64_t(78);
        QTest::newRow("480") << 480 << true << uint64_t(2024);
    }

    void pathsLieOnTheLadder()
    {
        QFETCH(int, members);
        QFETCH(bool, crossLines);
        QFETCH(uint64_t, seed);
        testing::FakeClock clock;
        clock.Counter = seed;
        RandomGenerator random(clock);
        Ladder grid;
        LadderBitmap bitmap(440, 10620);
        bitmap.SetPenWidth(2);
        GenerateLadder({members, crossLines}, grid, random, bitmap);
        const QImage ladder = bitmap.Image().copy();
        for (int hit = 1; hit <= members; ++hit)
            TraceFromHit(grid, bitmap, hit);
        QCOMPARE(bitmap.Image(), ladder);
    }

    void linesOutsideAreClipped()
    {
        LadderBitmap bitmap(440, 100);
        bitmap.SetPenWidth(2);
        Line(bitmap, 0, 60, -10, 60);
        QCOMPARE(bitmap.Image().pixel(0, 60), Black);
        QCOMPARE(CountPixels(bitmap.Image(), Black), 2);
        Line(bitmap, 440, 30, 430, 30);
        QCOMPARE(CountPixels(bitmap.Image(), Black), 2 + 2 * 11);
        Line(bitmap, -500, -500, -500, 5000);
        Line(bitmap, 10, 5000, 20, 5000);
        QCOMPARE(CountPixels(bitmap.Image(), Black), 24);
    }

    void fillPaintsWhiteInsideOnly()
    {
        LadderBitmap bitmap(100, 100);
        bitmap.SetPenWidth(2);
        for (int y = 10; y <= 90; y += 10)
            Line(bitmap, 0, y, 100, y);
        bitmap.FillRect(-5, -5, 50, 45);
        QCOMPARE(bitmap.Image().pixel(10, 40), White);
        QCOMPARE(bitmap.Image().pixel(60, 40), Black);
        QCOMPARE(bitmap.Image().pixel(10, 50), Black);
        bitmap.FillRect(0, 0, 100, 100);
        QCOMPARE(CountPixels(bitmap.Image(), Black), 0);
        // A later drawing lower down is cleared again too.
        Line(bitmap, 0, 95, 100, 95);
        bitmap.FillRect(0, 0, 100, 100);
        QCOMPARE(CountPixels(bitmap.Image(), Black), 0);
    }

    void slantedLinesAreDrawnToo()
    {
        LadderBitmap bitmap(50, 50);
        bitmap.SetPenColour(ColourRed);
        Line(bitmap, 0, 0, 40, 40);
        QCOMPARE(bitmap.Image().pixel(20, 20), Red);
        bitmap.FillRect(0, 0, 50, 50);
        QCOMPARE(CountPixels(bitmap.Image(), Red), 0);
    }

    void penWidthMustBePositive()
    {
        LadderBitmap bitmap(10, 10);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bitmap.SetPenWidth(0));
    }

    void tabValuesMoveControls()
    {
        QWidget parent;
        QList<QWidget*> controls;
        TabSequence tabs;
        for (const char* name : {"a", "b", "c", "d"}) {
            auto* control = new QWidget(&parent);
            control->setObjectName(QString::fromLatin1(name));
            controls.append(control);
            tabs.Append(control);
        }
        tabs.SetTabValue(controls[3], 1);
        QCOMPARE(tabs.Names(), QStringList({"a", "d", "b", "c"}));
        tabs.SetTabValue(controls[0], 1000);
        QCOMPARE(tabs.Names(), QStringList({"d", "b", "c", "a"}));
        tabs.SetTabValue(controls[2], -3);
        QCOMPARE(tabs.Names(), QStringList({"c", "d", "b", "a"}));
        tabs.Remove(controls[3]);
        QCOMPARE(tabs.Names(), QStringList({"c", "b", "a"}));
    }
};

QUORVAN_TEST_MAIN(TestLadderBitmap)
#include "TestLadderBitmap.moc"
