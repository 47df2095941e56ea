// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DaySky.h"
#include <QList>
#include <QRectF>
#include <QString>
#include <optional>
#include <utility>

class QPainter;

// What the picture of a day shows; every moment is a Julian day of Universal Time.
struct DayPictureContent
{
    DayHeights heights;
    std::optional<double> sunrise, sunset, moonrise, moonset, now;
    // Hours marked below the picture, and how the clock writes them.
    QList<std::pair<double, QString>> hours;
};

// Where a moment and a height stand in the picture, and back.
class DayPictureGeometry
{
public:
    DayPictureGeometry(const QRectF& area, const DayHeights& heights);
    QRectF plot() const { return m_plot; }
    QPointF at(double moment, double degrees) const;
    double momentAt(double x) const;
    double degreesAt(double y) const;

private:
    QRectF m_plot;
    double m_start, m_end;
};

// The day's 24 hours from left to right and the heights from -90 to +90 degrees: the sky's colour behind each moment
// from the sun's height (night, the three twilights, the blue and golden hours, day), the horizon, the sun's and
// the moon's curves, their risings and settings marked on the horizon, the present moment when it falls in the day,
// and the hours below.
void paintDayPicture(QPainter& painter, const QRectF& area, const DayPictureContent& content);
