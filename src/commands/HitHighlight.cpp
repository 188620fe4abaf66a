// A click on a hit box: the path drawn red until now goes back to black, and
// the clicked hit's path is drawn in red. Nothing happens before Build.

#include "Commands.h"
#include "Tracing.h"

namespace quorvan {

void Commands::onHitClicked(int row)
{
    if (!model_.LadderBuilt)
        return;
    LadderBitmap& bitmap = window_.bitmap();
    if (model_.LitHit != 0) {
        bitmap.SetPenColour(ColourBlack);
        bitmap.SetPenWidth(2);
        TraceFromHit(window_.grid, bitmap, model_.LitHit);
    }
    model_.LitHit = row;
    bitmap.SetPenColour(ColourRed);
    bitmap.SetPenWidth(2);
    TraceFromHit(window_.grid, bitmap, row);
}

} // namespace quorvan
