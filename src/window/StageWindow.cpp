#include "window/StageWindow.h"

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
            FollowPoint(frame_, scene_.Rows, PointAlong(scene_.Paths[frame_.RunningHit - 1], frame_.Progress));
        update();
    });
    connect(&animation_, &QVariantAnimation::finished, this, [this] { settle(); });
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
    frame_.RunningHit = 0;
    frame_.Progress = 1.0;
    frame_.CardHit = scene.Revealed.empty() || !scene.Built ? 0 : scene.Revealed.back();
    if (frame_.CardHit > 0)
        FollowPoint(frame_, scene_.Rows, QPointF(scene_.Paths[frame_.CardHit - 1].back()));
    else
        showOverview();
    tellCard();
    update();
}

void StageWindow::startPath(int32_t hit)
{
    animation_.stop();
    frame_.RunningHit = hit;
    frame_.CardHit = 0;
    if (reducedMotion_) {
        frame_.Progress = 1.0;
        settle();
        return;
    }
    frame_.Progress = 0.0;
    FollowPoint(frame_, scene_.Rows, PointAlong(scene_.Paths[hit - 1], 0.0));
    animation_.start();
    update();
}

void StageWindow::settle()
{
    if (frame_.RunningHit == 0)
        return;
    const int32_t hit = frame_.RunningHit;
    frame_.RunningHit = 0;
    frame_.Progress = 1.0;
    frame_.CardHit = hit;
    FollowPoint(frame_, scene_.Rows, QPointF(scene_.Paths[hit - 1].back()));
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

void StageWindow::skipAnimation()
{
    if (animating()) {
        animation_.stop();
        settle();
    }
}

void StageWindow::toggleBlank()
{
    frame_.Blank = !frame_.Blank;
    update();
}

void StageWindow::showOverview()
{
    skipAnimation();
    frame_.FirstColumn = 0;
    frame_.VisibleColumns = 0;
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
    painter_.Paint(painter, size(), scene_, frame_);
}

void StageWindow::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F11 || event->matches(QKeySequence::Close) ||
        (key == Qt::Key_W && event->modifiers() == Qt::ControlModifier)) {
        close();
    } else if (key == Qt::Key_Right || key == Qt::Key_PageDown || key == Qt::Key_Space) {
        // A second press while a path runs only ends it.
        if (animating())
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
