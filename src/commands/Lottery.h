#pragma once
// The lottery's state beside the window: what the commands share, the rung
// grid of the ladder drawn last, and the generator Build and Shuffle draw from.

#include "ladder/Ladder.h"
#include "ladder/RandomGenerator.h"
#include "commands/RevealOrder.h"
#include "window/WindowModel.h"

namespace quorvan {

struct Lottery {
    explicit Lottery(SeedClock& clock) : Random(clock) {}

    WindowModel Model;
    Ladder Grid;
    RandomGenerator Random;
    // The prizes revealed since Build.
    RevealOrder Reveals;
};

} // namespace quorvan
