// Reset: back to the start of a new lottery, two empty rows and an empty
// ladder, from whatever state the window is in.

#include "commands/Commands.h"
#include "ladder/Tracing.h"
#include "window/LadderBitmap.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"
#include "window/Texts.h"
#include "window/WindowDesign.h"

namespace quorvan {

void Commands::onReset()
{
    if (!listsFree() || !confirmDiscard(MessageId::SaveBeforeReset))
        return;
    window_.setBusyCursor();
    if (lottery_.Model.ResultColumnShown) {
        setResultColumn(RemoveColumn);
        lottery_.Model.ResultColumnShown = false;
    }
    window_.setOuterWidth(DesignedWidth);

    // Every row that has boxes is freed by the Set-up that follows.
    lottery_.Model.RowCount = window_.countSpinner()->position();
    window_.countSpinner()->requestPosition(1);
    onSetUp();
    window_.clearFirstRow();

    // Two plain lines across the empty ladder.
    lottery_.Grid.Clear();
    LadderBitmap& bitmap = window_.bitmap();
    bitmap.SetPenColour(ColourBlack);
    bitmap.SetPenWidth(2);
    const int32_t rows = window_.countSpinner()->position();
    for (int32_t line = 1; line <= rows; ++line)
        TraceFromHit(lottery_.Grid, bitmap, line);
    bitmap.SetPenWidth(2);
    window_.showCount(rows);
    window_.apply(Step::Reset);

    lottery_.Model.MembersLoaded.reset();
    lottery_.Model.HitsLoaded.reset();
    window_.showLoadedCounts(lottery_.Model.MembersLoaded, lottery_.Model.HitsLoaded);
    window_.showPrompt(texts::StartPrompt());
    lottery_.Model.LadderBuilt = false;
    fixListsAsTheyHold();
    lottery_.Model.LitHit = 0;
    lottery_.Model.RedPrizes.clear();
    window_.clearTracedHit();
    clearListFindings();
    lottery_.Model.MemberShuffleCount = 0;
    lottery_.Model.HitShuffleCount = 0;
    window_.showShuffleCount(Column::Members, 0);
    window_.showShuffleCount(Column::Hits, 0);
    // Not on RESET, where one more Enter would wipe the next lottery too.
    window_.countSpinner()->setFocus();
    window_.setDefaultCursor();
}

} // namespace quorvan
