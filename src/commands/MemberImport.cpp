// Loads the member list from a file: one row per member, at most 480, and
// offers the hit list import. A cancelled dialog resets the window.

#include "commands/Commands.h"
#include "ladder/Geometry.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <algorithm>

namespace quorvan {

void Commands::onLoadMembers()
{
    beginMemberList();
    const auto path = chooseListFile();
    if (!path) {
        onReset();
        window_.setDefaultCursor();
        return;
    }
    window_.setBusyCursor();
    const std::optional<ListRead> list = readList(*path, MostMembers);
    if (!list) {
        onReset();
        window_.setDefaultCursor();
        return;
    }
    placeMembers(*list);
}

void Commands::beginMemberList()
{
    lottery_.Model.RowCount = window_.countSpinner()->position();
    window_.countSpinner()->requestPosition(2);
    onSetUp();
    window_.apply(Step::MemberImportBegins);
    window_.clearFirstRow();
    window_.repaint();
}

void Commands::placeMembers(const ListRead& list)
{
    memberNotes_ = list.Notes;
    {
        const MainWindow::RowsOnHold hold(window_);
        for (qsizetype member = 1; member <= list.Kept.size(); ++member) {
            if (member == 1)
                window_.memberBox(1).setText(list.Kept.first());
            else
                window_.createRow(static_cast<int32_t>(member), list.Kept[member - 1]);
        }
    }

    const auto count = static_cast<int32_t>(std::min<int64_t>(list.LinesRead, MostMembers));
    window_.countSpinner()->requestPosition(count);
    window_.showCount(count);
    lottery_.Model.MembersLoaded = count;
    lottery_.Model.History.push_back(LoadEvent{DrawColumn::Members, count});
    window_.showLoadedCounts(lottery_.Model.MembersLoaded, lottery_.Model.HitsLoaded);
    window_.apply(Step::MembersLoaded);
    reportListChecks(false);
    window_.setDefaultCursor();
}

} // namespace quorvan
