// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

// One day of an event from one of the user's calendar files, as the machine's own clock shows it.
struct CalendarEvent
{
    QDate day;
    QString title;
    std::optional<QTime> start; // local wall time; none for an all-day event or a day it goes on over
    QString calendarName;       // the file's X-WR-CALNAME, or its base name

    bool operator==(const CalendarEvent& other) const
    {
        return day == other.day && title == other.title && start == other.start && calendarName == other.calendarName;
    }
};

// The days a read covers: the shown year and a margin on each side, both ends included.
struct DayRange
{
    QDate first;
    QDate last;

    bool contains(const QDate& day) const { return day >= first && day <= last; }
    bool operator==(const DayRange& other) const { return first == other.first && last == other.last; }
    bool operator!=(const DayRange& other) const { return !(*this == other); }
};
