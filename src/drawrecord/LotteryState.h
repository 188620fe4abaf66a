#pragma once
// The lottery as the window holds it, kept in a file after every command so
// that a crash or a power cut loses nothing: the lists in their boxes, the
// draw so far and what has been revealed. One JSON object in UTF-8; its
// events are written as a draw record writes them.

#include "drawrecord/DrawRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvan {

struct LotteryState {
    int32_t Rows = 0;  // the rows set up
    int32_t Count = 0; // the spinner's count
    bool CrossLines = false;
    bool FairDraw = false;
    QStringList Members; // the boxes' texts, rows 1 .. Rows
    QStringList Hits;
    std::optional<int32_t> MembersLoaded;
    std::optional<int32_t> HitsLoaded;
    int32_t MemberShuffles = 0;
    int32_t HitShuffles = 0;
    std::vector<DrawEvent> History;
    std::optional<BuiltDraw> LastBuild;
    bool ResultsShown = false; // HIT-ALL has traced every hit
    int32_t LitHit = 0;        // the hit whose path is red, 0 for none
    std::vector<int32_t> Revealed;  // the hits revealed since Build, in the order revealed
    std::vector<int32_t> RedPrizes; // the prizes whose paths stay red besides it
    bool ResultsSaved = false;
    QStringList CountedHitLines; // the hit lines counted as several hits at import ("3 × Gift card")
    bool operator==(const LotteryState&) const = default;
};

// No lottery's state comes near this size: 480 rows of long names are far below it.
constexpr qint64 MostLotteryStateBytes = 64 * 1024 * 1024;

QByteArray LotteryStateBytes(const LotteryState& state);

// Reads what LotteryStateBytes wrote; nothing for anything else.
std::optional<LotteryState> ParseLotteryState(const QByteArray& content);

} // namespace quorvan
