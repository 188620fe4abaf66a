// Shuffle: puts the texts of a column's boxes 1 .. the row count into a
// random order and shows in the column's button how often it was shuffled.

#include "Checked.h"
#include "Commands.h"

#include <vector>

namespace quorvan {

void Commands::onShuffleMembers() { shuffle(Column::Members); }
void Commands::onShuffleHits() { shuffle(Column::Hits); }

void Commands::shuffle(Column column)
{
    const bool members = column == Column::Members;
    window_.apply(members ? Step::MemberShuffleBegins : Step::HitShuffleBegins);

    const int32_t rows = window_.countSpinner->position();
    std::vector<QString> saved(static_cast<size_t>(rows) + 1);
    for (int32_t row = 1; row <= rows; ++row) {
        EditBox& box = window_.box(column, row);
        saved[row] = box.text();
        box.clear();
    }

    // Row m receives the text of the m-th distinct row drawn.
    window_.random.SeedRandom();
    std::vector<int32_t> slot(static_cast<size_t>(rows) + 1, 0);
    for (int32_t drawn = 0; drawn != rows;) {
        const int32_t row = window_.random.RandomBelow(rows) + 1;
        if (slot[row] == 0)
            slot[row] = ++drawn;
    }
    for (int32_t row = 1; row <= rows; ++row)
        window_.box(column, slot[row]).setText(saved[row]);

    int32_t& shuffles = members ? model_.MemberShuffleCount : model_.HitShuffleCount;
    shuffles = CheckedAdd(shuffles, 1);
    window_.showShuffleCount(column);
    window_.apply(members ? Step::MemberShuffleEnds : Step::HitShuffleEnds);
}

} // namespace quorvan
