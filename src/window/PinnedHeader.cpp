#include "window/PinnedHeader.h"

#include <QApplication>
#include <QEvent>
#include <QRegion>
#include <QScrollArea>
#include <QScrollBar>

namespace quorvan {

namespace {
// Room left between a box reached from the keyboard and the header above it.
constexpr int Margin = 4;
} // namespace

PinnedHeader::PinnedHeader(QScrollArea& scroll, QWidget& client, int height)
    : QWidget(&client), bar_(scroll.verticalScrollBar()), client_(client)
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

void PinnedHeader::leaveOpen(const QRect& area)
{
    open_ = area;
    setMask(QRegion(rect()).subtracted(open_));
}

bool PinnedHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &client_ && event->type() == QEvent::Resize) {
        resize(client_.width(), height());
        if (!open_.isEmpty())
            setMask(QRegion(rect()).subtracted(open_));
    }
    return false;
}

void PinnedHeader::reveal(QWidget* focused)
{
    if (!bar_ || !focused || focused->parentWidget() != &client_)
        return;
    const int hiddenTo = y() + height() + Margin;
    if (focused->y() < hiddenTo)
        bar_->setValue(bar_->value() - (hiddenTo - focused->y()));
}

} // namespace quorvan

#include "moc_PinnedHeader.cpp"
