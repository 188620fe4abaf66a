// Winners are listed in the order the hit list was loaded, whatever shuffles
// moved the hits meanwhile. Each row's expectation is worked by hand: the
// hits are moved as the shuffle moves texts, and the winners read off.

#include "drawrecord/PrizeOrder.h"

using namespace quorvan;

Q_DECLARE_METATYPE(std::vector<quorvan::DrawEvent>)

class TestPrizeOrder : public QObject {
    Q_OBJECT
private slots:
    void winners_data();
    void winners();
};

void TestPrizeOrder::winners_data()
{
    QTest::addColumn<QStringList>("hitsShown");     // the hit boxes after the history
    QTest::addColumn<std::vector<DrawEvent>>("history");
    QTest::addColumn<QStringList>("expected");      // "hit>member", members are M<row>

    const auto hits = [](std::vector<int32_t> order, bool fair = true) {
        return DrawEvent{ShuffleEvent{DrawColumn::Hits, fair, std::nullopt, std::move(order)}};
    };
    // Loaded: 1st, 2nd, (empty), 3rd.
    QTest::newRow("no shuffle") << QStringList{"1st", "2nd", "", "3rd"} << std::vector<DrawEvent>{}
                                << QStringList{"1st>M1", "2nd>M2", "3rd>M4"};
    // Row 1 takes row 4's 3rd, row 2 row 3's empty, row 3 row 1's 1st, row 4 row 2's 2nd.
    QTest::newRow("fair draw") << QStringList{"3rd", "", "1st", "2nd"} << std::vector<DrawEvent>{hits({4, 3, 1, 2})}
                               << QStringList{"1st>M3", "2nd>M4", "3rd>M1"};
    // Then rows 1 and 4 change places: 2nd, empty, 1st, 3rd.
    QTest::newRow("two shuffles") << QStringList{"2nd", "", "1st", "3rd"}
                                  << std::vector<DrawEvent>{hits({4, 3, 1, 2}), hits({4, 2, 3, 1}, false)}
                                  << QStringList{"1st>M3", "2nd>M1", "3rd>M4"};
    // A member shuffle moves no hit; a hit list loaded again starts the order anew.
    QTest::newRow("members shuffled, hits loaded again")
        << QStringList{"", "A", "B", "C"}
        << std::vector<DrawEvent>{hits({4, 3, 1, 2}), LoadEvent{DrawColumn::Hits, 4},
                                  DrawEvent{ShuffleEvent{DrawColumn::Members, false, 7u, {2, 1, 4, 3}}}}
        << QStringList{"A>M2", "B>M3", "C>M4"};
}

void TestPrizeOrder::winners()
{
    QFETCH(QStringList, hitsShown);
    QFETCH(std::vector<DrawEvent>, history);
    QFETCH(QStringList, expected);
    QList<ResultPair> results;
    for (int row = 1; row <= hitsShown.size(); ++row)
        results.append({hitsShown[row - 1], QStringLiteral("M%1").arg(row)});
    QStringList found;
    for (const ResultPair& winner :
         WinnersInPrizeOrder(results, PrizeRows(history, static_cast<int32_t>(hitsShown.size()))))
        found.append(winner.Hit + '>' + winner.Member);
    QCOMPARE(found, expected);
}

QUORVAN_TEST_GUILESS_MAIN(TestPrizeOrder)
#include "TestPrizeOrder.moc"
