// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar/ToolbarLayout.h"
#include <algorithm>

namespace toolbar {

namespace {
const Layout& layout(int compactMonths)
{
    constexpr int U = Unchanged;
    // Lefts: SpeedButton11, 10, 9, 8, 7, 6, 5, 3, 2, 1, 4.
    static const Layout layouts[4] = {
        {800, 485, 428, 795, 794, {236, 265, 344, 378, U, 412, 639, 446, 732, 701, 670}, U},
        {203, 198, 142, 205, 203, {0, 27, 104, 131, 165, U, 639, 266, 349, U, U}, 1},
        {402, 199, 142, 398, 397, {33, 62, 141, 173, 207, U, 287, 238, 347, 317, U}, 0},
        {600, 198, 142, 595, 810, {130, 159, 238, 270, 304, 356, 382, 333, 442, 412, U}, 0},
    };
    return layouts[compactMonths];
}
} // namespace

const Layout& fullLayout()
{
    return layout(0);
}

const Layout& compactLayout(int months)
{
    return layout(std::clamp(months, 1, 3));
}

} // namespace toolbar
