// HIT-ALL and the result column: every hit traced in black, and beside
// it the member it reaches.

#include "commands/Commands.h"
#include "ladder/Tracing.h"
#include "texts/UserText.h"
#include "window/Controls.h"
#include "window/LadderBitmap.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <algorithm>
#include <optional>

namespace quorvan {

namespace {
constexpr int WidthWithResults = 840; // the result column shows at x = 703 .. 803
} // namespace

void Commands::removeResultBoxes(int32_t first, int32_t last)
{
    for (int32_t row = first; row <= last; ++row)
        window_.freeBox(Column::Results, row);
}

// A column of the same length keeps its boxes, emptied, with the first
// member box's font; any other is made anew out of sight and shown once.
void Commands::setResultColumn(ResultColumnMode mode)
{
    const int32_t rows = mode == RemoveColumn ? 0 : window_.countSpinner()->position();
    const bool sameLength =
        rows > 0 && window_.findBox(Column::Results, rows) && !window_.findBox(Column::Results, rows + 1);
    std::optional<MainWindow::RowsOnHold> hold;
    if (sameLength)
        window_.fontRowColumns();
    else
        hold.emplace(window_);
    removeResultBoxes(rows + 1, std::max(lottery_.Model.RowCount, window_.countSpinner()->position()));
    for (int32_t row = 1; row <= rows; ++row)
        window_.createResultBox(row);
    window_.apply(Step::ResultColumnSet);
}

void Commands::onHitAll()
{
    window_.setBusyCursor();
    // A column left by an earlier HIT-ALL is reused: each row keeps exactly one box.
    setResultColumn(CreateColumn);
    lottery_.Model.ResultColumnShown = true;
    window_.setOuterWidth(WidthWithResults);

    // Every path is drawn in black. Each runs along lines and rungs that Build
    // drew black, so only the path a hit click drew red looks different
    // afterwards: that one is drawn, and the others are only followed.
    LadderBitmap& bitmap = window_.bitmap();
    bitmap.SetPenColour(ColourBlack);
    bitmap.SetPenWidth(2);
    if (lottery_.Model.LitHit != 0 && !keptRed(lottery_.Model.LitHit))
        TraceFromHit(lottery_.Grid, bitmap, lottery_.Model.LitHit);
    lottery_.Model.LitHit = 0; // no path is red any more, but prizes' paths the user keeps red
    // The result boxes have the first member box's font already: nothing changes it meanwhile.
    const int32_t rows = window_.countSpinner()->position();
    lottery_.Model.TracedResults.clear();
    for (int32_t hit = 1; hit <= rows; ++hit) {
        const int32_t member = EndOfPath(lottery_.Grid, hit);
        const QString memberText = window_.memberBox(member).text();
        lottery_.Model.TracedResults.append(
            {window_.hitBox(hit).text(), memberText.isEmpty() ? QStringLiteral("Member-%1").arg(member) : memberText});
        window_.resultBox(hit).setText(lottery_.Model.TracedResults.last().Member);
    }

    // The status line tells what was done, in place of the last reveal's words.
    if (const auto prizes = prizeRowsInOrder().size(); prizes > 0)
        window_.showStatus(Say(MessageId::EveryPathTraced).arg(QString::number(prizes)));

    window_.apply(Step::HitAllEnds);
    window_.setDefaultCursor();
}

QList<ResultPair> Commands::resultPairs() const
{
    return lottery_.Model.TracedResults;
}

} // namespace quorvan
