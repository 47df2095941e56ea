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

EventChange EventDays::changeBetween(const QList<CalendarEvent>& before, const QList<CalendarEvent>& after)
{
    // One pass over both, a day at a time: a file read again for the next year changes the days of the years at
    // both ends only.
    EventChange change;
    auto was = before.cbegin();
    const auto wasEnd = before.cend();
    auto now = after.cbegin();
    const auto nowEnd = after.cend();
    while (was != wasEnd || now != nowEnd) {
        const QDate day = now == nowEnd || (was != wasEnd && was->day < now->day) ? was->day : now->day;
        auto wasDay = was;
        while (wasDay != wasEnd && wasDay->day == day)
            ++wasDay;
        auto nowDay = now;
        while (nowDay != nowEnd && nowDay->day == day)
            ++nowDay;
        if (wasDay - was != nowDay - now || !std::equal(was, wasDay, now)) {
            change.days.append(day);
            change.by.append(int(nowDay - now) - int(wasDay - was));
        }
        was = wasDay;
        now = nowDay;
    }
    return change;
}

void EventDays::replace(const QString& path, QList<CalendarEvent> events)
{
    // By day, so that a file read again is compared with its last read day by day.
    if (!std::is_sorted(events.cbegin(), events.cend(), earlierDay))
        std::stable_sort(events.begin(), events.end(), earlierDay);
    const EventChange change = changeBetween(m_byFile.value(path), events);
    apply(path, std::move(events), change);
}

void EventDays::replace(const QString& path, QList<CalendarEvent> events, const QList<CalendarEvent>& base,
                        const EventChange& change)
{
    // The very list the change was found against (shared, never changed in place), or none where none was.
    const QList<CalendarEvent> held = m_byFile.value(path);
    if (held.isEmpty() ? !base.isEmpty() : held.constData() != base.constData() || held.size() != base.size())
        replace(path, std::move(events));
    else
        apply(path, std::move(events), change);
}

void EventDays::apply(const QString& path, QList<CalendarEvent> events, const EventChange& change)
{
    if (change.days.isEmpty())
        return;
    // The days' counts change by this file's changed days alone.
    for (qsizetype i = 0; i < change.days.size(); ++i) {
        const auto count = m_counts.find(change.days[i]);
        if (count == m_counts.end()) {
            if (change.by[i] > 0)
                m_counts.insert(change.days[i], change.by[i]);
        } else if ((*count += change.by[i]) <= 0)
            m_counts.erase(count);
    }
    if (events.isEmpty())
        m_byFile.remove(path);
    else
        m_byFile.insert(path, std::move(events));
    m_stale = true;
    // Many files read for another year change the same days: most add none to those already noted.
    if (m_changed.isEmpty()) {
        m_changed = change.days;
    } else if (!std::includes(m_changed.cbegin(), m_changed.cend(), change.days.cbegin(), change.days.cend())) {
        QList<QDate> merged;
        merged.reserve(m_changed.size() + change.days.size());
        std::set_union(m_changed.cbegin(), m_changed.cend(), change.days.cbegin(), change.days.cend(),
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
