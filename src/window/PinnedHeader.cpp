#include "window/PinnedHeader.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace quorvan {

namespace {
// Room left between a box reached from the keyboard and the header above it.
constexpr int Margin = 4;
} // namespace

PinnedHeader::PinnedHeader(QScrollArea& scroll, QWidget& client, int height)
    : QWidget(&client), scroll_(scroll), client_(client)
{
    setObjectName(QStringLiteral("PinnedHeader"));
    setAutoFillBackground(true); // the client's silver, over the rows scrolled beneath
    setGeometry(0, 0, client.width(), height);
    client.installEventFilter(this);
    connect(scroll.verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        move(0, top);
        raise();
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { reveal(now); });
}

void PinnedHeader::take(QWidget* control)
{
    const QPoint at = control->pos() - pos();
    control->setParent(this);
    control->move(at);
}

bool PinnedHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &client_ && event->type() == QEvent::Resize)
        resize(client_.width(), height());
    return false;
}

void PinnedHeader::reveal(QWidget* focused)
{
    if (!focused || focused->parentWidget() != &client_)
        return;
    const int hiddenTo = y() + height() + Margin;
    if (focused->y() < hiddenTo)
        scroll_.verticalScrollBar()->setValue(scroll_.verticalScrollBar()->value() - (hiddenTo - focused->y()));
}

} // namespace quorvan
