#include "calendars/IcsBatches.h"
#include <QHash>
#include <QList>

namespace {
struct Span
{
    qsizetype begin;
    qsizetype end;
    bool closed;
};

bool startsWithWord(const QByteArray& line, const char* word)
{
    return line.size() >= qsizetype(qstrlen(word)) && qstrnicmp(line.constData(), word, qstrlen(word)) == 0;
}
} // namespace

void icsBatches(const QByteArray& text, qsizetype batchBytes, const std::function<bool(const QByteArray&)>& take)
{
    QByteArray preamble;
    QList<QList<Span>> groups; // the events of one UID, in the order first seen
    QHash<QByteArray, qsizetype> groupOfUid;
    int depth = 0;
    qsizetype eventBegin = -1;
    QByteArray uid;
    const auto endEvent = [&](qsizetype end, bool closed) {
        const Span span{eventBegin, end, closed};
        const auto found = uid.isEmpty() ? groupOfUid.constEnd() : groupOfUid.constFind(uid);
        if (found != groupOfUid.constEnd()) {
            groups[*found].append(span);
        } else {
            if (!uid.isEmpty())
                groupOfUid.insert(uid, groups.size());
            groups.append({span});
        }
        eventBegin = -1;
        uid.clear();
    };
    for (qsizetype at = 0; at < text.size();) {
        qsizetype next = text.indexOf('\n', at);
        next = next < 0 ? text.size() : next + 1;
        const QByteArray line = text.mid(at, next - at).trimmed();
        const bool begins = startsWithWord(line, "BEGIN:"), ends = startsWithWord(line, "END:");
        if (begins && depth == 1 && startsWithWord(line, "BEGIN:VEVENT"))
            eventBegin = at;
        if (eventBegin >= 0 && depth == 2 && (startsWithWord(line, "UID:") || startsWithWord(line, "UID;")))
            uid = line.mid(line.indexOf(':') + 1);
        const bool calendarEdge = (begins && depth == 0) || (ends && depth == 1);
        if (eventBegin < 0 && depth >= 1 && !calendarEdge)
            preamble += text.mid(at, next - at);
        if (begins)
            ++depth;
        else if (ends && depth > 0)
            --depth;
        if (eventBegin >= 0 && ends && depth == 1)
            endEvent(next, true);
        at = next;
    }
    if (eventBegin >= 0)
        endEvent(text.size(), false);
    if (!preamble.endsWith('\n'))
        preamble += "\r\n";

    const QByteArray head = "BEGIN:VCALENDAR\r\n" + preamble;
    QByteArray batch = head;
    bool empty = true;
    const auto flush = [&] {
        const bool goOn = take(batch + "END:VCALENDAR\r\n");
        batch = head;
        empty = true;
        return goOn;
    };
    for (const QList<Span>& group : std::as_const(groups)) {
        for (const Span& span : group) {
            batch += text.mid(span.begin, span.end - span.begin);
            if (!span.closed)
                batch += "\r\nEND:VEVENT\r\n";
        }
        empty = false;
        if (batch.size() - head.size() >= batchBytes && !flush())
            return;
    }
    // A calendar without events still tells its name.
    if (!empty || groups.isEmpty())
        flush();
}
