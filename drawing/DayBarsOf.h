// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "drawing/DayContent.h"
#include <QDate>
#include <QHash>
#include <QList>
#include <algorithm>

// Where day stands in the range of days [first, last]; None outside it.
inline RangePlace placeIn(const QDate& first, const QDate& last, const QDate& day)
{
    if (day < first || day > last)
        return RangePlace::None;
    if (first == last)
        return RangePlace::Single;
    return day == first ? RangePlace::Start : day == last ? RangePlace::End : RangePlace::Inside;
}

// The bars of the days from `from` to `to` with each range in one lane over all its days, as a planner draws them:
// the ranges taken by first day (the longer first), each in the lowest lane free over its whole span. A range finding
// no such lane takes, day by day, a lane left free. Ranges: anything with first, last and colour.
template <typename Range> QHash<QDate, DayBars> laidBars(QList<Range> ranges, const QDate& from, const QDate& to)
{
    std::stable_sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) {
        return a.first != b.first ? a.first < b.first : a.last > b.last;
    });
    QHash<QDate, DayBars> bars;
    std::array<QDate, DayBarLanes> busyUntil{};
    QList<qsizetype> left;
    const auto each = [&from, &to](const Range& range, auto&& put) {
        for (QDate day = std::max(range.first, from); day <= std::min(range.last, to); day = day.addDays(1))
            put(day, DayBar{range.colour, placeIn(range.first, range.last, day)});
    };
    for (qsizetype i = 0; i < ranges.size(); ++i) {
        const Range& range = ranges[i];
        if (range.last < from || range.first > to)
            continue;
        int lane = 0;
        while (lane < DayBarLanes && busyUntil[lane].isValid() && busyUntil[lane] >= range.first)
            ++lane;
        if (lane == DayBarLanes) {
            left.append(i);
            continue;
        }
        busyUntil[lane] = range.last;
        each(range, [&bars, lane](const QDate& day, const DayBar& bar) { bars[day][lane] = bar; });
    }
    for (const qsizetype i : std::as_const(left))
        each(ranges[i], [&bars](const QDate& day, const DayBar& bar) {
            DayBars& lanes = bars[day];
            const auto free = std::find_if(lanes.begin(), lanes.end(),
                                           [](const DayBar& taken) { return taken.place == RangePlace::None; });
            if (free != lanes.end())
                *free = bar;
        });
    return bars;
}
