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
    if (!bitmap_)
        return;
    if (pitch_ == RowPitch)
        return painter.drawImage(area.topLeft(), bitmap_->DrawnPart(), area);
    // Stretched down; line n's middle level with the middle of row n's
    // boxes, which are a pixel taller than the pitch.
    const double scale = double(pitch_) / RowPitch;
    const int shift = (RowPitch - pitch_) / 2;
    painter.translate(0, shift);
    painter.scale(1, scale);
    const QRectF source =
        QRectF(area.x(), (area.y() - shift) / scale - 1, area.width(), area.height() / scale + 2)
            .intersected(QRectF(bitmap_->DrawnPart().rect()));
    painter.drawImage(source, bitmap_->DrawnPart(), source);
}

void LadderImage::setRowPitch(int pitch)
{
    pitch_ = pitch;
    update();
}

} // namespace quorvan
