#pragma once
// Everything the main window's commands share about the one ladder of the run.

#include "Ladder.h"
#include "RandomGenerator.h"

#include <cstdint>

namespace quorvan {

struct LadderState {
    explicit LadderState(SeedClock& clock) : Random(clock) {}

    int32_t RowCount = 0;           // rows whose boxes the next Set-up frees
    int32_t LadderBuilt = 0;        // 1 once Build has made a ladder
    int32_t LitHit = 0;             // hit line whose path is red, 0 for none
    int32_t ResultColumnShown = 0;  // 1 while the result column exists
    int32_t MemberShuffleCount = 0; // member shuffles since the last Set-up or Reset
    int32_t HitShuffleCount = 0;    // hit shuffles since the last Set-up or Reset

    Ladder Grid;
    RandomGenerator Random;
};

} // namespace quorvan
