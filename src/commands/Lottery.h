#pragma once
// The lottery's state beside the window: what the commands share, the rung
// grid of the ladder drawn last, and the generator Build and Shuffle draw from.

#include "Ladder.h"
#include "RandomGenerator.h"
#include "WindowModel.h"

namespace quorvan {

struct Lottery {
    explicit Lottery(SeedClock& clock) : Random(clock) {}

    WindowModel Model;
    Ladder Grid;
    RandomGenerator Random;
};

} // namespace quorvan
