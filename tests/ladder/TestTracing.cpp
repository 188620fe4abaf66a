#include "ladder/RecordingSurface.h"
#include "ladder/SeededGeneration.h"
#include "ladder/Tracing.h"

using namespace quorvan;
using testing::RecordingSurface;

namespace {

struct Lottery {
    explicit Lottery(int32_t members, bool crossLines, uint32_t seed)
    {
        GenerateLadderFromSeed({members, crossLines}, seed, grid);
    }

    int32_t EndOf(int32_t hit)
    {
        surface.Strokes.clear();
        return TraceFromHit(grid, surface, hit);
    }

    Ladder grid;
    RecordingSurface surface;
};

QList<QLine> Horizontals(const RecordingSurface& surface)
{
    QList<QLine> lines;
    for (const auto& stroke : surface.Strokes)
        if (stroke.Line.y1() == stroke.Line.y2())
            lines.append(stroke.Line);
    return lines;
}

} // namespace

class TestTracing : public QObject {
    Q_OBJECT

private slots:
    void seedZeroEnds()
    {
        Lottery lottery(3, true, 0);
        QCOMPARE(lottery.EndOf(1), 1);
        QCOMPARE(lottery.EndOf(3), 2);
        QCOMPARE(lottery.EndOf(2), 3);

        const QList<QLine> climbs = {{370, 40, 370, 20}, {90, 20, 90, 40}, {70, 40, 70, 60}};
        QCOMPARE(lottery.surface.Verticals(), climbs);
        const QList<QLine> across = Horizontals(lottery.surface);
        QCOMPARE(across.size(), 45);
        QCOMPARE(across.first(), QLine(440, 40, 430, 40));
        QCOMPARE(across.last(), QLine(0, 60, -10, 60));
        // The segments join end to start, from the right edge to the left.
        for (qsizetype i = 1; i < lottery.surface.Strokes.size(); ++i)
            QCOMPARE(lottery.surface.Strokes[i].Line.p1(), lottery.surface.Strokes[i - 1].Line.p2());
    }

    void seedEightEnds()
    {
        Lottery crossing(3, true, 8);
        // A step left in every column, on the path that goes straight past the crossing too.
        for (const auto& [hit, end] : {std::pair{2, 1}, {3, 3}, {1, 2}}) {
            QCOMPARE(crossing.EndOf(hit), end);
            QCOMPARE(Horizontals(crossing.surface).size(), 45);
        }
        // Hit 1 climbs through the crossing on line 2 in two strokes.
        const QList<QLine> climbs = crossing.surface.Verticals();
        const qsizetype at = climbs.indexOf(QLine(250, 60, 250, 40));
        QVERIFY(at >= 0);
        QCOMPARE(climbs.value(at + 1), QLine(250, 40, 250, 20));

        Lottery plain(3, false, 8);
        QCOMPARE(plain.EndOf(1), 3);
        QCOMPARE(plain.EndOf(2), 2);
        QCOMPARE(plain.EndOf(3), 1);
    }

    void sameLineTwiceDrawsTheSame()
    {
        Lottery lottery(50, true, 4242);
        lottery.EndOf(17);
        const auto first = lottery.surface.Strokes;
        lottery.EndOf(17);
        QCOMPARE(lottery.surface.Strokes, first);
    }

    void emptyGridDrawsStraightLines()
    {
        const Ladder grid;
        RecordingSurface surface;
        for (const int32_t line : {1, 2, 480}) {
            surface.Strokes.clear();
            QCOMPARE(TraceFromHit(grid, surface, line), line);
            QCOMPARE(surface.Strokes.size(), 45);
            QVERIFY(surface.Verticals().isEmpty());
            QCOMPARE(surface.Strokes.first().Line, QLine(440, 20 * line, 430, 20 * line));
            QCOMPARE(surface.Strokes.last().Line, QLine(0, 20 * line, -10, 20 * line));
        }
    }

    void brokenGridEndsWithAnError()
    {
        Ladder grid;
        RecordingSurface surface;
        // A rung leaving line 3 that arrives nowhere walks off the grid.
        grid.SetCell(3, 20, RungDown);
        QVERIFY_THROWS_EXCEPTION(GridIndexError, TraceFromHit(grid, surface, 3));
        QVERIFY_THROWS_EXCEPTION(GridIndexError, TraceFromHit(grid, surface, 500));
        grid.Clear();
        grid.SetCell(1, 20, RungUp);
        QVERIFY_THROWS_EXCEPTION(GridIndexError, TraceFromHit(grid, surface, 1));
    }
};

QUORVAN_TEST_APPLESS_MAIN(TestTracing)
#include "TestTracing.moc"
