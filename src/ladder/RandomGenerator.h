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

    // A number in 0 .. range - 1; range must be at least 1. Inline: a ladder
    // of the fairness view draws thousands.
    int32_t RandomBelow(int32_t range)
    {
        if (range < 1) [[unlikely]]
            RangeTooSmall(range);
        RandomSeed = RandomSeed * Multiplier + 1u; // unsigned: wraps modulo 2^32 by definition
        const uint64_t scaled = static_cast<uint64_t>(RandomSeed) * static_cast<uint64_t>(range);
        return static_cast<int32_t>(scaled >> 32);
    }

    uint32_t RandomSeed = 0;

private:
    static constexpr uint32_t Multiplier = 134775813; // 0x8088405
    [[noreturn]] static void RangeTooSmall(int32_t range);

    SeedClock& clock_;
};

} // namespace quorvan
