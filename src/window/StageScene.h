#pragma once
// What the stage shows of the lottery: plain values the commands gather
// after every command, in the ladder image's own coordinates (x from the
// member end at 0 to the hit end at LadderWidth, member line r at y = r × RowPitch).

#include "ladder/Ladder.h"

#include <QLine>
#include <QPoint>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace quorvan {

struct StageScene {
    int32_t Rows = 0;
    QStringList Members; // row r at index r - 1
    QStringList Prizes;  // the hits, row r at index r - 1
    bool Built = false;
    // Every rung, from the line it leaves to the line it reaches.
    std::vector<QLine> Rungs;
    // The path of hit r at index r - 1, from the hit end to the member end, and the member it reaches.
    std::vector<std::vector<QPoint>> Paths;
    std::vector<int32_t> Winners;
    // The hits revealed, in the order they were revealed.
    std::vector<int32_t> Revealed;
    // The latest revealed path stands out, as the operator's red one; after HIT-ALL none does.
    bool LatestLit = true;
    // Prizes not yet revealed are hidden behind a curtain.
    bool Curtain = true;

    bool IsRevealed(int32_t hit) const;
    // Whether there are prizes and every one is revealed: the draw is over.
    bool AllPrizesRevealed() const;
};

// The scene's ladder: its rungs and every hit's path, for the first `rows` lines of `grid`.
void PutLadder(StageScene& scene, const Ladder& grid, int32_t rows);

} // namespace quorvan
