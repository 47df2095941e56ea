// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the Day panel opens, free of windows: all rectangles are outer frames in desktop coordinates.
namespace daypanel {

// Room left between the two frames.
constexpr int Gap = 8;

struct Placement
{
    QRect panel;      // the panel's frame, its size never larger than the screen's
    QPoint mainFrame; // where the main window's frame goes: where it is, unless moved aside to make room
};

// Beside the main window on its right, else on its left; where neither side has room but the two fit side by
// side on the screen, the main window moves aside just enough; else the panel goes to the side with more room,
// against the screen's edge. The screen is the one holding most of the main window (screens: their usable areas).
Placement place(const QRect& mainFrame, const QSize& panelFrame, const QList<QRect>& screens);

} // namespace daypanel
