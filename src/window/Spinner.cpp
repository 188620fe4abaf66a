#include "window/Spinner.h"

#include "window/SpinnerAccessible.h"

#include <QAccessible>
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
constexpr int PageStep = 10;
constexpr int WheelNotch = 120; // eighths of a degree

// One arrow: a button that repeats while held; it paints its part of the spinner.
class ArrowButton : public QAbstractButton {
public:
    explicit ArrowButton(Spinner* spinner) : QAbstractButton(spinner), spinner_(spinner)
    {
        setFocusPolicy(Qt::NoFocus);
        setAutoRepeat(true);
        setAutoRepeatDelay(FirstRepeatDelayMs);
        setAutoRepeatInterval(RepeatIntervalMs);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.translate(-pos());
        spinner_->paintArrows(painter);
    }

private:
    Spinner* spinner_;
};

} // namespace

Spinner::Spinner(QWidget* parent) : QWidget(parent)
{
    InstallSpinnerAccessible();
    setFocusPolicy(Qt::StrongFocus);
    up_ = new ArrowButton(this);
    down_ = new ArrowButton(this);
    for (QAbstractButton* arrow : {up_, down_}) {
        arrow->installEventFilter(this);
        connect(arrow, &QAbstractButton::pressed, this, [this, arrow] { step(arrow == up_ ? 1 : -1); });
    }
}

QSize Spinner::sizeHint() const { return {29, 44}; }

void Spinner::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
    repaintArrows();
}

void Spinner::requestPosition(int position)
{
    emit changing();
    position_ = std::clamp(position, minimum_, maximum_);
    announcePosition();
}

void Spinner::step(int by)
{
    emit changing();
    position_ = std::clamp(position_ + by, minimum_, maximum_);
    announcePosition();
    emit stepped();
}

void Spinner::announcePosition()
{
    QAccessibleValueChangeEvent event(this, position_);
    QAccessible::updateAccessibility(&event);
}

void Spinner::paintArrows(QPainter& painter) const
{
    for (const QAbstractButton* arrow : {up_, down_}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = arrow->geometry();
        button.state |= arrow->isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);

        QStyleOption indicator;
        indicator.initFrom(this);
        indicator.rect = button.rect.adjusted(6, 4, -6, -4);
        if (arrow->isDown())
            indicator.rect.translate(1, 1);
        style()->drawPrimitive(arrow == up_ ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &indicator, &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void Spinner::repaintArrows()
{
    up_->update();
    down_->update();
}

void Spinner::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void Spinner::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    repaintArrows();
}

void Spinner::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    repaintArrows();
}

bool Spinner::eventFilter(QObject* watched, QEvent* event)
{
    // Told before the arrow itself takes the press and steps.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit mouseDown();
    return QWidget::eventFilter(watched, event);
}

void Spinner::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: step(1); break;
    case Qt::Key_Down: step(-1); break;
    case Qt::Key_PageUp: step(PageStep); break;
    case Qt::Key_PageDown: step(-PageStep); break;
    case Qt::Key_Home: step(minimum_ - position_); break;
    case Qt::Key_End: step(maximum_ - position_); break;
    default: QWidget::keyPressEvent(event);
    }
}

void Spinner::wheelEvent(QWheelEvent* event)
{
    wheelTurn_ += std::clamp(event->angleDelta().y(), -WheelNotch * PageStep, WheelNotch * PageStep);
    const int notches = wheelTurn_ / WheelNotch;
    wheelTurn_ -= notches * WheelNotch;
    if (notches != 0)
        step(notches);
    event->accept();
}

} // namespace quorvan

#include "moc_Spinner.cpp"
