// A click on a hit box: the path drawn red until now goes back to black
// (unless it is a prize's and the user keeps prizes' paths red), the clicked
// hit's path is drawn in red, and the prize and its winner are told in words
// and marked in their boxes. Nothing happens before Build.

#include "commands/Commands.h"
#include "ladder/Tracing.h"
#include "platform/Platform.h"
#include "window/LadderBitmap.h"
#include "window/MainWindow.h"

#include <algorithm>

namespace quorvan {

namespace {
const QString KeepRedPathsSetting = QStringLiteral("KeepRedPaths");
} // namespace

bool Commands::keptRed(int32_t row) const
{
    return lottery_.Model.KeepRedPaths && prizeOfRow(row).has_value();
}

void Commands::onHitClicked(int row)
{
    if (!lottery_.Model.LadderBuilt)
        return;
    LadderBitmap& bitmap = window_.bitmap();
    if (lottery_.Model.LitHit != 0 && !keptRed(lottery_.Model.LitHit)) {
        bitmap.SetPenColour(ColourBlack);
        bitmap.SetPenWidth(2);
        TraceFromHit(lottery_.Grid, bitmap, lottery_.Model.LitHit);
        redrawKeptRed(); // where the black path crossed them
    }
    lottery_.Model.LitHit = row;
    bitmap.SetPenColour(ColourRed);
    bitmap.SetPenWidth(2);
    const int32_t member = TraceFromHit(lottery_.Grid, bitmap, row);
    std::vector<int32_t>& red = lottery_.Model.RedPrizes;
    if (keptRed(row) && std::find(red.begin(), red.end(), row) == red.end())
        red.push_back(row);
    lottery_.Reveals.Reveal(row);
    // Also in words, so the result does not rest on the red alone.
    tellReveal(row, member);
}

void Commands::redrawKeptRed()
{
    LadderBitmap& bitmap = window_.bitmap();
    bitmap.SetPenColour(ColourRed);
    bitmap.SetPenWidth(2);
    for (const int32_t row : lottery_.Model.RedPrizes)
        TraceFromHit(lottery_.Grid, bitmap, row);
}

void Commands::restoreRedPathsSetting()
{
    const std::optional<QString> stored = window_.platform().Setting(KeepRedPathsSetting);
    lottery_.Model.KeepRedPaths = stored && *stored == QLatin1String("true");
}

void Commands::onKeepRedPathsToggled(bool on)
{
    lottery_.Model.KeepRedPaths = on;
    window_.platform().SetSetting(KeepRedPathsSetting, on ? QStringLiteral("true") : QStringLiteral("false"));
    if (on || !lottery_.Model.LadderBuilt) {
        lottery_.Model.RedPrizes.clear();
        return;
    }
    // Back to one red path: the others black, then the lit one red again
    // where they shared a rung.
    LadderBitmap& bitmap = window_.bitmap();
    bitmap.SetPenWidth(2);
    bitmap.SetPenColour(ColourBlack);
    for (const int32_t row : lottery_.Model.RedPrizes)
        if (row != lottery_.Model.LitHit)
            TraceFromHit(lottery_.Grid, bitmap, row);
    if (lottery_.Model.LitHit != 0) {
        bitmap.SetPenColour(ColourRed);
        TraceFromHit(lottery_.Grid, bitmap, lottery_.Model.LitHit);
    }
    lottery_.Model.RedPrizes.clear();
}

} // namespace quorvan
