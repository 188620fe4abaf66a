#include "UpDown.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace quorvan {

namespace {
constexpr int FirstRepeatDelayMs = 400;
constexpr int RepeatIntervalMs = 60;
} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

QSize UpDown::sizeHint() const { return {29, 44}; }

void UpDown::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
    update();
}

void UpDown::Raise(const std::function<void()>& event)
{
    if (event)
        event();
}

void UpDown::RequestPosition(int position)
{
    Raise(OnChanging);
    position_ = std::clamp(position, minimum_, maximum_);
}

void UpDown::Step(Arrow arrow)
{
    Raise(OnChanging);
    position_ = std::clamp(position_ + (arrow == Arrow::Up ? 1 : -1), minimum_, maximum_);
    Raise(OnClick);
}

QRect UpDown::ArrowRect(Arrow arrow) const
{
    const int half = height() / 2;
    return arrow == Arrow::Up ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

UpDown::Arrow UpDown::ArrowAt(const QPoint& point) const
{
    if (ArrowRect(Arrow::Up).contains(point))
        return Arrow::Up;
    if (ArrowRect(Arrow::Down).contains(point))
        return Arrow::Down;
    return Arrow::None;
}

void UpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const Arrow arrow : {Arrow::Up, Arrow::Down}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = ArrowRect(arrow);
        if (pressed_ == arrow)
            button.state |= QStyle::State_Sunken;
        else
            button.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);

        QStyleOption indicator;
        indicator.initFrom(this);
        indicator.rect = button.rect.adjusted(6, 4, -6, -4);
        if (pressed_ == arrow)
            indicator.rect.translate(1, 1);
        style()->drawPrimitive(arrow == Arrow::Up ? QStyle::PE_IndicatorArrowUp
                                                  : QStyle::PE_IndicatorArrowDown,
                               &indicator, &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void UpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    Raise(OnMouseDown);
    pressed_ = ArrowAt(event->position().toPoint());
    if (pressed_ == Arrow::None)
        return;
    update();
    Step(pressed_);
    repeat_.start(FirstRepeatDelayMs, this);
}

void UpDown::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    repeat_.stop();
    pressed_ = Arrow::None;
    update();
}

void UpDown::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != repeat_.timerId())
        return QWidget::timerEvent(event);
    // Held down: keep stepping while the pointer stays on the pressed arrow.
    repeat_.start(RepeatIntervalMs, this);
    if (pressed_ != Arrow::None && ArrowAt(mapFromGlobal(QCursor::pos())) == pressed_)
        Step(pressed_);
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: Step(Arrow::Up); break;
    case Qt::Key_Down: Step(Arrow::Down); break;
    default: QWidget::keyPressEvent(event);
    }
}

void UpDown::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        repeat_.stop();
        pressed_ = Arrow::None;
    }
}

} // namespace quorvan
