// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPoint>
#include <QSize>

class QWidget;

// The main window's outer size as the user sees it, frame included, and its place on the desktop.
namespace frame {
constexpr int FrameWidth = 6;
constexpr int FrameHeight = 32;

// The window's own look: blue behind the controls, the toolbar's 11-pixel font, the program's icon.
void dress(QWidget& window);
// Where the outer top-left corner stands, from the client area and the usual frame around it: the pointer table's
// offsets are measured from there, which keeps the pointer on its button whatever frame the window manager draws,
// and however late it reports it.
QPoint outerCorner(const QWidget& window);
void setOuterSize(QWidget& window, int width, int height);
QSize outerSize(const QWidget& window);
// Centres the outer window on a desktop of that size.
void centreOnDesktop(QWidget& window, const QSize& desktop);
// Always on top, or back among the others, where it stood.
void toggleStaysOnTop(QWidget& window);
} // namespace frame
