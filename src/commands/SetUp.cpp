// Set-up: frees the rows of the last set-up and creates empty member and hit
// boxes for the spinner's count, draws the preview and offers Build.

#include "commands/Commands.h"
#include <QCoreApplication>
#include "ladder/Checked.h"
#include "ladder/Geometry.h"
#include "window/Controls.h"
#include "window/LadderBitmap.h"
#include "window/LadderImage.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

namespace quorvan {

namespace {

constexpr int PreviewStub = 100; // length of each end of a preview line

// The member and hit ends of the first two lines, the middle left blank.
void DrawPreview(MainWindow& window)
{
    LadderBitmap& bitmap = window.bitmap();
    bitmap.SetPenColour(ColourBlack);
    const int32_t width = window.ladderImage()->width();
    for (const int32_t y : {RowPitch, CheckedMul(2, RowPitch)}) {
        bitmap.MoveTo(0, y);
        bitmap.LineTo(PreviewStub, y);
        bitmap.MoveTo(CheckedSub(width, PreviewStub), y);
        bitmap.LineTo(width, y);
    }
}

// The boxes of rows past `kept` that the last set-up (or import) made, and
// every result box; the rows kept are emptied when they are made again.
void FreeEarlierRows(MainWindow& window, int32_t rows, int32_t kept)
{
    for (int32_t row = kept + 1; row <= rows; ++row)
        window.freeBox(Column::Members, row);
    for (int32_t row = kept + 1; row <= rows; ++row)
        window.freeBox(Column::Hits, row);
    for (int32_t row = 1; row <= rows; ++row)
        window.freeBox(Column::Results, row);
}

} // namespace

void Commands::onSetUp()
{
    window_.apply(Step::SetUpBegins);
    window_.setBusyCursor();
    window_.repaint();

    window_.showCount(window_.countSpinner()->position());
    window_.showLadderLines(2);
    window_.clearLadder();
    DrawPreview(window_);

    window_.clearFirstRow();
    const int32_t rows = window_.countSpinner()->position();
    {
        const MainWindow::RowsOnHold hold(window_);
        FreeEarlierRows(window_, lottery_.Model.RowCount, rows);
        for (int32_t row = 2; row <= rows; ++row)
            window_.createRow(row, {});
    }

    window_.showPrompt(QCoreApplication::translate("SetUp", "Member and Hit are input and the Vessapo_button is "
            "pushed"));
    lottery_.Model.RowCount = window_.countSpinner()->position();
    fixListsAsTheyHold();
    window_.apply(Step::SetUpEnds);

    window_.putCommandButtonsLastInTabs();

    lottery_.Model.MemberShuffleCount = 0;
    lottery_.Model.HitShuffleCount = 0;
    // A new lottery begins; the run's history goes on, so that a record shows every earlier draw of this run.
    lottery_.Model.History.push_back(SetUpEvent{lottery_.Model.RowCount});
    lottery_.Model.LastBuild.reset();
    lottery_.Model.TracedResults.clear();
    clearListFindings();
    stopEvennessEstimate();
    window_.setDefaultCursor();
}

} // namespace quorvan
