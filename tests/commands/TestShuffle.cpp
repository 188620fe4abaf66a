#include "FakeClock.h"
#include "WindowFixture.h"

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

void Fill(WindowFixture& window, const char* prefix, const QStringList& texts)
{
    for (int row = 1; row <= texts.size(); ++row)
        window.Box(QStringLiteral("%1%2").arg(QString::fromLatin1(prefix)).arg(row))->setText(texts[row - 1]);
}

} // namespace

class TestShuffle : public QObject {
    Q_OBJECT

private slots:
    void workedExample()
    {
        WindowFixture window(1033, SeedFor({2, 0, 2, 1}, 3));
        window.ChooseCount(3);
        window.Click(window.form->BitBtn1);
        Fill(window, "edit1_", {"A", "B", "C"});
        Fill(window, "edit2_", {"X", "Y", "Z"});
        window.Click(window.form->Button4);
        QCOMPARE(window.Column("edit1_", 3), QStringList({"C", "A", "B"}));
        QCOMPARE(window.Column("edit2_", 3), QStringList({"X", "Y", "Z"}));
        QCOMPARE(window.form->Button4->text(), QStringLiteral("Shuffle(1)"));
        QVERIFY(window.form->Button4->isEnabled());
    }

    void everyTextMovesExactlyOnce()
    {
        WindowFixture window(1033, 77);
        window.ChooseCount(40);
        window.Click(window.form->BitBtn1);
        QStringList texts;
        for (int row = 1; row <= 40; ++row)
            texts.append(row % 7 == 0 ? QString() : QStringLiteral("H%1").arg(row));
        Fill(window, "edit2_", texts);
        for (uint64_t seed : {1, 2, 3}) {
            window.platform.Counter = seed;
            window.Click(window.form->Button5);
            QStringList shuffled = window.Column("edit2_", 40);
            QVERIFY(shuffled != texts);
            shuffled.sort();
            QStringList sorted = texts;
            sorted.sort();
            QCOMPARE(shuffled, sorted);
        }
        QCOMPARE(window.form->State.HitShuffleCount, 3);
        QCOMPARE(window.form->State.MemberShuffleCount, 0);
    }

    void countsAndCaptionsPerColumnAndLanguage()
    {
        WindowFixture window(1041);
        TFMAIN& form = *window.form;
        window.Click(form.BitBtn1);
        for (int i = 0; i < 3; ++i)
            window.Click(form.Button4);
        window.Click(form.Button5);
        QCOMPARE(form.Button4->text(), QStringLiteral("ｼｬｯﾌﾙ(3)"));
        QCOMPARE(form.Button5->text(), QStringLiteral("ｼｬｯﾌﾙ(1)"));

        window.platform.Locale = 1033;
        window.Click(form.Button5);
        QCOMPARE(form.Button5->text(), QStringLiteral("Shuffle(2)"));

        window.Click(form.BitBtn3);
        QCOMPARE(form.Button4->text(), QStringLiteral("Shuffle"));
        QCOMPARE(form.State.MemberShuffleCount, 0);
        QCOMPARE(form.State.HitShuffleCount, 0);
    }

    void twoRowsStayOrSwap()
    {
        WindowFixture window;
        window.Click(window.form->BitBtn1);
        Fill(window, "edit1_", {"first", ""});
        bool swapped = false, stayed = false;
        for (uint64_t seed = 0; seed < 20; ++seed) {
            window.platform.Counter = seed;
            Fill(window, "edit1_", {"first", ""});
            window.Click(window.form->Button4);
            const QStringList column = window.Column("edit1_", 2);
            swapped |= column == QStringList({"", "first"});
            stayed |= column == QStringList({"first", ""});
            QVERIFY(column == QStringList({"", "first"}) || column == QStringList({"first", ""}));
        }
        QVERIFY(swapped && stayed);
    }
};

QTEST_MAIN(TestShuffle)
#include "TestShuffle.moc"
