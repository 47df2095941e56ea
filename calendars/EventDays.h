// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/CalendarEvent.h"
#include <QHash>
#include <QMap>

// The events of all the chosen files by day, for the year grid's marks and the Day panel's lines.
class EventDays
{
public:
    // The events a file gave at its last read, in place of what it gave before; none removes the file.
    void replace(const QString& path, const QList<CalendarEvent>& events);
    void remove(const QString& path) { replace(path, {}); }
    void clear();

    bool has(const QDate& day) const { return m_counts.contains(day); }
    // All-day ones first, then by time; of the same time, in the order of the files' paths and within a file.
    QList<CalendarEvent> on(const QDate& day) const { return byDay().value(day); }
    bool isEmpty() const { return m_byFile.isEmpty(); }

private:
    // Built at the first question for a day's events after a change: many files read one after the other index
    // their days once.
    const QHash<QDate, QList<CalendarEvent>>& byDay() const;

    QMap<QString, QList<CalendarEvent>> m_byFile;
    // The number of events on each day that has some, kept as each file is read: the grid asks only whether a day
    // has events, for every day it paints.
    QHash<QDate, int> m_counts;
    mutable QHash<QDate, QList<CalendarEvent>> m_byDay;
    mutable bool m_stale = false;
};
