// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QtGlobal>

class QPainter;

// Draws the moon into the box (0, 0, W, H): a disc inset by BorderSize in the moon colour, with the unlit part
// painted over in the background colour. Northern view: the lit part grows from the right edge up to full moon
// and shrinks towards the left edge after it; southern mirrors the phase.
void paintMoon(QPainter& painter, int W, int H, int BorderSize, QColor background, QColor moon, long double phase,
               bool southern);

// Half-width of the terminator ellipse for a disc radius and a reduced phase: R x cos f rounded half to even.
// 0 for a non-finite phase.
qint64 terminatorHalfWidth(qint64 R, long double f);
