#include "window/HeatMap.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quorvan {

namespace {

const QColor Fair(255, 255, 255);
const QColor Below(33, 102, 172);
const QColor Above(178, 24, 43);
const QColor Never(20, 24, 48);

QColor Between(const QColor& from, const QColor& to, double at)
{
    const auto mix = [at](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * at)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

// -1 at an eighth of the fair share or less, 0 at the fair share, 1 at eight times or more.
double ScalePosition(double timesFair)
{
    return std::clamp(std::log2(timesFair) / std::log2(HeatScaleTimes), -1.0, 1.0);
}

QColor ColourAt(double position)
{
    return position < 0 ? Between(Fair, Below, -position) : Between(Fair, Above, position);
}

} // namespace

QColor HeatColour(double timesFair)
{
    return timesFair <= 0 ? Never : ColourAt(ScalePosition(timesFair));
}

QImage HeatMapImage(const LandingCounts& counts, int32_t ladders)
{
    const int32_t members = counts.Members();
    QImage map(members, members, QImage::Format_RGB32);
    const double fairCount = static_cast<double>(ladders) / members;
    for (int32_t hit = 1; hit <= members; ++hit) {
        auto* pixels = reinterpret_cast<QRgb*>(map.scanLine(hit - 1));
        for (int32_t member = 1; member <= members; ++member)
            pixels[member - 1] = HeatColour(counts.Count(hit, member) / fairCount).rgb();
    }
    return map;
}

HeatMapView::HeatMapView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(120, 120);
}

void HeatMapView::setMap(const QImage& map)
{
    map_ = map;
    update();
}

void HeatMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int room = std::min(width(), height()) - 2;
    const int pairs = map_.isNull() ? room : map_.width();
    // Whole pixels a pair where they fit, so that every pair shows as an even block.
    const int side = pairs <= room ? pairs * (room / pairs) : room;
    const QRect target((width() - side) / 2, (height() - side) / 2, side, side);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(target.adjusted(-1, -1, 0, 0));
    if (map_.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, pairs > room);
    painter.drawImage(target, map_);
}

HeatLegend::HeatLegend(const QString& never, const QString& fair, QWidget* parent)
    : QWidget(parent), never_(never), fair_(fair)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize HeatLegend::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int marks = metrics.horizontalAdvance(never_ + QStringLiteral(" 1/8× ") + fair_ + QStringLiteral(" 8×"));
    return {marks + 4 * metrics.averageCharWidth(), 2 * metrics.height() + 8};
}

QSize HeatLegend::sizeHint() const
{
    return minimumSizeHint().expandedTo({420, 0});
}

void HeatLegend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int barTop = 2;
    const int barHeight = height() - metrics.height() - 6;
    const int swatch = barHeight * 2;
    painter.fillRect(0, barTop, swatch, barHeight, Never);

    const int left = std::max(swatch, metrics.horizontalAdvance(never_)) + 12
                     + metrics.horizontalAdvance(QStringLiteral("1/8×")) / 2;
    const int barWidth = std::max(1, width() - left - metrics.horizontalAdvance(QStringLiteral("8×")) / 2 - 2);
    for (int x = 0; x < barWidth; ++x)
        painter.fillRect(left + x, barTop, 1, barHeight, ColourAt(barWidth > 1 ? 2.0 * x / (barWidth - 1) - 1 : 0));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(left, barTop, barWidth - 1, barHeight - 1);

    const int textTop = barTop + barHeight + 2;
    const auto mark = [&](int x, const QString& text) {
        const int half = metrics.horizontalAdvance(text) / 2;
        painter.drawText(std::clamp(x - half, 0, width() - 2 * half), textTop + metrics.ascent(), text);
    };
    mark(swatch / 2, never_);
    mark(left, QStringLiteral("1/8×"));
    mark(left + barWidth / 2, fair_);
    mark(left + barWidth - 1, QStringLiteral("8×"));
}

} // namespace quorvan

#include "moc_HeatMap.cpp"
