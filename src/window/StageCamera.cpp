#include "window/StageCamera.h"

#include "ladder/Geometry.h"

#include <algorithm>
#include <cmath>

namespace quorvan {

namespace {

// The part of a path over which the camera zooms in, and how far around the marker it looks ahead and behind.
constexpr double ZoomPart = 0.35;
constexpr double Glide = 0.04;

// A view as its centre and width, in lines from the left edge of line 1.
struct View {
    double Centre, Width;
};

View ViewOf(const StageFrame& frame, int32_t rows)
{
    if (frame.VisibleColumns <= 0)
        return {rows / 2.0, double(rows)};
    return {frame.FirstColumn + frame.VisibleColumns / 2, frame.VisibleColumns};
}

void Look(StageFrame& frame, int32_t rows, View view)
{
    if (view.Width >= rows - 1e-9) {
        ShowAll(frame);
        return;
    }
    frame.VisibleColumns = view.Width;
    frame.FirstColumn = std::clamp(view.Centre - view.Width / 2, 0.0, rows - view.Width);
}

double Eased(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The line under the marker, in lines from the left edge of line 1.
double LineAt(const std::vector<QPoint>& path, double progress)
{
    return PointAlong(path, std::clamp(progress, 0.0, 1.0)).y() / RowPitch - 0.5;
}

} // namespace

void ShowAll(StageFrame& frame)
{
    frame.FirstColumn = 0;
    frame.VisibleColumns = 0;
}

void Between(StageFrame& frame, int32_t rows, const StageFrame& from, const StageFrame& to, double t)
{
    const View a = ViewOf(from, rows), b = ViewOf(to, rows);
    const double width = std::exp(std::log(a.Width) + (std::log(b.Width) - std::log(a.Width)) * t);
    // Where neither view holds the other's centre, the camera goes by a view of both.
    const double apart = std::abs(b.Centre - a.Centre);
    if (apart > std::max(a.Width, b.Width) / 2) {
        StageFrame both;
        const double left = std::min(a.Centre - a.Width / 2, b.Centre - b.Width / 2);
        const double right = std::max(a.Centre + a.Width / 2, b.Centre + b.Width / 2);
        Look(both, rows, {(left + right) / 2, right - left});
        if (t < 0.5)
            Between(frame, rows, from, both, t * 2);
        else
            Between(frame, rows, both, to, t * 2 - 1);
        return;
    }
    // A zoom turns about the one point that stays in place on the screen, so that
    // the picture never slides faster than it grows or shrinks; a pan at one width moves evenly.
    if (std::abs(a.Width - b.Width) < 1e-9) {
        Look(frame, rows, {a.Centre + (b.Centre - a.Centre) * t, width});
        return;
    }
    const double fixed = a.Centre + a.Width * (b.Centre - a.Centre) / (a.Width - b.Width);
    Look(frame, rows, {fixed - width * (b.Centre - a.Centre) / (a.Width - b.Width), width});
}

void FollowPath(StageFrame& frame, int32_t rows, const std::vector<QPoint>& path, double progress,
                const StageFrame& from)
{
    if (rows <= ReadableColumns || path.empty()) {
        ShowAll(frame);
        return;
    }
    // The camera looks at where the marker is on average a little before and after now,
    // so that it glides over a long rung, but never so far that the marker leaves the view.
    double sum = 0;
    constexpr int Samples = 9;
    for (int sample = 0; sample < Samples; ++sample)
        sum += LineAt(path, progress + Glide * (2.0 * sample / (Samples - 1) - 1));
    const double marker = LineAt(path, progress), reach = ReadableColumns / 2.0 - 2;
    StageFrame near;
    Look(near, rows, {std::clamp(sum / Samples, marker - reach, marker + reach), double(ReadableColumns)});
    Between(frame, rows, from, near, Eased(progress / ZoomPart));
}

} // namespace quorvan
