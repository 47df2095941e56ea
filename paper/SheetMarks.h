// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/YearMarks.h"
#include "calendars/CalendarEvent.h"
#include "print/SheetContent.h"
#include <functional>
#include <vector>

// The marks of a printed year: the sky's marks given (none when they are switched off) and the days of the user's
// events, with their titles.
std::function<SheetDayMarks(const QDate&)> sheetMarksOf(const std::vector<YearMark>& sky,
                                                        std::function<QList<CalendarEvent>(const QDate&)> events);

// The user's calendar files read at once for a year and a month on each side, for a page written without a window.
std::function<QList<CalendarEvent>(const QDate&)> eventsOfFiles(const QStringList& paths, int year);
