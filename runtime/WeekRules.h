// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>

// Which day a week starts on and how weeks are numbered: the choice the user makes, and what it means for a date
// and for a row of a month grid. No widget; the month calendars and the day's figures ask here.
namespace weeks {

enum class FirstDay { Locale, Monday, Sunday, Saturday };
enum class Numbering {
    Iso,         // ISO 8601: weeks start on Monday, week 1 holds the year's first Thursday
    FirstJanuary // week 1 is the week, starting on the chosen first day, that holds 1 January
};

// The day the chosen week starts on; the locale's when the choice is the locale's.
Qt::DayOfWeek firstDayOf(FirstDay choice, Qt::DayOfWeek localeFirst);

// The number of the week that holds date under the rule, weeks starting on firstDay; 0 for an invalid date.
int weekNumber(const QDate& date, Numbering rule, Qt::DayOfWeek firstDay);

// The number a row of seven days from rowStart stands for. A row that starts on another day than Monday holds
// days of two ISO weeks: it is named by the one its Monday lies in, which holds most of its days.
int rowNumber(const QDate& rowStart, Numbering rule, Qt::DayOfWeek firstDay);

// The first day of row (0 to 5) of the six-week grid of a month: a month that starts on the first day of the week
// keeps the week before it in the first row, so the grid always shows days of the month before.
QDate gridRowStart(int year, int month, int row, Qt::DayOfWeek firstDay);

} // namespace weeks
