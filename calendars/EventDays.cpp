// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/EventDays.h"
#include <algorithm>

void EventDays::replace(const QString& path, const QList<CalendarEvent>& events)
{
    // The days' counts change by this file's events alone: a file read costs the grid's question nothing more.
    const auto old = m_byFile.constFind(path);
    if (old != m_byFile.cend())
        for (const CalendarEvent& event : *old) {
            const auto day = m_counts.find(event.day);
            if (--*day == 0)
                m_counts.erase(day);
        }
    if (events.isEmpty()) {
        if (m_byFile.remove(path) == 0)
            return;
    } else {
        m_byFile.insert(path, events);
        for (const CalendarEvent& event : events)
            ++m_counts[event.day];
    }
    m_stale = true;
}

void EventDays::clear()
{
    m_byFile.clear();
    m_byDay.clear();
    m_counts.clear();
    m_stale = false;
}

const QHash<QDate, QList<CalendarEvent>>& EventDays::byDay() const
{
    if (!m_stale)
        return m_byDay;
    m_stale = false;
    m_byDay.clear();
    for (const QList<CalendarEvent>& events : std::as_const(m_byFile))
        for (const CalendarEvent& event : events)
            m_byDay[event.day].append(event);
    // All-day first: an empty start sorts before every time.
    const auto key = [](const CalendarEvent& e) {
        return std::make_pair(e.start.has_value(), e.start.value_or(QTime()));
    };
    for (QList<CalendarEvent>& day : m_byDay)
        std::stable_sort(day.begin(), day.end(),
                         [&key](const CalendarEvent& a, const CalendarEvent& b) { return key(a) < key(b); });
    return m_byDay;
}
