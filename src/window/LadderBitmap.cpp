#include "window/LadderBitmap.h"

#include "ladder/Checked.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace quorvan {

namespace {

QRgb ToRgb(Colour colour)
{
    return qRgb(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

// Rows made at first; a window shows a few dozen rows of ladder at most.
constexpr int32_t FirstRows = 512;

QImage WhiteImage(int32_t width, int32_t height, int32_t rows)
{
    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        throw std::runtime_error("Cannot create a ladder bitmap of " + std::to_string(width) + " x "
                                 + std::to_string(height) + " pixels");
    image.fill(Qt::white);
    return image;
}

} // namespace

LadderBitmap::LadderBitmap(int32_t width, int32_t height)
    : image_(WhiteImage(width, height, std::min(height, FirstRows))), height_(height)
{
}

int32_t LadderBitmap::Width() const { return image_.width(); }
int32_t LadderBitmap::Height() const { return height_; }

const QImage& LadderBitmap::Image()
{
    Reserve(height_);
    return image_;
}

void LadderBitmap::Reserve(int32_t rows)
{
    const int32_t made = image_.height();
    if (rows <= made)
        return;
    // Doubling keeps a ladder drawn downwards from copying its rows often.
    QImage grown = WhiteImage(Width(), height_, std::clamp(std::max(rows, made * 2), made, height_));
    std::copy_n(image_.constBits(), image_.sizeInBytes(), grown.bits());
    image_ = std::move(grown);
}

void LadderBitmap::FillPixels(int32_t left, int32_t top, int32_t right, int32_t bottom, QRgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, Width());
    bottom = std::min(bottom, Height());
    if (left >= right || top >= bottom)
        return;
    Reserve(bottom);
    const qsizetype stride = image_.bytesPerLine();
    uchar* line = image_.bits() + top * stride + left * qsizetype(sizeof(QRgb));
    const int32_t width = right - left;
    if (width <= 2) {
        // A rung: a narrow run down many rows.
        for (int32_t y = top; y < bottom; ++y, line += stride) {
            auto* pixel = reinterpret_cast<QRgb*>(line);
            pixel[0] = colour;
            pixel[width - 1] = colour;
        }
        return;
    }
    for (int32_t y = top; y < bottom; ++y, line += stride) {
        auto* pixel = reinterpret_cast<QRgb*>(line);
        std::fill(pixel, pixel + width, colour);
    }
}

void LadderBitmap::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    // Everything below paintedBottom_ is white already.
    FillPixels(left, top, right, std::min(bottom, paintedBottom_), qRgb(255, 255, 255));
    if (left <= 0 && right >= Width() && top <= 0 && bottom >= paintedBottom_)
        paintedBottom_ = 0;
}

void LadderBitmap::MoveTo(int32_t x, int32_t y)
{
    penX_ = x;
    penY_ = y;
}

void LadderBitmap::LineTo(int32_t x, int32_t y)
{
    // A pen of width w covers w pixels across the line, centred on it, and
    // reaches w/2 past each end, so segments joined end to start meet
    // without a gap at corners.
    const int32_t before = penWidth_ / 2;
    const int32_t after = CheckedSub(penWidth_, before);
    const QRgb colour = ToRgb(penColour_);
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    if (y == penY_) {
        left = CheckedSub(std::min(x, penX_), before);
        right = CheckedAdd(std::max(x, penX_), after);
        top = CheckedSub(y, before);
        bottom = CheckedAdd(y, after);
    } else if (x == penX_) {
        left = CheckedSub(x, before);
        right = CheckedAdd(x, after);
        top = CheckedSub(std::min(y, penY_), before);
        bottom = CheckedAdd(std::max(y, penY_), after);
    } else {
        DrawSlantedLine(penX_, penY_, x, y);
        bottom = CheckedAdd(std::max(y, penY_), penWidth_);
    }
    if (left != right)
        FillPixels(left, top, right, bottom, colour);
    paintedBottom_ = std::clamp(std::max(paintedBottom_, bottom), 0, Height());
    penX_ = x;
    penY_ = y;
}

void LadderBitmap::DrawSlantedLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    Reserve(std::min(CheckedAdd(std::max(y0, y1), penWidth_), height_));
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(ToRgb(penColour_)), penWidth_, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(x0, y0, x1, y1);
}

void LadderBitmap::SetPenColour(Colour colour) { penColour_ = colour; }

void LadderBitmap::SetPenWidth(int32_t width)
{
    if (width < 1)
        throw std::invalid_argument("Pen width must be at least 1, not " + std::to_string(width));
    penWidth_ = width;
}

} // namespace quorvan
