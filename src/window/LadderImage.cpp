#include "window/LadderImage.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorvan {

LadderImage::LadderImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

LadderBitmap& LadderImage::bitmap()
{
    if (!bitmap_)
        bitmap_ = std::make_unique<LadderBitmap>(width(), height());
    return *bitmap_;
}

void LadderImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    if (bitmap_)
        painter.drawImage(area.topLeft(), bitmap_->Image(), area);
}

} // namespace quorvan
