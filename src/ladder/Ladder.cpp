#include "ladder/Ladder.h"

#include <string>

namespace quorvan {

void Ladder::OutOfRange(int32_t row, int32_t column)
{
    throw GridIndexError("Ladder grid index out of range: line " + std::to_string(row) + ", column "
                         + std::to_string(column));
}

void Ladder::Clear()
{
    cells_.fill(RungNone);
}

} // namespace quorvan
