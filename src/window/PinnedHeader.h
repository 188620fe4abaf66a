#pragma once
// The designed header area (the settings, the commands, the headings: all
// above the first row of boxes) pinned to the top of the view: the rows
// scroll beneath it, and a row box reached from the keyboard is scrolled out
// from under it. At the top of the view it is exactly where it was designed.

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reveal(QWidget* focused);

    QScrollArea& scroll_;
    QWidget& client_;
};

} // namespace quorvan
