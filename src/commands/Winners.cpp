// The winners: prize → member in the order the hit list was loaded, from the
// ladder the last Build drew. Shown in the winners view, printed, and saved
// as a result file of any kind in place of every row.

#include "commands/Commands.h"
#include "drawrecord/PrizeOrder.h"
#include "ladder/Tracing.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/MainWindow.h"
#include "window/WinnersDialog.h"

#include <algorithm>

namespace quorvan {

QList<ResultPair> Commands::winnerPairs() const
{
    if (!lottery_.Model.LadderBuilt || !lottery_.Model.LastBuild)
        throw UserError(Say(MessageId::WinnersNotYet));
    const BuiltDraw& draw = *lottery_.Model.LastBuild;
    QList<ResultPair> results;
    for (int32_t hit = 1; hit <= draw.Build.Rows && hit <= draw.Hits.size(); ++hit) {
        const int32_t member = EndOfPath(lottery_.Grid, hit);
        const QString name = member <= draw.Members.size() ? draw.Members[member - 1] : QString();
        results.append({draw.Hits[hit - 1], name.isEmpty() ? QStringLiteral("Member-%1").arg(member) : name});
    }
    return WinnersInPrizeOrder(results, prizeRowsAtLastBuild());
}

std::vector<int32_t> Commands::prizeRowsAtLastBuild() const
{
    // The order of the hits as they stood at the last Build.
    const auto& history = lottery_.Model.History;
    auto lastBuild = std::find_if(history.rbegin(), history.rend(),
                                  [](const DrawEvent& event) { return std::holds_alternative<BuildEvent>(event); });
    const std::vector<DrawEvent> before(history.begin(), lastBuild.base());
    return PrizeRows(before, lottery_.Model.LastBuild ? lottery_.Model.LastBuild->Build.Rows : 0);
}

std::vector<int32_t> Commands::prizeRowsInOrder() const
{
    return lottery_.Model.LastBuild ? RowsInPrizeOrder(lottery_.Model.LastBuild->Hits, prizeRowsAtLastBuild())
                                    : std::vector<int32_t>{};
}

std::optional<Prize> Commands::prizeOfRow(int32_t row) const
{
    const std::vector<int32_t> order = prizeRowsInOrder();
    const auto at = std::find(order.begin(), order.end(), row);
    if (at == order.end())
        return std::nullopt;
    return Prize{static_cast<int32_t>(at - order.begin()) + 1, lottery_.Model.LastBuild->Hits[row - 1]};
}

bool Commands::fewerPrizesThanMembers() const
{
    if (!lottery_.Model.LastBuild)
        return false;
    const QStringList& hits = lottery_.Model.LastBuild->Hits;
    const auto empty = [](const QString& hit) { return hit.trimmed().isEmpty(); };
    return std::any_of(hits.begin(), hits.end(), empty) && !std::all_of(hits.begin(), hits.end(), empty);
}

void Commands::printWinners(const QList<ResultPair>& winners)
{
    const QString title = Say(MessageId::WinnersTitle);
    QString html = QStringLiteral("<h2>%1</h2><table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
                                  "<tr><th>%2</th><th>%3</th></tr>")
                       .arg(title.toHtmlEscaped(), Say(MessageId::WinnersPrizeHeading),
                            Say(MessageId::WinnersMemberHeading));
    for (const ResultPair& winner : winners)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(winner.Hit.toHtmlEscaped(), winner.Member.toHtmlEscaped());
    html += QStringLiteral("</table>");
    window_.platform().PrintDocument(title, html);
}

void Commands::onWinnersView()
{
    const QList<ResultPair> winners = winnerPairs();
    QList<std::pair<QString, QString>> shown;
    for (const ResultPair& winner : winners)
        shown.append({winner.Hit, winner.Member});
    auto* view = new WinnersDialog(window_, boundary_, shown,
                                   {[this, winners] { printWinners(winners); },
                                    [this] { saveTextResult(ResultRows::WinnersOnly); },
                                    [this] { saveWorkbookResult(ResultRows::WinnersOnly); }});
    view->show();
    view->raise();
    view->activateWindow();
}

} // namespace quorvan
