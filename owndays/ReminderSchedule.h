// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "owndays/OwnDay.h"
#include <QDateTime>
#include <QList>

// A reminder to tell: the day as it stood when asked, the occurrence it is for, and the moment it fell due.
struct DueReminder
{
    OwnDay day;
    QDate start; // the occurrence's first day
    QDateTime due;

    QDate last() const { return start.addDays(day.length() - 1); }
};

// What the reminders ask for at a moment: those to tell now, and when to look again.
//
// A reminder is due from its moment until the last day of its occurrence is over, unless told since that moment
// (the day's acknowledged time is at or after it). So one missed while the program was not running is told at the
// next start while its days are ahead or under way, and never for days already past. Each year of a yearly day has
// a reminder of its own; a 29 February only in leap years.
struct ReminderSchedule
{
    // Looked at again at least this often: a clock set forward or a machine that slept makes a long wait late.
    static constexpr qint64 MostWaitMs = 60 * 60 * 1000;

    // The soonest occurrence first. At most one per day: the day keeps one time told, which covers every
    // occurrence due before it.
    QList<DueReminder> due;
    QDateTime next; // the next reminder's moment, at most MostWaitMs after now

    static ReminderSchedule at(const QList<OwnDay>& days, const QDateTime& now);
};
