#pragma once
#include "astro/DayMarks.h"
#include <QImage>
#include <QRectF>

class QPainter;

// The marks of a day drawn over its cell: the new moon a dark disc and the full moon a bright one with a dark rim
// in the top right corner, an equinox or solstice a small sun in the top left, the user's events a bar along the
// bottom. Drawn as shapes, so they stay sharp at any display scale.
void paintDayMarks(QPainter& painter, const QRectF& cell, const DayMarks& marks);

// A day cell of that size with its marks where the grid draws them, at that display scale, for the legend.
QImage dayMarkSample(const DayMarks& marks, const QSize& cell, qreal scale);
