#pragma once
// A vertical up-down spinner: two arrow buttons and no number of its own.
// Its position is shown elsewhere; the spinner tells of its changes by
// signals. An arrow held down repeats, as buttons with auto-repeat do. The
// keys Up and Down step by one, PageUp and PageDown by ten, Home and End go
// to the ends of the range, and the mouse wheel steps by one a notch; each
// of these changes the position as the arrows do.

#include <QAbstractButton>
#include <QWidget>

namespace quorvan {

class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(QWidget* parent = nullptr);

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setRange(int minimum, int maximum);

    // Moves to `position`, kept within the range; signals `changing` first,
    // like any change.
    void requestPosition(int position);

    QAbstractButton* upArrow() const { return up_; }
    QAbstractButton* downArrow() const { return down_; }

    // Paints both arrows and the focus frame as the spinner shows them; each
    // arrow paints its own part of it.
    void paintArrows(QPainter& painter) const;

    QSize sizeHint() const override;

signals:
    // A mouse button went down on an arrow.
    void mouseDown();
    // The position is about to change (it still holds the old one).
    void changing();
    // An arrow has changed the position.
    void stepped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class SpinnerAccessible; // moves it as the arrows do
    void step(int by);
    void repaintArrows();
    void announcePosition(); // to a screen reader

    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    int wheelTurn_ = 0; // the wheel's turn not yet a whole notch
    QAbstractButton* up_ = nullptr;
    QAbstractButton* down_ = nullptr;
};

} // namespace quorvan
