#include "platform/QtPlatform.h"

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <utility>

using namespace quorvan;

namespace {

using Shuffle = std::function<std::vector<int32_t>(RandomWords&)>;

constexpr int32_t Rows = 4;     // 24 orders
constexpr int Draws = 24'000;   // 1,000 of each expected
// The χ² statistic of 23 degrees of freedom exceeds this with probability
// 1e-6: Q(23/2, 70.55/2) = 1e-6, Q the regularised upper incomplete gamma
// function. A fair shuffle fails one run in a million.
constexpr double Critical = 70.55;

// χ² of how often each order of the rows came out of `Draws` shuffles.
double ChiSquare(const Shuffle& shuffle, RandomWords& words)
{
    std::map<std::vector<int32_t>, int> counts;
    for (int draw = 0; draw < Draws; ++draw)
        ++counts[shuffle(words)];
    std::vector<int32_t> order(Rows);
    std::iota(order.begin(), order.end(), 1);
    const double expected = Draws / 24.0;
    double sum = 0;
    do {
        const double difference = counts[order] - expected;
        sum += difference * difference / expected;
    } while (std::next_permutation(order.begin(), order.end()));
    return sum;
}

std::vector<int32_t> Identity()
{
    std::vector<int32_t> order(Rows);
    std::iota(order.begin(), order.end(), 1);
    return order;
}

} // namespace

class TestSecureRandom : public QObject {
    Q_OBJECT

private slots:
    // The fair draw's shuffle, fed by the kernel's getrandom.
    void fairOrderIsUniform()
    {
        QtPlatform platform;
        SecureWords secure(platform);
        const double chiSquare = ChiSquare([](RandomWords& words) { return UniformOrder(Rows, words); }, secure);
        QVERIFY2(chiSquare < Critical, qPrintable(QString::number(chiSquare)));
    }

    // The same check finds the shuffles that are known to be unfair.
    void unfairShufflesAreFound_data()
    {
        QTest::addColumn<Shuffle>("shuffle");
        QTest::newRow("every row swapped with any row") << Shuffle([](RandomWords& words) {
            std::vector<int32_t> order = Identity();
            for (size_t row = 0; row < order.size(); ++row)
                std::swap(order[row], order[UniformBelow(Rows, words)]);
            return order;
        });
        QTest::newRow("never swapped with itself") << Shuffle([](RandomWords& words) {
            std::vector<int32_t> order = Identity();
            for (size_t last = order.size(); last > 1; --last)
                std::swap(order[last - 1], order[UniformBelow(static_cast<uint32_t>(last - 1), words)]);
            return order;
        });
    }

    void unfairShufflesAreFound()
    {
        QFETCH(Shuffle, shuffle);
        QtPlatform platform;
        SecureWords secure(platform);
        QVERIFY(ChiSquare(shuffle, secure) > Critical);
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestSecureRandom)
#include "TestSecureRandom.moc"
