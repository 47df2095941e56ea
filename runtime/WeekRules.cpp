// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/WeekRules.h"

namespace {
constexpr int DaysInWeek = 7;

// How many days date lies after the last firstDay on or before it.
int daysIntoWeek(const QDate& date, Qt::DayOfWeek firstDay)
{
    return (date.dayOfWeek() - firstDay + DaysInWeek) % DaysInWeek;
}

QDate weekOneStart(int year, Qt::DayOfWeek firstDay)
{
    const QDate january1(year, 1, 1);
    return january1.addDays(-daysIntoWeek(january1, firstDay));
}
} // namespace

namespace weeks {

Qt::DayOfWeek firstDayOf(FirstDay choice, Qt::DayOfWeek localeFirst)
{
    switch (choice) {
    case FirstDay::Monday:
        return Qt::Monday;
    case FirstDay::Sunday:
        return Qt::Sunday;
    case FirstDay::Saturday:
        return Qt::Saturday;
    case FirstDay::Locale:
        break;
    }
    return localeFirst;
}

int weekNumber(const QDate& date, Numbering rule, Qt::DayOfWeek firstDay)
{
    if (!date.isValid())
        return 0;
    if (rule == Numbering::Iso)
        return date.weekNumber();
    // The last days of December can lie in the week that holds the next 1 January: that week is the next year's
    // first, not a 53rd.
    if (date >= weekOneStart(date.year() + 1, firstDay))
        return 1;
    return int(weekOneStart(date.year(), firstDay).daysTo(date) / DaysInWeek) + 1;
}

int rowNumber(const QDate& rowStart, Numbering rule, Qt::DayOfWeek firstDay)
{
    if (!rowStart.isValid())
        return 0;
    if (rule == Numbering::FirstJanuary)
        return weekNumber(rowStart, rule, firstDay);
    const int toMonday = (Qt::Monday - rowStart.dayOfWeek() + DaysInWeek) % DaysInWeek;
    return rowStart.addDays(toMonday).weekNumber();
}

QDate gridRowStart(int year, int month, int row, Qt::DayOfWeek firstDay)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return QDate();
    int before = daysIntoWeek(first, firstDay);
    if (before == 0)
        before = DaysInWeek;
    return first.addDays(qint64(row) * DaysInWeek - before);
}

} // namespace weeks
