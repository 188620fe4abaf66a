#include "ladder/UniformShuffle.h"

#include <vector>

using namespace quorvan;

namespace {

// Words given in turn.
class GivenWords final : public RandomWords {
public:
    explicit GivenWords(std::vector<uint32_t> words) : words_(std::move(words)) {}
    uint32_t NextWord() override { return words_.at(next_++); }
    size_t Taken() const { return next_; }

private:
    std::vector<uint32_t> words_;
    size_t next_ = 0;
};

} // namespace

class TestUniformShuffle : public QObject {
    Q_OBJECT

private slots:
    // A word at or above the largest multiple of the bound would make the
    // low remainders more likely: it is drawn again.
    void wordsThatWouldBiasAreDrawnAgain_data()
    {
        QTest::addColumn<uint32_t>("bound");
        QTest::addColumn<std::vector<uint32_t>>("words");
        QTest::addColumn<uint32_t>("drawn");
        QTest::addColumn<int>("taken");
        QTest::newRow("bound 3, top word") << 3u << std::vector<uint32_t>{0xFFFFFFFF, 5} << 2u << 2;
        QTest::newRow("bound 3, below the top") << 3u << std::vector<uint32_t>{0xFFFFFFFE} << 2u << 1;
        QTest::newRow("bound 2^31 + 1") << 0x80000001u << std::vector<uint32_t>{0x80000001, 0xFFFFFFFF, 0x80000000}
                                        << 0x80000000u << 3;
        QTest::newRow("power of two takes every word") << 4u << std::vector<uint32_t>{0xFFFFFFFF} << 3u << 1;
        QTest::newRow("bound 1") << 1u << std::vector<uint32_t>{0xFFFFFFFF} << 0u << 1;
    }

    void wordsThatWouldBiasAreDrawnAgain()
    {
        QFETCH(uint32_t, bound);
        QFETCH(std::vector<uint32_t>, words);
        QFETCH(uint32_t, drawn);
        QFETCH(int, taken);
        GivenWords given(words);
        QCOMPARE(UniformBelow(bound, given), drawn);
        QCOMPARE(given.Taken(), static_cast<size_t>(taken));
    }
};

QUORVAN_TEST_APPLESS_MAIN(TestUniformShuffle)
#include "TestUniformShuffle.moc"
