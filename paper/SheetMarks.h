// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/YearMarks.h"
#include "calendars/CalendarEvent.h"
#include "owndays/OwnDay.h"
#include "print/SheetContent.h"
#include <functional>
#include <vector>

// The marks of a printed year: the sky's marks given (none when they are switched off) and the days of the user's
// events, with their titles.
std::function<SheetDayMarks(const QDate&)> sheetMarksOf(const std::vector<YearMark>& sky,
                                                        std::function<QList<CalendarEvent>(const QDate&)> events);

// The user's calendar files read at once for a year and a month on each side, for a page written without a window.
std::function<QList<CalendarEvent>(const QDate&)> eventsOfFiles(const QStringList& paths, int year);

// The user's marked days on a year's pages.
struct SheetOwnDays
{
    QList<SheetRange> ranges;
    QList<SheetCategory> categories;
};
// The occurrences of days that meet the year, the one starting first first as the window finds a day's, each in its
// category's colour (grey for a category no longer there), and the categories they use in the user's order.
SheetOwnDays sheetOwnDaysOf(int year, const QList<OwnDay>& days, const QList<Category>& categories);
