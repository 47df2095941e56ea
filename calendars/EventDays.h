// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/CalendarEvent.h"
#include <QHash>
#include <QMap>
#include <utility>

// What a file's read changes against the events it gave before (both by day): the days whose events differ, in
// order, and by how many events each of them grows (or shrinks).
struct EventChange
{
    QList<QDate> days;
    QList<int> by;
};

// The events of all the chosen files by day, for the year grid's marks and the Day panel's lines.
class EventDays
{
public:
    static EventChange changeBetween(const QList<CalendarEvent>& before, const QList<CalendarEvent>& after);

    // The events a file gave at its last read, in place of what it gave before; none removes the file. The days
    // whose events from that file differ from its last read's are noted as changed.
    void replace(const QString& path, QList<CalendarEvent> events);
    // The same with events by day and their change against base found beforehand (by the worker that read them):
    // taken as it is while the file's events are base itself, else found again.
    void replace(const QString& path, QList<CalendarEvent> events, const QList<CalendarEvent>& base,
                 const EventChange& change);
    void remove(const QString& path) { replace(path, {}); }
    void clear();
    // The days whose events changed since the last call, in order, each once.
    QList<QDate> takeChanged() { return std::exchange(m_changed, {}); }

    bool has(const QDate& day) const { return m_counts.contains(day); }
    // All-day ones first, then by time; of the same time, in the order of the files' paths and within a file.
    QList<CalendarEvent> on(const QDate& day) const { return byDay().value(day); }
    bool isEmpty() const { return m_byFile.isEmpty(); }

private:
    void apply(const QString& path, QList<CalendarEvent> events, const EventChange& change);
    // Built at the first question for a day's events after a change: many files read one after the other index
    // their days once.
    const QHash<QDate, QList<CalendarEvent>>& byDay() const;

    // Each file's events by day, in the order the file gave them within a day.
    QMap<QString, QList<CalendarEvent>> m_byFile;
    // The number of events on each day that has some, kept as each file is read: the grid asks only whether a day
    // has events, for every day it paints.
    QHash<QDate, int> m_counts;
    QList<QDate> m_changed; // in order, each once
    mutable QHash<QDate, QList<CalendarEvent>> m_byDay;
    mutable bool m_stale = false;
};
