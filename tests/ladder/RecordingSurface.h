#pragma once
// A drawing surface that records every stroke instead of painting it.

#include "ladder/DrawingSurface.h"

#include <QList>
#include <QLine>

namespace quorvan::testing {

class RecordingSurface final : public DrawingSurface {
public:
    struct Stroke {
        QLine Line;
        Colour Pen;
        friend bool operator==(const Stroke&, const Stroke&) = default;
    };

    QList<Stroke> Strokes;
    Colour Pen = ColourRed;

    void FillRect(int32_t, int32_t, int32_t, int32_t) override {}
    void MoveTo(int32_t x, int32_t y) override { position_ = {x, y}; }
    void LineTo(int32_t x, int32_t y) override
    {
        Strokes.append({QLine(position_, QPoint(x, y)), Pen});
        position_ = {x, y};
    }
    void SetPenColour(Colour colour) override { Pen = colour; }
    void SetPenWidth(int32_t) override {}
    int32_t Width() const override { return 440; }
    int32_t Height() const override { return 10620; }

    // Strokes that run vertically: the rungs.
    QList<QLine> Verticals() const
    {
        QList<QLine> lines;
        for (const Stroke& stroke : Strokes)
            if (stroke.Line.x1() == stroke.Line.x2())
                lines.append(stroke.Line);
        return lines;
    }

private:
    QPoint position_;
};

} // namespace quorvan::testing
