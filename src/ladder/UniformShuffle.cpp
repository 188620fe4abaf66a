#include "ladder/UniformShuffle.h"

#include <numeric>
#include <stdexcept>
#include <string>
#include <utility>

namespace quorvan {

uint32_t UniformBelow(uint32_t bound, RandomWords& words)
{
    if (bound == 0)
        throw std::invalid_argument("A uniform draw needs a bound of at least 1");
    constexpr uint64_t WordValues = uint64_t{1} << 32;
    // The largest multiple of bound that words can reach: below it every remainder is as frequent.
    const uint64_t accepted = WordValues - WordValues % bound;
    for (;;) {
        const uint32_t word = words.NextWord();
        if (word < accepted)
            return word % bound;
    }
}

std::vector<int32_t> UniformOrder(int32_t rows, RandomWords& words)
{
    if (rows < 0)
        throw std::invalid_argument("Cannot order " + std::to_string(rows) + " rows");
    std::vector<int32_t> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 1);
    for (size_t last = order.size(); last > 1; --last) {
        const uint32_t chosen = UniformBelow(static_cast<uint32_t>(last), words);
        std::swap(order[last - 1], order[chosen]);
    }
    return order;
}

} // namespace quorvan
