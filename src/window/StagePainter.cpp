#include "window/StagePainter.h"

#include "ladder/Geometry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace quorvan {

namespace {

// The stage's colours; every text colour stands at least 7:1 against what it is drawn on.
struct Look {
    QColor Background, Rail, Text, Path, Latest, Highlight, HighlightText, Curtain, CurtainText, Card, CardText;
};

const Look DarkLook{QColor(0x10, 0x14, 0x18), QColor(0x5A, 0x63, 0x70), QColor(0xF2, 0xF4, 0xF7),
                    QColor(0xE0, 0x5A, 0x4E), QColor(0xFF, 0x6B, 0x5E), QColor(0xFF, 0xC9, 0x40),
                    QColor(0x10, 0x14, 0x18), QColor(0x2B, 0x34, 0x40), QColor(0xF2, 0xF4, 0xF7),
                    QColor(0xF2, 0xF4, 0xF7), QColor(0x10, 0x14, 0x18)};
const Look LightLook{QColor(0xFA, 0xFA, 0xF7), QColor(0x8A, 0x93, 0x9E), QColor(0x11, 0x14, 0x18),
                     QColor(0xB0, 0x24, 0x24), QColor(0xC6, 0x28, 0x28), QColor(0xFF, 0xC9, 0x40),
                     QColor(0x11, 0x14, 0x18), QColor(0xD5, 0xDA, 0xE0), QColor(0x11, 0x14, 0x18),
                     QColor(0x11, 0x14, 0x18), QColor(0xFA, 0xFA, 0xF7)};

// Where things lie on the stage for one frame.
struct Layout {
    Layout(QSize size, int32_t rows, const StageFrame& frame)
    {
        const double width = size.width(), height = size.height();
        margin = std::round(height * 0.03);
        visible = frame.VisibleColumns > 0 ? frame.VisibleColumns : rows;
        first = frame.VisibleColumns > 0 ? frame.FirstColumn : 0;
        column = (width - 2 * margin) / std::max(1.0, visible);
        // Upright labels for a few wide lines; otherwise turned, and small enough for a name to fit the band.
        fontPixels = std::clamp(std::floor(column * 0.55), 0.0, 64.0);
        upright = column >= 6 * fontPixels;
        if (!upright)
            fontPixels = std::min(fontPixels, std::floor(height * 0.2 / 5));
        band = upright ? 2.2 * fontPixels : std::round(height * 0.2);
        top = margin + band + margin;
        bottom = height - margin - band - margin;
    }
    double X(double ladderY) const { return margin + (ladderY / RowPitch - 0.5 - first) * column; }
    double Y(double ladderX) const { return top + std::clamp(ladderX, 0.0, double(LadderWidth)) / LadderWidth * (bottom - top); }
    QPointF At(QPointF ladder) const { return {X(ladder.y()), Y(ladder.x())}; }
    // Whether line `row` shows at all.
    bool Shows(int32_t row, double width) const
    {
        const double x = X(row * RowPitch);
        return x > -column && x < width + column;
    }

    double margin, visible, first, column, fontPixels, band, top, bottom;
    bool upright;
};

double Length(QPointF a, QPointF b)
{
    return std::hypot(b.x() - a.x(), b.y() - a.y());
}

QPolygonF Mapped(const Layout& layout, const std::vector<QPoint>& path, double progress)
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

// A label in the band: upright and centred, or turned a quarter so that it reads upward, against the ladder.
void Label(QPainter& painter, const Layout& layout, double x, QRectF band, bool towardBottom, const QString& text,
           const QColor& colour, const QColor& fill)
{
    QFontMetricsF metrics(painter.font());
    const double along = layout.upright ? layout.column * 0.92 : band.height() * 0.96;
    const QString shown = metrics.elidedText(text, Qt::ElideRight, along - layout.fontPixels * 0.4);
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

void Card(QPainter& painter, QSize size, const Layout& layout, const Look& look, const QString& text)
{
    QFont font = painter.font();
    font.setPixelSize(std::clamp(int(size.height() * 0.06), 20, 80));
    font.setBold(true);
    painter.setFont(font);
    QFontMetricsF metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideMiddle, size.width() * 0.8);
    const double w = metrics.horizontalAdvance(shown) + font.pixelSize() * 1.6, h = font.pixelSize() * 2.2;
    const QRectF box(size.width() / 2.0 - w / 2, (layout.top + layout.bottom) / 2 - h / 2, w, h);
    painter.setPen(QPen(look.Highlight, font.pixelSize() * 0.12));
    painter.setBrush(look.Card);
    painter.drawRoundedRect(box, h * 0.2, h * 0.2);
    painter.setPen(look.CardText);
    painter.drawText(box, Qt::AlignCenter, shown);
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

void FollowPoint(StageFrame& frame, int32_t rows, QPointF point)
{
    if (rows <= ReadableColumns) {
        frame.FirstColumn = 0;
        frame.VisibleColumns = 0;
        return;
    }
    frame.VisibleColumns = ReadableColumns;
    const double line = point.y() / RowPitch - 0.5;
    frame.FirstColumn = std::clamp(line - ReadableColumns / 2.0, 0.0, double(rows - ReadableColumns));
}

void PaintStage(QPainter& painter, QSize size, const StageScene& scene, const StageFrame& frame)
{
    const Look& look = frame.Light ? LightLook : DarkLook;
    painter.fillRect(QRect(QPoint(0, 0), size), look.Background);
    if (frame.Blank || scene.Rows <= 0)
        return;
    const Layout layout(size, scene.Rows, frame);
    const double width = size.width();
    const double railWidth = std::clamp(layout.column * 0.06, 1.0, 4.0);

    // The rails and rungs, only those in view, in two batches.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QList<QLineF> lines;
    for (int32_t row = 1; row <= scene.Rows; ++row)
        if (layout.Shows(row, width))
            lines << QLineF(layout.X(row * RowPitch), layout.top, layout.X(row * RowPitch), layout.bottom);
    if (scene.Built)
        for (const QLine& rung : scene.Rungs) {
            const double left = layout.X(rung.y1()), right = layout.X(rung.y2());
            if (right >= 0 && left <= width)
                lines << QLineF(left, layout.Y(rung.x1()), right, layout.Y(rung.x1()));
        }
    painter.setPen(QPen(look.Rail, railWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(lines);

    // The paths of the revealed prizes, the latest brightest, and the one being drawn with its marker.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double pathWidth = std::clamp(layout.column * 0.12, 2.0, 10.0);
    const int32_t latest = scene.Revealed.empty() ? 0 : scene.Revealed.back();
    auto drawPath = [&](int32_t hit, double progress, const QColor& colour) {
        if (hit < 1 || hit > int32_t(scene.Paths.size()))
            return;
        painter.setPen(QPen(colour, pathWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(Mapped(layout, scene.Paths[hit - 1], progress));
    };
    if (scene.Built) {
        for (int32_t hit : scene.Revealed)
            if (hit != frame.RunningHit && hit != latest)
                drawPath(hit, 1.0, look.Path);
        if (latest != frame.RunningHit)
            drawPath(latest, 1.0, look.Latest);
        if (frame.RunningHit > 0 && frame.RunningHit <= int32_t(scene.Paths.size())) {
            drawPath(frame.RunningHit, frame.Progress, look.Latest);
            const QPointF marker = layout.At(PointAlong(scene.Paths[frame.RunningHit - 1], frame.Progress));
            const double radius = std::max(pathWidth * 1.6, 5.0);
            painter.setPen(QPen(look.Text, pathWidth * 0.5));
            painter.setBrush(look.Highlight);
            painter.drawEllipse(marker, radius, radius);
        }
    }

    // Names along the top, prizes along the bottom: only where type can be read.
    if (layout.fontPixels >= 9) {
        QFont font = painter.font();
        font.setPixelSize(int(layout.fontPixels));
        painter.setFont(font);
        const QRectF topBand(0, layout.margin, width, layout.band);
        const QRectF bottomBand(0, layout.bottom + layout.margin, width, layout.band);
        const bool settled = frame.RunningHit == 0 || frame.Progress >= 1.0;
        for (int32_t row = 1; row <= scene.Rows; ++row) {
            if (!layout.Shows(row, width))
                continue;
            const double x = layout.X(row * RowPitch);
            bool winner = false;
            for (int32_t hit : scene.Revealed)
                if (hit <= int32_t(scene.Winners.size()) && scene.Winners[hit - 1] == row &&
                    (hit != frame.RunningHit || settled))
                    winner = true;
            Label(painter, layout, x, topBand, true, scene.Members.value(row - 1),
                  winner ? look.HighlightText : look.Text, winner ? look.Highlight : QColor());
            const bool hidden = scene.Curtain && !scene.IsRevealed(row);
            if (hidden)
                Label(painter, layout, x, bottomBand, false, QStringLiteral("?"), look.CurtainText, look.Curtain);
            else
                Label(painter, layout, x, bottomBand, false, scene.Prizes.value(row - 1),
                      row == latest ? look.HighlightText : look.Text, row == latest ? look.Highlight : QColor());
        }
    }

    if (frame.CardHit > 0 && frame.CardHit <= int32_t(scene.Winners.size())) {
        const int32_t member = scene.Winners[frame.CardHit - 1];
        QString prize = scene.Prizes.value(frame.CardHit - 1), name = scene.Members.value(member - 1);
        if (prize.isEmpty())
            prize = QString::number(frame.CardHit);
        if (name.isEmpty())
            name = QString::number(member);
        Card(painter, size, layout, look, prize + QStringLiteral(" \u2192 ") + name);
    }
}

} // namespace quorvan
