#pragma once
// The off-screen bitmap the ladder is drawn on: a drawing surface over a QImage.
// Lines are drawn without anti-aliasing, so the same segment drawn twice with
// the same pen covers exactly the same pixels.
// Storage grows with the drawing: rows below everything drawn so far are
// white and take no memory until something is drawn there or the whole
// bitmap is asked for.

#include "ladder/DrawingSurface.h"

#include <QImage>

namespace quorvan {

class LadderBitmap final : public DrawingSurface {
public:
    // A white bitmap with a black pen one pixel wide.
    LadderBitmap(int32_t width, int32_t height);

    void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void SetPenColour(Colour colour) override;
    void SetPenWidth(int32_t width) override;
    int32_t Width() const override;
    int32_t Height() const override;

    Colour PenColour() const { return penColour_; }
    int32_t PenWidth() const { return penWidth_; }
    // The whole bitmap, Height() rows tall.
    const QImage& Image();
    // The top rows, down to at least the lowest one drawn on; the rest is white.
    const QImage& DrawnPart() const { return image_; }

private:
    void FillPixels(int32_t left, int32_t top, int32_t right, int32_t bottom, QRgb colour);
    void DrawSlantedLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    // Makes storage for the top `rows` rows (at most Height()), the new ones white.
    void Reserve(int32_t rows);

    QImage image_;
    int32_t height_ = 0;
    Colour penColour_ = ColourBlack;
    int32_t penWidth_ = 1;
    int32_t penX_ = 0;
    int32_t penY_ = 0;
    // Rows at and below this one are known to be white, so clearing can stop here.
    int32_t paintedBottom_ = 0;
};

} // namespace quorvan
