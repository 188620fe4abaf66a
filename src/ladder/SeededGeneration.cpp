#include "ladder/SeededGeneration.h"

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

uint32_t GenerateLadderFromSeed(const LadderShape& shape, uint32_t seed, Ladder& grid, DrawingSurface& surface)
{
    return FromSeed(shape, seed, grid, surface);
}

uint32_t GenerateLadderFromSeed(const LadderShape& shape, uint32_t seed, Ladder& grid)
{
    return FromSeed(shape, seed, grid);
}

} // namespace quorvan
