#pragma once
// What the ladder engine needs of a bitmap to draw on.

#include <cstdint>

namespace quorvan {

// Colours are 24-bit values with red in the low byte and blue in the high byte.
using Colour = uint32_t;
constexpr Colour ColourBlack = 0x000000;
constexpr Colour ColourRed = 0x0000FF;

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Paints left <= x < right, top <= y < bottom white; what lies outside is ignored.
    virtual void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    // Draws with the pen from the current position to (x, y), clipped to the surface.
    virtual void LineTo(int32_t x, int32_t y) = 0;
    virtual void SetPenColour(Colour colour) = 0;
    virtual void SetPenWidth(int32_t width) = 0;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
};

} // namespace quorvan
