#pragma once
// Where every hit of a ladder lands, found in one pass over the rungs rather
// than by walking each path on its own.

#include "ladder/Ladder.h"

#include <array>
#include <cstdint>

namespace quorvan {

// Index hit line h (1 .. the member count) to the member line it lands on;
// index 0 is unused.
using LandingLines = std::array<int32_t, Ladder::Rows>;

// The member line each hit line 1 .. `members` of a grid that Build made
// reaches, the same as TraceFromHit finds for it.
void FindLandings(const Ladder& grid, int32_t members, LandingLines& memberOfHit);

} // namespace quorvan
