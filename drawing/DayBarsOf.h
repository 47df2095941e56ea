// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "drawing/DayContent.h"
#include <QDate>

// Where day stands in the range of days [first, last]; None outside it.
inline RangePlace placeIn(const QDate& first, const QDate& last, const QDate& day)
{
    if (day < first || day > last)
        return RangePlace::None;
    if (first == last)
        return RangePlace::Single;
    return day == first ? RangePlace::Start : day == last ? RangePlace::End : RangePlace::Inside;
}

// The bars of a day from marked ranges (anything with first, last and colour) in their order, the one starting
// first first, as the user's days are found: the first ones covering the day take the lanes from the bottom up and
// the others are left out.
template <typename Ranges> DayBars dayBarsOf(const Ranges& ranges, const QDate& day)
{
    DayBars bars{};
    int lane = 0;
    for (const auto& range : ranges) {
        const RangePlace place = placeIn(range.first, range.last, day);
        if (place == RangePlace::None)
            continue;
        bars[lane] = DayBar{range.colour, place};
        if (++lane == DayBarLanes)
            break;
    }
    return bars;
}
