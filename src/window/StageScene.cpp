#include "window/StageScene.h"

#include "ladder/DrawingSurface.h"
#include "ladder/Geometry.h"
#include "ladder/Tracing.h"

#include <algorithm>

namespace quorvan {

namespace {

// Keeps the corners of a traced path instead of drawing it.
class PathCorners final : public DrawingSurface {
public:
    void FillRect(int32_t, int32_t, int32_t, int32_t) override {}
    void MoveTo(int32_t x, int32_t y) override
    {
        if (Points.empty())
            Points.emplace_back(x, y);
    }
    void LineTo(int32_t x, int32_t y) override
    {
        const QPoint next(x, y);
        // A straight run of strokes is one leg of the path.
        if (Points.size() >= 2) {
            const QPoint a = Points[Points.size() - 2], b = Points.back();
            if ((a.x() == b.x() && b.x() == x) || (a.y() == b.y() && b.y() == y)) {
                Points.back() = next;
                return;
            }
        }
        Points.push_back(next);
    }
    void SetPenColour(Colour) override {}
    void SetPenWidth(int32_t) override {}
    int32_t Width() const override { return LadderWidth; }
    int32_t Height() const override { return (MostMembers + 1) * RowPitch; }

    std::vector<QPoint> Points;
};

} // namespace

bool StageScene::IsRevealed(int32_t hit) const
{
    return std::find(Revealed.begin(), Revealed.end(), hit) != Revealed.end();
}

bool StageScene::AllPrizesRevealed() const
{
    bool any = false;
    for (int32_t hit = 1; hit <= Prizes.size(); ++hit) {
        if (Prizes[hit - 1].isEmpty())
            continue;
        if (!IsRevealed(hit))
            return false;
        any = true;
    }
    return any;
}

void PutLadder(StageScene& scene, const Ladder& grid, int32_t rows)
{
    scene.Rungs.clear();
    scene.Paths.clear();
    scene.Winners.clear();
    for (int32_t column = 0; column < Ladder::Columns; ++column)
        for (int32_t line = 1; line <= rows; ++line)
            if (grid.Cell(line, column) == RungDown) {
                int32_t end = line + 1;
                while (end <= rows && grid.Cell(end, column) != RungUp)
                    ++end;
                scene.Rungs.emplace_back(column * ColumnPitch, line * RowPitch, column * ColumnPitch, end * RowPitch);
            }
    for (int32_t hit = 1; hit <= rows; ++hit) {
        PathCorners corners;
        scene.Winners.push_back(TraceFromHit(grid, corners, hit));
        scene.Paths.push_back(std::move(corners.Points));
    }
}

} // namespace quorvan
