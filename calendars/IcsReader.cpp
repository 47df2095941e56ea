// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/IcsReader.h"
#include "calendars/IcsBatches.h"
#include "calendars/RuleCheck.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <fcntl.h>
#include <libical/ical.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
class CalendarWords
{
    Q_DECLARE_TR_FUNCTIONS(YourCalendars)
};

// The text of the events parsed at once, about 300 typical events.
constexpr qsizetype BatchBytes = 64 * 1024;

// A damaged property must end its own reading, never the program: libical aborts on errors unless told not to.
void quietLibical()
{
    static std::once_flag once;
    std::call_once(once, [] { icalerror_set_errors_are_fatal(0); });
}

struct ComponentDeleter
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct IteratorDeleter
{
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};
using IteratorPtr = std::unique_ptr<icalrecur_iterator, IteratorDeleter>;

// A time of the file with the zone it is told in: libical's own (a VTIMEZONE of the file, a builtin Olson zone),
// or Qt's for a zone name libical does not know.
struct ZonedTime
{
    icaltimetype time = icaltime_null_time();
    QTimeZone qtZone; // used when time.zone is none and the time is not UTC

    bool isNull() const { return icaltime_is_null_time(time); }
    bool isDate() const { return time.is_date != 0; }
    QDate date() const { return QDate(time.year, time.month, time.day); }
};

QTimeZone qtZoneNamed(const QByteArray& id)
{
    if (QTimeZone::isTimeZoneIdAvailable(id))
        return QTimeZone(id);
    const QByteArray olson = QTimeZone::windowsIdToDefaultIanaId(id);
    return olson.isEmpty() ? QTimeZone() : QTimeZone(olson);
}

// What a file's reading may still spend: it ends at the program's end or at the file's deadline.
class Budget
{
public:
    Budget(int millis, const std::atomic<bool>* stop) : m_deadline(std::max(0, millis)), m_stop(stop) {}
    bool spent() const { return (m_stop && m_stop->load(std::memory_order_relaxed)) || m_deadline.hasExpired(); }

private:
    QDeadlineTimer m_deadline;
    const std::atomic<bool>* m_stop;
};

class FileReading
{
public:
    // The events of calendar, their zones found in zones (the file's head).
    FileReading(icalcomponent* calendar, icalcomponent* zones, const DayRange& range, const QTimeZone& local,
                const IcsLimits& limits, QString calendarName, IcsRead& result, qint64& stepsLeft, const Budget& budget)
        : m_calendar(calendar), m_zones(zones), m_range(range), m_local(local), m_limits(limits),
          m_calendarName(std::move(calendarName)), m_result(result), m_stepsLeft(stepsLeft), m_budget(budget)
    {
    }

    void readAll();

private:
    ZonedTime zoned(icalproperty* property, icaltimetype time) const;
    QDateTime localOf(const ZonedTime& time) const;
    // The key an instance is known by to EXDATE and RECURRENCE-ID: its day for an all-day event, else its moment.
    qint64 keyOf(const ZonedTime& time) const;
    void expand(icalcomponent* event, const QSet<qint64>& moved);
    // Adds the days of one instance; false when the file's days are used up.
    bool addInstance(const ZonedTime& start, qint64 lengthSeconds, int lengthDays, const QString& title);
    bool addDay(const QDate& day, const QString& title, std::optional<QTime> start);

    icalcomponent* m_calendar;
    icalcomponent* m_zones;
    const DayRange& m_range;
    const QTimeZone& m_local;
    const IcsLimits& m_limits;
    QString m_calendarName;
    IcsRead& m_result;
    qint64& m_stepsLeft;
    const Budget& m_budget;
};

ZonedTime FileReading::zoned(icalproperty* property, icaltimetype time) const
{
    ZonedTime result;
    result.time = time;
    if (time.is_date || icaltime_is_utc(time) || !property)
        return result;
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (!tzid)
        return result;
    const char* id = icalparameter_get_tzid(tzid);
    if (!id)
        return result;
    icaltimezone* zone = icalcomponent_get_timezone(m_zones, id);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone(id);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone_from_tzid(id);
    if (zone)
        result.time = icaltime_set_timezone(&result.time, zone);
    else
        result.qtZone = qtZoneNamed(QByteArray(id));
    return result;
}

QDateTime FileReading::localOf(const ZonedTime& zonedTime) const
{
    const icaltimetype& t = zonedTime.time;
    if (icaltime_is_utc(t) || t.zone) {
        const icaltimetype utc = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
        return QDateTime(QDate(utc.year, utc.month, utc.day), QTime(utc.hour, utc.minute, utc.second), Qt::UTC)
            .toTimeZone(m_local);
    }
    const QDateTime wall(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second),
                         zonedTime.qtZone.isValid() ? zonedTime.qtZone : m_local);
    return wall.toTimeZone(m_local);
}

qint64 FileReading::keyOf(const ZonedTime& time) const
{
    if (time.isDate())
        return time.date().toJulianDay();
    return localOf(time).toSecsSinceEpoch();
}

bool FileReading::addDay(const QDate& day, const QString& title, std::optional<QTime> start)
{
    if (!m_range.contains(day))
        return true;
    if (m_result.events.size() >= m_limits.maxDays) {
        m_result.outcome.cut = true;
        return false;
    }
    m_result.events.append({day, title, start, m_calendarName});
    return true;
}

bool FileReading::addInstance(const ZonedTime& start, qint64 lengthSeconds, int lengthDays, const QString& title)
{
    QDate first, last;
    std::optional<QTime> time;
    if (start.isDate()) {
        first = start.date();
        last = first.addDays(std::max(1, lengthDays) - 1);
    } else {
        const QDateTime from = localOf(start);
        const QDateTime to = from.addSecs(std::max<qint64>(0, lengthSeconds));
        first = from.date();
        last = to.date();
        // An event ending at midnight does not reach into the day that begins then.
        if (to > from && to.time() == QTime(0, 0))
            last = last.addDays(-1);
        if (last < first)
            last = first;
        time = from.time();
    }
    if (first.daysTo(last) >= m_limits.maxDaysPerEvent) {
        last = first.addDays(m_limits.maxDaysPerEvent - 1);
        m_result.outcome.cut = true;
    }
    // Only the part within the range: an event of years marks only the days shown.
    QDate day = std::max(first, m_range.first);
    for (; day <= last && day <= m_range.last; day = day.addDays(1))
        if (!addDay(day, title, day == first ? time : std::nullopt))
            return false;
    return true;
}

void FileReading::expand(icalcomponent* event, const QSet<qint64>& moved)
{
    icalproperty* startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!startProperty)
        return;
    const ZonedTime start = zoned(startProperty, icalproperty_get_dtstart(startProperty));
    if (start.isNull() || !start.date().isValid())
        return;
    const char* summary = icalcomponent_get_summary(event);
    const QString title =
        summary && *summary ? QString::fromUtf8(summary).simplified() : CalendarWords::tr("(no title)");

    // The length of each instance: DTEND, or DURATION, or none (a day for an all-day event).
    qint64 lengthSeconds = 0;
    int lengthDays = 1;
    if (icalproperty* end = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
        const ZonedTime until = zoned(end, icalproperty_get_dtend(end));
        if (!until.isNull() && until.date().isValid()) {
            if (start.isDate())
                lengthDays = static_cast<int>(std::clamp<qint64>(start.date().daysTo(until.date()), 1, 100000));
            else
                lengthSeconds = localOf(start).secsTo(localOf(until));
        }
    } else if (icalproperty* duration = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
        const int seconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
        lengthSeconds = seconds;
        lengthDays = std::max(1, seconds / 86400);
    }
    // How far before the range an instance may start and still reach into it.
    const qint64 reachDays =
        std::min<qint64>(m_limits.maxDaysPerEvent, start.isDate() ? lengthDays : lengthSeconds / 86400 + 1) + 2;

    QSet<qint64> excluded = moved;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        ZonedTime ex = zoned(p, icalproperty_get_exdate(p));
        if (!ex.isNull())
            excluded.insert(start.isDate() ? ex.date().toJulianDay() : keyOf(ex));
    }

    int instances = 0;
    QSet<qint64> seen;
    const auto take = [&](const ZonedTime& at) {
        const qint64 key = keyOf(at);
        if (excluded.contains(key) || seen.contains(key))
            return true;
        seen.insert(key);
        const QDate day = at.isDate() ? at.date() : localOf(at).date();
        if (day.addDays(reachDays) < m_range.first || day > m_range.last.addDays(1))
            return true;
        if (++instances > m_limits.maxInstancesPerEvent) {
            m_result.outcome.cut = true;
            return false;
        }
        return addInstance(at, lengthSeconds, lengthDays, title);
    };

    icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule && !take(start))
        return;
    for (; rule; rule = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
        if (recurrence.freq == ICAL_NO_RECURRENCE)
            continue;
        // A rule libical would search for ever or for minutes gives its first instance only.
        if (checkRule(recurrence, start.date(), start.isDate()) != RuleVerdict::Expand) {
            m_result.outcome.cut = true;
            if (!take(start))
                return;
            continue;
        }
        IteratorPtr iterator(icalrecur_iterator_new(recurrence, start.time));
        // A rule libical will not expand (BYYEARDAY in a daily rule) still has its start, the first instance.
        if (!iterator) {
            m_result.outcome.cut = true;
            if (!take(start))
                return;
            continue;
        }
        // A rule without COUNT can start near the range instead of stepping there from a DTSTART long before.
        if (recurrence.count == 0 && start.date().daysTo(m_range.first) > reachDays) {
            icaltimetype near = start.time;
            const QDate from = m_range.first.addDays(-reachDays);
            near.year = from.year();
            near.month = from.month();
            near.day = from.day();
            near.hour = near.minute = near.second = 0;
            icalrecur_iterator_set_start(iterator.get(), near);
        }
        int steps = 0;
        for (icaltimetype next = icalrecur_iterator_next(iterator.get()); !icaltime_is_null_time(next);
             next = icalrecur_iterator_next(iterator.get())) {
            if (++steps > m_limits.maxStepsPerEvent || --m_stepsLeft < 0 || m_budget.spent()) {
                m_result.outcome.cut = true;
                break;
            }
            ZonedTime at = start;
            at.time = next;
            at.time.zone = start.time.zone;
            at.time.is_date = start.time.is_date;
            if (!at.date().isValid() || at.date() > m_range.last.addDays(1))
                break;
            if (!take(at))
                return;
        }
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
        const icaltimetype time = icaltime_is_null_time(value.time) ? value.period.start : value.time;
        const ZonedTime at = zoned(p, time);
        if (!at.isNull() && at.date().isValid() && !take(at))
            return;
    }
}

void FileReading::readAll()
{
    // The instances moved by RECURRENCE-ID, by the UID of the event they belong to: the rule leaves them out, and
    // each shows where it was moved to.
    QHash<QByteArray, QSet<qint64>> moved;
    for (icalcomponent* event = icalcomponent_get_first_component(m_calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(m_calendar, ICAL_VEVENT_COMPONENT)) {
        icalproperty* id = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
        const char* uid = icalcomponent_get_uid(event);
        if (id && uid)
            moved[QByteArray(uid)].insert(keyOf(zoned(id, icalproperty_get_recurrenceid(id))));
    }
    static const QSet<qint64> none;
    bool full = m_result.events.size() >= m_limits.maxDays;
    for (icalcomponent* event = icalcomponent_get_first_component(m_calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(m_calendar, ICAL_VEVENT_COMPONENT)) {
        const bool isMove = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr;
        if (!isMove)
            ++m_result.outcome.eventCount;
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
            continue;
        // With the file's days or time used up the rest are only counted.
        if (full || m_budget.spent()) {
            m_result.outcome.cut = true;
            continue;
        }
        const char* uid = icalcomponent_get_uid(event);
        const auto found = uid && !isMove ? moved.constFind(QByteArray(uid)) : moved.constEnd();
        expand(event, found == moved.constEnd() ? none : *found);
        full = m_result.events.size() >= m_limits.maxDays;
    }
}

struct LineSource
{
    const char* next;
    const char* end;
};

// The parser's line reader over text in memory: a line up to its end or as much of it as fits.
char* nextLine(char* out, size_t size, void* data)
{
    auto* source = static_cast<LineSource*>(data);
    if (source->next >= source->end || size < 2)
        return nullptr;
    size_t n = 0;
    while (n + 1 < size && source->next < source->end) {
        const char c = *source->next++;
        // A NUL would end the line early in the parser's eyes.
        out[n++] = c == '\0' ? ' ' : c;
        if (c == '\n')
            break;
    }
    out[n] = '\0';
    return out;
}

// Line by line, so a file cut short (a download broken off) still gives the events before the cut.
std::vector<ComponentPtr> parsed(const QByteArray& text)
{
    std::vector<ComponentPtr> roots;
    std::unique_ptr<icalparser, void (*)(icalparser*)> parser(icalparser_new(), icalparser_free);
    LineSource source{text.constData(), text.constData() + text.size()};
    icalparser_set_gen_data(parser.get(), &source);
    for (;;) {
        char* line = icalparser_get_line(parser.get(), nextLine);
        if (icalcomponent* done = icalparser_add_line(parser.get(), line))
            roots.emplace_back(done);
        if (!line)
            break;
        icalmemory_free_buffer(line);
    }
    // The parser keeps what it hands out here and frees it with itself: a copy outlives it.
    if (icalcomponent* rest = icalparser_clean(parser.get()))
        roots.emplace_back(icalcomponent_new_clone(rest));
    return roots;
}

QString nameOf(icalcomponent* calendar)
{
    for (icalproperty* p = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
        const char* name = icalproperty_get_x_name(p);
        const char* value = icalproperty_get_x(p);
        if (name && value && qstricmp(name, "X-WR-CALNAME") == 0)
            return QString::fromUtf8(value).simplified();
    }
    return QString();
}
} // namespace

IcsReader::IcsReader(QTimeZone local, IcsLimits limits) : m_local(std::move(local)), m_limits(limits)
{
    if (!m_local.isValid())
        m_local = QTimeZone::utc();
}

FileBytes readRegularFile(const QString& path, qint64 maxBytes)
{
    FileBytes file;
    // A link to a calendar elsewhere is followed; what it reaches must itself be a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        file.kind = errno == ENOENT || errno == ENOTDIR ? IcsOutcome::Kind::Gone : IcsOutcome::Kind::Unreadable;
        return file;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        file.kind = IcsOutcome::Kind::Unreadable;
    } else if (!S_ISREG(status.st_mode)) {
        file.kind = IcsOutcome::Kind::NotAFile;
    } else if (status.st_size > maxBytes) {
        file.kind = IcsOutcome::Kind::TooLarge;
    } else {
        // The file may grow while it is read: one byte beyond the cap tells it.
        file.bytes.resize(qsizetype(status.st_size) + 1);
        qsizetype got = 0;
        for (;;) {
            if (got == file.bytes.size()) {
                if (got > maxBytes)
                    break;
                file.bytes.resize(std::min<qsizetype>(got * 2 + 4096, maxBytes + 1));
            }
            const ssize_t n = ::read(fd, file.bytes.data() + got, size_t(file.bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                file.kind = IcsOutcome::Kind::Unreadable;
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        file.bytes.resize(got);
        if (got > maxBytes)
            file.kind = IcsOutcome::Kind::TooLarge;
        if (file.kind != IcsOutcome::Kind::Read)
            file.bytes = QByteArray();
    }
    ::close(fd);
    return file;
}

IcsRead IcsReader::read(const QString& path, const DayRange& range) const
{
    IcsRead result;
    const QFileInfo info(path);
    result.outcome.fileName = info.fileName();
    // Only a regular file is opened: a pipe or a device would block the reading or never end. What is found at
    // the path may change before the open, so the opened file is looked at again.
    if (!info.exists()) {
        result.outcome.kind = IcsOutcome::Kind::Gone;
        return result;
    }
    if (!info.isFile()) {
        result.outcome.kind = IcsOutcome::Kind::NotAFile;
        return result;
    }
    if (info.size() > m_limits.maxFileBytes) {
        result.outcome.kind = IcsOutcome::Kind::TooLarge;
        return result;
    }
    const FileBytes file = readRegularFile(path, m_limits.maxFileBytes);
    if (file.kind != IcsOutcome::Kind::Read) {
        result.outcome.kind = file.kind;
        return result;
    }
    return readText(file.bytes, info.fileName(), range);
}

IcsRead IcsReader::readText(const QByteArray& text, const QString& fileName, const DayRange& range) const
{
    quietLibical();
    IcsRead result;
    result.outcome.fileName = fileName;
    result.outcome.kind = IcsOutcome::Kind::NotICalendar;
    // Looked at in place: a copy of a large file would double the memory its reading takes.
    qsizetype first = 0;
    while (first < text.size() && QChar::isSpace(uchar(text[first])))
        ++first;
    if (!QByteArrayView(text).sliced(first).startsWith("BEGIN:VCALENDAR"))
        return result;
    const Budget budget(m_limits.maxMillisPerFile, m_stop);
    const IcsBatches batches(text, [&budget] { return budget.spent(); });
    // The calendar's name and zones, parsed once for all its batches.
    const std::vector<ComponentPtr> heads = parsed(batches.head());
    icalcomponent* head = nullptr;
    for (const ComponentPtr& root : heads)
        if (!head && icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
            head = root.get();
    if (!head)
        return result;
    result.outcome.kind = IcsOutcome::Kind::Read;
    result.outcome.cut = batches.leftOut();
    QString name = nameOf(head);
    if (name.isEmpty())
        name = QFileInfo(fileName).completeBaseName();
    result.outcome.calendarName = name;
    // A few hundred events at a time: a large file never stands in memory as one tree.
    qint64 stepsLeft = m_limits.maxStepsPerFile;
    batches.cut(BatchBytes, [&](const QByteArray& batch) {
        if (budget.spent()) {
            result.outcome.cut = true;
            return false;
        }
        const std::vector<ComponentPtr> roots = parsed(batch);
        for (const ComponentPtr& root : roots) {
            if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
                FileReading(root.get(), head, range, m_local, m_limits, name, result, stepsLeft, budget).readAll();
        }
        return true;
    });
    if (budget.spent())
        result.outcome.cut = true;
    return result;
}
