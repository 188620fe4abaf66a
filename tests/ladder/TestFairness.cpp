#include "ladder/FairnessFigures.h"
#include "ladder/FakeClock.h"
#include "ladder/Landings.h"
#include "ladder/NoDrawing.h"
#include "ladder/Tracing.h"

#include <QCryptographicHash>

using namespace quorvan;
using testing::FakeClock;

namespace {

FairnessResult Simulate(const FairnessRun& run)
{
    FairnessSimulation simulation(run);
    auto result = simulation.Wait();
    if (!result)
        throw std::logic_error("The simulation ended without counts");
    return std::move(*result);
}

double Share(const FairnessResult& result, const LandingCounts& counts, int32_t hit, int32_t member)
{
    return static_cast<double>(counts.Count(hit, member)) / result.Ladders;
}

} // namespace

class TestFairness : public QObject {
    Q_OBJECT

private slots:
    void landingsAreWhereTracingEnds_data()
    {
        QTest::addColumn<int>("members");
        QTest::addColumn<bool>("crossLines");
        QTest::addColumn<int>("ladders");
        QTest::newRow("2 crossing") << 2 << true << 300;
        QTest::newRow("3 apart") << 3 << false << 300;
        QTest::newRow("10 crossing") << 10 << true << 300;
        QTest::newRow("10 apart") << 10 << false << 300;
        QTest::newRow("480 crossing") << 480 << true << 20;
        QTest::newRow("480 apart") << 480 << false << 20;
    }
    void landingsAreWhereTracingEnds()
    {
        QFETCH(int, members);
        QFETCH(bool, crossLines);
        QFETCH(int, ladders);
        FakeClock clock;
        RandomGenerator random(clock);
        NoDrawing nowhere;
        auto grid = std::make_unique<Ladder>();
        LandingLines landings{};
        for (int seed = 0; seed < ladders; ++seed) {
            clock.Counter = 7919u * static_cast<uint32_t>(seed);
            GenerateLadder({members, crossLines}, *grid, random, nowhere);
            FindLandings(*grid, members, landings);
            for (int32_t hit = 1; hit <= members; ++hit)
                QCOMPARE(landings[hit], EndOfPath(*grid, hit));
        }
    }

    // Every ladder sends each hit to one member and each member gets one hit,
    // and the counts follow from the seed alone, however many threads share them.
    void countsAreOneLandingPerHitAndLadder()
    {
        const FairnessResult one = Simulate({{30, true}, 500, 7, 1});
        const FairnessResult three = Simulate({{30, true}, 500, 7, 3});
        for (const LandingCounts* counts : {&one.AsDrawn, &one.Shuffled}) {
            for (int32_t line = 1; line <= 30; ++line) {
                uint32_t ofHit = 0;
                uint32_t ofMember = 0;
                for (int32_t other = 1; other <= 30; ++other) {
                    ofHit += counts->Count(line, other);
                    ofMember += counts->Count(other, line);
                }
                QCOMPARE(ofHit, 500u);
                QCOMPARE(ofMember, 500u);
            }
        }
        QCOMPARE(LandingCountsCsv(three.AsDrawn), LandingCountsCsv(one.AsDrawn));
        QCOMPARE(LandingCountsCsv(three.Shuffled), LandingCountsCsv(one.Shuffled));
        QVERIFY(LandingCountsCsv(Simulate({{30, true}, 500, 8, 1}).AsDrawn) != LandingCountsCsv(one.AsDrawn));
    }

    // Ten members, 20,000 ladders: the last hit lands far more often on a
    // member near it than on the first one; a shuffle first makes every pair
    // about as likely as 1/10.
    void tenMembersStayNearTheirLine()
    {
        const FairnessResult result = Simulate({{10, true}, 20000, 2024, 0});
        QVERIFY(Share(result, result.AsDrawn, 10, 9) > 0.15);
        QVERIFY(Share(result, result.AsDrawn, 10, 1) < 0.05);
        for (int32_t hit = 1; hit <= 10; ++hit)
            for (int32_t member = 1; member <= 10; ++member)
                QVERIFY(std::abs(Share(result, result.Shuffled, hit, member) - 0.1) < 0.015);
    }

    // The counts of fixed runs as the engine gave them before it was made
    // faster (SHA-1 of the comma-separated counts, as drawn and shuffled):
    // the faster engine gives the same, ladder for ladder.
    void countsAreThoseOfTheEarlierEngine_data()
    {
        QTest::addColumn<int>("members");
        QTest::addColumn<bool>("crossLines");
        QTest::addColumn<int>("ladders");
        QTest::addColumn<qulonglong>("seed");
        QTest::addColumn<QByteArray>("asDrawn");
        QTest::addColumn<QByteArray>("shuffled");
        QTest::newRow("2 crossing") << 2 << true << 1000 << 11ull << QByteArray("82e33a15c79919876118056a0720e0c4fc30060e")
                                    << QByteArray("0c11e1c99213ab2362643155e62ae2c359d6941f");
        QTest::newRow("30 crossing") << 30 << true << 2000 << 7ull << QByteArray("2be145488d197ef769e62eb0d0c2f65f7e589fa0")
                                     << QByteArray("c26fd554276d45e9893ccf1a7651c79ab57d7ddf");
        QTest::newRow("30 apart") << 30 << false << 2000 << 9ull << QByteArray("da42628afac38cee99fa44f3d1853fd861b69bc0")
                                  << QByteArray("241d2e4acba6d41b58690189dd677c5c740b5038");
        QTest::newRow("131 crossing") << 131 << true << 500 << 42ull << QByteArray("8ec0c103af69c52b3acb204fb63395227113f83a")
                                      << QByteArray("5e5a4de27f8badde1d97daa5b9c7a49903cfd6db");
        QTest::newRow("480 crossing") << 480 << true << 200 << 3ull << QByteArray("2737dd320e1e16b062217fef54ad1ede0507f035")
                                      << QByteArray("123bbd51f75ce3a5640ed122079319ec6abf5781");
        QTest::newRow("480 apart") << 480 << false << 200 << 5ull << QByteArray("d47598579aad8a5cde16a419cdf0d1e382876ce3")
                                   << QByteArray("5fab92f4b30b510b9535c4da16f19d2b58daf6ae");
    }
    void countsAreThoseOfTheEarlierEngine()
    {
        QFETCH(int, members);
        QFETCH(bool, crossLines);
        QFETCH(int, ladders);
        QFETCH(qulonglong, seed);
        QFETCH(QByteArray, asDrawn);
        QFETCH(QByteArray, shuffled);
        const FairnessResult result = Simulate({{members, crossLines}, ladders, seed, 2});
        const auto digest = [](const LandingCounts& counts) {
            return QCryptographicHash::hash(QByteArray::fromStdString(LandingCountsCsv(counts)),
                                            QCryptographicHash::Sha1)
                .toHex();
        };
        QCOMPARE(digest(result.AsDrawn), asDrawn);
        QCOMPARE(digest(result.Shuffled), shuffled);
    }

    void cancelStopsTheThreads()
    {
        FairnessSimulation simulation({{480, false}, 1000000, 1, 0});
        simulation.Cancel();
        QVERIFY(!simulation.Wait());
        QVERIFY(simulation.Finished());
        QVERIFY(simulation.LaddersDone() < 1000);
    }

    void figures()
    {
        // Three members over four ladders: hit 1 went to member 1 three times.
        LandingCounts counts(3);
        for (const auto& [hit, member] : {std::pair{1, 1}, {1, 1}, {1, 1}, {1, 2}, {2, 2}, {2, 2}, {2, 1},
                                         {2, 3}, {3, 3}, {3, 3}, {3, 3}, {3, 2}})
            counts.Add(hit, member);
        const FairnessFigures figures = FiguresOf(counts, 4);
        QCOMPARE(figures.LikeliestHit, 1);
        QCOMPARE(figures.LikeliestMember, 1);
        QCOMPARE(figures.LikeliestShare, 0.75);
        QCOMPARE(figures.TimesFair, 2.25);
        QCOMPARE(figures.NeverShare, 2.0 / 9);
        QCOMPARE(figures.MedianDistance, 0); // 8 of the 12 landings stayed on their line
        // Worked by hand: 1.96 x 3 x sqrt(0.75 x 0.25 / 4); 1 + sqrt(2 ln 9) x sqrt(2 / 4); with four ladders
        // the median's margin reaches from the 1st to the 99th percentile, distances 0 and 1.
        QVERIFY(qAbs(figures.TimesFairMargin - 1.273057) < 1e-6);
        QVERIFY(qAbs(figures.ChanceAloneTimesFair - 2.482304) < 1e-6);
        QCOMPARE(figures.MedianLow, 0);
        QCOMPARE(figures.MedianHigh, 1);
        QVERIFY(qAbs(FairMedianDistance(100) - 29.289322) < 1e-6);
        QCOMPARE(QByteArray::fromStdString(LandingCountsCsv(counts)),
                 "hit \\ member,1,2,3\r\n1,3,1,0\r\n2,1,2,1\r\n3,0,1,3\r\n");
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestFairness)
#include "TestFairness.moc"
