#pragma once
// The program's one pseudo-random generator, shared by Build and the shuffles:
// a 32-bit linear congruential generator seeded from the clock.

#include <cstdint>
#include <optional>

namespace quorvan {

// Where the generator's seed comes from; the platform layer provides it.
class SeedClock {
public:
    virtual ~SeedClock() = default;
    // The high-resolution performance counter, or nothing if it cannot be read.
    virtual std::optional<uint64_t> PerformanceCounter() = 0;
    // Milliseconds since the system started.
    virtual uint32_t MillisecondsSinceStart() = 0;
};

class RandomGenerator {
public:
    explicit RandomGenerator(SeedClock& clock) : clock_(clock) {}

    // Seeds from the performance counter's low 32 bits, or from the tick count.
    void SeedRandom();

    // A number in 0 .. range - 1; range must be at least 1.
    int32_t RandomBelow(int32_t range);

    uint32_t RandomSeed = 0;

private:
    SeedClock& clock_;
};

} // namespace quorvan
