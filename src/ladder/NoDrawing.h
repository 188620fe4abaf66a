#pragma once
// A surface that draws nothing, for following paths or making a ladder
// without showing it.

#include "ladder/DrawingSurface.h"
#include "ladder/Geometry.h"

namespace quorvan {

class NoDrawing final : public DrawingSurface {
public:
    void FillRect(int32_t, int32_t, int32_t, int32_t) override {}
    void MoveTo(int32_t, int32_t) override {}
    void LineTo(int32_t, int32_t) override {}
    void SetPenColour(Colour) override {}
    void SetPenWidth(int32_t) override {}
    int32_t Width() const override { return LadderWidth; }
    int32_t Height() const override { return 0; }
};

} // namespace quorvan
