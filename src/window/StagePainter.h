#pragma once
// Draws one frame of the stage: member names along the top, prizes along the
// bottom, the ladder between, the revealed paths, the path being drawn with
// its marker, and the name card. The same scene and frame always give the same picture.

#include "window/StageScene.h"

#include <QPointF>
#include <QSize>

class QPainter;

namespace quorvan {

// The most lines the stage shows at once with type readable from the back of a room.
constexpr int32_t ReadableColumns = 30;

struct StageFrame {
    // The hit whose path is being drawn, 0 for none, and how much of it (0 .. 1).
    int32_t RunningHit = 0;
    double Progress = 1.0;
    // The hit whose name card shows, 0 for none.
    int32_t CardHit = 0;
    bool Blank = false;
    // The lines in view: from FirstColumn (0: the left edge of line 1), VisibleColumns of them; 0 for all.
    double FirstColumn = 0;
    double VisibleColumns = 0;
    bool Light = false;
};

// The point `progress` (0 .. 1) of the way along `path`, measured along the path.
QPointF PointAlong(const std::vector<QPoint>& path, double progress);

// The frame's view following a marker at `point` of the ladder: ReadableColumns lines around it, or all when they fit.
void FollowPoint(StageFrame& frame, int32_t rows, QPointF point);

void PaintStage(QPainter& painter, QSize size, const StageScene& scene, const StageFrame& frame);

} // namespace quorvan
