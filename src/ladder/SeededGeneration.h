#pragma once
// Making a ladder from a given seed: the seed Build took from the clock, or
// one a draw record holds, gives the same ladder again.

#include "ladder/Generation.h"

#include <cstdint>
#include <vector>

namespace quorvan {

// A clock whose counter always reads `seed`: the generator seeded from it
// starts exactly there, since seeding takes the counter's low 32 bits.
class RecordedSeed final : public SeedClock {
public:
    explicit RecordedSeed(uint32_t seed) : seed_(seed) {}
    std::optional<uint64_t> PerformanceCounter() override { return seed_; }
    uint32_t MillisecondsSinceStart() override { return seed_; }

private:
    uint32_t seed_;
};

// The order a Shuffle button gives `rows` rows from `seed`: row m receives
// the text of the m-th distinct row the generator draws (RandomBelow(rows) + 1).
std::vector<int32_t> ProgramShuffleOrder(int32_t rows, uint32_t seed);

// GenerateLadder with the generator seeded at `seed`. Returns the generator's
// state when generation ends.
uint32_t GenerateLadderFromSeed(const LadderShape& shape, uint32_t seed, Ladder& grid, DrawingSurface& surface);
// The same ladder, drawn nowhere.
uint32_t GenerateLadderFromSeed(const LadderShape& shape, uint32_t seed, Ladder& grid);

} // namespace quorvan
