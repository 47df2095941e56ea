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

    bool has(const QDate& day) const { return m_byDay.contains(day); }
    // All-day ones first, then by time; of the same time, in the order of the files' paths and within a file.
    QList<CalendarEvent> on(const QDate& day) const { return m_byDay.value(day); }
    bool isEmpty() const { return m_byDay.isEmpty(); }

private:
    void index();

    QMap<QString, QList<CalendarEvent>> m_byFile;
    QHash<QDate, QList<CalendarEvent>> m_byDay;
};
