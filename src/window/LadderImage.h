#pragma once
// The ladder image: shows the top part of the ladder bitmap, as tall as the
// image currently is.

#include "ladder/Geometry.h"
#include "window/LadderBitmap.h"

#include <QWidget>

#include <memory>

namespace quorvan {

class LadderImage : public QWidget {
public:
    explicit LadderImage(QWidget* parent = nullptr);

    // The bitmap is created on first use, at the image's size at that moment,
    // and kept for the life of the image.
    LadderBitmap& bitmap();
    // The rows' pitch beside the image: the bitmap's lines, RowPitch apart,
    // are shown that far apart, each level with its row.
    void setRowPitch(int pitch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<LadderBitmap> bitmap_;
    int pitch_ = RowPitch;
};

} // namespace quorvan
