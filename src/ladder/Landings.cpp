#include "ladder/Landings.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace quorvan {

// Paths run from the right edge to the left, so the columns are taken from
// the right. In one column every rung, or run of rungs crossing lines
// straight (RungDown, any RungThrough, then RungUp), joins its top line and
// its bottom line: the paths on those two lines change places and every
// other path goes straight on. Columns 0 and the last never hold a rung.
void FindLandings(const Ladder& grid, int32_t members, LandingLines& memberOfHit)
{
    if (members < 1 || members >= Ladder::Rows)
        throw std::out_of_range("Cannot follow a ladder of " + std::to_string(members) + " members");

    // The hit whose path is on each line, as the walk goes left.
    LandingLines hitOnLine{};
    for (int32_t line = 1; line <= members; ++line)
        hitOnLine[line] = line;

    for (int32_t column = Ladder::Columns - 2; column >= 1; --column) {
        int32_t top = 0;
        grid.ForEachRungIn(column, [&](int32_t line, int32_t code) {
            if (code == RungDown)
                top = line;
            else if (code == RungUp)
                std::swap(hitOnLine[top], hitOnLine[line]);
        });
    }
    for (int32_t line = 1; line <= members; ++line)
        memberOfHit[hitOnLine[line]] = line;
}

} // namespace quorvan
