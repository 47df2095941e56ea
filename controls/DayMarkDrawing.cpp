#include "controls/DayMarkDrawing.h"
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
// Sizes in logical pixels: a cell of the grid is about 28 by 16.
constexpr qreal MoonRadius = 2.75;
constexpr qreal SunRadius = 1.75;
constexpr qreal RayInner = 2.5;
constexpr qreal RayOuter = 3.75;
constexpr int SunRays = 8;
constexpr qreal Inset = 1.0;
constexpr qreal EventBarHeight = 2.0;
constexpr qreal EventBarInset = 4.0;
const QColor NewMoonFill(40, 40, 48);
const QColor FullMoonFill(255, 250, 220);
const QColor MoonRim(40, 40, 48);
const QColor SunColour(230, 120, 0);
const QColor EventColour(0, 150, 80);
const QColor SampleFrame(192, 192, 192);

void paintMoonDisc(QPainter& painter, const QPointF& centre, bool full)
{
    painter.setPen(full ? QPen(MoonRim, 0.9) : Qt::NoPen);
    painter.setBrush(full ? FullMoonFill : NewMoonFill);
    painter.drawEllipse(centre, MoonRadius, MoonRadius);
}

void paintSun(QPainter& painter, const QPointF& centre)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(SunColour);
    painter.drawEllipse(centre, SunRadius, SunRadius);
    painter.setPen(QPen(SunColour, 0.8, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < SunRays; ++k) {
        const qreal angle = k * 2 * M_PI / SunRays;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * RayInner, centre + direction * RayOuter);
    }
}
} // namespace

void paintDayMarks(QPainter& painter, const QRectF& cell, const DayMarks& marks)
{
    if (!marks.any())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal moonOffset = Inset + MoonRadius + 0.5;
    const QPointF moonCentre(cell.right() - moonOffset, cell.top() + moonOffset);
    // A day with both phases cannot happen; a new moon is drawn before a full one so the bright disc shows.
    if (marks.newMoon)
        paintMoonDisc(painter, moonCentre, false);
    if (marks.fullMoon)
        paintMoonDisc(painter, moonCentre, true);
    if (marks.season) {
        const qreal sunOffset = Inset + RayOuter;
        paintSun(painter, QPointF(cell.left() + sunOffset, cell.top() + sunOffset));
    }
    if (marks.event) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(EventColour);
        painter.drawRect(QRectF(cell.left() + EventBarInset, cell.bottom() - EventBarHeight - Inset + 1,
                                cell.width() - 2 * EventBarInset, EventBarHeight));
    }
    painter.restore();
}

QImage dayMarkSample(const DayMarks& marks, const QSize& cell, qreal scale)
{
    QImage image(cell * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(SampleFrame, 0));
    painter.drawRect(QRectF(0.5, 0.5, cell.width() - 1, cell.height() - 1));
    paintDayMarks(painter, QRectF(QPointF(0, 0), cell), marks);
    return image;
}
