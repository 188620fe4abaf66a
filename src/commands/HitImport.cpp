// Loads hits from a file into the hit boxes, as many as the members loaded.

#include "commands/Commands.h"
#include "ladder/Geometry.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "lists/CountedHits.h"
#include "platform/Platform.h"
#include "texts/UserText.h"

#include <algorithm>

namespace quorvan {

namespace {
// The question names the line that gives a count, or the first of several.
QString CountQuestion(const QList<CountedLine>& counted)
{
    const CountedLine& first = counted[0];
    if (counted.size() == 1)
        return Say(MessageId::CountedHitQuestion).arg(first.Line, QString::number(first.Count), first.Prize);
    return Say(MessageId::CountedHitsQuestion)
        .arg(QString::number(counted.size()), first.Line, QString::number(first.Count), first.Prize);
}
} // namespace

void Commands::onLoadHits()
{
    const auto path = chooseListFile();
    if (!path) {
        window_.setDefaultCursor();
        return;
    }
    window_.setBusyCursor();
    const int32_t limit = std::clamp(lottery_.Model.MembersLoaded.value_or(0), 0, MostMembers);
    std::optional<ListRead> read = readList(*path, limit);
    if (!read) {
        window_.setDefaultCursor();
        return;
    }
    ListRead& list = *read;
    hitNotes_ = list.Notes;
    // Lines such as "3 × Gift card" count as that many hits when the user says so.
    QList<CountedLine> counted = CountedLines(list.Kept, limit);
    if (!counted.isEmpty() && window_.platform().AskYesNo(CountQuestion(counted))) {
        for (const CountedLine& line : counted)
            list.LinesRead += line.Count - 1;
        list.Kept = ExpandCounts(list.Kept, limit);
    } else {
        counted.clear();
    }
    for (qsizetype hit = 1; hit <= list.Kept.size(); ++hit)
        window_.hitBox(static_cast<int32_t>(hit)).setText(list.Kept[hit - 1]);
    // A list loaded again leaves none of the earlier list's hits below its own.
    const int32_t earlier = std::min(lottery_.Model.HitsLoaded.value_or(0), limit);
    for (auto hit = static_cast<int32_t>(list.Kept.size()) + 1; hit <= earlier; ++hit)
        window_.hitBox(hit).clear();

    lottery_.Model.HitsLoaded = static_cast<int32_t>(std::min<int64_t>(list.LinesRead, MostMembers));
    // Loading the hits anew is what lets Build run again: the record shows both.
    lottery_.Model.History.push_back(LoadEvent{DrawColumn::Hits, *lottery_.Model.HitsLoaded});
    window_.showLoadedCounts(lottery_.Model.MembersLoaded, lottery_.Model.HitsLoaded);
    window_.apply(Step::HitsLoaded);
    countedHits_ = counted;
    reportListChecks(false);
    window_.setDefaultCursor();
}

} // namespace quorvan
