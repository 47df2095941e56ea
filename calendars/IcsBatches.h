// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>
#include <functional>

// A calendar's text cut into calendars of a few whole events each, parsed one after the other: a large file never
// stands in memory as one tree of components. The text is scanned once, and only what the reading uses reaches
// libical: of an event the properties of its days, title and repeats; of the calendar its name and time zones,
// given once for the whole file (head). Whatever else a file holds (alarms, notes, lines of its own, components
// nested deeper than any calendar's) is never parsed, so neither its amount nor its nesting can exhaust the
// parser. The instances an event moves (same UID) stay in its batch. An event cut off at the end is closed.
class IcsBatches
{
public:
    // A component nested deeper than this leaves the rest of the file's reading incomplete.
    static constexpr int MostNesting = 8;
    // A zone larger than this, or zones beyond this in all, are left out.
    static constexpr qsizetype MostZoneBytes = 64 * 1024;
    static constexpr qsizetype MostHeadBytes = 1024 * 1024;
    // The rest of an event larger than this is left out.
    static constexpr qsizetype MostEventBytes = 1024 * 1024;

    // stopped is asked now and then while scanning; true ends the scan, and no batch follows.
    explicit IcsBatches(const QByteArray& text, const std::function<bool()>& stopped = {});

    // "BEGIN:VCALENDAR", the calendar's name, its time zones, "END:VCALENDAR".
    const QByteArray& head() const { return m_head; }
    // Something the reading would have used was left out: a nesting too deep, a zone too large or changing by an
    // impossible rule, an event too large.
    bool leftOut() const { return m_leftOut; }

    // Each batch is handed to take; false from it stops the cutting.
    void cut(qsizetype batchBytes, const std::function<bool(const QByteArray&)>& take) const;

private:
    struct Run
    {
        qsizetype begin;
        qsizetype end;
    };
    struct Event
    {
        qsizetype firstRun;
        int runs;
        int next; // the next event of the same UID, or -1
        bool closed;
    };
    struct Group
    {
        int first;
        int last;
    };

    const QByteArray& m_text;
    QByteArray m_head;
    QList<Run> m_runs;
    QList<Event> m_events;
    QList<Group> m_groups; // by the order their UID was first seen
    bool m_leftOut = false;
    bool m_stopped = false;
};
