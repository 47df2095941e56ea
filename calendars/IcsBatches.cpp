// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/IcsBatches.h"
#include "calendars/RuleCheck.h"
#include <QHash>
#include <array>

namespace {
bool startsWithWord(const char* line, qsizetype size, const char* word)
{
    const qsizetype length = qsizetype(qstrlen(word));
    return size >= length && qstrnicmp(line, word, length) == 0;
}

// The property's name followed by ':' or ';'.
bool isProperty(const char* line, qsizetype size, const char* name)
{
    const qsizetype length = qsizetype(qstrlen(name));
    return size > length && (line[length] == ':' || line[length] == ';') && qstrnicmp(line, name, length) == 0;
}

bool isAnyOf(const char* line, qsizetype size, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (isProperty(line, size, name))
            return true;
    return false;
}

enum class Part { Other, Calendar, Event, Zone, ZoneChange };

// Lines between the two checks for a stop.
constexpr int LinesPerLook = 4096;
} // namespace

IcsBatches::IcsBatches(const QByteArray& text, const std::function<bool()>& stopped) : m_text(text)
{
    QByteArray name;
    QByteArray zones;
    QByteArray zone;
    QHash<QByteArray, int> groupOfUid;
    std::array<Part, 4> parts{}; // what is open at each depth up to a zone's change
    int depth = 0;
    int event = -1; // the event being scanned
    qsizetype eventBytes = 0;
    QByteArray uid;
    // A zone stops growing past its cap and is left out when it ends.
    const auto addToZone = [&](qsizetype begin, qsizetype end) {
        if (zone.size() <= MostZoneBytes)
            zone.append(text.constData() + begin, end - begin);
    };
    const auto partAt = [&](int d) { return d >= 0 && d < int(parts.size()) ? parts[d] : Part::Other; };
    const auto keep = [&](qsizetype begin, qsizetype end) {
        if (eventBytes + (end - begin) > MostEventBytes) {
            m_leftOut = true;
            return;
        }
        eventBytes += end - begin;
        Event& open = m_events[event];
        if (open.runs > 0 && m_runs.last().end == begin) {
            m_runs.last().end = end;
        } else {
            m_runs.append({begin, end});
            ++open.runs;
        }
    };
    const auto endEvent = [&](bool closed) {
        m_events[event].closed = closed;
        const auto found = uid.isEmpty() ? groupOfUid.constEnd() : groupOfUid.constFind(uid);
        if (found != groupOfUid.constEnd()) {
            Group& group = m_groups[*found];
            m_events[group.last].next = event;
            group.last = event;
        } else {
            if (!uid.isEmpty())
                groupOfUid.insert(uid, int(m_groups.size()));
            m_groups.append({event, event});
        }
        event = -1;
        uid.clear();
    };

    int lines = 0;
    for (qsizetype at = 0; at < text.size();) {
        if (stopped && ++lines % LinesPerLook == 0 && stopped()) {
            m_stopped = true;
            return;
        }
        // One property: its line and the folded lines that go on with it.
        qsizetype next = at;
        do {
            next = text.indexOf('\n', next);
            next = next < 0 ? text.size() : next + 1;
        } while (next < text.size() && (text[next] == ' ' || text[next] == '\t'));
        const char* line = text.constData() + at;
        qsizetype size = next - at;
        while (size > 0 && (*line == ' ' || *line == '\t' || *line == '\r' || *line == '\n')) {
            ++line;
            --size;
        }
        if (startsWithWord(line, size, "BEGIN:")) {
            ++depth;
            if (depth > MostNesting)
                m_leftOut = true;
            const Part parent = partAt(depth - 1);
            Part part = Part::Other;
            if (depth == 1)
                part = Part::Calendar;
            else if (parent == Part::Calendar && startsWithWord(line, size, "BEGIN:VEVENT"))
                part = Part::Event;
            else if (parent == Part::Calendar && startsWithWord(line, size, "BEGIN:VTIMEZONE"))
                part = Part::Zone;
            else if (parent == Part::Zone &&
                     (startsWithWord(line, size, "BEGIN:STANDARD") || startsWithWord(line, size, "BEGIN:DAYLIGHT")))
                part = Part::ZoneChange;
            if (depth < int(parts.size()))
                parts[depth] = part;
            if (part == Part::Event) {
                event = int(m_events.size());
                eventBytes = 0;
                m_events.append({m_runs.size(), 0, -1, false});
                keep(at, next);
            } else if (part == Part::Zone) {
                zone = text.mid(at, next - at);
            } else if (part == Part::ZoneChange) {
                addToZone(at, next);
            }
        } else if (startsWithWord(line, size, "END:")) {
            if (depth == 0) {
                at = next;
                continue;
            }
            const Part part = partAt(depth);
            if (part == Part::Event && event >= 0) {
                keep(at, next);
                endEvent(true);
            } else if (part == Part::ZoneChange) {
                addToZone(at, next);
            } else if (part == Part::Zone) {
                addToZone(at, next);
                if (zone.size() > MostZoneBytes || zones.size() + zone.size() > MostHeadBytes)
                    m_leftOut = true;
                else
                    zones += zone;
                zone.clear();
            }
            if (depth < int(parts.size()))
                parts[depth] = Part::Other;
            --depth;
        } else {
            switch (partAt(depth)) {
            case Part::Calendar:
                if (name.isEmpty() && size <= MostZoneBytes && isProperty(line, size, "X-WR-CALNAME"))
                    name = text.mid(at, next - at);
                break;
            case Part::Event:
                if (event >= 0 && isAnyOf(line, size,
                                          {"DTSTART", "DTEND", "DURATION", "SUMMARY", "UID", "RRULE", "RDATE", "EXDATE",
                                           "RECURRENCE-ID", "STATUS"})) {
                    keep(at, next);
                    if (isProperty(line, size, "UID")) {
                        const QByteArray value = QByteArray(line, size).trimmed();
                        uid = value.mid(value.indexOf(':') + 1);
                    }
                }
                break;
            case Part::Zone:
                if (isProperty(line, size, "TZID"))
                    addToZone(at, next);
                break;
            case Part::ZoneChange:
                if (isAnyOf(line, size, {"DTSTART", "TZOFFSETFROM", "TZOFFSETTO", "RDATE"})) {
                    addToZone(at, next);
                } else if (isProperty(line, size, "RRULE")) {
                    // Unfolded, as libical would read it.
                    QByteArray rule = QByteArray(line, size);
                    rule = rule.mid(rule.indexOf(':') + 1);
                    rule.replace("\r\n ", "").replace("\n ", "").replace("\r\n\t", "").replace("\n\t", "");
                    if (isZoneRule(rule.trimmed()))
                        addToZone(at, next);
                    else
                        m_leftOut = true;
                }
                break;
            case Part::Other:
                break;
            }
        }
        at = next;
    }
    if (event >= 0)
        endEvent(false);
    m_head = "BEGIN:VCALENDAR\r\n" + name;
    if (!m_head.endsWith('\n'))
        m_head += "\r\n";
    m_head += zones + "END:VCALENDAR\r\n";
}

void IcsBatches::cut(qsizetype batchBytes, const std::function<bool(const QByteArray&)>& take) const
{
    if (m_stopped)
        return;
    const QByteArray begin = "BEGIN:VCALENDAR\r\n";
    QByteArray batch = begin;
    const auto flush = [&] {
        const bool goOn = take(batch + "END:VCALENDAR\r\n");
        batch = begin;
        return goOn;
    };
    for (const Group& group : m_groups) {
        for (int e = group.first; e >= 0; e = m_events[e].next) {
            const Event& event = m_events[e];
            for (qsizetype r = event.firstRun; r < event.firstRun + event.runs; ++r)
                batch.append(m_text.constData() + m_runs[r].begin, m_runs[r].end - m_runs[r].begin);
            if (!batch.endsWith('\n'))
                batch += "\r\n";
            if (!event.closed)
                batch += "END:VEVENT\r\n";
        }
        if (batch.size() - begin.size() >= batchBytes && !flush())
            return;
    }
    if (batch.size() > begin.size())
        flush();
}
