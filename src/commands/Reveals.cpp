// Revealing the prizes one by one: the next in prize order, one back, or all
// that remain one after another. A reveal traces the prize's path as a hit
// click does, so the operator's window, the stage and the draw record agree.

#include "commands/Commands.h"
#include "ladder/Tracing.h"
#include "texts/UserText.h"
#include "window/Controls.h"
#include "window/LadderBitmap.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"
#include "window/StageWindow.h"

#include <algorithm>

namespace quorvan {

QStringList Commands::prizes() const
{
    QStringList texts;
    const int32_t rows = window_.countSpinner()->position();
    for (int32_t row = 1; row <= rows; ++row) {
        const EditBox* box = window_.findBox(Column::Hits, row);
        texts << (box ? box->text().trimmed() : QString());
    }
    return texts;
}

void Commands::tellReveal(int32_t hit, int32_t member)
{
    window_.showTracedHit(hit, member, prizeOfRow(hit));
}

void Commands::onRevealNext()
{
    if (!lottery_.Model.LadderBuilt)
        throw UserError(Say(MessageId::NoLadderToReveal));
    const std::optional<int32_t> next = lottery_.Reveals.Next(prizeRowsInOrder());
    if (!next) {
        window_.showStatus(Say(MessageId::EveryPrizeRevealed));
        return;
    }
    onHitClicked(*next);
}

void Commands::onRevealBack()
{
    if (!lottery_.Model.LadderBuilt)
        throw UserError(Say(MessageId::NoLadderToReveal));
    revealingAll_ = false; // a step back ends Reveal all
    revealAllTimer_.stop();
    const std::optional<int32_t> taken = lottery_.Reveals.Back();
    if (!taken)
        return window_.clearTracedHit();
    LadderBitmap& bitmap = window_.bitmap();
    bitmap.SetPenWidth(2);
    // A prize taken back is not revealed: its path is no longer kept red.
    std::vector<int32_t>& red = lottery_.Model.RedPrizes;
    red.erase(std::remove(red.begin(), red.end(), *taken), red.end());
    if (lottery_.Model.LitHit != 0) {
        bitmap.SetPenColour(ColourBlack);
        TraceFromHit(lottery_.Grid, bitmap, lottery_.Model.LitHit);
        lottery_.Model.LitHit = 0;
        redrawKeptRed();
    }
    window_.clearTracedHit();
    // The reveal before it is the latest again.
    if (!lottery_.Reveals.Revealed().empty()) {
        const int32_t hit = lottery_.Reveals.Revealed().back();
        lottery_.Model.LitHit = hit;
        bitmap.SetPenColour(ColourRed);
        tellReveal(hit, TraceFromHit(lottery_.Grid, bitmap, hit));
    }
}

void Commands::onRevealAll()
{
    if (!lottery_.Model.LadderBuilt)
        throw UserError(Say(MessageId::NoLadderToReveal));
    revealingAll_ = true;
    revealAllStep();
}

void Commands::revealAllStep()
{
    if (!stage_ || !stage_->isVisible()) {
        // Nobody watches the paths being drawn: every remaining prize at once.
        while (lottery_.Model.LadderBuilt && lottery_.Reveals.Next(prizeRowsInOrder()))
            onRevealNext();
        revealingAll_ = false;
        return;
    }
    if (!revealingAll_ || !lottery_.Model.LadderBuilt || !lottery_.Reveals.Next(prizeRowsInOrder())) {
        revealingAll_ = false;
        stage_->showOverview();
        return;
    }
    // The stage draws its path when this command ends; the path's end starts the pause before the next.
    onRevealNext();
}

} // namespace quorvan
