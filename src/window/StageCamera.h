#pragma once
// Where the stage looks. A ladder of up to ReadableColumns lines shows whole;
// a taller one is followed: the camera zooms from where it was to the lines
// around the travelling marker as the path begins, glides along with it, and
// zooms out to the whole ladder once the draw is over.

#include "window/StagePainter.h"

#include <QPoint>

#include <vector>

namespace quorvan {

// The whole ladder in view.
void ShowAll(StageFrame& frame);

// The view `t` (0 .. 1) of the way from `from` to `to`: the width changing evenly on a log scale, about the
// one point that stays in place on the screen (at one width, a pan moving evenly); views that hold neither
// the other's centre go by a view of both.
void Between(StageFrame& frame, int32_t rows, const StageFrame& from, const StageFrame& to, double t);

// The view while the marker is `progress` (0 .. 1) of the way along `path`, having started from the view `from`.
void FollowPath(StageFrame& frame, int32_t rows, const std::vector<QPoint>& path, double progress,
                const StageFrame& from);

} // namespace quorvan
