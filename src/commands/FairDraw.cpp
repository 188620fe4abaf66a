// The fair draw switch, on unless the user turned it off (a setting kept
// between runs); the window's check box sets it and follows it. A Build
// without it, with fewer hits than members standing in the first rows, is
// told how uneven it is, estimated in the background from ladders made as
// Build makes them, and offered a fair draw instead.

#include "commands/Commands.h"
#include "ladder/Fairness.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/MainWindow.h"

#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace quorvan {

namespace {
const QString FairDrawSetting = QStringLiteral("FairDraw");
// Enough ladders that a chance is told to about a percentage point, few
// enough that 480 members take seconds, not minutes.
constexpr int32_t EstimateLadders = 2000;
constexpr int PollMilliseconds = 50;
} // namespace

void Commands::restoreFairDrawSetting()
{
    const std::optional<QString> stored = window_.platform().Setting(FairDrawSetting);
    lottery_.Model.FairDraw = !stored || *stored != QLatin1String("false");
    emit fairDrawChanged(lottery_.Model.FairDraw);
}

void Commands::onFairDrawToggled(bool on)
{
    if (lottery_.Model.FairDraw == on)
        return;
    lottery_.Model.FairDraw = on;
    window_.platform().SetSetting(FairDrawSetting, on ? QStringLiteral("true") : QStringLiteral("false"));
    emit fairDrawChanged(on);
    if (on)
        stopEvennessEstimate();
}

void Commands::showFairDraw(bool on)
{
    lottery_.Model.FairDraw = on;
    emit fairDrawChanged(on);
}

void Commands::startEvennessEstimate(const BuildEvent& build, const QStringList& hits)
{
    stopEvennessEstimate();
    std::vector<int32_t> prizes;
    for (int32_t row = 1; row <= static_cast<int32_t>(hits.size()); ++row)
        if (!hits[row - 1].trimmed().isEmpty())
            prizes.push_back(row);
    if (build.FairDraw || prizes.empty() || static_cast<int32_t>(prizes.size()) >= build.Rows)
        return;
    evenness_ = std::make_unique<FairnessSimulation>(
        FairnessRun{{build.Rows, build.CrossLines}, EstimateLadders, build.Seed, 0});
    evennessPrizes_ = prizes;
    evennessTimer_ = new QTimer(this);
    // Only the telling is a command: the polls before it leave the window alone.
    connect(evennessTimer_, &QTimer::timeout, this, [this] {
        if (evenness_ && evenness_->Finished())
            boundary_.Run([this] { tellEvenness(); });
    });
    evennessTimer_->start(PollMilliseconds);
}

void Commands::stopEvennessEstimate()
{
    delete evennessTimer_;
    evennessTimer_ = nullptr;
    evenness_.reset(); // cancels the estimate and waits for its threads
    window_.fairDrawOffer()->hide();
}

void Commands::tellEvenness()
{
    const std::optional<FairnessResult> result = evenness_->Wait();
    const std::vector<int32_t> prizes = evennessPrizes_;
    stopEvennessEstimate();
    if (!result)
        return;
    // Each member's chance of a prize: the share of the ladders on which
    // some hit that holds one lands on it.
    const LandingCounts& counts = result->AsDrawn;
    int32_t likeliest = 1;
    uint64_t most = 0;
    for (int32_t member = 1; member <= counts.Members(); ++member) {
        uint64_t wins = 0;
        for (const int32_t hit : prizes)
            wins += counts.Count(hit, member);
        if (wins > most) {
            most = wins;
            likeliest = member;
        }
    }
    const double chance = 100.0 * static_cast<double>(most) / result->Ladders;
    const double fair = 100.0 * static_cast<double>(prizes.size()) / counts.Members();
    window_.showStatus(Say(MessageId::UnevenDraw)
                                             .arg(QString::number(likeliest), QString::number(chance, 'f', 1),
                                                  QString::number(fair, 'f', 1)));
    window_.fairDrawOffer()->show();
}

void Commands::onAcceptFairDraw()
{
    window_.fairDrawOffer()->hide();
    onFairDrawToggled(true);
    if (lottery_.Model.LitHit != 0 || lottery_.Model.ResultColumnShown) {
        window_.showStatus(Say(MessageId::FairDrawOnForNext));
        return;
    }
    onBuild();
}

} // namespace quorvan
