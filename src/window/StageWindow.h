#pragma once
// The stage: a second top-level window for a projector, showing the lottery
// the operator's window shows, with each revealed path drawn progressively.
// Its keys are a presentation remote's: Right, PageDown and Space ask for the
// next prize, Left and PageUp for one back; B blanks the screen, Home shows
// the whole ladder, Esc skips the running path; F11 and Ctrl+W close it.
// When a path has reached its member, a short afterglow celebrates the card
// and, once every prize is revealed on a ladder too tall to show whole, zooms
// out to all of it; it ends in the same picture a skipped path settles on.

#include "window/StagePainter.h"
#include "window/StageScene.h"

#include <QVariantAnimation>
#include <QWidget>

class QScreen;

namespace quorvan {

class StageWindow : public QWidget {
    Q_OBJECT
public:
    explicit StageWindow(QWidget* parent = nullptr);

    // The lottery as it stands; a hit revealed since the last scene is drawn along its path.
    void showScene(const StageScene& scene);
    void skipAnimation();
    void toggleBlank();
    void showOverview();

    // How long one path takes, in milliseconds (500 .. 10000), and whether paths show at once.
    void setPathDuration(int milliseconds);
    void setReducedMotion(bool on) { reducedMotion_ = on; }
    void setCelebration(bool on) { celebration_ = on; }
    void setTheme(StageTheme theme);
    // Whether a path is being drawn or its afterglow runs.
    bool animating() const { return pathRunning() || glowing_; }
    const StageFrame& frame() const { return frame_; }
    const StageScene& scene() const { return scene_; }

    // Opens full screen on the screen named `screenName` when there is one; else on a screen
    // other than `operatorScreen`, the operator's, where there is one, as a projector is.
    void openOn(const QString& screenName, const QScreen* operatorScreen);

signals:
    void nextRequested();
    void backRequested();
    // The path being drawn has reached its member (or was shown at once).
    void pathSettled();
    void closed(const QString& screenName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool pathRunning() const { return animation_.state() == QAbstractAnimation::Running; }
    void startPath(int32_t hit);
    // The running path at its end; `skipped`: at once into the settled picture, with no afterglow.
    void settle(bool skipped);
    // The view a path settles on: its member's lines, or the whole ladder once the draw is over.
    // Returns the view at the path's end, where the afterglow starts.
    StageFrame lookAtSettled(int32_t hit);
    void endAfterglow();
    // The name card shown, told to a screen reader as the room reads it.
    void tellCard();

    StageScene scene_;
    StageFrame frame_;
    StagePainter painter_;
    QVariantAnimation animation_;
    QVariantAnimation afterglow_;
    // The view the running path started from, and the afterglow's first and last views.
    StageFrame pathFrom_, glowFrom_, glowTo_;
    bool reducedMotion_ = false;
    bool celebration_ = true;
    bool glowing_ = false;
};

} // namespace quorvan
