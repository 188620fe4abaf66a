#pragma once
// Draws frames of the stage: member names along the top, prizes along the
// bottom, the ladder between, the revealed paths, the path being drawn with
// its marker, and the name card. The same scene and frame always give the same picture.
//
// What stays still while a path runs (rails, rungs, names, the paths revealed
// before) is drawn once into tiles of the ladder at the frame's zoom and kept;
// a frame copies the tiles in view and draws only the latest path, the moving
// marker, the highlights and the card over them. While the camera zooms, every
// frame has a scale of its own and the still parts are drawn straight onto it.

#include "window/StageLook.h"
#include "window/StageScene.h"

#include <QImage>
#include <QPointF>
#include <QSize>

#include <map>

class QPainter;

namespace quorvan {

struct StageLayout; // where things lie on the stage for one frame

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
    StageTheme Theme = StageTheme::Dark;
    // How far the celebration of the card's reveal has come (0 .. 1); 0 when there is none.
    double Celebration = 0;
    // Whether this frame is one of a moving picture, not the still one it comes to rest on.
    bool Moving = false;
};

// The point `progress` (0 .. 1) of the way along `path`, measured along the path.
QPointF PointAlong(const std::vector<QPoint>& path, double progress);

// The name card of hit `hit`, "prize → winner" (their numbers where a box is
// empty); empty for a hit not revealed or 0.
QString CardText(const StageScene& scene, int32_t hit);

class StagePainter {
public:
    void Paint(QPainter& painter, QSize size, const StageScene& scene, const StageFrame& frame);

private:
    // What the kept tiles were drawn from; any change draws them again.
    struct Still {
        QSize Size;
        StageTheme Theme = StageTheme::Dark;
        double Column = 0;
        int32_t Rows = 0;
        QStringList Members, Prizes;
        std::vector<QLine> Rungs;
        bool Built = false, Curtain = true;
        std::vector<int32_t> Settled; // the revealed paths drawn into the tiles
        bool operator==(const Still&) const = default;
    };
    void DrawStill(QPainter& painter, const StageScene& scene, const StageLayout& layout, double from, double to) const;
    const QImage& Tile(int index, const StageScene& scene, const StageLayout& layout);

    Still still_;
    std::map<int, QImage> tiles_;
};

// One frame, drawn whole, keeping nothing.
void PaintStage(QPainter& painter, QSize size, const StageScene& scene, const StageFrame& frame);

} // namespace quorvan
