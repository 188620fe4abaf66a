#include "ladder/RandomGenerator.h"

#include <stdexcept>
#include <string>

namespace quorvan {

namespace {
constexpr uint32_t Multiplier = 134775813; // 0x8088405
}

void RandomGenerator::SeedRandom()
{
    if (const auto counter = clock_.PerformanceCounter())
        RandomSeed = static_cast<uint32_t>(*counter);
    else
        RandomSeed = clock_.MillisecondsSinceStart();
}

int32_t RandomGenerator::RandomBelow(int32_t range)
{
    if (range < 1)
        throw std::invalid_argument("Random range must be at least 1, not " + std::to_string(range));
    RandomSeed = RandomSeed * Multiplier + 1u; // unsigned: wraps modulo 2^32 by definition
    const uint64_t scaled = static_cast<uint64_t>(RandomSeed) * static_cast<uint64_t>(range);
    return static_cast<int32_t>(scaled >> 32);
}

} // namespace quorvan
