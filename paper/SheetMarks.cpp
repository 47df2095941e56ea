// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/SheetMarks.h"
#include "calendars/EventDays.h"
#include "calendars/IcsReader.h"
#include <QHash>
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
