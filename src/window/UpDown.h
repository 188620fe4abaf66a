#pragma once
// A vertical up-down spinner with two arrow buttons and no number of its own.
// Its position is shown elsewhere; it only raises events as it changes.

#include <QBasicTimer>
#include <QWidget>

#include <functional>

namespace quorvan {

class UpDown : public QWidget {
public:
    explicit UpDown(QWidget* parent = nullptr);

    int Position() const { return position_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    void SetRange(int minimum, int maximum);

    // Moves to `position`, kept within the range; raises OnChanging first like
    // any change.
    void RequestPosition(int position);

    // A mouse button went down on the spinner.
    std::function<void()> OnMouseDown;
    // The position is about to change (it still holds the old one).
    std::function<void()> OnChanging;
    // An arrow has changed the position.
    std::function<void()> OnClick;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Arrow { None, Up, Down };

    Arrow ArrowAt(const QPoint& point) const;
    QRect ArrowRect(Arrow arrow) const;
    void Step(Arrow arrow);
    void Raise(const std::function<void()>& event);

    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    Arrow pressed_ = Arrow::None;
    QBasicTimer repeat_;
};

} // namespace quorvan
