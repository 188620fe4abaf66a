#include "window/GuideWindow.h"

#include <QKeySequence>
#include <QShortcut>

namespace quorvan {

GuideWindow::GuideWindow(QWidget* owner) : QTextBrowser(owner)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("guideWindow"));
    resize(960, 720); // the guide's widest picture, 878 pixels, fits beside the margins
    auto* close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    connect(this, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(documentTitle().isEmpty() ? QStringLiteral("Quorvan") : documentTitle()); });
}

void GuideWindow::showPage(const QUrl& page)
{
    setSource(page, QTextDocument::HtmlResource);
    show();
    raise();
    activateWindow();
}

} // namespace quorvan
