#include "ladder/RandomGenerator.h"

#include <stdexcept>
#include <string>

namespace quorvan {

void RandomGenerator::SeedRandom()
{
    if (const auto counter = clock_.PerformanceCounter())
        RandomSeed = static_cast<uint32_t>(*counter);
    else
        RandomSeed = clock_.MillisecondsSinceStart();
}

void RandomGenerator::RangeTooSmall(int32_t range)
{
    throw std::invalid_argument("Random range must be at least 1, not " + std::to_string(range));
}

} // namespace quorvan
