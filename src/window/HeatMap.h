#pragma once
// The fairness view's pictures: a heat map of how often each hit landed on
// each member, coloured against the fair share 1/n (white at the fair share,
// blue below it, red above it, dark for a pair that never occurred), and
// its legend.

#include "ladder/Fairness.h"

#include <QImage>
#include <QWidget>

namespace quorvan {

// The colour of a pair that occurred `timesFair` times as often as in a fair
// draw; the scale runs from an eighth of the fair share to eight times it.
QColor HeatColour(double timesFair);
inline constexpr double HeatScaleTimes = 8;

// One pixel a pair: hit h in row h - 1 (hit 1 at the top), member m in column m - 1.
QImage HeatMapImage(const LandingCounts& counts, int32_t ladders);

// Shows a heat map as large a square as fits, each pair a block of pixels.
class HeatMapView : public QWidget {
    Q_OBJECT
public:
    explicit HeatMapView(QWidget* parent = nullptr);
    void setMap(const QImage& map);
    const QImage& map() const { return map_; }
    QSize sizeHint() const override { return {300, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage map_;
};

// The colour scale with its marks: `never`, an eighth, the fair share, eight times.
class HeatLegend : public QWidget {
    Q_OBJECT
public:
    HeatLegend(const QString& never, const QString& fair, QWidget* parent = nullptr);
    // The bar a text line tall above its marks, in the widget's font: the
    // marks never run into the bar, whatever the font and the screen's scale.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString never_;
    QString fair_;
};

} // namespace quorvan
