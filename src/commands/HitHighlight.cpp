// A click on a hit box: the path drawn red until now goes back to black, and
// the clicked hit's path is drawn in red, and the member it reaches is told
// in words. Nothing happens before Build.

#include "commands/Commands.h"
#include "ladder/Tracing.h"
#include "window/LadderBitmap.h"
#include "window/MainWindow.h"

namespace quorvan {

void Commands::onHitClicked(int row)
{
    if (!lottery_.Model.LadderBuilt)
        return;
    LadderBitmap& bitmap = window_.bitmap();
    if (lottery_.Model.LitHit != 0) {
        bitmap.SetPenColour(ColourBlack);
        bitmap.SetPenWidth(2);
        TraceFromHit(lottery_.Grid, bitmap, lottery_.Model.LitHit);
    }
    lottery_.Model.LitHit = row;
    bitmap.SetPenColour(ColourRed);
    bitmap.SetPenWidth(2);
    const int32_t member = TraceFromHit(lottery_.Grid, bitmap, row);
    lottery_.Reveals.Reveal(row);
    // Also in words, so the result does not rest on the red alone.
    tellReveal(row, member);
}

} // namespace quorvan
