// The list checks as the user meets them: the first findings in the status
// line after a list is loaded and at Build, and all of them on request.

#include "commands/Commands.h"
#include "platform/Platform.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QCoreApplication>
#include <QPushButton>

namespace quorvan {

void Commands::reportListChecks(bool beforeBuild)
{
    const int32_t rows = window_.countSpinner()->position();
    const bool hitsSpread = lottery_.Model.LastBuild && lottery_.Model.LastBuild->Build.FairDraw;
    listFindings_ = CheckLists(columnTexts(Column::Members, rows), columnTexts(Column::Hits, rows), beforeBuild,
                               hitsSpread, memberNotes_, hitNotes_);
    listFindings_.Counted = countedHits_;
    ForgiveCountedRepeats(listFindings_);
    window_.showStatus(SummarizeFindings(listFindings_));
    window_.listFindingsButton()->setVisible(!listFindings_.empty());
}

void Commands::clearListFindings()
{
    if (!listFindings_.empty())
        window_.showStatus({});
    listFindings_ = {};
    memberNotes_ = {};
    hitNotes_ = {};
    countedHits_ = {};
    window_.listFindingsButton()->hide();
}

void Commands::onShowListFindings()
{
    const QStringList lines = DescribeFindings(listFindings_);
    window_.platform().ShowInformation(
        lines.isEmpty() ? QCoreApplication::translate("ListCheckReport", "The list check found nothing.")
                        : lines.join(QLatin1Char('\n')));
}

} // namespace quorvan
