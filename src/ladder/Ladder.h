#pragma once
// The rung grid: one cell per member line and column, each holding a rung code.

#include <array>
#include <bit>
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
    void SetCell(int32_t row, int32_t column, int32_t code)
    {
        cells_[IndexOf(row, column)] = code;
        uint64_t& word = touched_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row) / 64];
        const uint64_t bit = uint64_t{1} << (row % 64);
        word = code == RungNone ? word & ~bit : word | bit;
    }

    void Clear(); // every cell becomes RungNone

    // Calls `visit(line, code)` for every cell of `column` that is not
    // RungNone, from the top line down: a ladder is read without looking at
    // its empty cells.
    template <typename Visit>
    void ForEachRungIn(int32_t column, Visit&& visit) const
    {
        (void)IndexOf(0, column);
        const auto& words = touched_[static_cast<std::size_t>(column)];
        for (std::size_t word = 0; word < words.size(); ++word) {
            for (uint64_t bits = words[word]; bits != 0; bits &= bits - 1) {
                const auto line = static_cast<int32_t>(word * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
                visit(line, cells_[static_cast<std::size_t>(line) * Columns + static_cast<std::size_t>(column)]);
            }
        }
    }

private:
    static std::size_t IndexOf(int32_t row, int32_t column)
    {
        if (row < 0 || row >= Rows || column < 0 || column >= Columns) [[unlikely]]
            OutOfRange(row, column);
        return static_cast<std::size_t>(row) * Columns + static_cast<std::size_t>(column);
    }
    [[noreturn]] static void OutOfRange(int32_t row, int32_t column);

    std::array<int32_t, Rows * Columns> cells_{};
    // By column, one bit a line: the cells that are not RungNone, so that
    // clearing and reading touch only the cells a ladder used.
    std::array<std::array<uint64_t, (Rows + 63) / 64>, Columns> touched_{};
};

} // namespace quorvan
