#include "ladder/SeededGeneration.h"

#include <algorithm>

namespace quorvan {

namespace {

// With a surface or without one.
template <typename... Surface>
uint32_t FromSeed(const LadderShape& shape, uint32_t seed, Ladder& grid, Surface&... surface)
{
    RecordedSeed clock(seed);
    RandomGenerator random(clock);
    GenerateLadder(shape, grid, random, surface...);
    return random.RandomSeed;
}

} // namespace

std::vector<int32_t> ProgramShuffleOrder(int32_t rows, uint32_t seed)
{
    RecordedSeed clock(seed);
    RandomGenerator random(clock);
    random.SeedRandom();
    std::vector<int32_t> order;
    std::vector<bool> drawn(static_cast<size_t>(std::max(rows, 0)) + 1, false);
    while (order.size() != drawn.size() - 1) {
        const int32_t row = random.RandomBelow(rows) + 1;
        if (!drawn[row]) {
            drawn[row] = true;
            order.push_back(row);
        }
    }
    return order;
}

uint32_t GenerateLadderFromSeed(const LadderShape& shape, uint32_t seed, Ladder& grid, DrawingSurface& surface)
{
    return FromSeed(shape, seed, grid, surface);
}

uint32_t GenerateLadderFromSeed(const LadderShape& shape, uint32_t seed, Ladder& grid)
{
    return FromSeed(shape, seed, grid);
}

} // namespace quorvan
