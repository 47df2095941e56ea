// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>

// The one set of inks a month is drawn with, on the screen and on paper.
namespace inks {
inline const QColor Navy(0, 0, 128);              // day numbers and day names
inline const QColor Blue(0, 0, 255);              // the title band and the selection
inline const QColor Yellow(255, 255, 0);          // the title's text, the selected day's number, the focus
inline const QColor White(255, 255, 255);         // the grid's ground
inline const QColor NeighbourGrey(128, 128, 128); // days of the months before and after
inline const QColor OutOfRange(192, 192, 192);    // cells of days no calendar shows
inline const QColor TodayInk(128, 0, 0);
inline const QColor TodayGround(255, 255, 160);
inline const QColor WeekInk(128, 128, 128);
inline const QColor WeekendTint(230, 236, 244);
inline const QColor RangeTint(200, 220, 255);
inline const QColor RangeEnd(90, 140, 230);
inline const QColor NewMoonFill(40, 40, 48);
inline const QColor FullMoonFill(255, 250, 220);
inline const QColor MoonRim(40, 40, 48);
inline const QColor Sun(230, 120, 0);
inline const QColor Event(0, 150, 80);
inline const QColor EclipsedMoon(190, 70, 40); // the copper of the moon in the earth's shadow
inline const QColor HolidayInk(204, 0, 0);     // a holiday's number, red as printed calendars draw it
} // namespace inks
