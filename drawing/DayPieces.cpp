// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/DayPieces.h"
#include "drawing/Inks.h"
#include <QPainter>
#include <array>
#include <cmath>

namespace {
// Sizes for a cell 16 high (the window's); other cells scale them by their height.
constexpr qreal BaseHeight = 16.0;
constexpr qreal MoonRadius = 2.75;
constexpr qreal MoonRimWidth = 0.9;
constexpr qreal RingGap = 0.9;
constexpr qreal RingWidth = 0.8;
constexpr qreal SunRadius = 1.75;
constexpr qreal RayInner = 2.5;
constexpr qreal RayOuter = 3.75;
constexpr qreal RayWidth = 0.8;
constexpr int SunRays = 8;
constexpr qreal Inset = 1.0;
constexpr qreal EventBarHeight = 2.0;
constexpr qreal EventBarInset = 4.0;
const QColor SampleFrame(192, 192, 192);

void moonDisc(QPainter& painter, const QPointF& centre, qreal unit, bool full)
{
    painter.setPen(full ? QPen(inks::MoonRim, MoonRimWidth * unit) : QPen(Qt::NoPen));
    painter.setBrush(full ? inks::FullMoonFill : inks::NewMoonFill);
    painter.drawEllipse(centre, MoonRadius * unit, MoonRadius * unit);
}

// The sun's ring around the dark moon.
void solarEclipse(QPainter& painter, const QPointF& centre, qreal unit)
{
    moonDisc(painter, centre, unit, false);
    painter.setPen(QPen(inks::Sun, RingWidth * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, (MoonRadius + RingGap) * unit, (MoonRadius + RingGap) * unit);
}

// The full moon gone copper in the earth's shadow.
void lunarEclipse(QPainter& painter, const QPointF& centre, qreal unit)
{
    painter.setPen(QPen(inks::MoonRim, MoonRimWidth * unit));
    painter.setBrush(inks::EclipsedMoon);
    painter.drawEllipse(centre, MoonRadius * unit, MoonRadius * unit);
}

void sun(QPainter& painter, const QPointF& centre, qreal unit)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(inks::Sun);
    painter.drawEllipse(centre, SunRadius * unit, SunRadius * unit);
    painter.setPen(QPen(inks::Sun, RayWidth * unit, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < SunRays; ++k) {
        const qreal angle = k * 2 * M_PI / SunRays;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * RayInner * unit, centre + direction * RayOuter * unit);
    }
}

void eventBar(QPainter& painter, const QRectF& bar)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(inks::Event);
    painter.drawRect(bar);
}

QPointF moonCentre(const QRectF& cell, qreal unit)
{
    const qreal offset = (Inset + MoonRadius + 0.5) * unit;
    return {cell.right() - offset, cell.top() + offset};
}

// One piece per kind of mark: where in the cell it stands and how it looks.
using Piece = void (*)(QPainter&, const QRectF& cell, qreal unit);
const std::array<Piece, std::size_t(DayMark::Count)> Pieces = {
    [](QPainter& p, const QRectF& cell, qreal unit) { moonDisc(p, moonCentre(cell, unit), unit, false); },
    [](QPainter& p, const QRectF& cell, qreal unit) { moonDisc(p, moonCentre(cell, unit), unit, true); },
    [](QPainter& p, const QRectF& cell, qreal unit) {
        const qreal offset = (Inset + RayOuter) * unit;
        sun(p, QPointF(cell.left() + offset, cell.top() + offset), unit);
    },
    [](QPainter& p, const QRectF& cell, qreal unit) {
        eventBar(p, QRectF(cell.left() + EventBarInset * unit, cell.bottom() - (EventBarHeight + Inset - 1) * unit,
                           cell.width() - 2 * EventBarInset * unit, EventBarHeight * unit));
    },
    [](QPainter& p, const QRectF& cell, qreal unit) { solarEclipse(p, moonCentre(cell, unit), unit); },
    [](QPainter& p, const QRectF& cell, qreal unit) { lunarEclipse(p, moonCentre(cell, unit), unit); },
};
} // namespace

DayMarkSet DayMarkSet::of(const DayMarks& marks)
{
    DayMarkSet set;
    set.set(DayMark::NewMoon, marks.newMoon);
    set.set(DayMark::FullMoon, marks.fullMoon);
    set.set(DayMark::Season, marks.season);
    set.set(DayMark::Event, marks.event);
    set.set(DayMark::SolarEclipse, marks.solarEclipse);
    set.set(DayMark::LunarEclipse, marks.lunarEclipse);
    return set;
}

void paintDayMarks(QPainter& painter, const QRectF& cell, DayMarkSet marks)
{
    if (!marks.any())
        return;
    const qreal unit = cell.height() / BaseHeight;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t kind = 0; kind < Pieces.size(); ++kind)
        if (marks.has(DayMark(kind)))
            Pieces[kind](painter, cell, unit);
    painter.restore();
}

void paintDayMark(QPainter& painter, DayMark mark, const QPointF& centre, qreal cellHeight)
{
    const qreal unit = cellHeight / BaseHeight;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    switch (mark) {
    case DayMark::NewMoon:
    case DayMark::FullMoon:
        moonDisc(painter, centre, unit, mark == DayMark::FullMoon);
        break;
    case DayMark::Season:
        sun(painter, centre, unit);
        break;
    case DayMark::Event:
        eventBar(painter, QRectF(centre.x() - 2 * RayOuter * unit, centre.y() - EventBarHeight * unit / 2,
                                 4 * RayOuter * unit, EventBarHeight * unit));
        break;
    case DayMark::SolarEclipse:
        solarEclipse(painter, centre, unit);
        break;
    case DayMark::LunarEclipse:
        lunarEclipse(painter, centre, unit);
        break;
    case DayMark::Count:
        break;
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
    paintDayMarks(painter, QRectF(QPointF(0, 0), cell), DayMarkSet::of(marks));
    return image;
}
