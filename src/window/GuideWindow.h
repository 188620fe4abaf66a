#pragma once
// The user guide in a window of the program's own: the local pages with
// their pictures, their links followed within it, so it opens on any desktop.

#include <QTextBrowser>

namespace quorvan {

class GuideWindow : public QTextBrowser {
public:
    // A window of its own, closed with its owner.
    explicit GuideWindow(QWidget* owner);

    // Shows `page` (a local HTML file) and brings the window to the front.
    void showPage(const QUrl& page);
};

} // namespace quorvan
