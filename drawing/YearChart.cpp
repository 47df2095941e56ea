// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/YearChart.h"
#include "drawing/Inks.h"
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
constexpr double RightMargin = 6, TickRoom = 8;

const QColor Night(18, 22, 54);
// Above -18, -12 and -6 degrees, and above the horizon.
const QColor Levels[] = {QColor(32, 42, 92), QColor(52, 72, 132), QColor(90, 120, 196), QColor(172, 206, 240)};

// The stretches of a day (in clock hours) the sun stands above a height, from its crossings of it.
QList<std::pair<double, double>> above(const std::optional<double>& rising, const std::optional<double>& setting,
                                       double highest, double level)
{
    if (rising && setting)
        return *rising < *setting ? QList<std::pair<double, double>>{{*rising, *setting}}
                                  : QList<std::pair<double, double>>{{0, *setting}, {*rising, 24}};
    if (rising)
        return {{*rising, 24}};
    if (setting)
        return {{0, *setting}};
    // No crossing: the whole day lies on one side.
    if (highest > level)
        return {{0, 24}};
    return {};
}
} // namespace

YearChartGeometry::YearChartGeometry(const QRectF& area, int days, const QMarginsF& margins)
    : m_plot(area.marginsRemoved(margins)), m_days(std::max(days, 1))
{
}

QMarginsF yearChartMargins(const QFontMetricsF& metrics, const YearChartContent& content)
{
    double widest = 0;
    for (const auto& hour : content.hours)
        widest = std::max(widest, metrics.horizontalAdvance(hour.second));
    const double line = std::ceil(metrics.height());
    // The last hour's text stands half below the days: the months' line leaves it room.
    return {std::ceil(widest) + TickRoom, line + 4, RightMargin, line + 2};
}

double YearChartGeometry::x(int dayIndex) const
{
    return m_plot.left() + m_plot.width() * dayIndex / m_days;
}

double YearChartGeometry::y(double hours) const
{
    return m_plot.top() + m_plot.height() * hours / 24;
}

int YearChartGeometry::dayIndexAt(const QPointF& point) const
{
    if (!m_plot.contains(point))
        return -1;
    return std::clamp(int((point.x() - m_plot.left()) / m_plot.width() * m_days), 0, m_days - 1);
}

void paintYearChart(QPainter& painter, const QRectF& area, const YearChartContent& content)
{
    const int count = int(content.days.size());
    if (count == 0)
        return;
    const QFontMetricsF metrics(painter.font());
    const QMarginsF margins = yearChartMargins(metrics, content);
    const YearChartGeometry geometry(area, count, margins);
    const QRectF plot = geometry.plot();
    painter.save();
    painter.fillRect(plot, Night);
    constexpr double LevelDegrees[] = {-18, -12, -6, -0.833};
    for (int i = 0; i < count; ++i) {
        const DayLightHours& day = content.days[std::size_t(i)];
        const double left = std::floor(geometry.x(i)), right = std::ceil(geometry.x(i + 1));
        const std::pair<std::optional<double>, std::optional<double>> crossings[] = {
            {day.astronomicalDawn, day.astronomicalDusk},
            {day.nauticalDawn, day.nauticalDusk},
            {day.civilDawn, day.civilDusk},
            {day.sunrise, day.sunset}};
        for (int level = 0; level < 4; ++level)
            for (const auto& [from, to] :
                 above(crossings[level].first, crossings[level].second, day.highest, LevelDegrees[level]))
                painter.fillRect(QRectF(QPointF(left, geometry.y(from)), QPointF(right, geometry.y(to))),
                                 Levels[level]);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The sunrise and sunset lines, broken where a day has none.
    const auto line = [&](std::optional<double> DayLightHours::*moment) {
        QPainterPath path;
        bool open = false;
        for (int i = 0; i < count; ++i) {
            const std::optional<double>& hours = content.days[std::size_t(i)].*moment;
            if (!hours) {
                open = false;
                continue;
            }
            const QPointF point((geometry.x(i) + geometry.x(i + 1)) / 2, geometry.y(*hours));
            open ? path.lineTo(point) : path.moveTo(point);
            open = true;
        }
        painter.drawPath(path);
    };
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(inks::Sun, 1.5));
    line(&DayLightHours::sunrise);
    line(&DayLightHours::sunset);
    const auto marker = [&](const std::optional<QDate>& day, const QColor& colour) {
        if (!day || day->year() != content.days.front().day.year())
            return;
        const double x = (geometry.x(day->dayOfYear() - 1) + geometry.x(day->dayOfYear())) / 2;
        painter.setPen(QPen(colour, 1.5));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    };
    marker(content.today, inks::TodayInk);
    marker(content.clicked, inks::Blue);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(inks::Navy);
    for (const auto& [day, text] : content.labels) {
        const double x = (geometry.x(day.dayOfYear() - 1) + geometry.x(day.dayOfYear())) / 2;
        const double width = metrics.horizontalAdvance(text);
        const double left = std::clamp(x - width / 2, plot.left(), plot.right() - width);
        painter.drawLine(QPointF(x, plot.top() - 4), QPointF(x, plot.top()));
        painter.drawText(QRectF(left, area.top(), width + 1, margins.top() - 4), Qt::AlignLeft | Qt::AlignBottom, text);
    }
    painter.setPen(inks::WeekInk);
    const int year = content.days.front().day.year();
    for (int month = 1; month <= 12 && month <= content.monthNames.size(); ++month) {
        const int first = QDate(year, month, 1).dayOfYear() - 1;
        const int next = month == 12 ? count : QDate(year, month + 1, 1).dayOfYear() - 1;
        painter.drawLine(QPointF(geometry.x(first), plot.bottom()), QPointF(geometry.x(first), plot.bottom() + 3));
        painter.drawText(
            QRectF(QPointF(geometry.x(first), plot.bottom() + 1), QPointF(geometry.x(next), area.bottom())),
            Qt::AlignHCenter | Qt::AlignTop, content.monthNames[month - 1]);
    }
    for (const auto& [hours, text] : content.hours) {
        const double y = geometry.y(hours);
        painter.drawLine(QPointF(plot.left() - 3, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(area.left(), y - metrics.height() / 2, margins.left() - 5, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.restore();
}
