#pragma once
// Where the ladder lies on its image, in pixels from the image's top-left
// corner, x to the right and y downward.

#include "ladder/Ladder.h"

#include <cstdint>

namespace quorvan {

// Member line r lies at y = r × RowPitch.
constexpr int32_t RowPitch = 20;
// Column c lies at x = c × ColumnPitch on every line.
constexpr int32_t ColumnPitch = 10;
// The image's width: every line runs from its member end at x = 0 to its hit end here.
constexpr int32_t LadderWidth = Ladder::Columns * ColumnPitch;
// The most members a lottery has, and so the most lines of a ladder.
constexpr int32_t MostMembers = 480;

} // namespace quorvan
