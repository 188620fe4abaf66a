#pragma once
// The designed header area (the settings, the commands, the headings: all
// above the first row of boxes) pinned to the top of the view: the rows
// scroll beneath it, and a row box reached from the keyboard is scrolled out
// from under it. At the top of the view it is exactly where it was designed.

#include <QPointer>
#include <QRect>
#include <QScrollBar>
#include <QWidget>

class QScrollArea;

namespace quorvan {

class PinnedHeader : public QWidget {
    Q_OBJECT
public:
    // Over the top `height` pixels of `client`, the widget `scroll` shows.
    PinnedHeader(QScrollArea& scroll, QWidget& client, int height);

    // Moves `control` onto the header, where it was on the client.
    void take(QWidget* control);
    // Leaves `area` (in the header's coordinates) open to what lies beneath,
    // as the top of the ladder image, which reaches into the header area.
    void leaveOpen(const QRect& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reveal(QWidget* focused);

    QPointer<QScrollBar> bar_; // gone before the header while the window is destroyed
    QWidget& client_;
    QRect open_;
};

} // namespace quorvan
