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
    for (int32_t column = 0; column < Columns; ++column)
        ForEachRungIn(column, [&](int32_t line, int32_t) {
            cells_[static_cast<std::size_t>(line) * Columns + static_cast<std::size_t>(column)] = RungNone;
        });
    touched_ = {};
}

} // namespace quorvan
