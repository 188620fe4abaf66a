#include "window/StagePainter.h"

#include "ladder/Geometry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvan {

namespace {

// The width of a kept tile in pixels, and how many are kept at most (about 1 MB each at 1080 rows of pixels).
constexpr int TileWidth = 256;
constexpr std::size_t KeptTiles = 24;

} // namespace

// Where things lie on the stage for one frame. The ladder's lines run top to
// bottom, line r at X(r × RowPitch); its left edge lies on a whole pixel, so
// that tiles drawn once can be copied at any pan.
struct StageLayout {
    StageLayout(QSize size, int32_t rows, const StageFrame& frame)
    {
        const double width = size.width(), height = size.height();
        margin = std::round(height * 0.03);
        const double visible = frame.VisibleColumns > 0 ? frame.VisibleColumns : rows;
        const double first = frame.VisibleColumns > 0 ? frame.FirstColumn : 0;
        column = (width - 2 * margin) / std::max(1.0, visible);
        origin = std::round(margin - first * column);
        // Upright labels for a few wide lines; otherwise turned, and small enough for a name to fit the band.
        fontPixels = std::clamp(std::floor(column * 0.55), 0.0, 64.0);
        upright = column >= 6 * fontPixels;
        if (!upright)
            fontPixels = std::min(fontPixels, std::floor(height * 0.2 / 5));
        band = upright ? 2.2 * fontPixels : std::round(height * 0.2);
        top = margin + band + margin;
        bottom = height - margin - band - margin;
    }
    double X(double ladderY) const { return origin + (ladderY / RowPitch - 0.5) * column; }
    double Y(double ladderX) const { return top + std::clamp(ladderX, 0.0, double(LadderWidth)) / LadderWidth * (bottom - top); }
    QPointF At(QPointF ladder) const { return {X(ladder.y()), Y(ladder.x())}; }
    QRectF TopBand(double width) const { return {0, margin, width, band}; }
    QRectF BottomBand(double width) const { return {0, bottom + margin, width, band}; }
    bool Labelled() const { return fontPixels >= 9; }

    double margin, column, origin, fontPixels, band, top, bottom;
    bool upright;
};

namespace {

double Length(QPointF a, QPointF b)
{
    return std::hypot(b.x() - a.x(), b.y() - a.y());
}

QPolygonF Mapped(const StageLayout& layout, const std::vector<QPoint>& path, double progress)
{
    QPolygonF points;
    if (path.empty())
        return points;
    double total = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        total += Length(path[i - 1], path[i]);
    double left = total * std::clamp(progress, 0.0, 1.0);
    points << layout.At(path.front());
    for (std::size_t i = 1; i < path.size(); ++i) {
        const double leg = Length(path[i - 1], path[i]);
        if (leg >= left) {
            const QPointF a = path[i - 1], b = path[i];
            points << layout.At(leg > 0 ? a + (b - a) * (left / leg) : b);
            break;
        }
        left -= leg;
        points << layout.At(path[i]);
    }
    return points;
}

double PathWidth(const StageLayout& layout)
{
    return std::clamp(layout.column * 0.12, 2.0, 10.0);
}

void DrawPath(QPainter& painter, const StageLayout& layout, const StageScene& scene, int32_t hit, double progress,
              const QColor& colour)
{
    if (hit < 1 || hit > int32_t(scene.Paths.size()))
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, PathWidth(layout), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(Mapped(layout, scene.Paths[hit - 1], progress));
}

void UseLabelFont(QPainter& painter, const StageLayout& layout)
{
    QFont font = painter.font();
    font.setPixelSize(int(layout.fontPixels));
    painter.setFont(font);
}

// A label in the band: upright and centred, or turned a quarter so that it reads upward, against the ladder.
void Label(QPainter& painter, const StageLayout& layout, double x, QRectF band, bool towardBottom, const QString& text,
           const QColor& colour, const QColor& fill)
{
    QFontMetricsF metrics(painter.font());
    const double along = layout.upright ? layout.column * 0.92 : band.height() * 0.96;
    // Cut in the middle, as the card is: names alike at one end stay apart by the other.
    const QString shown = metrics.elidedText(text, Qt::ElideMiddle, along - layout.fontPixels * 0.4);
    painter.save();
    if (layout.upright) {
        painter.translate(x, band.center().y());
    } else {
        painter.translate(x, towardBottom ? band.bottom() : band.top());
        painter.rotate(-90);
    }
    const double thick = layout.fontPixels * 1.4;
    QRectF box = layout.upright ? QRectF(-along / 2, -thick / 2, along, thick)
                                : QRectF(towardBottom ? 0 : -along, -thick / 2, along, thick);
    if (fill.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(box, thick * 0.2, thick * 0.2);
    }
    painter.setPen(colour);
    const Qt::Alignment align = layout.upright ? Qt::AlignCenter
                                               : (towardBottom ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    painter.drawText(box.adjusted(layout.fontPixels * 0.2, 0, -layout.fontPixels * 0.2, 0), align, shown);
    painter.restore();
}

void MemberLabel(QPainter& painter, const StageLayout& layout, const StageLook& look, const StageScene& scene,
                 int32_t row, double width, bool winner)
{
    Label(painter, layout, layout.X(row * RowPitch), layout.TopBand(width), true, scene.Members.value(row - 1),
          winner ? look.HighlightText : look.Text, winner ? look.Highlight : QColor());
}

void PrizeLabel(QPainter& painter, const StageLayout& layout, const StageLook& look, const StageScene& scene,
                int32_t row, double width, bool latest)
{
    const QRectF band = layout.BottomBand(width);
    const double x = layout.X(row * RowPitch);
    if (latest)
        Label(painter, layout, x, band, false, scene.Prizes.value(row - 1), look.HighlightText, look.Highlight);
    else if (scene.Curtain && !scene.IsRevealed(row))
        Label(painter, layout, x, band, false, QStringLiteral("?"), look.CurtainText, look.Curtain);
    else
        Label(painter, layout, x, band, false, scene.Prizes.value(row - 1), look.Text, QColor());
}

// The name card; `glow` (0 .. 1) lights a halo around it.
void Card(QPainter& painter, QSize size, const StageLayout& layout, const StageLook& look, const QString& text,
          double glow)
{
    QFont font = painter.font();
    font.setPixelSize(std::clamp(int(size.height() * 0.06), 20, 80));
    font.setBold(true);
    painter.setFont(font);
    QFontMetricsF metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideMiddle, size.width() * 0.8);
    const double w = metrics.horizontalAdvance(shown) + font.pixelSize() * 1.6, h = font.pixelSize() * 2.2;
    const QRectF box(size.width() / 2.0 - w / 2, (layout.top + layout.bottom) / 2 - h / 2, w, h);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (glow > 0) {
        painter.setPen(Qt::NoPen);
        QColor halo = look.Highlight;
        for (int ring = 4; ring >= 1; --ring) {
            halo.setAlphaF(glow * 0.3 / ring);
            painter.setBrush(halo);
            const double out = ring * h * 0.1;
            painter.drawRoundedRect(box.adjusted(-out, -out, out, out), h * 0.2 + out, h * 0.2 + out);
        }
    }
    painter.setPen(QPen(look.Highlight, font.pixelSize() * 0.12));
    painter.setBrush(look.Card);
    painter.drawRoundedRect(box, h * 0.2, h * 0.2);
    painter.setPen(look.CardText);
    painter.drawText(box, Qt::AlignCenter, shown);
}

// Confetti falling over the stage, `t` (0 .. 1) of the way through, fading to nothing at the end.
// The same `seed` and `t` give the same pieces in the same places.
void Confetti(QPainter& painter, QSize size, const StageLook& look, quint32 seed, double t)
{
    constexpr int Pieces = 90;
    const QColor colours[] = {look.Highlight, look.Latest, look.Text, look.Path};
    QRandomGenerator random(seed);
    const double piece = std::max(6.0, size.height() / 90.0), height = size.height();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setOpacity(std::clamp((1 - t) / 0.25, 0.0, 1.0));
    for (int index = 0; index < Pieces; ++index) {
        const double x = random.generateDouble() * size.width(), start = -random.generateDouble() * height * 0.5;
        const double speed = 0.8 + random.generateDouble() * 0.6, sway = random.generateDouble() * 6.3;
        const double spin = (random.generateDouble() - 0.5) * 1440;
        painter.save();
        painter.translate(x + std::sin(sway + t * 9) * piece * 2, start - piece + t * speed * height * 1.5);
        painter.rotate(spin * t);
        painter.setBrush(colours[index % 4]);
        painter.drawRect(QRectF(-piece / 2, -piece / 4, piece, piece / 2));
        painter.restore();
    }
    painter.setOpacity(1);
}

// The revealed paths kept in the tiles: all but the latest when it is drawn brighter over them.
std::vector<int32_t> SettledPaths(const StageScene& scene)
{
    if (!scene.Built || scene.Revealed.empty())
        return {};
    return {scene.Revealed.begin(), scene.Revealed.end() - (scene.LatestLit ? 1 : 0)};
}

} // namespace

QPointF PointAlong(const std::vector<QPoint>& path, double progress)
{
    double total = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        total += Length(path[i - 1], path[i]);
    double left = total * std::clamp(progress, 0.0, 1.0);
    for (std::size_t i = 1; i < path.size(); ++i) {
        const double leg = Length(path[i - 1], path[i]);
        if (leg >= left && leg > 0)
            return QPointF(path[i - 1]) + QPointF(path[i] - path[i - 1]) * (left / leg);
        left -= leg;
    }
    return path.empty() ? QPointF() : QPointF(path.back());
}

// The still parts lying between x = from and x = to: rails, rungs, the settled paths and the labels.
void StagePainter::DrawStill(QPainter& painter, const StageScene& scene, const StageLayout& layout, double from,
                             double to) const
{
    const StageLook& look = LookOf(still_.Theme);
    const auto near = [&](double x) { return x >= from && x <= to; };
    QList<QLineF> lines;
    for (int32_t row = 1; row <= scene.Rows; ++row)
        if (near(layout.X(row * RowPitch)))
            lines << QLineF(layout.X(row * RowPitch), layout.top, layout.X(row * RowPitch), layout.bottom);
    if (scene.Built)
        for (const QLine& rung : scene.Rungs) {
            const double a = layout.X(rung.y1()), b = layout.X(rung.y2());
            if (b >= from && a <= to)
                lines << QLineF(a, layout.Y(rung.x1()), b, layout.Y(rung.x1()));
        }
    painter.setPen(QPen(look.Rail, std::clamp(layout.column * 0.06, 1.0, 4.0), Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(lines);

    for (int32_t hit : still_.Settled)
        DrawPath(painter, layout, scene, hit, 1.0, look.Path);

    if (layout.Labelled()) {
        UseLabelFont(painter, layout);
        for (int32_t row = 1; row <= scene.Rows; ++row) {
            if (!near(layout.X(row * RowPitch)))
                continue;
            const bool winner = std::any_of(still_.Settled.begin(), still_.Settled.end(), [&](int32_t hit) {
                return hit <= int32_t(scene.Winners.size()) && scene.Winners[hit - 1] == row;
            });
            MemberLabel(painter, layout, look, scene, row, to - from, winner);
            PrizeLabel(painter, layout, look, scene, row, to - from, false);
        }
    }
}

// Tile `index` holds the still parts between x = origin + index × TileWidth and the next tile.
const QImage& StagePainter::Tile(int index, const StageScene& scene, const StageLayout& layout)
{
    const auto kept = tiles_.find(index);
    if (kept != tiles_.end())
        return kept->second;
    if (tiles_.size() >= KeptTiles) {
        // The tile farthest from this one goes.
        const auto farthest = std::abs(tiles_.begin()->first - index) > std::abs(tiles_.rbegin()->first - index)
                                  ? tiles_.begin()
                                  : std::prev(tiles_.end());
        tiles_.erase(farthest);
    }
    QImage tile(TileWidth, still_.Size.height(), QImage::Format_RGB32);
    tile.fill(LookOf(still_.Theme).Background);
    QPainter painter(&tile);
    // The tile's own pixels: the layout's x less where the tile starts.
    const double left = layout.origin + double(index) * TileWidth;
    painter.translate(-left, 0);
    DrawStill(painter, scene, layout, left - layout.column, left + TileWidth + layout.column);
    painter.end();
    return tiles_.emplace(index, std::move(tile)).first->second;
}

void StagePainter::Paint(QPainter& painter, QSize size, const StageScene& scene, const StageFrame& frame)
{
    const StageLook& look = LookOf(frame.Theme);
    if (frame.Blank || scene.Rows <= 0) {
        painter.fillRect(QRect(QPoint(0, 0), size), look.Background);
        return;
    }
    const StageLayout layout(size, scene.Rows, frame);
    const double width = size.width();

    Still still{size, frame.Theme, layout.column, scene.Rows, scene.Members, scene.Prizes,
                scene.Built ? scene.Rungs : std::vector<QLine>{}, scene.Built, scene.Curtain, SettledPaths(scene)};
    // While the camera zooms, every frame has its own scale: the still parts are drawn
    // straight onto it, since tiles kept for one frame would only cost their making.
    // A picture at rest always comes from the tiles.
    const bool zooming = frame.Moving && still.Size == still_.Size && still.Column != still_.Column;
    if (!(still == still_)) {
        still_ = std::move(still);
        tiles_.clear();
    }
    if (zooming) {
        painter.fillRect(QRect(QPoint(0, 0), size), look.Background);
        DrawStill(painter, scene, layout, -layout.column, width + layout.column);
    } else {
        // The tiles in view, copied; outside the ladder's tiles only the background shows.
        const int first = int(std::floor(-layout.origin / TileWidth));
        const int last = int(std::floor((width - layout.origin) / TileWidth));
        for (int index = first; index <= last; ++index)
            painter.drawImage(QPointF(layout.origin + double(index) * TileWidth, 0), Tile(index, scene, layout));
    }

    // The latest path, brighter, drawn along as far as it has come, with its marker.
    const int32_t latest = scene.Built && scene.LatestLit && !scene.Revealed.empty() ? scene.Revealed.back() : 0;
    const bool running = latest > 0 && frame.RunningHit == latest && latest <= int32_t(scene.Paths.size());
    if (latest > 0) {
        DrawPath(painter, layout, scene, latest, running ? frame.Progress : 1.0, look.Latest);
        if (running) {
            const QPointF marker = layout.At(PointAlong(scene.Paths[latest - 1], frame.Progress));
            const double pathWidth = PathWidth(layout), radius = std::max(pathWidth * 1.6, 5.0);
            painter.setPen(QPen(look.Text, pathWidth * 0.5));
            painter.setBrush(look.Highlight);
            painter.drawEllipse(marker, radius, radius);
        }
        if (layout.Labelled()) {
            UseLabelFont(painter, layout);
            PrizeLabel(painter, layout, look, scene, latest, width, true);
            const bool settled = !running || frame.Progress >= 1.0;
            if (settled && latest <= int32_t(scene.Winners.size()))
                MemberLabel(painter, layout, look, scene, scene.Winners[latest - 1], width, true);
        }
    }

    if (const QString card = CardText(scene, frame.CardHit); !card.isEmpty()) {
        const double celebration = std::clamp(frame.Celebration, 0.0, 1.0);
        Card(painter, size, layout, look, card, std::sin(std::numbers::pi * celebration));
        if (celebration > 0)
            Confetti(painter, size, look, quint32(frame.CardHit), celebration);
    }
}

QString CardText(const StageScene& scene, int32_t hit)
{
    if (hit <= 0 || hit > int32_t(scene.Winners.size()))
        return {};
    const int32_t member = scene.Winners[hit - 1];
    QString prize = scene.Prizes.value(hit - 1), name = scene.Members.value(member - 1);
    if (prize.isEmpty())
        prize = QString::number(hit);
    if (name.isEmpty())
        name = QString::number(member);
    return prize + QStringLiteral(" \u2192 ") + name;
}

void PaintStage(QPainter& painter, QSize size, const StageScene& scene, const StageFrame& frame)
{
    StagePainter().Paint(painter, size, scene, frame);
}

} // namespace quorvan
