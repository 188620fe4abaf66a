#pragma once
// A uniformly random order, for the fair draw: every order of the rows is
// equally likely, given random words that are.

#include <cstdint>
#include <vector>

namespace quorvan {

// A source of independent, uniformly distributed 32-bit words.
class RandomWords {
public:
    virtual ~RandomWords() = default;
    virtual uint32_t NextWord() = 0;
};

// A number in 0 .. bound - 1, each equally likely (bound at least 1). A word
// from the top of the range, where the remainder would favour small numbers,
// is drawn again.
uint32_t UniformBelow(uint32_t bound, RandomWords& words);

// A random order of rows 1 .. rows (Fisher–Yates): entry r - 1 is the row
// whose content row r receives.
std::vector<int32_t> UniformOrder(int32_t rows, RandomWords& words);

} // namespace quorvan
