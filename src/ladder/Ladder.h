#pragma once
// The rung grid: one cell per member line and column, each holding a rung code.

#include <array>
#include <cstdint>
#include <stdexcept>

namespace quorvan {

// What a rung does at one line and column.
enum RungCode : int32_t {
    RungNone = 0,    // no rung touches the line here
    RungDown = 1,    // a rung leaves the line downward
    RungUp = 2,      // a rung arrives from the line above
    RungThrough = 9, // one rung arrives from above and another leaves below; both cross the line
};

class GridIndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

class Ladder {
public:
    static constexpr int32_t Rows = 500;   // member lines 0 .. 499 (line 0 is never used)
    static constexpr int32_t Columns = 44; // columns 0 .. 43, ten pixels apart

    // Both throw GridIndexError for an index outside the grid. Inline: every
    // ladder the fairness view makes reads and writes cells by the thousand.
    int32_t Cell(int32_t row, int32_t column) const { return cells_[IndexOf(row, column)]; }
    void SetCell(int32_t row, int32_t column, int32_t code) { cells_[IndexOf(row, column)] = code; }

    void Clear(); // every cell becomes RungNone

private:
    static std::size_t IndexOf(int32_t row, int32_t column)
    {
        if (row < 0 || row >= Rows || column < 0 || column >= Columns) [[unlikely]]
            OutOfRange(row, column);
        return static_cast<std::size_t>(row) * Columns + static_cast<std::size_t>(column);
    }
    [[noreturn]] static void OutOfRange(int32_t row, int32_t column);

    std::array<int32_t, Rows * Columns> cells_{};
};

} // namespace quorvan
