#include "ladder/FakeClock.h"
#include "ladder/RandomGenerator.h"

using namespace quorvan;

class TestRandomGenerator : public QObject {
    Q_OBJECT

private slots:
    void sequenceFromSeedZero()
    {
        testing::FakeClock clock;
        RandomGenerator random(clock);
        random.RandomSeed = 0;
        QCOMPARE(random.RandomBelow(17), 0);
        QCOMPARE(random.RandomSeed, 1u);
        const int32_t expected[] = {1, 36, 8};
        const uint32_t states[] = {134775814u, 3698175007u, 870078620u};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(random.RandomBelow(42), expected[i]);
            QCOMPARE(random.RandomSeed, states[i]);
        }
    }

    void highestSeedStaysBelowRange()
    {
        testing::FakeClock clock;
        RandomGenerator random(clock);
        random.RandomSeed = 4294967295u;
        QCOMPARE(random.RandomBelow(42), 40);
        QCOMPARE(random.RandomSeed, 4160191484u);
    }

    void resultsAlwaysBelowRange()
    {
        testing::FakeClock clock;
        RandomGenerator random(clock);
        for (const int32_t range : {1, 2, 17, 42, 480, 2147483647}) {
            random.RandomSeed = 0xFFFFFFFFu - static_cast<uint32_t>(range);
            for (int i = 0; i < 2000; ++i) {
                const int32_t value = random.RandomBelow(range);
                QVERIFY(value >= 0 && value < range);
            }
        }
    }

    void rangeBelowOneIsAnError()
    {
        testing::FakeClock clock;
        RandomGenerator random(clock);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, random.RandomBelow(0));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, random.RandomBelow(-5));
    }

    void seedsFromCounterLowBitsOrTicks()
    {
        testing::FakeClock clock;
        RandomGenerator random(clock);
        clock.Counter = 0x1234'0000'0008ull;
        clock.Ticks = 77;
        random.SeedRandom();
        QCOMPARE(random.RandomSeed, 8u);

        clock.Counter = std::nullopt;
        random.SeedRandom();
        QCOMPARE(random.RandomSeed, 77u);
    }
};

QUORVAN_TEST_APPLESS_MAIN(TestRandomGenerator)
#include "TestRandomGenerator.moc"
