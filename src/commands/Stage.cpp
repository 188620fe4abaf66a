// The stage: opened and closed from the operator's window, following every
// command, and the View menu's commands that steer it.

#include "commands/Commands.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"
#include "window/StageWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace quorvan {

namespace {

// Which screens there are, so that the stage's screen is remembered per set-up.
QString ScreenSetUp()
{
    QStringList names;
    for (const QScreen* screen : QGuiApplication::screens())
        names << screen->name();
    return names.join(QLatin1Char('|'));
}

} // namespace

void Commands::onStage()
{
    if (stage_ && stage_->isVisible()) {
        stage_->close();
        return;
    }
    if (!stage_) {
        stage_ = std::make_unique<StageWindow>();
        boundary_.Connect(stage_.get(), &StageWindow::nextRequested, this, [this] { onRevealNext(); });
        boundary_.Connect(stage_.get(), &StageWindow::backRequested, this, [this] { onRevealBack(); });
        connect(stage_.get(), &StageWindow::closed, this,
                [this](const QString& screen) { stageScreen_ = ScreenSetUp() + QLatin1Char('>') + screen; });
    }
    stage_->setWindowTitle(window_.localized(Say(MessageId::StageTitle)));
    stage_->setReducedMotion(reducedMotion_);
    stage_->setLight(lightStage_);
    showOnStage();
    // The screen it was on last, when the screens are the same as then.
    const QString prefix = ScreenSetUp() + QLatin1Char('>');
    stage_->openOn(stageScreen_.startsWith(prefix) ? stageScreen_.mid(prefix.size()) : QString());
}

void Commands::showOnStage()
{
    if (!lottery_.Model.LadderBuilt)
        lottery_.Reveals.Clear();
    if (!stage_)
        return;
    StageScene scene;
    scene.Rows = window_.countSpinner()->position();
    scene.Prizes = prizes();
    for (int32_t row = 1; row <= scene.Rows; ++row) {
        const EditBox* box = window_.findBox(Column::Members, row);
        scene.Members << (box ? box->text().trimmed() : QString());
    }
    scene.Built = lottery_.Model.LadderBuilt;
    scene.Japanese = window_.japanese();
    if (scene.Built) {
        PutLadder(scene, lottery_.Grid, scene.Rows);
        scene.Revealed = lottery_.Reveals.Revealed();
        // After ［HIT-ALL］ every path is known: the curtain goes.
        if (lottery_.Model.ResultColumnShown)
            scene.Curtain = false;
    }
    stage_->showScene(scene);
}

void Commands::onStageBlank()
{
    if (stage_)
        stage_->toggleBlank();
}

void Commands::onStageOverview()
{
    if (stage_)
        stage_->showOverview();
}

void Commands::onSkipPath()
{
    if (stage_)
        stage_->skipAnimation();
}

void Commands::onReducedMotion()
{
    reducedMotion_ = !reducedMotion_;
    if (stage_)
        stage_->setReducedMotion(reducedMotion_);
}

void Commands::onStageTheme()
{
    lightStage_ = !lightStage_;
    if (stage_)
        stage_->setLight(lightStage_);
}

} // namespace quorvan
