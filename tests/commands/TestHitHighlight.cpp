#include "window/Pixels.h"
#include "window/WindowFixture.h"

using namespace quorvan;
using namespace quorvan::testing;

namespace {

// A built ladder of `rows` rows with the generator seeded to `seed`.
struct BuiltWindow : WindowFixture {
    BuiltWindow(int rows, uint64_t seed) : WindowFixture("en", seed)
    {
        SetUp(rows);
        Click(window->buildButton());
    }

    QImage Image() const { return window->bitmap().Image().copy(); }
};

} // namespace

class TestHitHighlight : public QObject {
    Q_OBJECT

private slots:
    void clickDrawsThePathInRed()
    {
        BuiltWindow window(3, 0);
        window.Click(window.Box("edit2_2"));
        QCOMPARE(window.lottery().Model.LitHit, 2);
        const QImage& image = window->bitmap().Image();
        QCOMPARE(image.pixel(400, 40), Red);  // starts on line 2
        QCOMPARE(image.pixel(370, 30), Red);  // climbs at column 37
        QCOMPARE(image.pixel(200, 20), Red);  // along line 1
        QCOMPARE(image.pixel(70, 50), Red);   // down at column 7
        QCOMPARE(image.pixel(0, 60), Red);    // reaches member 3
        QCOMPARE(image.pixel(400, 20), Black);
        QCOMPARE(window->bitmap().PenColour(), ColourRed);
    }

    void onlyTheLastClickedPathStaysRed()
    {
        BuiltWindow window(12, 31337);
        const QImage ladder = window.Image();
        window.Click(window.Box("edit2_5"));
        const QImage onlyFive = window.Image();
        window.Click(window.Box("edit2_5"));
        QCOMPARE(window.Image(), onlyFive);

        window.Click(window.Box("Edit2_1"));
        window.Click(window.Box("edit2_12"));
        window.Click(window.Box("edit2_5"));
        QCOMPARE(window.Image(), onlyFive);
        QVERIFY(CountPixels(onlyFive, Red) > 2 * 440);

        // ［HIT-ALL］ draws every path black: the ladder as it was built.
        window.Click(window->hitAllButton());
        QCOMPARE(window.Image(), ladder);
        QCOMPARE(window.lottery().Model.LitHit, 0); // no path is red
        window.Click(window.Box("edit2_12"));
        QCOMPARE(window.lottery().Model.LitHit, 12);
    }

    void clicksBeforeBuildOrAfterResetDrawNothing()
    {
        WindowFixture window;
        window.Click(window->setUpButton());
        for (const bool afterReset : {false, true}) {
            if (afterReset) {
                window.Click(window->buildButton());
                window.Click(window.Box("edit2_2"));
                window.Click(window->resetButton());
            }
            const QImage before = window->bitmap().Image().copy();
            window.Click(window.Box("edit2_2"));
            QCOMPARE(window->bitmap().Image(), before);
            QCOMPARE(window.lottery().Model.LitHit, 0);
            QCOMPARE(CountPixels(before, Red), 0);
        }
    }

    // A rung that leads off the grid (the grid damaged behind the program's
    // back) ends the click with a message; ［HIT-ALL］, Reset and Set-up
    // still work afterwards.
    void aPathOffTheGridEndsWithAMessage()
    {
        BuiltWindow window(3, 0);
        window.lottery().Grid.SetCell(3, 43, RungDown); // no rung arrives below
        window.Click(window.Box("edit2_3"));
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY2(window.platform.Errors.first().contains("out of range"), qPrintable(window.platform.Errors.first()));
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);

        window.Click(window->resetButton());
        window.Click(window->setUpButton());
        window.Click(window->buildButton());
        window.Click(window->hitAllButton());
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY(window.Box("edit3_2"));
    }
};

QUORVAN_TEST_MAIN(TestHitHighlight)
#include "TestHitHighlight.moc"
