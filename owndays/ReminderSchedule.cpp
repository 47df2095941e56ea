// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/ReminderSchedule.h"
#include <algorithm>
#include <limits>

namespace {
// How many years past today a yearly day's next reminder is looked for: a 29 February comes back after eight years
// at most (2096, then 2104), and its reminder may come a year before it.
constexpr int MostYearsAhead = 8 + Reminder::MostDaysBefore / 365 + 1;
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
constexpr int MinutesOfDay = 24 * 60;

// A time on the local wall clock, in milliseconds from the start of the first Julian day. Reminders are compared on
// the wall clock, as the user set them: the zone's rules are asked only for the few moments the caller gets, and a
// time the clock skips (02:30 as summer time begins) is simply passed when the clock reaches 03:00.
using Wall = qint64;

Wall wallOf(const QDate& date, const QTime& time)
{
    return date.toJulianDay() * MsPerDay + time.msecsSinceStartOfDay();
}

Wall wallOf(const QDateTime& moment)
{
    const QDateTime local = moment.toLocalTime();
    return wallOf(local.date(), local.time());
}

// The moment of a wall-clock time; one the clock skips is the first minute after the gap.
QDateTime momentOf(Wall wall)
{
    const QDate date = QDate::fromJulianDay(wall / MsPerDay);
    const int ms = int(wall % MsPerDay);
    QDateTime moment(date, QTime::fromMSecsSinceStartOfDay(ms));
    for (int minutes = ms / 60000 + 1; !moment.isValid() && minutes <= MinutesOfDay; ++minutes)
        moment =
            minutes < MinutesOfDay ? QDateTime(date, QTime(minutes / 60, minutes % 60)) : date.addDays(1).startOfDay();
    return moment;
}

// Calls visit with the first day of each occurrence whose last day is today or later, in order, until it returns
// false.
template <typename Visit> void forOccurrencesNotOver(const OwnDay& day, const QDate& today, Visit visit)
{
    if (!day.yearly) {
        if (day.last >= today)
            visit(day.first);
        return;
    }
    const int span = day.length();
    for (int year = qMax(day.first.year(), today.year() - 1 - span / 365); year <= today.year() + MostYearsAhead;
         ++year) {
        const std::optional<QDate> start = yearlyStartIn(day.first, year);
        if (!start || start->addDays(span - 1) < today)
            continue;
        if (!visit(*start))
            return;
    }
}
} // namespace

ReminderSchedule ReminderSchedule::at(const QList<OwnDay>& days, const QDateTime& now)
{
    ReminderSchedule schedule;
    const QDateTime localNow = now.toLocalTime();
    const Wall nowWall = wallOf(localNow);
    const QDate today = localNow.date();
    Wall nextWall = std::numeric_limits<Wall>::max();
    for (const OwnDay& day : days) {
        if (!day.reminder.on || !day.first.isValid() || !day.last.isValid() || day.last < day.first)
            continue;
        const Wall told = day.acknowledged.isValid() ? wallOf(day.acknowledged) : std::numeric_limits<Wall>::min();
        bool dueFound = false;
        forOccurrencesNotOver(day, today, [&](const QDate& start) {
            const Wall due = wallOf(start.addDays(-day.reminder.daysBefore), day.reminder.at);
            if (due <= nowWall) {
                if (told < due && !dueFound) {
                    schedule.due.append({day, start, momentOf(due)});
                    dueFound = true;
                }
                return true;
            }
            // Told already, and the clock went back since: the occurrence after it is the next.
            if (told >= due)
                return true;
            nextWall = qMin(nextWall, due);
            return false;
        });
    }
    schedule.next = now.addMSecs(MostWaitMs);
    if (nextWall != std::numeric_limits<Wall>::max())
        schedule.next = qMin(schedule.next, momentOf(nextWall));
    std::sort(schedule.due.begin(), schedule.due.end(), [](const DueReminder& a, const DueReminder& b) {
        if (a.start != b.start)
            return a.start < b.start;
        if (a.due != b.due)
            return a.due < b.due;
        return a.day.uid < b.day.uid;
    });
    return schedule;
}
