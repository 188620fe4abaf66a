#include "ladder/FakeClock.h"
#include "window/WindowFixture.h"

using namespace quorvan;
using testing::WindowFixture;

namespace {

// A seed after which RandomBelow(range) yields `draws`.
uint32_t SeedFor(std::initializer_list<int32_t> draws, int32_t range)
{
    testing::FakeClock clock;
    for (uint32_t seed = 0;; ++seed) {
        RandomGenerator random(clock);
        random.RandomSeed = seed;
        bool matches = true;
        for (const int32_t draw : draws)
            matches = matches && random.RandomBelow(range) == draw;
        if (matches)
            return seed;
    }
}

} // namespace

class TestShuffle : public QObject {
    Q_OBJECT

private slots:
    void workedExample()
    {
        WindowFixture window("en", SeedFor({2, 0, 2, 1}, 3));
        window.SetUp(3);
        window.Fill("edit1_", {"A", "B", "C"});
        window.Fill("edit2_", {"X", "Y", "Z"});
        window.Click(window->shuffleMembersButton());
        QCOMPARE(window.Column("edit1_", 3), QStringList({"C", "A", "B"}));
        QCOMPARE(window.Column("edit2_", 3), QStringList({"X", "Y", "Z"}));
        QCOMPARE(window->shuffleMembersButton()->text(), QStringLiteral("Shuffle(1)"));
    }

    void everyTextMovesExactlyOnce()
    {
        WindowFixture window("en", 77);
        window.SetUp(40);
        QStringList texts;
        for (int row = 1; row <= 40; ++row)
            texts.append(row % 7 == 0 ? QString() : QStringLiteral("H%1").arg(row));
        window.Fill("edit2_", texts);
        for (uint64_t seed : {1, 2, 3}) {
            window.platform.Counter = seed;
            window.Click(window->shuffleHitsButton());
            QStringList shuffled = window.Column("edit2_", 40);
            QVERIFY(shuffled != texts);
            shuffled.sort();
            QStringList sorted = texts;
            sorted.sort();
            QCOMPARE(shuffled, sorted);
        }
        QCOMPARE(window.lottery().Model.HitShuffleCount, 3);
        QCOMPARE(window.lottery().Model.MemberShuffleCount, 0);
    }

    void countsAndCaptionsPerColumnAndLanguage()
    {
        WindowFixture window("ja");
        MainWindow& form = *window;
        window.Click(form.setUpButton());
        for (int i = 0; i < 3; ++i)
            window.Click(form.shuffleMembersButton());
        window.Click(form.shuffleHitsButton());
        QCOMPARE(form.shuffleMembersButton()->text(), QStringLiteral("ｼｬｯﾌﾙ(3)"));
        QCOMPARE(form.shuffleHitsButton()->text(), QStringLiteral("ｼｬｯﾌﾙ(1)"));

        window.platform.Speak("en");
        window.Click(form.shuffleHitsButton());
        QCOMPARE(form.shuffleHitsButton()->text(), QStringLiteral("Shuffle(2)"));

        window.Click(form.resetButton());
        QCOMPARE(form.shuffleMembersButton()->text(), QStringLiteral("Shuffle"));
        QCOMPARE(window.lottery().Model.MemberShuffleCount, 0);
        QCOMPARE(window.lottery().Model.HitShuffleCount, 0);
    }

    void twoRowsStayOrSwap()
    {
        WindowFixture window;
        window.Click(window->setUpButton());
        bool swapped = false, stayed = false;
        for (uint64_t seed = 0; seed < 20; ++seed) {
            window.platform.Counter = seed;
            window.Fill("edit1_", {"first", ""});
            window.Click(window->shuffleMembersButton());
            const QStringList column = window.Column("edit1_", 2);
            swapped |= column == QStringList({"", "first"});
            stayed |= column == QStringList({"first", ""});
            QVERIFY(column == QStringList({"", "first"}) || column == QStringList({"first", ""}));
        }
        QVERIFY(swapped && stayed);
    }
};

QUORVAN_TEST_MAIN(TestShuffle)
#include "TestShuffle.moc"
