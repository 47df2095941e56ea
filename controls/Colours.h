// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QPalette>
#include <QWidget>

// The windows' colours, named as the user sees them.
namespace colours {
inline const QColor Navy(0, 0, 128);
inline const QColor Blue(0, 0, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Maroon(128, 0, 0);
inline const QColor Face(224, 208, 168);     // the year-entry panel and the Parameters dialog
inline const QColor DarkFace(192, 176, 144); // the panels that hold their buttons

// Sets one colour of a widget's palette; a widget already showing it is left alone, so nothing repaints.
inline void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    if (palette.color(role) == colour)
        return;
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
} // namespace colours
