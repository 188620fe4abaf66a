// Reset: back to the start of a new lottery, two empty rows and an empty
// ladder, from whatever state the window is in.

#include "Commands.h"
#include "LadderBitmap.h"
#include "MainWindow.h"
#include "Spinner.h"
#include "Texts.h"
#include "Tracing.h"
#include "WindowDesign.h"

namespace quorvan {

void Commands::onReset()
{
    window_.setBusyCursor();
    if (lottery_.model.ResultColumnShown) {
        setResultColumn(RemoveColumn);
        lottery_.model.ResultColumnShown = false;
    }
    window_.setOuterWidth(DesignedWidth);

    // Every row that has boxes is freed by the Set-up that follows.
    lottery_.model.RowCount = window_.countSpinner()->position();
    window_.countSpinner()->requestPosition(1);
    onSetUp();
    window_.clearFirstRow();

    // Two plain lines across the empty ladder.
    lottery_.grid.Clear();
    LadderBitmap& bitmap = window_.bitmap();
    bitmap.SetPenColour(ColourBlack);
    bitmap.SetPenWidth(2);
    const int32_t rows = window_.countSpinner()->position();
    for (int32_t line = 1; line <= rows; ++line)
        TraceFromHit(lottery_.grid, bitmap, line);
    bitmap.SetPenWidth(2);
    window_.showCount(rows);
    window_.apply(Step::Reset);

    lottery_.model.MembersLoaded.reset();
    lottery_.model.HitsLoaded.reset();
    window_.showLoadedCounts(lottery_.model.MembersLoaded, lottery_.model.HitsLoaded);
    window_.showPrompt(window_.localized(texts::StartPromptJapanese, texts::StartPromptEnglish));
    lottery_.model.LadderBuilt = false;
    lottery_.model.LitHit = 0;
    window_.clearTracedHit();
    clearListFindings();
    lottery_.model.MemberShuffleCount = 0;
    lottery_.model.HitShuffleCount = 0;
    window_.showShuffleCount(Column::Members, 0);
    window_.showShuffleCount(Column::Hits, 0);
    window_.setDefaultCursor();
}

} // namespace quorvan
