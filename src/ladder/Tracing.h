#pragma once
// Following one path through the ladder, from a hit to its member.

#include "ladder/DrawingSurface.h"
#include "ladder/Ladder.h"

#include <cstdint>

namespace quorvan {

// Walks from the hit end of `hitLine` (the right edge) to the member end,
// taking every rung it meets, and draws the path with the surface's current
// pen. Returns the member line reached.
int32_t TraceFromHit(const Ladder& grid, DrawingSurface& surface, int32_t hitLine);

// The member line `hitLine` leads to: the same walk, without drawing.
int32_t EndOfPath(const Ladder& grid, int32_t hitLine);

} // namespace quorvan
