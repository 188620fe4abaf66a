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
// The most characters one name (a member, a hit) holds, counted as a box
// counts them (UTF-16 units): far more than any real name, and few enough
// that two full lists of such names and their boxes take little memory. A
// longer name read from a list is cut to this length, and the list check
// says so; a box takes no more; a draw record holding a longer name is no
// record this program wrote.
constexpr int32_t LongestName = 1024;

} // namespace quorvan
