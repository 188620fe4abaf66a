#pragma once
// Filling the rung grid at random and drawing the ladder.

#include "ladder/DrawingSurface.h"
#include "ladder/Ladder.h"
#include "ladder/RandomGenerator.h"

#include <cstdint>

namespace quorvan {

struct LadderShape {
    int32_t MemberCount = 0; // lines 1 .. MemberCount, RowPitch apart
    bool CrossLines = false; // whether rungs of neighbouring gaps may meet on a line
};

// Zeroes the grid, seeds the generator, then draws every member line in black
// and scatters the rungs of each gap, recording them in the grid.
void GenerateLadder(const LadderShape& shape, Ladder& grid, RandomGenerator& random,
                    DrawingSurface& surface);
// The same ladder, drawn nowhere: for finding where its paths end.
void GenerateLadder(const LadderShape& shape, Ladder& grid, RandomGenerator& random);

} // namespace quorvan
