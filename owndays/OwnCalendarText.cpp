// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnCalendarText.h"
#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>
#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace {
const QByteArray CategoryProperty = QByteArrayLiteral("X-DORVANE-CATEGORY");
const QByteArray CategoryOfEvent = QByteArrayLiteral("X-DORVANE-CATEGORY");

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

bool startsWith(const QByteArray& line, const char* word)
{
    return line.size() >= qsizetype(qstrlen(word)) && qstrnicmp(line.constData(), word, qstrlen(word)) == 0;
}

// A physical line continues the logical line before it when it starts with a space or a tab.
bool continues(const QByteArray& text, qsizetype at)
{
    return at < text.size() && (text[at] == ' ' || text[at] == '\t');
}

// The logical line starting at begin, unfolded, without its line ending; end is where the next one starts.
QByteArray logicalLine(const QByteArray& text, qsizetype begin, qsizetype& end)
{
    QByteArray line;
    qsizetype at = begin;
    do {
        if (at > begin)
            ++at; // the folding space
        const qsizetype newline = text.indexOf('\n', at);
        const qsizetype stop = newline < 0 ? text.size() : newline;
        line += text.mid(at, (stop > at && text[stop - 1] == '\r' ? stop - 1 : stop) - at);
        at = newline < 0 ? text.size() : newline + 1;
    } while (continues(text, at));
    end = at;
    return line;
}

QString unescaped(const QByteArray& value)
{
    QByteArray out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            out += next == 'n' || next == 'N' ? '\n' : next;
        } else {
            out += value[i];
        }
    }
    return QString::fromUtf8(out);
}

QByteArray escaped(const QString& value)
{
    QByteArray out;
    for (const char c : value.toUtf8()) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

// X-DORVANE-CATEGORY;X-KEY=trip;X-COLOR=#0072b2:Trip
std::optional<Category> categoryOf(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    if (colon < 0)
        return std::nullopt;
    Category category;
    for (const QByteArray& parameter : line.left(colon).split(';')) {
        if (startsWith(parameter, "X-KEY="))
            category.key = QString::fromUtf8(parameter.mid(6)).trimmed();
        else if (startsWith(parameter, "X-COLOR="))
            category.colour = QString::fromUtf8(parameter.mid(8)).trimmed();
    }
    category.name = unescaped(line.mid(colon + 1));
    if (category.key.isEmpty() || category.name.isEmpty())
        return std::nullopt;
    static const QRegularExpression colourForm(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    if (!colourForm.match(category.colour).hasMatch())
        category.colour = QStringLiteral("#808080");
    return category;
}

QByteArray categoryLine(const Category& category)
{
    QByteArray line = CategoryProperty + ";X-KEY=" + escaped(category.key).replace(':', "") +
                      ";X-COLOR=" + category.colour.toLatin1() + ':' + escaped(category.name);
    // Lines longer than 75 octets are folded, as the standard asks, never inside a character.
    QByteArray folded;
    qsizetype width = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const bool continuation = (uchar(line[i]) & 0xC0) == 0x80;
        if (width >= 74 && !continuation) {
            folded += "\r\n ";
            width = 1;
        }
        folded += line[i];
        ++width;
    }
    return folded + "\r\n";
}

QDate dateOf(const icaltimetype& time)
{
    return icaltime_is_null_time(time) ? QDate() : QDate(time.year, time.month, time.day);
}

icaltimetype dayValue(const QDate& date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    return time;
}

icaltimetype utcValue(const QDateTime& moment)
{
    return icaltime_from_timet_with_zone(time_t(moment.toSecsSinceEpoch()), 0, icaltimezone_get_utc_timezone());
}

QDateTime momentOf(const icaltimetype& time)
{
    if (icaltime_is_null_time(time))
        return QDateTime();
    return QDateTime(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute, time.second), Qt::UTC);
}

QString xValue(icalcomponent* component, const QByteArray& name)
{
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY))
        if (name == icalproperty_get_x_name(p))
            return QString::fromUtf8(icalproperty_get_x(p));
    return QString();
}

void removeAll(icalcomponent* component, icalproperty_kind kind, const QByteArray& xName = QByteArray())
{
    for (icalproperty* p = icalcomponent_get_first_property(component, kind); p;) {
        icalproperty* next = icalcomponent_get_next_property(component, kind);
        if (xName.isEmpty() || xName == icalproperty_get_x_name(p)) {
            icalcomponent_remove_property(component, p);
            icalproperty_free(p);
        }
        p = next;
    }
}

// A repeat this program can show and keep: every year on the start's date, for ever.
bool plainYearly(icalcomponent* event)
{
    int rules = 0;
    bool plain = true;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        ++rules;
        const icalrecurrencetype rule = icalproperty_get_rrule(p);
        plain = plain && rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval == 1 && rule.count == 0 &&
                icaltime_is_null_time(rule.until) && rule.by_day[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                rule.by_month_day[0] == ICAL_RECURRENCE_ARRAY_MAX && rule.by_year_day[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                rule.by_week_no[0] == ICAL_RECURRENCE_ARRAY_MAX && rule.by_set_pos[0] == ICAL_RECURRENCE_ARRAY_MAX &&
                rule.by_month[0] == ICAL_RECURRENCE_ARRAY_MAX;
    }
    return rules == 1 && plain;
}

// The alarm that stands for the reminder: the first one set before or after the event's start.
icalcomponent* reminderAlarm(icalcomponent* event)
{
    for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (!trigger)
            continue;
        icalparameter* related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
        if (related && icalparameter_get_related(related) == ICAL_RELATED_END)
            continue;
        if (icaltime_is_null_time(icalproperty_get_trigger(trigger).time))
            return alarm;
    }
    return nullptr;
}

// The time from the start of the first day to the reminder: a day before at 18:00 is -6 hours.
int reminderOffset(const Reminder& reminder)
{
    return -reminder.daysBefore * 86400 + reminder.at.msecsSinceStartOfDay() / 1000;
}

Reminder reminderOf(icalcomponent* alarm, QDateTime& acknowledged)
{
    Reminder reminder;
    if (!alarm)
        return reminder;
    const int offset = icaldurationtype_as_int(
        icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY)).duration);
    reminder.on = true;
    reminder.daysBefore = qBound(0, offset > 0 ? 0 : (-offset + 86399) / 86400, Reminder::MostDaysBefore);
    reminder.at = QTime::fromMSecsSinceStartOfDay(qBound(0, offset + reminder.daysBefore * 86400, 86399) * 1000);
    if (icalproperty* ack = icalcomponent_get_first_property(alarm, ICAL_ACKNOWLEDGED_PROPERTY))
        acknowledged = momentOf(icalproperty_get_acknowledged(ack));
    return reminder;
}

std::optional<OwnDay> dayOf(icalcomponent* event, const QList<Category>& categories)
{
    // A value the parser could not read would be written back changed: such an event is kept as it stands.
    if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) ||
        icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY) ||
        icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY) ||
        icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY))
        return std::nullopt;
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || !start.is_date)
        return std::nullopt;
    OwnDay day;
    day.first = dateOf(start);
    const icaltimetype end = icalcomponent_get_dtend(event);
    day.last = icaltime_is_null_time(end) ? day.first : dateOf(end).addDays(-1);
    if (!day.first.isValid() || !day.last.isValid() || day.last < day.first)
        return std::nullopt;
    const bool repeats = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (repeats && !plainYearly(event))
        return std::nullopt;
    day.yearly = repeats;
    day.uid = QString::fromUtf8(icalcomponent_get_uid(event));
    day.title = QString::fromUtf8(icalcomponent_get_summary(event));
    day.note = QString::fromUtf8(icalcomponent_get_description(event));
    day.category = xValue(event, CategoryOfEvent);
    const auto known = [&](const QString& key) {
        return std::any_of(categories.begin(), categories.end(), [&](const Category& c) { return c.key == key; });
    };
    if (!known(day.category)) {
        day.category.clear();
        // Another program's category is matched by its name.
        if (icalproperty* named = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY)) {
            const QString name = QString::fromUtf8(icalproperty_get_categories(named));
            for (const Category& category : categories)
                if (category.name.compare(name, Qt::CaseInsensitive) == 0)
                    day.category = category.key;
        }
        if (day.category.isEmpty() && !categories.isEmpty())
            day.category = categories.last().key;
    }
    if (icalproperty* changed = icalcomponent_get_first_property(event, ICAL_LASTMODIFIED_PROPERTY))
        day.modified = momentOf(icalproperty_get_lastmodified(changed));
    else if (icalproperty* stamp = icalcomponent_get_first_property(event, ICAL_DTSTAMP_PROPERTY))
        day.modified = momentOf(icalproperty_get_dtstamp(stamp));
    day.reminder = reminderOf(reminderAlarm(event), day.acknowledged);
    return day;
}

QByteArray componentName(const QByteArray& line)
{
    return line.mid(line.indexOf(':') + 1).trimmed().toUpper();
}

// A content line's property name, in capitals: "DTSTART" of "DTSTART;VALUE=DATE:20270104".
QByteArray propertyName(const QByteArray& line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ':' && line[end] != ';')
        ++end;
    return line.left(end).trimmed().toUpper();
}

// An event's block as another program wrote it, with only what this program changed written anew: the event's own
// properties named in `changed` and, at alarmIndex, its reminder's alarm are left out, `added` goes before the
// event's end, and every other line stays byte for byte, folding and all. Written whole by libical, a value it
// cannot read (PRIORITY:high) would come back as another (PRIORITY:0).
QByteArray spliced(const QByteArray& base, const QSet<QByteArray>& changed, int alarmIndex, const QByteArray& added)
{
    QByteArray out;
    int depth = 0;
    int alarms = -1;
    int skippingFrom = 0; // the depth of the alarm being left out; 0 while none is
    qsizetype at = 0;
    while (at < base.size()) {
        qsizetype next = at;
        const QByteArray line = logicalLine(base, at, next);
        const QByteArray raw = base.mid(at, next - at);
        at = next;
        const QByteArray name = propertyName(line);
        if (name == "BEGIN") {
            ++depth;
            if (depth == 2 && componentName(line) == "VALARM" && ++alarms == alarmIndex && !skippingFrom)
                skippingFrom = depth;
            if (!skippingFrom)
                out += raw;
        } else if (name == "END") {
            if (depth == 1)
                out += added;
            if (!skippingFrom)
                out += raw;
            if (depth == skippingFrom)
                skippingFrom = 0;
            --depth;
        } else if (!skippingFrom && !(depth == 1 && changed.contains(name))) {
            out += raw;
        }
    }
    return out;
}

QByteArray written(icalproperty* property)
{
    char* text = icalproperty_as_ical_string_r(property);
    QByteArray line(text);
    icalmemory_free_buffer(text);
    return line;
}
} // namespace

OwnCalendarDocument OwnCalendarDocument::parse(const QByteArray& text, const QList<Category>& fallback)
{
    OwnCalendarDocument document;
    int depth = 0;
    qsizetype blockBegin = -1;
    qsizetype headEnd = -1;
    QByteArray blockName;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype next = at;
        const QByteArray line = logicalLine(text, at, next);
        if (depth == 0) {
            // A byte order mark before the first line stays, and does not hide the calendar.
            const QByteArray unmarked = at == 0 && line.startsWith("\xEF\xBB\xBF") ? line.mid(3) : line;
            if (startsWith(unmarked, "BEGIN:") && componentName(unmarked) == "VCALENDAR") {
                document.lineFeedsOnly = !text.left(next).endsWith("\r\n");
                depth = 1;
                document.valid = true;
            }
        } else if (startsWith(line, "BEGIN:")) {
            if (depth == 1) {
                if (headEnd < 0)
                    headEnd = at;
                blockBegin = at;
                blockName = componentName(line);
            }
            ++depth;
        } else if (startsWith(line, "END:")) {
            --depth;
            if (depth == 0) {
                if (headEnd < 0)
                    headEnd = at;
                document.tail = text.mid(at);
                break;
            }
            if (depth == 1 && blockBegin >= 0) {
                OwnCalendarBlock block;
                block.text = text.mid(blockBegin, next - blockBegin);
                if (blockName == "VEVENT")
                    block.uid = QStringLiteral("?"); // filled in below, once the categories are known
                document.blocks.append(block);
                blockBegin = -1;
            }
        } else if (depth == 1 && headEnd >= 0 && !document.blocks.isEmpty()) {
            // A calendar property after the components stays where it stood, in a block of its own that no change
            // to an event takes away.
            if (!document.blocks.last().loose)
                document.blocks.append({QByteArray(), QString(), std::nullopt, true});
            document.blocks.last().text += text.mid(at, next - at);
        } else if (depth == 1 && startsWith(line, CategoryProperty.constData())) {
            if (const std::optional<Category> category = categoryOf(line))
                document.categories.append(*category);
        }
        at = next;
    }
    if (!document.valid)
        return document;
    if (depth > 0) {
        // A calendar cut off: what it held is kept, and closed.
        if (blockBegin >= 0) {
            QByteArray cut = text.mid(blockBegin);
            if (!cut.endsWith('\n'))
                cut += "\r\n";
            document.blocks.append({cut + "END:" + blockName + "\r\n", QString(), std::nullopt});
        }
        if (headEnd < 0)
            headEnd = text.size();
        document.tail = QByteArrayLiteral("END:VCALENDAR\r\n");
    }
    document.head = text.left(headEnd);
    if (document.categories.isEmpty())
        document.categories = fallback;
    for (OwnCalendarBlock& block : document.blocks) {
        if (block.uid.isEmpty())
            continue;
        const Component event(icalparser_parse_string(block.text.constData()));
        block.uid.clear();
        if (!event || icalcomponent_isa(event.get()) != ICAL_VEVENT_COMPONENT)
            continue;
        block.uid = QString::fromUtf8(icalcomponent_get_uid(event.get()));
        if (!block.uid.isEmpty())
            block.day = dayOf(event.get(), document.categories);
    }
    // The instances another program moved share their event's UID: such an event is kept as it stands, whole, and
    // shown nowhere as a day this program would edit.
    QHash<QString, int> blocksOfUid;
    for (const OwnCalendarBlock& block : document.blocks)
        if (!block.uid.isEmpty())
            ++blocksOfUid[block.uid];
    for (OwnCalendarBlock& block : document.blocks)
        if (blocksOfUid.value(block.uid) > 1)
            block.day.reset();
    return document;
}

OwnCalendarDocument OwnCalendarDocument::fresh(const QString& name, const QList<Category>& categories)
{
    OwnCalendarDocument document;
    document.valid = true;
    document.head = QByteArrayLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dorvane//Your days//EN\r\n"
                                      "CALSCALE:GREGORIAN\r\nX-WR-CALNAME:") +
                    escaped(name) + "\r\n";
    document.tail = QByteArrayLiteral("END:VCALENDAR\r\n");
    document.setCategories(categories);
    return document;
}

void OwnCalendarDocument::setCategories(const QList<Category>& list)
{
    QByteArray kept;
    qsizetype at = 0;
    while (at < head.size()) {
        qsizetype next = at;
        const QByteArray line = logicalLine(head, at, next);
        if (!startsWith(line, CategoryProperty.constData()))
            kept += head.mid(at, next - at);
        at = next;
    }
    if (!kept.isEmpty() && !kept.endsWith('\n'))
        kept += "\r\n";
    for (const Category& category : list)
        kept += inItsLineEnds(categoryLine(category));
    head = kept;
    categories = list;
}

QByteArray OwnCalendarDocument::inItsLineEnds(QByteArray lines) const
{
    if (lineFeedsOnly)
        lines.replace("\r\n", "\n");
    return lines;
}

QByteArray OwnCalendarDocument::text() const
{
    QByteArray all = head;
    for (const OwnCalendarBlock& block : blocks)
        all += block.text;
    return all + tail;
}

QList<OwnDay> OwnCalendarDocument::days() const
{
    QList<OwnDay> all;
    for (const OwnCalendarBlock& block : blocks)
        if (block.day)
            all.append(*block.day);
    return all;
}

int OwnCalendarDocument::indexOf(const QString& uid) const
{
    for (int i = 0; i < blocks.size(); ++i)
        if (blocks[i].uid == uid)
            return i;
    return -1;
}

QByteArray eventBlock(const OwnDay& day, const QByteArray& base, const QList<Category>& categories)
{
    Component event(base.isEmpty() ? icalcomponent_new_vevent() : icalparser_parse_string(base.constData()));
    if (!event || icalcomponent_isa(event.get()) != ICAL_VEVENT_COMPONENT)
        event.reset(icalcomponent_new_vevent());
    icalcomponent* e = event.get();
    const std::optional<OwnDay> before = base.isEmpty() ? std::nullopt : dayOf(e, categories);
    // What is written anew; the rest of a block read from the file stays as it was.
    QSet<QByteArray> changed{"DTSTAMP", "LAST-MODIFIED"};
    int alarmIndex = -1;
    bool alarmChanged = false;
    // The parser's notes on what it could not read are its own, never the file's.
    removeAll(e, ICAL_XLICERROR_PROPERTY);
    const QDateTime stamp = day.modified.isValid() ? day.modified : QDateTime::currentDateTimeUtc();
    icalcomponent_set_uid(e, day.uid.toUtf8().constData());
    if (!before || before->title != day.title) {
        icalcomponent_set_summary(e, day.title.toUtf8().constData());
        changed.insert("SUMMARY");
    }
    if (!before || before->note != day.note) {
        changed.insert("DESCRIPTION");
        removeAll(e, ICAL_DESCRIPTION_PROPERTY);
        if (!day.note.isEmpty())
            icalcomponent_add_property(e, icalproperty_new_description(day.note.toUtf8().constData()));
    }
    const bool datesChanged =
        !before || before->first != day.first || before->last != day.last || before->yearly != day.yearly;
    if (datesChanged) {
        changed += QSet<QByteArray>{"DTSTART", "DTEND", "DURATION", "RRULE"};
        removeAll(e, ICAL_DTSTART_PROPERTY);
        removeAll(e, ICAL_DTEND_PROPERTY);
        removeAll(e, ICAL_DURATION_PROPERTY);
        removeAll(e, ICAL_RRULE_PROPERTY);
        icalcomponent_add_property(e, icalproperty_new_dtstart(dayValue(day.first)));
        icalcomponent_add_property(e, icalproperty_new_dtend(dayValue(day.last.addDays(1))));
        if (day.yearly)
            icalcomponent_add_property(e, icalproperty_new_rrule(icalrecurrencetype_from_string("FREQ=YEARLY")));
    }
    QString name;
    for (const Category& category : categories)
        if (category.key == day.category)
            name = category.name;
    // A category renamed since the block was written: our own events show the name others read. Another program's
    // CATEGORIES (a list, maybe) is left alone while it still names the day's category.
    icalproperty* named = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
    const bool renamed = before && xValue(e, CategoryOfEvent) == day.category &&
                         (!named || QString::fromUtf8(icalproperty_get_categories(named)) != name);
    if (!before || before->category != day.category || renamed) {
        changed += QSet<QByteArray>{"CATEGORIES", CategoryOfEvent};
        // The first value is the one read as the day's category; another program's further ones stay after it.
        QList<QByteArray> others;
        for (icalproperty* p = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY); p;
             p = icalcomponent_get_next_property(e, ICAL_CATEGORIES_PROPERTY))
            if (p != named)
                others.append(icalproperty_get_categories(p));
        removeAll(e, ICAL_CATEGORIES_PROPERTY);
        removeAll(e, ICAL_X_PROPERTY, CategoryOfEvent);
        if (!name.isEmpty())
            icalcomponent_add_property(e, icalproperty_new_categories(name.toUtf8().constData()));
        for (const QByteArray& other : std::as_const(others))
            icalcomponent_add_property(e, icalproperty_new_categories(other.constData()));
        icalproperty* key = icalproperty_new_x(day.category.toUtf8().constData());
        icalproperty_set_x_name(key, CategoryOfEvent.constData());
        icalcomponent_add_property(e, key);
    }
    // The reminder's alarm among the event's alarms, as the text has them.
    if (icalcomponent* alarm = before ? reminderAlarm(e) : nullptr) {
        alarmIndex = 0;
        for (icalcomponent* other = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT);
             other && other != alarm; other = icalcomponent_get_next_component(e, ICAL_VALARM_COMPONENT))
            ++alarmIndex;
    }
    if (!before || before->reminder != day.reminder) {
        alarmChanged = true;
        if (icalcomponent* old = before ? reminderAlarm(e) : nullptr) {
            icalcomponent_remove_component(e, old);
            icalcomponent_free(old);
        }
        if (day.reminder.on) {
            icalcomponent* alarm = icalcomponent_new_valarm();
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icalcomponent_add_property(alarm, icalproperty_new_description(day.title.toUtf8().constData()));
            icaltriggertype trigger = icaltriggertype_from_int(reminderOffset(day.reminder));
            icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
            icalcomponent_add_component(e, alarm);
        }
    }
    if (day.reminder.on && (!before || before->acknowledged != day.acknowledged))
        if (icalcomponent* alarm = reminderAlarm(e)) {
            alarmChanged = true;
            removeAll(alarm, ICAL_ACKNOWLEDGED_PROPERTY);
            if (day.acknowledged.isValid())
                icalcomponent_add_property(alarm, icalproperty_new_acknowledged(utcValue(day.acknowledged)));
        }
    if (!before) {
        icalcomponent_add_property(e, icalproperty_new_created(utcValue(stamp)));
    } else if (datesChanged || before->title != day.title) {
        icalcomponent_set_sequence(e, icalcomponent_get_sequence(e) + 1);
        changed.insert("SEQUENCE");
    }
    icalcomponent_set_dtstamp(e, utcValue(stamp));
    removeAll(e, ICAL_LASTMODIFIED_PROPERTY);
    icalcomponent_add_property(e, icalproperty_new_lastmodified(utcValue(stamp)));
    if (before) {
        QByteArray added;
        for (icalproperty* p = icalcomponent_get_first_property(e, ICAL_ANY_PROPERTY); p;
             p = icalcomponent_get_next_property(e, ICAL_ANY_PROPERTY))
            if (changed.contains(propertyName(written(p))))
                added += written(p);
        icalcomponent* alarm = alarmChanged ? reminderAlarm(e) : nullptr;
        if (alarm) {
            char* text = icalcomponent_as_ical_string_r(alarm);
            added += text;
            icalmemory_free_buffer(text);
        }
        return spliced(base, changed, alarmChanged ? alarmIndex : -1, added);
    }
    char* text = icalcomponent_as_ical_string_r(e);
    QByteArray block(text);
    icalmemory_free_buffer(text);
    if (!block.endsWith('\n'))
        block += "\r\n";
    return block;
}
