#include "Tracing.h"

#include "Checked.h"

namespace quorvan {

namespace {

constexpr int32_t ColumnPitch = 10;
constexpr int32_t LastColumn = Ladder::Columns - 1;
constexpr int32_t HitEnd = 440; // the right edge of the image

void Stroke(DrawingSurface& surface, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    surface.MoveTo(x0, y0);
    surface.LineTo(x1, y1);
}

} // namespace

void TraceFromHit(LadderState& state, DrawingSurface& surface, int32_t hitLine)
{
    const Ladder& grid = state.Grid;
    const int32_t pitch = state.RowPitch;
    int32_t line = hitLine;

    Stroke(surface, HitEnd, CheckedMul(line, pitch), HitEnd - ColumnPitch, CheckedMul(line, pitch));
    for (int32_t column = LastColumn; column >= 0; --column) {
        const int32_t x = CheckedMul(column, ColumnPitch);
        const int32_t code = grid.Cell(line, column);
        if (code == RungDown) {
            // Down the rung, straight across any crossing, to the line it arrives at.
            do {
                const int32_t below = CheckedAdd(line, 1);
                Stroke(surface, x, CheckedMul(line, pitch), x, CheckedMul(below, pitch));
                line = below;
            } while (grid.Cell(line, column) != RungUp);
        } else if (code == RungUp) {
            do {
                const int32_t above = CheckedSub(line, 1);
                Stroke(surface, x, CheckedMul(line, pitch), x, CheckedMul(above, pitch));
                line = above;
            } while (grid.Cell(line, column) != RungDown);
        }
        const int32_t y = CheckedMul(line, pitch);
        Stroke(surface, x, y, x - ColumnPitch, y);
    }
    state.TraceEndRow = line;
}

} // namespace quorvan
