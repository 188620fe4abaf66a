#include "ladder/Checked.h"
#include "ladder/FakeClock.h"
#include "ladder/Generation.h"
#include "ladder/RecordingSurface.h"
#include "ladder/SeededGeneration.h"

#include <map>
#include <set>

using namespace quorvan;
using testing::FakeClock;
using testing::RecordingSurface;

namespace {

struct Built {
    Ladder Grid;
    RecordingSurface Surface;
    uint32_t State = 0; // the generator's when the build ends
};

// Builds with the generator seeded by a clock whose counter reads `counter`.
std::unique_ptr<Built> Build(int32_t members, bool crossLines, uint64_t counter)
{
    FakeClock clock;
    clock.Counter = counter;
    RandomGenerator random(clock);
    auto built = std::make_unique<Built>();
    GenerateLadder({members, crossLines}, built->Grid, random, built->Surface);
    built->State = random.RandomSeed;
    return built;
}

using Cells = std::map<std::pair<int, int>, int32_t>;

// Every cell that is not RungNone.
Cells NonZeroCells(const Ladder& grid)
{
    Cells cells;
    for (int32_t row = 0; row < Ladder::Rows; ++row)
        for (int32_t column = 0; column < Ladder::Columns; ++column)
            if (grid.Cell(row, column) != RungNone)
                cells[{row, column}] = grid.Cell(row, column);
    return cells;
}

} // namespace

class TestGeneration : public QObject {
    Q_OBJECT

private slots:
    void seedZeroThreeMembers_data()
    {
        QTest::addColumn<bool>("crossLines");
        QTest::newRow("cross lines") << true;
        QTest::newRow("no cross lines") << false;
    }

    void seedZeroThreeMembers()
    {
        QFETCH(bool, crossLines);
        const auto built = Build(3, crossLines, 0);
        const Cells expected = {
            {{1, 2}, 1},  {{1, 9}, 1},  {{1, 37}, 1}, {{2, 2}, 2},  {{2, 9}, 2},
            {{2, 37}, 2}, {{2, 7}, 1},  {{2, 14}, 1}, {{2, 16}, 1}, {{2, 29}, 1},
            {{3, 7}, 2},  {{3, 14}, 2}, {{3, 16}, 2}, {{3, 29}, 2},
        };
        QCOMPARE(NonZeroCells(built->Grid), expected);

        // Three lines, then the rungs in the order the columns were picked.
        const QList<QLine> rungs = {
            {20, 20, 20, 40}, {370, 20, 370, 40}, {90, 20, 90, 40},
            {290, 40, 290, 60}, {140, 40, 140, 60}, {70, 40, 70, 60}, {160, 40, 160, 60},
        };
        QCOMPARE(built->Surface.Verticals(), rungs);
        QCOMPARE(built->Surface.Strokes.size(), 3 + 7);
        QCOMPARE(built->Surface.Strokes[0].Line, QLine(0, 20, 440, 20));
        QCOMPARE(built->Surface.Strokes[4].Line, QLine(0, 40, 440, 40));
        QCOMPARE(built->Surface.Strokes[9].Line, QLine(0, 60, 440, 60));
    }

    void seedEightCrossLines()
    {
        const auto built = Build(3, true, 8);
        const Ladder& grid = built->Grid;
        // Gap 1 picks 29, 25, 33, 20; gap 2 picks 29 and 25 again, crossing line 2.
        for (const int column : {20, 33})
            QCOMPARE(grid.Cell(1, column), RungDown);
        QCOMPARE(grid.Cell(2, 25), RungThrough);
        QCOMPARE(grid.Cell(2, 29), RungThrough);
        QCOMPARE(grid.Cell(3, 25), RungUp);
        QCOMPARE(grid.Cell(3, 29), RungUp);
        for (const int column : {3, 36, 34, 10, 11, 39, 12, 22, 27, 9, 13}) {
            QCOMPARE(grid.Cell(2, column), RungDown);
            QCOMPARE(grid.Cell(3, column), RungUp);
        }
        // Line 1: four rungs down; line 2: two arrivals, two crossings, eleven rungs down.
        QCOMPARE(NonZeroCells(grid).size(), size_t(4 + 15 + 13));
        // Every attempt draws with cross lines on: 4 + 14 rungs, column 10 twice.
        QCOMPARE(built->Surface.Verticals().size(), 18);
    }

    void seedEightNoCrossLines()
    {
        const auto built = Build(3, false, 8);
        const Ladder& grid = built->Grid;
        QCOMPARE(grid.Cell(2, 25), RungUp);
        QCOMPARE(grid.Cell(2, 29), RungUp);
        QCOMPARE(grid.Cell(3, 25), RungNone);
        QCOMPARE(grid.Cell(3, 29), RungNone);
        QCOMPARE(grid.Cell(2, 10), RungDown);
        QCOMPARE(grid.Cell(3, 10), RungUp);
        // Gap 2: 14 picks less the two blocked columns and the repeated 10.
        QCOMPARE(built->Surface.Verticals().size(), 4 + 11);
    }

    void invariantsHoldOverManyLadders()
    {
        uint32_t seed = 12345;
        for (const int32_t members : {2, 3, 5, 17, 100, 479, 480}) {
            for (const bool crossLines : {true, false}) {
                for (int round = 0; round < 8; ++round) {
                    seed = seed * 2654435761u + 97u;
                    const auto built = Build(members, crossLines, seed);
                    VerifyInvariants(built->Grid, members, crossLines);
                    VerifyRungsDrawn(*built, members);
                }
            }
        }
    }

    // A draw record keeps the 32-bit seed; the clock may give a counter of
    // more bits, whose low 32 bits seed the generator.
    void recordedSeedMakesTheSameLadder_data()
    {
        QTest::addColumn<uint64_t>("counter");
        QTest::addColumn<int>("members");
        QTest::addColumn<bool>("crossLines");
        QTest::newRow("seed 8, no cross lines") << uint64_t{8} << 3 << false;
        QTest::newRow("largest seed, 480 members") << uint64_t{0xFFFFFFFF} << 480 << true;
        QTest::newRow("counter above 32 bits") << uint64_t{0x2540BE400A} << 57 << true;
    }

    void recordedSeedMakesTheSameLadder()
    {
        QFETCH(uint64_t, counter);
        QFETCH(int, members);
        QFETCH(bool, crossLines);
        const auto fromClock = Build(members, crossLines, counter);
        Built fromRecord;
        const uint32_t state = GenerateLadderFromSeed({members, crossLines}, static_cast<uint32_t>(counter),
                                                      fromRecord.Grid, fromRecord.Surface);
        QCOMPARE(NonZeroCells(fromRecord.Grid), NonZeroCells(fromClock->Grid));
        QCOMPARE(fromRecord.Surface.Strokes, fromClock->Surface.Strokes);
        QCOMPARE(state, fromClock->State);
    }

    void twoMembersDrawOnlyTheFirstGap()
    {
        const auto built = Build(2, true, 99);
        for (const QLine& rung : built->Surface.Verticals())
            QCOMPARE(QPair(rung.y1(), rung.y2()), QPair(20, 40));
        QCOMPARE(built->Surface.Strokes.first().Line, QLine(0, 20, 440, 20));

        // One draw for the attempts, then one per attempt, and nothing more.
        FakeClock clock;
        RandomGenerator replay(clock);
        replay.RandomSeed = 99;
        const int32_t attempts = std::max(replay.RandomBelow(17), 3);
        for (int32_t i = 0; i < attempts; ++i)
            replay.RandomBelow(42);
        QCOMPARE(built->State, replay.RandomSeed);
        QCOMPARE(built->Surface.Verticals().size(), attempts);
    }

    void buildStartsWithBlackPenAndEmptyGrid()
    {
        FakeClock clock;
        RandomGenerator random(clock);
        Built built;
        GenerateLadder({480, true}, built.Grid, random, built.Surface); // a larger ladder before
        built.Grid.SetCell(499, 43, RungThrough);
        built.Surface.Pen = ColourRed;
        GenerateLadder({4, true}, built.Grid, random, built.Surface);
        QCOMPARE(built.Grid.Cell(499, 43), RungNone);
        QCOMPARE(NonZeroCells(built.Grid), NonZeroCells(Build(4, true, 0)->Grid));
        for (const auto& stroke : built.Surface.Strokes)
            QCOMPARE(stroke.Pen, ColourBlack);
    }

    void memberCountOutsideGridIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Build(500, true, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Build(0, true, 0));
    }

    void gridIndexesAreChecked()
    {
        Ladder grid;
        QVERIFY_THROWS_EXCEPTION(GridIndexError, grid.Cell(500, 0));
        QVERIFY_THROWS_EXCEPTION(GridIndexError, grid.Cell(-1, 0));
        QVERIFY_THROWS_EXCEPTION(GridIndexError, grid.Cell(0, 44));
        QVERIFY_THROWS_EXCEPTION(GridIndexError, grid.SetCell(1, -1, RungDown));
        grid.SetCell(499, 43, RungUp);
        QCOMPARE(grid.Cell(499, 43), RungUp);
        grid.Clear();
        QCOMPARE(grid.Cell(499, 43), RungNone);
    }

    void overflowIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(OverflowError, CheckedMul(1 << 30, 4));
        QVERIFY_THROWS_EXCEPTION(OverflowError, CheckedAdd(2147483647, 1));
        QVERIFY_THROWS_EXCEPTION(OverflowError, CheckedSub(-2147483647 - 1, 1));
        QCOMPARE(CheckedMul(481, 20), 9620);
    }

private:
    static void VerifyInvariants(const Ladder& grid, int32_t members, bool crossLines)
    {
        for (int32_t row = 0; row < Ladder::Rows; ++row) {
            for (int32_t column = 0; column < Ladder::Columns; ++column) {
                const int32_t code = grid.Cell(row, column);
                QVERIFY(code == RungNone || code == RungDown || code == RungUp || code == RungThrough);
                const bool outside = row < 1 || row > members || column < 1 || column > 42;
                if (outside)
                    QCOMPARE(code, RungNone);
                if (row == 1)
                    QVERIFY(code == RungNone || code == RungDown);
                if (row == members)
                    QVERIFY(code == RungNone || code == RungUp);
                if (!crossLines)
                    QVERIFY(code != RungThrough);
                if (row >= 1 && row < members) {
                    const bool leaves = code == RungDown || code == RungThrough;
                    const int32_t below = grid.Cell(row + 1, column);
                    const bool arrives = below == RungUp || below == RungThrough;
                    QCOMPARE(leaves, arrives);
                }
            }
        }
    }

    // Every rung in the grid was drawn, and nothing was drawn that is not in it.
    static void VerifyRungsDrawn(const Built& built, int32_t members)
    {
        std::set<std::pair<int, int>> drawn;
        for (const QLine& rung : built.Surface.Verticals()) {
            QVERIFY(rung.x1() >= 10 && rung.x1() <= 420 && rung.x1() % 10 == 0);
            QCOMPARE(rung.y2() - rung.y1(), 20);
            QVERIFY(rung.y2() <= members * 20);
            drawn.insert({rung.y1() / 20, rung.x1() / 10});
        }
        std::set<std::pair<int, int>> inGrid;
        for (int32_t row = 1; row < members; ++row)
            for (int32_t column = 0; column < Ladder::Columns; ++column) {
                const int32_t code = built.Grid.Cell(row, column);
                if (code == RungDown || code == RungThrough)
                    inGrid.insert({row, column});
            }
        QVERIFY(drawn == inGrid);
        QCOMPARE(built.Surface.Strokes.size() - built.Surface.Verticals().size(), members);
    }
};

QUORVAN_TEST_APPLESS_MAIN(TestGeneration)
#include "TestGeneration.moc"
