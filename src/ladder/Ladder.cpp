#include "Ladder.h"

#include <string>

namespace quorvan {

std::size_t Ladder::IndexOf(int32_t row, int32_t column)
{
    if (row < 0 || row >= Rows || column < 0 || column >= Columns)
        throw GridIndexError("Ladder grid index out of range: line " + std::to_string(row)
                             + ", column " + std::to_string(column));
    return static_cast<std::size_t>(row) * Columns + static_cast<std::size_t>(column);
}

int32_t Ladder::Cell(int32_t row, int32_t column) const
{
    return cells_[IndexOf(row, column)];
}

void Ladder::SetCell(int32_t row, int32_t column, int32_t code)
{
    cells_[IndexOf(row, column)] = code;
}

void Ladder::Clear()
{
    cells_.fill(RungNone);
}

} // namespace quorvan
