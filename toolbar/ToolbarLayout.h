// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

// Where the toolbar and its buttons stand, and the window's outer size, in the full view and in the compact view
// of one to three months.
namespace toolbar {

// The buttons a layout places, in the table's order.
enum Button {
    Previous,    // SpeedButton11
    Year,        // SpeedButton10
    Next,        // SpeedButton9
    View,        // SpeedButton8
    CompactSize, // SpeedButton7
    YearEntry,   // SpeedButton6
    WeekNumbers, // SpeedButton5
    Close,       // SpeedButton3
    Tray,        // SpeedButton2
    OnTop,       // SpeedButton1
    Parameters,  // SpeedButton4
    Buttons
};

constexpr int Unchanged = -1; // a left, or the tray item, stays as the view before left it

struct Layout
{
    int windowWidth, windowHeight; // frame included
    int panel28Top, panel28Width, texturePanelWidth;
    std::array<int, Buttons> lefts;
    int trayItemShown; // 1, 0 or Unchanged
};

const Layout& fullLayout();
// One to three months; a count out of that range is the nearest of them.
const Layout& compactLayout(int months);

} // namespace toolbar
