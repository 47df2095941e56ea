// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanelText.h"
#include "astro/CalendarArithmetic.h"
#include "astro/SkyBodies.h"
#include "astro/SkyNames.h"
#include "astro/SunReport.h"
#include "controls/DayMarkTexts.h"
#include "controls/SharedTexts.h"
#include "daypanel/EclipseText.h"
#include "print/SheetTexts.h"
#include "runtime/DateValue.h"
#include "shared/MarkWords.h"
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
// The panel's words, in the panel's translation context.
class DayPanelWords
{
    Q_DECLARE_TR_FUNCTIONS(DayPanel)
};

using markwords::shownHour;
using markwords::timeText;
using markwords::wallClock;

QString momentText(double jd, const DayPanelInput& input)
{
    const QDateTime wall = wallClock(jd, input.place);
    return timeText(wall, input.military, input.locale) + QStringLiteral(", ") +
           input.locale.toString(wall.date(), QLocale::ShortFormat);
}

// The stretches of a light at the clock the panel speaks. Near the poles a light may hold when the day begins, or
// still hold when it ends: that stretch is said by its one edge.
QString lightText(const std::vector<DaySky::Light>& stretches, const DayPanelInput& input, const QString& none)
{
    const auto clock = [&input](double t) { return timeText(wallClock(t, input.place), input.military, input.locale); };
    const auto hour = [&input](double t) { return shownHour(wallClock(t, input.place), input.military); };
    QStringList said;
    for (const DaySky::Light& light : stretches) {
        if (light.from && light.to)
            said.append(DayPanelWords::tr("%1 to %2").arg(clock(*light.from), clock(*light.to)));
        else if (light.from)
            said.append(DayPanelWords::tr("from %1", nullptr, hour(*light.from)).arg(clock(*light.from)));
        else if (light.to)
            said.append(DayPanelWords::tr("until %1", nullptr, hour(*light.to)).arg(clock(*light.to)));
        else
            said.append(DayPanelWords::tr("all day"));
    }
    return said.isEmpty() ? none : said.join(QStringLiteral("; "));
}

QString degreesText(const std::optional<double>& degrees, int decimals, const QLocale& locale, const QString& none)
{
    if (!degrees)
        return none;
    // A direction of 359.7 degrees reads 0, not 360.
    const double shown = decimals == 0 && std::lround(*degrees) == 360 ? 0.0 : *degrees;
    return locale.toString(shown, 'f', decimals) + QChar(0x00B0);
}

QString durationText(double hours)
{
    const int minutes = static_cast<int>(std::lround(hours * 60));
    return DayPanelWords::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString daysText(int n)
{
    return DayPanelWords::tr("%n day(s)", nullptr, n);
}

QString weeksText(int n)
{
    return DayPanelWords::tr("%n week(s)", nullptr, n);
}
} // namespace

int spanWeekOfYear(const QDate& day)
{
    const int week = WeekNumber(rt::fromQDate(day));
    // WeekNumber counts 52 weeks a year: the year is the Thursday's.
    const QDate thursday = day.addDays(4 - day.dayOfWeek() % 7);
    return week - 52 * thursday.year();
}

QString spanInWords(const QDate& a, const QDate& b, const QLocale& locale)
{
    const QDate first = std::min(a, b), last = std::max(a, b);
    const int days = static_cast<int>(first.daysTo(last));
    const bool sameMonth = first.year() == last.year() && first.month() == last.month();
    const bool sameYear = first.year() == last.year();
    const QString from = sameMonth  ? QString::number(first.day())
                         : sameYear ? locale.toString(first, QStringLiteral("d MMMM"))
                                    : locale.toString(first, QStringLiteral("d MMMM yyyy"));
    const QString to = locale.toString(last, QStringLiteral("d MMMM yyyy"));
    return daysText(days) + QLatin1Char(' ') + DayPanelWords::tr("from %1 to %2").arg(from, to);
}

QString weeksInWords(int days)
{
    const int weeks = days / 7, rest = days % 7;
    if (weeks == 0)
        return daysText(rest);
    if (rest == 0)
        return weeksText(weeks);
    return DayPanelWords::tr("%1 and %2").arg(weeksText(weeks), daysText(rest));
}

QString changeInWords(double minutes)
{
    const auto seconds = static_cast<long>(std::lround(minutes * 60));
    if (seconds == 0)
        return DayPanelWords::tr("no change");
    const long size = std::labs(seconds);
    return QString(seconds > 0 ? QLatin1Char('+') : QChar(0x2212)) +
           DayPanelWords::tr("%1 min %2 s").arg(size / 60).arg(size % 60);
}

QList<PanelLine> dayPanelLines(const DayPanelInput& input)
{
    const DaySky& sky = input.sky;
    const QLocale& locale = input.locale;
    QList<PanelLine> lines;
    lines.append({DayPanelWords::tr("Date"), locale.toString(sky.day, QLocale::LongFormat)});
    // Not for the second day of a span, whose lines tell the span instead.
    if (input.today && (!input.spanFrom || input.pendingFirst))
        lines.append({DayPanelWords::tr("From today"), fromTodayInWords(sky.day, *input.today)});
    if (!input.holidays.isEmpty())
        lines.append({SheetTexts::Holidays(), input.holidays.join(QStringLiteral("; "))});
    if (input.holidaysNotKnown)
        lines.append({SheetTexts::Holidays(), DayPanelWords::tr("Holidays are not known for %1").arg(sky.day.year())});
    lines.append({DayPanelWords::tr("Day of year"),
                  DayPanelWords::tr("%1 of %2").arg(sky.day.dayOfYear()).arg(sky.day.daysInYear())});
    int isoYear = 0;
    const int isoWeek = sky.day.weekNumber(&isoYear);
    lines.append({DayPanelWords::tr("ISO week"), isoYear == sky.day.year()
                                                     ? QString::number(isoWeek)
                                                     : DayPanelWords::tr("%1 of %2").arg(isoWeek).arg(isoYear)});
    lines.append({DayPanelWords::tr("Span week (Sun to Sat)"), QString::number(spanWeekOfYear(sky.day))});

    // The sun's events in time order; one the day lacks keeps its place in words.
    struct Event
    {
        QString name;
        SkyMoment at;
        QString none;
    };
    const QString noDawn = DayPanelWords::tr("none this day");
    const QString noDusk = noDawn;
    QList<Event> sun{
        {DayPanelWords::tr("Astronomical dawn"), sky.astronomicalDawn, noDawn},
        {DayPanelWords::tr("Nautical dawn"), sky.nauticalDawn, noDawn},
        {DayPanelWords::tr("Civil dawn"), sky.civilDawn, noDawn},
        {QCoreApplication::translate(skyNames::Context, skyNames::Sunrise), sky.sunrise, QString()},
        {DayPanelWords::tr("Solar noon"), sky.solarNoon, DayPanelWords::tr("none this day")},
        {QCoreApplication::translate(skyNames::Context, skyNames::Sunset), sky.sunset, QString()},
        {DayPanelWords::tr("Civil dusk"), sky.civilDusk, noDusk},
        {DayPanelWords::tr("Nautical dusk"), sky.nauticalDusk, noDusk},
        {DayPanelWords::tr("Astronomical dusk"), sky.astronomicalDusk, noDusk},
    };
    const QString sunNone =
        sky.sunDay == DaySky::SunDay::MidnightSun  ? DayPanelWords::tr("none: midnight sun, up all day")
        : sky.sunDay == DaySky::SunDay::PolarNight ? DayPanelWords::tr("none: polar night, down all day")
                                                   : DayPanelWords::tr("none this day");
    for (Event& event : sun)
        if (event.none.isEmpty())
            event.none = sunNone;
    // A present event sorts by its time; one the day lacks stays behind the event listed before it.
    QList<std::pair<double, Event>> keyed;
    double key = -1e18;
    for (const Event& event : sun) {
        if (event.at)
            key = *event.at;
        keyed.append({key, event});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    sun.clear();
    for (const auto& entry : keyed)
        sun.append(entry.second);
    for (const Event& event : sun)
        lines.append({event.name, event.at ? momentText(*event.at, input) : event.none});
    if (sky.sunDay == DaySky::SunDay::MidnightSun)
        lines.append({DayPanelWords::tr("Sun"), DayPanelWords::tr("Midnight sun: above the horizon all day")});
    else if (sky.sunDay == DaySky::SunDay::PolarNight)
        lines.append({DayPanelWords::tr("Sun"), DayPanelWords::tr("Polar night: below the horizon all day")});
    lines.append({DayPanelWords::tr("Day length"), durationText(sky.daylightHours)});
    lines.append({DayPanelWords::tr("Change from day before"), changeInWords(sky.daylightChangeMinutes)});
    const QString noHour = DayPanelWords::tr("none this day");
    lines.append({DayPanelWords::tr("Blue hour, morning"), lightText(sky.blueMorning, input, noHour)});
    lines.append({DayPanelWords::tr("Golden hour, morning"), lightText(sky.goldenMorning, input, noHour)});
    lines.append({DayPanelWords::tr("Golden hour, evening"), lightText(sky.goldenEvening, input, noHour)});
    lines.append({DayPanelWords::tr("Blue hour, evening"), lightText(sky.blueEvening, input, noHour)});
    lines.append({DayPanelWords::tr("Sunrise direction"), degreesText(sky.sunriseAzimuth, 0, locale, sunNone)});
    lines.append({DayPanelWords::tr("Sunset direction"), degreesText(sky.sunsetAzimuth, 0, locale, sunNone)});
    lines.append({DayPanelWords::tr("Sun's height at noon"), degreesText(sky.noonAltitude, 1, locale, noHour)});

    const QString moonNone =
        sky.moonDay == DaySky::MoonDay::UpAllDay     ? DayPanelWords::tr("none: the moon is up all day")
        : sky.moonDay == DaySky::MoonDay::DownAllDay ? DayPanelWords::tr("none: the moon is down all day")
                                                     : DayPanelWords::tr("none this day");
    QList<Event> moon{{DayPanelWords::tr("Moonrise"), sky.moonrise, moonNone},
                      {DayPanelWords::tr("Moonset"), sky.moonset, moonNone}};
    if (sky.moonrise && sky.moonset && *sky.moonset < *sky.moonrise)
        std::swap(moon[0], moon[1]);
    for (const Event& event : moon)
        lines.append({event.name, event.at ? momentText(*event.at, input) : event.none});
    lines.append({DayPanelWords::tr("Moonrise direction"), degreesText(sky.moonriseAzimuth, 0, locale, moonNone)});
    lines.append({DayPanelWords::tr("Moonset direction"), degreesText(sky.moonsetAzimuth, 0, locale, moonNone)});
    const QString phaseName = moonPhaseName(moonPictureFor(sky.phase)).translated();
    lines.append({DayPanelWords::tr("Moon phase at 18:00"), phaseName});
    lines.append({DayPanelWords::tr("Moon lit"), locale.toString(sky.litFraction * 100, 'f', 0) + locale.percent()});
    lines.append(
        {DayPanelWords::tr("Moon age"), DayPanelWords::tr("%1 days").arg(locale.toString(sky.ageDays, 'f', 1))});
    QList<Event> phases{{DayPanelWords::tr("Next new moon"), sky.nextNewMoon, {}},
                        {DayPanelWords::tr("Next first quarter"), sky.nextFirstQuarter, {}},
                        {DayPanelWords::tr("Next full moon"), sky.nextFullMoon, {}},
                        {DayPanelWords::tr("Next last quarter"), sky.nextLastQuarter, {}}};
    std::sort(phases.begin(), phases.end(), [](const Event& a, const Event& b) { return *a.at < *b.at; });
    for (const Event& event : phases)
        lines.append({event.name, momentText(*event.at, input)});
    QStringList marked;
    QList<PanelLine> eclipses;
    for (const YearMark& mark : marksOfDay(sky, input.place)) {
        QString said = markwords::markAt(mark, input.place, input.military, locale);
        const auto kilometres = [&locale](double km) { return locale.toString(std::round(km / 100) * 100, 'f', 0); };
        // A supermoon, as the almanacs that name one count it: a full moon nearer than 360,000 km.
        constexpr double SupermoonKm = 360000;
        const double km = sky::moonAt(mark.ut).distanceKm;
        if (mark.kind == YearMark::Kind::FullMoon && km < SupermoonKm)
            said = DayPanelWords::tr("%1, a supermoon, %2 km away").arg(said, kilometres(km));
        else if (mark.kind == YearMark::Kind::NearestMoon || mark.kind == YearMark::Kind::FarthestMoon)
            said = DayPanelWords::tr("%1, %2 km away").arg(said, kilometres(km));
        marked.append(said);
        const bool solar = isSolarEclipse(mark.kind);
        if (solar || isLunarEclipse(mark.kind))
            if (const std::optional<sky::Eclipse> eclipse = sky::eclipseAt(mark.ut, solar))
                eclipses.append(solar ? PanelLine{SheetTexts::SolarEclipse(),
                                                  solarEclipseText(*eclipse, input.place, input.military, locale)}
                                      : PanelLine{SheetTexts::LunarEclipse(),
                                                  lunarEclipseText(*eclipse, input.place, input.military, locale)});
    }
    if (!marked.isEmpty())
        lines.append({DayPanelWords::tr("Marked"), marked.join(QStringLiteral("; "))});
    lines.append(eclipses);

    for (const DayPanelInput::OwnDayLine& own : input.ownDays) {
        lines.append(
            {DayPanelWords::tr("Your day"),
             DayPanelWords::tr("%1: %2, %3").arg(own.category, own.title, daysInWords(own.first, own.last, locale))});
        if (!own.note.isEmpty())
            lines.append({DayPanelWords::tr("Note"), own.note});
    }

    if (input.pendingFirst)
        lines.append(
            {DayPanelWords::tr("First day of a span"), locale.toString(*input.pendingFirst, QLocale::LongFormat)});
    if (input.spanFrom && input.spanTo) {
        const int days = static_cast<int>(std::abs(input.spanFrom->daysTo(*input.spanTo)));
        const int weeksTouched =
            std::abs(WeekNumber(rt::fromQDate(*input.spanFrom)) - WeekNumber(rt::fromQDate(*input.spanTo))) + 1;
        const int months = static_cast<int>(CountMonths(rt::fromQDate(*input.spanFrom), rt::fromQDate(*input.spanTo)));
        lines.append({DayPanelWords::tr("Span"), spanInWords(*input.spanFrom, *input.spanTo, locale)});
        lines.append({DayPanelWords::tr("Counting both days"), daysText(days + 1)});
        lines.append({DayPanelWords::tr("Span in weeks"), weeksInWords(days)});
        lines.append({DayPanelWords::tr("Span weeks touched"), QString::number(weeksTouched)});
        lines.append({DayPanelWords::tr("Months touched"), DayPanelWords::tr("%n month(s)", nullptr, months)});
    }
    for (const CalendarEvent& event :
         input.events.first(std::min<qsizetype>(input.events.size(), DayPanelEventsShown))) {
        const QString what = sharedTexts::tr(sharedTexts::WithBracketed).arg(event.title, event.calendarName);
        lines.append({SheetTexts::Event(),
                      event.start
                          ? DayPanelWords::tr("%1 %2").arg(
                                timeText(QDateTime(sky.day, *event.start, Qt::UTC), input.military, locale), what)
                          : DayPanelWords::tr("All day: %1").arg(what)});
    }
    // A day of thousands of events: a line for each would take a window taller than any screen.
    if (input.events.size() > DayPanelEventsShown)
        lines.append(
            {SheetTexts::Event(),
             DayPanelWords::tr("and %Ln more", nullptr, static_cast<int>(input.events.size() - DayPanelEventsShown))});
    for (const QString& problem : input.calendarProblems)
        lines.append({DayPanelWords::tr("Calendar file"), problem});
    for (const DayPanelInput::ComingUp& coming : input.comingUp)
        lines.append({DayPanelWords::tr("Coming up"),
                      DayPanelWords::tr("%1: %2").arg(locale.toString(coming.day, DayPanelWords::tr("ddd d MMM")),
                                                      coming.what.join(QStringLiteral("; ")))});
    return lines;
}

QString fromTodayInWords(const QDate& day, const QDate& today)
{
    const qint64 days = today.daysTo(day);
    if (days == 0)
        return DayMarkTexts::TodayWithinDay();
    if (days == 1)
        return DayPanelWords::tr("tomorrow");
    if (days == -1)
        return DayPanelWords::tr("yesterday");
    return days > 0 ? DayPanelWords::tr("in %n day(s)", nullptr, int(days))
                    : DayPanelWords::tr("%n day(s) ago", nullptr, int(-days));
}

QString daysInWords(const QDate& first, const QDate& last, const QLocale& locale)
{
    // The forms of a date in words, in the order the language writes them.
    const QString dayMonthYear = DayPanelWords::tr("d MMMM yyyy");
    const QString dayMonth = DayPanelWords::tr("d MMMM");
    if (first == last)
        return locale.toString(first, dayMonthYear);
    const QString end = locale.toString(last, dayMonthYear);
    if (first.year() == last.year() && first.month() == last.month())
        return DayPanelWords::tr("%1 to %2").arg(locale.toString(first, DayPanelWords::tr("d", "a day's number")), end);
    if (first.year() == last.year())
        return DayPanelWords::tr("%1 to %2").arg(locale.toString(first, dayMonth), end);
    return DayPanelWords::tr("%1 to %2").arg(locale.toString(first, dayMonthYear), end);
}

QString dayPanelText(const QList<PanelLine>& lines)
{
    QString text;
    for (const PanelLine& line : lines)
        text += line.name + QStringLiteral(": ") + line.text + QLatin1Char('\n');
    return text;
}
