// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/DayPicture.h"
#include "drawing/Inks.h"
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
constexpr double LabelsHeight = 14;
constexpr double TickHeight = 6;

// The sky behind the sun's height, from the deepest night to full day.
QColor skyAt(double sunDegrees)
{
    static const struct
    {
        double below;
        QColor colour;
    } Bands[] = {{-18, QColor(18, 22, 54)},
                 {-12, QColor(32, 42, 92)},
                 {-6, QColor(52, 72, 132)},
                 {-4, QColor(78, 108, 186)},
                 {6, QColor(246, 196, 106)}};
    for (const auto& band : Bands)
        if (sunDegrees < band.below)
            return band.colour;
    return QColor(172, 206, 240);
}

QPainterPath curveOf(const DayPictureGeometry& geometry, const DayHeights& heights, const std::vector<double>& degrees)
{
    QPainterPath path;
    const std::size_t count = degrees.size();
    for (std::size_t i = 0; i < count; ++i) {
        const double t =
            heights.start + (heights.end - heights.start) * double(i) / double(std::max<std::size_t>(count - 1, 1));
        const QPointF point = geometry.at(t, degrees[i]);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}
} // namespace

DayPictureGeometry::DayPictureGeometry(const QRectF& area, const DayHeights& heights)
    : m_plot(area.adjusted(0, 0, 0, -LabelsHeight)), m_start(heights.start), m_end(heights.end)
{
}

QPointF DayPictureGeometry::at(double moment, double degrees) const
{
    const double x = m_plot.left() + m_plot.width() * (moment - m_start) / (m_end - m_start);
    const double y = m_plot.top() + m_plot.height() * (90 - degrees) / 180;
    return {x, y};
}

double DayPictureGeometry::momentAt(double x) const
{
    return m_start + (m_end - m_start) * (x - m_plot.left()) / m_plot.width();
}

double DayPictureGeometry::degreesAt(double y) const
{
    return 90 - 180 * (y - m_plot.top()) / m_plot.height();
}

void paintDayPicture(QPainter& painter, const QRectF& area, const DayPictureContent& content)
{
    const DayHeights& heights = content.heights;
    if (heights.sun.size() < 2 || heights.end <= heights.start)
        return;
    const DayPictureGeometry geometry(area, heights);
    const QRectF plot = geometry.plot();
    painter.save();
    // The sky's bands, a strip for each step between two heights of the sun.
    const std::size_t steps = heights.sun.size() - 1;
    for (std::size_t i = 0; i < steps; ++i) {
        const double left = plot.left() + plot.width() * double(i) / double(steps);
        const double right = plot.left() + plot.width() * double(i + 1) / double(steps);
        painter.fillRect(QRectF(QPointF(std::floor(left), plot.top()), QPointF(std::ceil(right), plot.bottom())),
                         skyAt((heights.sun[i] + heights.sun[i + 1]) / 2));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double horizon = geometry.at(heights.start, 0).y();
    painter.setPen(QPen(inks::NeighbourGrey, 1));
    painter.drawLine(QPointF(plot.left(), horizon), QPointF(plot.right(), horizon));
    // The moon under the sun: a light curve with a dark edge that shows on the day's and the night's colours alike.
    const QPainterPath moon = curveOf(geometry, heights, heights.moon);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(inks::MoonRim, 3));
    painter.drawPath(moon);
    painter.setPen(QPen(inks::FullMoonFill, 1.5));
    painter.drawPath(moon);
    painter.setPen(QPen(inks::Sun, 2.5));
    painter.drawPath(curveOf(geometry, heights, heights.sun));
    const auto tick = [&](const std::optional<double>& moment, const QColor& colour) {
        if (!moment)
            return;
        const QPointF at = geometry.at(*moment, 0);
        painter.setPen(QPen(colour, 2));
        painter.drawLine(at - QPointF(0, TickHeight), at + QPointF(0, TickHeight));
    };
    tick(content.moonrise, inks::FullMoonFill);
    tick(content.moonset, inks::FullMoonFill);
    tick(content.sunrise, inks::Sun);
    tick(content.sunset, inks::Sun);
    if (content.now && *content.now >= heights.start && *content.now < heights.end) {
        const double x = geometry.at(*content.now, 0).x();
        painter.setPen(QPen(inks::TodayInk, 1.5));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(inks::WeekInk);
    const QFontMetricsF metrics(painter.font());
    for (const auto& [moment, text] : content.hours) {
        const double x = geometry.at(moment, 0).x();
        const double width = metrics.horizontalAdvance(text);
        // The first and last hour stay inside the picture.
        const double left = std::clamp(x - width / 2, area.left(), area.right() - width);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
        painter.drawText(QRectF(left, plot.bottom() + 2, width + 1, LabelsHeight), Qt::AlignLeft | Qt::AlignTop, text);
    }
    painter.restore();
}
