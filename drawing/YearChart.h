// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DaySky.h"
#include <QDate>
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QFontMetricsF;
class QPainter;

// What the daylight chart of a year shows.
struct YearChartContent
{
    std::vector<DayLightHours> days; // the year's, in order
    std::optional<QDate> today, clicked;
    QList<std::pair<QDate, QString>> labels; // days named above the chart (the solstices)
    QStringList monthNames;                  // twelve, short
    QList<std::pair<double, QString>> hours; // clock hours written at the left
};

// Where a day and an hour of the clock stand in the chart, and back.
class YearChartGeometry
{
public:
    // margins: room for the texts around the days, yearChartMargins'.
    YearChartGeometry(const QRectF& area, int days, const QMarginsF& margins);
    QRectF plot() const { return m_plot; }
    double x(int dayIndex) const;
    double y(double hours) const;
    // The day under a point, -1 outside the chart.
    int dayIndexAt(const QPointF& point) const;

private:
    QRectF m_plot;
    int m_days;
};

// The room around the days for the content's texts in that font: the widest hour at the left, a line above for the
// named days and one below for the months.
QMarginsF yearChartMargins(const QFontMetricsF& metrics, const YearChartContent& content);

// Each day a column from midnight at the top to midnight at the bottom, coloured by the sun: night, the three
// twilights and day, with the sunrise and sunset lines over them; a clock change shows as a step. Today and the
// clicked day are marked, the labelled days named, the months and hours written along the edges.
void paintYearChart(QPainter& painter, const QRectF& area, const YearChartContent& content);
