// The stage: opened and closed from the operator's window, following every
// command, and the View menu's commands that steer it.

#include "commands/Commands.h"
#include "texts/UserText.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"
#include "window/StageSettingsDialog.h"
#include "window/StageWindow.h"

namespace quorvan {

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
        boundary_.Connect(stage_.get(), &StageWindow::pathSettled, this, [this] {
            if (revealingAll_)
                revealAllTimer_.start(stageSettings_.PauseMilliseconds);
        });
        // The screen it was on, for the set-up of screens there is.
        connect(stage_.get(), &StageWindow::closed, this, [this](const QString& screen) {
            SetStageScreen(window_.platform(), ScreenSetUp(), screen);
        });
    }
    stage_->setWindowTitle(Say(MessageId::StageTitle));
    useStageSettings(stageSettings_);
    stage_->openOn(StageScreen(window_.platform(), ScreenSetUp()), window_.screen());
}

void Commands::useStageSettings(const StageSettings& settings)
{
    if (!(settings == stageSettings_)) {
        stageSettings_ = settings;
        SaveStageSettings(window_.platform(), settings);
    }
    if (!stage_)
        return;
    stage_->setReducedMotion(settings.ReducedMotion);
    stage_->setCelebration(settings.Celebration);
    stage_->setTheme(settings.Theme);
    stage_->setPathDuration(settings.PathMilliseconds);
    showOnStage();
}

void Commands::onStageSettings()
{
    StageSettingsDialog dialog(stageSettings_, &window_);
    if (dialog.exec() == QDialog::Accepted)
        useStageSettings(dialog.chosen());
}

void Commands::showOnStage()
{
    if (!lottery_.Model.LadderBuilt) {
        lottery_.Reveals.Clear();
        revealingAll_ = false;
    }
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
    // After HIT-ALL every path is known: the curtain goes.
    scene.Curtain = stageSettings_.Curtain && !lottery_.Model.ResultColumnShown;
    if (scene.Built) {
        PutLadder(scene, lottery_.Grid, scene.Rows);
        scene.Revealed = lottery_.Reveals.Revealed();
        scene.LatestLit = lottery_.Model.LitHit != 0;
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

} // namespace quorvan
