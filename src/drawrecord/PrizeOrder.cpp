#include "drawrecord/PrizeOrder.h"

#include <algorithm>
#include <numeric>

namespace quorvan {

std::vector<int32_t> PrizeRows(const std::vector<DrawEvent>& history, int32_t rows)
{
    std::vector<int32_t> origin(static_cast<size_t>(std::max(rows, 0)));
    std::iota(origin.begin(), origin.end(), 1);
    for (const DrawEvent& event : history) {
        if (const auto* load = std::get_if<LoadEvent>(&event); load && load->Column == DrawColumn::Hits)
            std::iota(origin.begin(), origin.end(), 1);
        const auto* shuffle = std::get_if<ShuffleEvent>(&event);
        if (!shuffle || shuffle->Column != DrawColumn::Hits)
            continue;
        // Row r received the text of row Order[r - 1]; rows the shuffle did not reach keep theirs.
        std::vector<int32_t> moved = origin;
        for (size_t row = 0; row < shuffle->Order.size() && row < moved.size(); ++row) {
            const int32_t from = shuffle->Order[row];
            if (from >= 1 && static_cast<size_t>(from) <= origin.size())
                moved[row] = origin[static_cast<size_t>(from) - 1];
        }
        origin = std::move(moved);
    }
    return origin;
}

std::vector<int32_t> RowsInPrizeOrder(const QStringList& hits, const std::vector<int32_t>& prizeRows)
{
    std::vector<int32_t> rows;
    for (qsizetype row = 1; row <= hits.size(); ++row)
        if (!hits[row - 1].trimmed().isEmpty())
            rows.push_back(static_cast<int32_t>(row));
    const auto prizeOf = [&](int32_t row) {
        return static_cast<size_t>(row) <= prizeRows.size() ? prizeRows[static_cast<size_t>(row) - 1] : row;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](int32_t a, int32_t b) { return prizeOf(a) < prizeOf(b); });
    return rows;
}

QList<ResultPair> WinnersInPrizeOrder(const QList<ResultPair>& results, const std::vector<int32_t>& prizeRows)
{
    QStringList hits;
    for (const ResultPair& pair : results)
        hits.append(pair.Hit);
    QList<ResultPair> winners;
    for (const int32_t row : RowsInPrizeOrder(hits, prizeRows))
        winners.append(results[row - 1]);
    return winners;
}

} // namespace quorvan
