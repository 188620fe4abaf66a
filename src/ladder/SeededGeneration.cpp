#include "ladder/SeededGeneration.h"

namespace quorvan {

uint32_t GenerateLadderFromSeed(const LadderShape& shape, uint32_t seed, Ladder& grid, DrawingSurface& surface)
{
    RecordedSeed clock(seed);
    RandomGenerator random(clock);
    GenerateLadder(shape, grid, random, surface);
    return random.RandomSeed;
}

} // namespace quorvan
