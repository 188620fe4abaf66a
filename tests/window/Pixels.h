#pragma once
// The colours the ladder is drawn in, as the bitmap's pixels hold them, and
// how well text reads on a background.

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace quorvan::testing {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Red = qRgb(255, 0, 0);

inline int CountPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// The contrast of two sRGB colours by their relative luminance, as WCAG 2 rates text on its background (1 to 21).
inline double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b)), darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace quorvan::testing
