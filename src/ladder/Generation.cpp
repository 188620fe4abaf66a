#include "ladder/Generation.h"

#include "ladder/Checked.h"
#include "ladder/Geometry.h"
#include "ladder/NoDrawing.h"

#include <stdexcept>
#include <string>

namespace quorvan {

namespace {

constexpr int32_t FirstRungColumn = 1;
constexpr int32_t RungColumns = 42;      // rungs stand in columns 1 .. 42
constexpr int32_t AttemptDrawRange = 17; // a draw of 0 .. 16 attempts per gap
constexpr int32_t MinimumAttempts = 3;

template <typename Surface>
void DrawLine(Surface& surface, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    surface.MoveTo(x0, y0);
    surface.LineTo(x1, y1);
}

// One attempt at a rung in the gap below `line`, at `column`.
template <typename Surface>
void PlaceRung(const LadderShape& shape, Ladder& grid, Surface& surface, int32_t line,
               int32_t column, int32_t y)
{
    const int32_t x = CheckedMul(ColumnPitch, column);
    const int32_t yBelow = CheckedAdd(y, RowPitch);
    const int32_t lineBelow = CheckedAdd(line, 1);

    if (shape.CrossLines) {
        // A rung here may meet the rung arriving from the gap above: both then
        // pass straight across this line.
        DrawLine(surface, x, y, x, yBelow);
        if (grid.Cell(line, column) == RungNone)
            grid.SetCell(line, column, RungDown);
        if (grid.Cell(line, column) == RungUp)
            grid.SetCell(line, column, RungThrough);
        grid.SetCell(lineBelow, column, RungUp);
    } else if (grid.Cell(line, column) == RungNone) {
        DrawLine(surface, x, y, x, yBelow);
        grid.SetCell(line, column, RungDown);
        grid.SetCell(lineBelow, column, RungUp);
    }
}

// One body for both: on a surface that draws nothing (a final class) the
// drawing calls compile to nothing.
template <typename Surface>
void Generate(const LadderShape& shape, Ladder& grid, RandomGenerator& random, Surface& surface)
{
    if (shape.MemberCount < 1 || shape.MemberCount >= Ladder::Rows)
        throw std::out_of_range("Cannot build a ladder of " + std::to_string(shape.MemberCount)
                                + " members");

    surface.SetPenColour(ColourBlack);
    grid.Clear();
    random.SeedRandom();
    const int32_t width = surface.Width();

    for (int32_t line = 1; line <= shape.MemberCount; ++line) {
        const int32_t y = CheckedMul(line, RowPitch);
        DrawLine(surface, 0, y, width, y);
        if (line == shape.MemberCount)
            break; // nothing hangs below the last line

        int32_t attempts = random.RandomBelow(AttemptDrawRange);
        if (attempts < MinimumAttempts)
            attempts = MinimumAttempts;
        for (int32_t attempt = 0; attempt < attempts; ++attempt) {
            const int32_t column = CheckedAdd(random.RandomBelow(RungColumns), FirstRungColumn);
            PlaceRung(shape, grid, surface, line, column, y);
        }
    }
}

} // namespace

void GenerateLadder(const LadderShape& shape, Ladder& grid, RandomGenerator& random,
                    DrawingSurface& surface)
{
    Generate(shape, grid, random, surface);
}

void GenerateLadder(const LadderShape& shape, Ladder& grid, RandomGenerator& random)
{
    NoDrawing nowhere;
    Generate(shape, grid, random, nowhere);
}

} // namespace quorvan
