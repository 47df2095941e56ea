// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/SheetMarks.h"
#include "calendars/EventDays.h"
#include "calendars/IcsReader.h"
#include <QColor>
#include <QHash>
#include <algorithm>
#include <memory>

std::function<SheetDayMarks(const QDate&)> sheetMarksOf(const std::vector<YearMark>& sky,
                                                        std::function<QList<CalendarEvent>(const QDate&)> events)
{
    QHash<QDate, SheetDayMarks> days;
    for (const YearMark& mark : sky) {
        SheetDayMarks& day = days[mark.localDate];
        switch (mark.kind) {
        case YearMark::Kind::NewMoon:
            day.newMoon = true;
            break;
        case YearMark::Kind::FullMoon:
            day.fullMoon = true;
            break;
        case YearMark::Kind::MarchEquinox:
        case YearMark::Kind::JuneSolstice:
        case YearMark::Kind::SeptemberEquinox:
        case YearMark::Kind::DecemberSolstice:
            day.season = true;
            break;
        default:
            day.solarEclipse = day.solarEclipse || isSolarEclipse(mark.kind);
            day.lunarEclipse = day.lunarEclipse || isLunarEclipse(mark.kind);
        }
    }
    return [days, events = std::move(events)](const QDate& day) {
        SheetDayMarks marks = days.value(day);
        if (events) {
            for (const CalendarEvent& event : events(day))
                marks.eventTitles.append(event.title);
            marks.event = !marks.eventTitles.isEmpty();
        }
        return marks;
    };
}

std::function<QList<CalendarEvent>(const QDate&)> eventsOfFiles(const QStringList& paths, int year)
{
    auto days = std::make_shared<EventDays>();
    const DayRange range{QDate(year, 1, 1).addMonths(-1), QDate(year, 12, 31).addMonths(1)};
    const IcsReader reader;
    for (const QString& path : paths)
        days->replace(path, reader.read(path, range).events);
    return [days](const QDate& day) { return days->on(day); };
}

SheetOwnDays sheetOwnDaysOf(int year, const QList<OwnDay>& days, const QList<Category>& categories)
{
    // The colour the file reader gives a category that names none.
    const QRgb unknown = qRgb(0x80, 0x80, 0x80);
    const QDate from(year, 1, 1), to(year, 12, 31);
    struct Occurrence
    {
        SheetRange range;
        QString uid;
        QString category;
    };
    std::vector<Occurrence> found;
    for (const OwnDay& day : days) {
        const auto category = std::find_if(categories.begin(), categories.end(),
                                           [&](const Category& c) { return c.key == day.category; });
        const QColor colour(category == categories.end() ? QString() : category->colour);
        for (const QDate& start : day.occurrencesMeeting(from, to))
            found.push_back(
                {{start, start.addDays(day.length() - 1), day.title, colour.isValid() ? colour.rgb() : unknown},
                 day.uid,
                 day.category});
    }
    std::sort(found.begin(), found.end(), [](const Occurrence& a, const Occurrence& b) {
        return a.range.first != b.range.first ? a.range.first < b.range.first : a.uid < b.uid;
    });
    SheetOwnDays shown;
    for (const Occurrence& occurrence : found)
        shown.ranges.append(occurrence.range);
    for (const Category& category : categories) {
        const bool used =
            std::any_of(found.begin(), found.end(), [&](const Occurrence& o) { return o.category == category.key; });
        const QColor colour(category.colour);
        if (used)
            shown.categories.append({category.name, colour.isValid() ? colour.rgb() : unknown});
    }
    return shown;
}
