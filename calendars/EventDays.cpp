// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/EventDays.h"
#include <algorithm>
#include <iterator>

namespace {
bool earlierDay(const CalendarEvent& a, const CalendarEvent& b)
{
    return a.day < b.day;
}
} // namespace

void EventDays::replace(const QString& path, QList<CalendarEvent> events)
{
    // By day, so that a file read again is compared with its last read day by day (the worker hands them sorted).
    if (!std::is_sorted(events.cbegin(), events.cend(), earlierDay))
        std::stable_sort(events.begin(), events.end(), earlierDay);
    const auto found = m_byFile.find(path);
    const QList<CalendarEvent> old = found == m_byFile.end() ? QList<CalendarEvent>() : *found;
    // The days' counts change by this file's changed days alone: a file read again for the next year changes the
    // days of the years at both ends, and one read again unchanged costs a comparison.
    QList<QDate> changed;
    auto was = old.cbegin();
    const auto wasEnd = old.cend();
    auto now = std::as_const(events).cbegin();
    const auto nowEnd = std::as_const(events).cend();
    while (was != wasEnd || now != nowEnd) {
        const QDate day = now == nowEnd || (was != wasEnd && was->day < now->day) ? was->day : now->day;
        auto wasDay = was;
        while (wasDay != wasEnd && wasDay->day == day)
            ++wasDay;
        auto nowDay = now;
        while (nowDay != nowEnd && nowDay->day == day)
            ++nowDay;
        if (wasDay - was != nowDay - now || !std::equal(was, wasDay, now)) {
            if (changed.isEmpty())
                changed.reserve(std::max(old.size(), events.size()));
            changed.append(day);
            const auto count = m_counts.find(day);
            const int by = int(nowDay - now) - int(wasDay - was);
            if (count == m_counts.end())
                m_counts.insert(day, by);
            else if ((*count += by) <= 0)
                m_counts.erase(count);
        }
        was = wasDay;
        now = nowDay;
    }
    if (changed.isEmpty())
        return;
    if (events.isEmpty())
        m_byFile.erase(found);
    else if (found != m_byFile.end())
        *found = std::move(events);
    else
        m_byFile.insert(path, std::move(events));
    m_stale = true;
    // Many files read for another year change the same days: most add none to those already noted.
    if (m_changed.isEmpty()) {
        m_changed = std::move(changed);
    } else if (!std::includes(m_changed.cbegin(), m_changed.cend(), changed.cbegin(), changed.cend())) {
        QList<QDate> merged;
        merged.reserve(m_changed.size() + changed.size());
        std::set_union(m_changed.cbegin(), m_changed.cend(), changed.cbegin(), changed.cend(),
                       std::back_inserter(merged));
        m_changed = std::move(merged);
    }
}

void EventDays::clear()
{
    QList<QDate> all = m_counts.keys();
    std::sort(all.begin(), all.end());
    QList<QDate> merged;
    std::set_union(m_changed.cbegin(), m_changed.cend(), all.cbegin(), all.cend(), std::back_inserter(merged));
    m_changed = std::move(merged);
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
