#include "window/StageWindow.h"

#include "window/StageCamera.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace quorvan {

StageWindow::StageWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("stage"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    animation_.setStartValue(0.0);
    animation_.setEndValue(1.0);
    animation_.setEasingCurve(QEasingCurve::InOutSine);
    setPathDuration(3000);
    connect(&animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        frame_.Progress = value.toDouble();
        if (frame_.RunningHit > 0 && frame_.RunningHit <= int32_t(scene_.Paths.size()))
            FollowPath(frame_, scene_.Rows, scene_.Paths[frame_.RunningHit - 1], frame_.Progress, pathFrom_);
        update();
    });
    connect(&animation_, &QVariantAnimation::finished, this, [this] { settle(false); });

    afterglow_.setStartValue(0.0);
    afterglow_.setEndValue(1.0);
    afterglow_.setDuration(1600);
    connect(&afterglow_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        if (!glowing_)
            return;
        const double t = value.toDouble();
        frame_.Celebration = celebration_ && t < 1.0 ? t : 0.0;
        Between(frame_, scene_.Rows, glowFrom_, glowTo_, QEasingCurve(QEasingCurve::InOutSine).valueForProgress(t));
        update();
    });
    connect(&afterglow_, &QVariantAnimation::finished, this, [this] { endAfterglow(); });
}

void StageWindow::setPathDuration(int milliseconds)
{
    animation_.setDuration(std::clamp(milliseconds, 500, 10000));
}

void StageWindow::setTheme(StageTheme theme)
{
    frame_.Theme = theme;
    update();
}

void StageWindow::showScene(const StageScene& scene)
{
    const std::vector<int32_t> before = scene_.Revealed;
    const bool sameLadder = scene.Built && scene_.Built && scene.Paths == scene_.Paths;
    scene_ = scene;
    // The same reveals (a command that changed something else, or nothing): a running path runs on.
    if (sameLadder && scene.Revealed == before) {
        update();
        return;
    }
    // A prize revealed one more than before is drawn along its path; anything else shows at once.
    const bool oneMore = sameLadder && scene.Revealed.size() == before.size() + 1 &&
                         std::equal(before.begin(), before.end(), scene.Revealed.begin());
    if (oneMore) {
        startPath(scene.Revealed.back());
        return;
    }
    animation_.stop();
    endAfterglow();
    frame_.RunningHit = 0;
    frame_.Progress = 1.0;
    frame_.CardHit = scene.Revealed.empty() || !scene.Built ? 0 : scene.Revealed.back();
    if (frame_.CardHit > 0)
        lookAtSettled(frame_.CardHit);
    else
        showOverview();
    tellCard();
    update();
}

void StageWindow::startPath(int32_t hit)
{
    animation_.stop();
    endAfterglow();
    frame_.RunningHit = hit;
    frame_.CardHit = 0;
    if (reducedMotion_) {
        frame_.Progress = 1.0;
        settle(true);
        return;
    }
    frame_.Progress = 0.0;
    pathFrom_ = frame_;
    FollowPath(frame_, scene_.Rows, scene_.Paths[hit - 1], 0.0, pathFrom_);
    animation_.start();
    update();
}

StageFrame StageWindow::lookAtSettled(int32_t hit)
{
    const StageFrame from = frame_;
    FollowPath(frame_, scene_.Rows, scene_.Paths[hit - 1], 1.0, from);
    const StageFrame pathEnd = frame_;
    if (scene_.AllPrizesRevealed())
        ShowAll(frame_);
    return pathEnd;
}

void StageWindow::settle(bool skipped)
{
    if (frame_.RunningHit == 0)
        return;
    const int32_t hit = frame_.RunningHit;
    frame_.RunningHit = 0;
    frame_.Progress = 1.0;
    frame_.CardHit = hit;
    glowFrom_ = lookAtSettled(hit);
    glowTo_ = frame_;
    const bool zooms = glowTo_.VisibleColumns != glowFrom_.VisibleColumns;
    if (!skipped && !reducedMotion_ && (celebration_ || zooms)) {
        // The afterglow starts from where the path ended.
        frame_.FirstColumn = glowFrom_.FirstColumn;
        frame_.VisibleColumns = glowFrom_.VisibleColumns;
        glowing_ = true;
        afterglow_.start();
    }
    tellCard();
    update();
    emit pathSettled();
}

void StageWindow::tellCard()
{
    // A new name is announced (QAccessible::NameChanged) as it is set.
    if (const QString card = CardText(scene_, frame_.CardHit); !card.isEmpty())
        setAccessibleName(card);
}

void StageWindow::endAfterglow()
{
    if (!glowing_)
        return;
    glowing_ = false;
    afterglow_.stop();
    frame_.Celebration = 0;
    frame_.FirstColumn = glowTo_.FirstColumn;
    frame_.VisibleColumns = glowTo_.VisibleColumns;
    update();
}

void StageWindow::skipAnimation()
{
    if (pathRunning()) {
        animation_.stop();
        settle(true);
    }
    endAfterglow();
}

void StageWindow::toggleBlank()
{
    frame_.Blank = !frame_.Blank;
    update();
}

void StageWindow::showOverview()
{
    skipAnimation();
    ShowAll(frame_);
    if (scene_.Rows > ReadableColumns)
        frame_.CardHit = 0;
    update();
}

void StageWindow::openOn(const QString& screenName, const QScreen* operatorScreen)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    auto named = std::find_if(screens.begin(), screens.end(),
                              [&](QScreen* screen) { return screen->name() == screenName; });
    if (named == screens.end())
        named = std::find_if(screens.begin(), screens.end(), [&](QScreen* screen) { return screen != operatorScreen; });
    QScreen* target = named != screens.end() ? *named : screen();
    setScreen(target);
    setGeometry(target->geometry());
    showFullScreen();
    raise();
    activateWindow();
}

void StageWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    StageFrame frame = frame_;
    frame.Moving = animating();
    painter_.Paint(painter, size(), scene_, frame);
}

void StageWindow::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F11 || event->matches(QKeySequence::Close) ||
        (key == Qt::Key_W && event->modifiers() == Qt::ControlModifier)) {
        close();
    } else if (key == Qt::Key_Right || key == Qt::Key_PageDown || key == Qt::Key_Space) {
        // A second press while a path runs only ends it.
        if (pathRunning())
            skipAnimation();
        else
            emit nextRequested();
    } else if (key == Qt::Key_Left || key == Qt::Key_PageUp) {
        emit backRequested();
    } else if (key == Qt::Key_B) {
        toggleBlank();
    } else if (key == Qt::Key_Home) {
        showOverview();
    } else if (key == Qt::Key_Escape) {
        skipAnimation();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void StageWindow::closeEvent(QCloseEvent* event)
{
    skipAnimation();
    emit closed(screen() ? screen()->name() : QString());
    QWidget::closeEvent(event);
}

} // namespace quorvan

#include "moc_StageWindow.cpp"
