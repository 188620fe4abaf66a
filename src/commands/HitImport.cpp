// Loads hits from a file into the hit boxes, as many as the members loaded.

#include "commands/Commands.h"
#include "ladder/Geometry.h"
#include "window/Controls.h"
#include "window/MainWindow.h"

#include <algorithm>

namespace quorvan {

void Commands::onLoadHits()
{
    const auto path = chooseListFile();
    if (!path) {
        window_.setDefaultCursor();
        return;
    }
    window_.setBusyCursor();
    const int32_t limit = std::clamp(lottery_.Model.MembersLoaded.value_or(0), 0, MostMembers);
    const ListRead list = readList(*path, limit);
    hitNotes_ = list.Notes;
    for (qsizetype hit = 1; hit <= list.Kept.size(); ++hit)
        window_.hitBox(static_cast<int32_t>(hit)).setText(list.Kept[hit - 1]);

    lottery_.Model.HitsLoaded = static_cast<int32_t>(std::min<int64_t>(list.LinesRead, MostMembers));
    // Loading the hits anew is what lets Build run again: the record shows both.
    lottery_.Model.History.push_back(LoadEvent{DrawColumn::Hits, *lottery_.Model.HitsLoaded});
    window_.showLoadedCounts(lottery_.Model.MembersLoaded, lottery_.Model.HitsLoaded);
    window_.apply(Step::HitsLoaded);
    reportListChecks(false);
    window_.setDefaultCursor();
}

} // namespace quorvan
