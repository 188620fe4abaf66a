// Reset: back to the start of a new lottery, two empty rows and an empty
// ladder, from whatever state the window is in.

#include "commands/Commands.h"
#include "window/Texts.h"
#include "ladder/Tracing.h"
#include "window/WindowDesign.h"

namespace quorvan {

void Commands::onReset()
{
    window_.setBusyCursor();
    if (model_.ResultColumnShown) {
        setResultColumn(RemoveColumn);
        model_.ResultColumnShown = false;
    }
    window_.setOuterWidth(DesignedWidth);

    // Every row that has boxes is freed by the Set-up that follows.
    model_.RowCount = window_.countSpinner->position();
    window_.countSpinner->requestPosition(1);
    onSetUp();
    window_.firstMemberBox->clear();
    window_.firstHitBox->clear();

    // Two plain lines across the empty ladder.
    window_.grid.Clear();
    LadderBitmap& bitmap = window_.bitmap();
    bitmap.SetPenColour(ColourBlack);
    bitmap.SetPenWidth(2);
    const int32_t rows = window_.countSpinner->position();
    for (int32_t line = 1; line <= rows; ++line)
        TraceFromHit(window_.grid, bitmap, line);
    bitmap.SetPenWidth(2);
    window_.countDisplay->setCaption(QString::number(rows));
    window_.apply(Step::Reset);

    model_.MembersLoaded.reset();
    model_.HitsLoaded.reset();
    window_.showLoadedCounts();
    window_.messageLine->setCaption(window_.localized(texts::StartPromptJapanese, texts::StartPromptEnglish));
    model_.LadderBuilt = false;
    model_.LitHit = 0;
    window_.clearTracedHit();
    clearListFindings();
    model_.MemberShuffleCount = 0;
    model_.HitShuffleCount = 0;
    window_.showShuffleCount(Column::Members);
    window_.showShuffleCount(Column::Hits);
    window_.setDefaultCursor();
}

} // namespace quorvan
