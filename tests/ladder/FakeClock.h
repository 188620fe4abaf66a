#pragma once
// A clock for tests: the generator is seeded with what the test chooses.

#include "ladder/RandomGenerator.h"

namespace quorvan::testing {

class FakeClock final : public SeedClock {
public:
    std::optional<uint64_t> Counter = 0;
    uint32_t Ticks = 0;

    std::optional<uint64_t> PerformanceCounter() override { return Counter; }
    uint32_t MillisecondsSinceStart() override { return Ticks; }
};

} // namespace quorvan::testing
