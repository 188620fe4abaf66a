#pragma once
// Winners in prize order: after shuffles (the fair draw's among them) the
// hits stand in rows of their own, but an organiser reads the winners in the
// order the hit list was loaded, first prize first.

#include "drawrecord/DrawRecord.h"
#include "files/TextResultFile.h"

#include <QList>

#include <cstdint>
#include <vector>

namespace quorvan {

// For rows 1 .. rows, the row of the hit list as loaded (or typed) that each
// row's hit came from, following every hit shuffle since the hits were last loaded.
std::vector<int32_t> PrizeRows(const std::vector<DrawEvent>& history, int32_t rows);

// The rows 1 .. hits.size() whose hit is not empty, first prize first: ordered
// by `prizeRows` (one per row; a row past its end stands where it is).
std::vector<int32_t> RowsInPrizeOrder(const QStringList& hits, const std::vector<int32_t>& prizeRows);

// The pairs whose hit is not empty, ordered by `prizeRows` (one per pair).
QList<ResultPair> WinnersInPrizeOrder(const QList<ResultPair>& results, const std::vector<int32_t>& prizeRows);

} // namespace quorvan
