// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPoint>
#include <QSize>

// Where the pointer goes before the user's next step; screen coordinates from the window's outer top-left corner.
// The 37 in the vertical offsets stands for the title bar and frame.
namespace pointer {

struct Geometry
{
    QPoint window;  // outer top-left corner
    QPoint panel28; // toolbar
    QPoint panel25; // year-entry panel
    QPoint panel29; // its button holder
    int speedButton3Left = 0, speedButton6Left = 0, speedButton7Left = 0, speedButton8Left = 0;
    int speedButtonTop = 2;
    int speedButton54Left = 0;
};

enum class Target {
    CloseButton,    // first activation
    CompactSize,    // compact view set-up
    ViewToggle,     // view toggle, both ways
    YearEntryOk,    // year entry opened
    YearEntryButton // year entry closed
};
// A box's OK button is placed by the box gate (BoxGate::warnAtOk), which every box goes through.

QPoint target(Target which, const Geometry& g);

} // namespace pointer
