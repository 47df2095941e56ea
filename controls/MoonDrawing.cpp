// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MoonDrawing.h"
#include "astro/MoonPhase.h"
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Coordinates are worked out in 64 bits, since BorderSize is not range-checked, and kept well inside what the
// painter takes; a box beyond that limit is off any surface anyway.
int clampCoordinate(qint64 v)
{
    constexpr qint64 limit = 1 << 24;
    return int(std::clamp(v, -limit, limit));
}

// Shapes are given as (left, top, right, bottom) with the right and bottom edges exclusive.
void fillBox(QPainter& painter, qint64 l, qint64 t, qint64 r, qint64 b, const QColor& colour)
{
    const int left = clampCoordinate(l), top = clampCoordinate(t), right = clampCoordinate(r);
    const int bottom = clampCoordinate(b);
    if (right > left && bottom > top)
        painter.fillRect(QRect(left, top, right - left, bottom - top), colour);
}

// An ellipse filled and outlined in one colour, inside its box. Left and right exchanged give the same box.
void fillEllipse(QPainter& painter, qint64 l, qint64 t, qint64 r, qint64 b, const QColor& colour)
{
    int left = clampCoordinate(l), top = clampCoordinate(t), right = clampCoordinate(r);
    const int bottom = clampCoordinate(b);
    if (left > right)
        std::swap(left, right);
    if (right <= left || bottom <= top)
        return;
    painter.setPen(QPen(colour, 0));
    painter.setBrush(colour);
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

long double reduce(long double f)
{
    return f - std::trunc(f / moonTwoPi) * moonTwoPi;
}

} // namespace

qint64 terminatorHalfWidth(qint64 R, long double f)
{
    const long double m = (long double)R * std::cos(f);
    if (!std::isfinite(m))
        return 0;
    // nearbyint rounds halves to even in the default rounding mode.
    return qint64(std::nearbyint(m));
}

void paintMoon(QPainter& painter, int W, int H, int BorderSize, QColor background, QColor moon, long double phase,
               bool southern)
{
    const qint64 B = BorderSize;
    const qint64 R = (qint64(W) - 2 * B) / 2;
    const qint64 C = B + R;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    fillBox(painter, 0, 0, W, H, background);
    fillEllipse(painter, B, B, W - B, H - B, moon);

    long double f = reduce(phase);
    if (southern)
        f = reduce(moonTwoPi - f);
    const qint64 m = terminatorHalfWidth(R, f);
    const long double quarter = moonTwoPi / 4;

    // A non-finite phase fails every comparison below and, like f >= 2 pi, leaves the full disc.
    if (f < quarter) {
        fillEllipse(painter, C - m, B, C + m, H - B, background);
        fillBox(painter, B, B, C, H - B, background);
    } else if (f < 2 * quarter) {
        fillBox(painter, B, B, C, H - B, background);
        fillEllipse(painter, C - m, B, C + m, H - B, moon);
    } else if (f < 3 * quarter) {
        fillBox(painter, C + 1, B, W - B, H - B, background);
        fillEllipse(painter, C - m, B, C + m, H - B, moon);
    } else if (f < moonTwoPi) {
        fillBox(painter, C + 1, B, W - B, H - B, background);
        fillEllipse(painter, C - m, B, C + m, H - B, background);
    }
    painter.restore();
}
