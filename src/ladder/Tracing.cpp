#include "ladder/Tracing.h"

#include "ladder/Checked.h"
#include "ladder/Geometry.h"
#include "ladder/NoDrawing.h"

namespace quorvan {

namespace {

constexpr int32_t LastColumn = Ladder::Columns - 1;

void Stroke(DrawingSurface& surface, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    surface.MoveTo(x0, y0);
    surface.LineTo(x1, y1);
}

} // namespace

int32_t EndOfPath(const Ladder& grid, int32_t hitLine)
{
    NoDrawing nowhere;
    return TraceFromHit(grid, nowhere, hitLine);
}

int32_t TraceFromHit(const Ladder& grid, DrawingSurface& surface, int32_t hitLine)
{
    int32_t line = hitLine;

    // Entry segment: from the hit end to the last column.
    Stroke(surface, LadderWidth, CheckedMul(line, RowPitch), LadderWidth - ColumnPitch, CheckedMul(line, RowPitch));
    for (int32_t column = LastColumn; column >= 0; --column) {
        const int32_t x = CheckedMul(column, ColumnPitch);
        const int32_t code = grid.Cell(line, column);
        if (code == RungDown) {
            // Down the rung, straight across any crossing, to the line it arrives at.
            do {
                const int32_t below = CheckedAdd(line, 1);
                Stroke(surface, x, CheckedMul(line, RowPitch), x, CheckedMul(below, RowPitch));
                line = below;
            } while (grid.Cell(line, column) != RungUp);
        } else if (code == RungUp) {
            do {
                const int32_t above = CheckedSub(line, 1);
                Stroke(surface, x, CheckedMul(line, RowPitch), x, CheckedMul(above, RowPitch));
                line = above;
            } while (grid.Cell(line, column) != RungDown);
        }
        const int32_t y = CheckedMul(line, RowPitch);
        Stroke(surface, x, y, x - ColumnPitch, y);
    }
    return line;
}

} // namespace quorvan
