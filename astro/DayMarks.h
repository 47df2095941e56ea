// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the year grid marks on one day. All false is a day drawn exactly as without marks.
struct DayMarks
{
    bool newMoon = false;
    bool fullMoon = false;
    bool season = false; // an equinox or a solstice
    bool event = false;  // one of the user's own calendar days
    bool solarEclipse = false;
    bool lunarEclipse = false;

    bool any() const { return newMoon || fullMoon || season || event || solarEclipse || lunarEclipse; }
    bool operator==(const DayMarks& other) const
    {
        return newMoon == other.newMoon && fullMoon == other.fullMoon && season == other.season &&
               event == other.event && solarEclipse == other.solarEclipse && lunarEclipse == other.lunarEclipse;
    }
};
