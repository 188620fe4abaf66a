// Shuffle: puts the texts of a column's boxes 1 .. the row count into a
// random order and shows in the column's button how often it was shuffled.
// The fair draw's shuffle of the hits is here too.

#include "commands/Commands.h"
#include "ladder/Checked.h"
#include "ladder/SeededGeneration.h"
#include "platform/Platform.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <vector>

namespace quorvan {

namespace {
DrawColumn RecordedColumn(Column column)
{
    return column == Column::Members ? DrawColumn::Members : DrawColumn::Hits;
}
} // namespace

void Commands::onShuffleMembers() { shuffle(Column::Members); }
void Commands::onShuffleHits() { shuffle(Column::Hits); }

void Commands::shuffle(Column column)
{
    const bool members = column == Column::Members;
    window_.apply(members ? Step::MemberShuffleBegins : Step::HitShuffleBegins);

    const int32_t rows = window_.countSpinner()->position();
    lottery_.Random.SeedRandom();
    const uint32_t seed = lottery_.Random.RandomSeed;
    const std::vector<int32_t> order = ProgramShuffleOrder(rows, seed);
    putInOrder(column, order);
    lottery_.Model.History.push_back(ShuffleEvent{RecordedColumn(column), false, seed, order});
    countShuffle(column);
    window_.apply(members ? Step::MemberShuffleEnds : Step::HitShuffleEnds);
}

void Commands::fairShuffleHits()
{
    SecureWords secure(window_.platform());
    const std::vector<int32_t> order = UniformOrder(window_.countSpinner()->position(), secure);
    putInOrder(Column::Hits, order);
    lottery_.Model.History.push_back(ShuffleEvent{DrawColumn::Hits, true, std::nullopt, order});
    countShuffle(Column::Hits);
}

void Commands::putInOrder(Column column, const std::vector<int32_t>& order)
{
    const auto rows = static_cast<int32_t>(order.size());
    const QStringList saved = columnTexts(column, rows);
    // Emptied first, so that every box takes its text anew and shows its beginning.
    for (int32_t row = 1; row <= rows; ++row)
        window_.box(column, row).clear();
    for (size_t row = 1; row <= order.size(); ++row)
        window_.box(column, static_cast<int32_t>(row)).setText(saved[order[row - 1] - 1]);
}

void Commands::countShuffle(Column column)
{
    int32_t& shuffles = column == Column::Members ? lottery_.Model.MemberShuffleCount : lottery_.Model.HitShuffleCount;
    shuffles = CheckedAdd(shuffles, 1);
    window_.showShuffleCount(column, shuffles);
}

QStringList Commands::columnTexts(Column column, int32_t rows) const
{
    QStringList texts;
    for (int32_t row = 1; row <= rows; ++row)
        texts.append(window_.box(column, row).text());
    return texts;
}

} // namespace quorvan
