// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "drawing/DayContent.h"
#include <QImage>
#include <QRectF>

class QPainter;

// The marks of a day drawn over its cell, each kind by its own piece: the new moon a dark disc and the full moon a
// bright one with a dark rim in the top right corner, an equinox or solstice a small sun in the top left, the
// user's events a bar along the bottom; a solar eclipse rings the dark moon with the sun's colour, a lunar eclipse
// turns the full moon copper. Drawn as shapes sized by the cell's height, so they stay sharp at any scale
// and look alike on the screen and on paper.
void paintDayMarks(QPainter& painter, const QRectF& cell, DayMarkSet marks);

// One mark on its own, centred on a point, at the size it has in a cell of that height (for a legend).
void paintDayMark(QPainter& painter, DayMark mark, const QPointF& centre, qreal cellHeight);

// A day cell of that size with its marks where the grid draws them, at that display scale, for the legend.
QImage dayMarkSample(const DayMarks& marks, const QSize& cell, qreal scale);
