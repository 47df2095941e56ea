#include "app/DayPanelText.h"
#include "astro/CalendarArithmetic.h"
#include "astro/SunReport.h"
#include "runtime/DateValue.h"
#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("DayPanel", text);
}

constexpr double UnixEpochJulianDay = 2440587.5;

QDateTime wallClock(double jd, const SkyPlace& place)
{
    const double local = jd + place.offsetHoursAt(jd) / 24;
    const auto ms = static_cast<qint64>(std::llround((local - UnixEpochJulianDay) * 86400000.0));
    // Rounded to the minute shown, not cut: 06:11:40 reads 06:12.
    const qint64 minute = 60000;
    return QDateTime::fromMSecsSinceEpoch((ms + minute / 2) / minute * minute, Qt::UTC);
}

QString timeText(const QDateTime& wall, bool military, const QLocale& locale)
{
    return locale.toString(wall.time(), military ? QStringLiteral("HH:mm") : QStringLiteral("h:mm AP"));
}

QString momentText(double jd, const DayPanelInput& input)
{
    const QDateTime wall = wallClock(jd, input.place);
    return timeText(wall, input.military, input.locale) + QStringLiteral(", ") +
           input.locale.toString(wall.date(), QLocale::ShortFormat);
}

QString durationText(double hours)
{
    const int minutes = static_cast<int>(std::lround(hours * 60));
    return tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString plural(int n, const char* one, const char* many)
{
    return (n == 1 ? tr(one) : tr(many)).arg(n);
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
    return plural(days, "%1 day", "%1 days") + QLatin1Char(' ') + tr("from %1 to %2").arg(from, to);
}

QString weeksInWords(int days)
{
    const int weeks = days / 7, rest = days % 7;
    if (weeks == 0)
        return plural(rest, "%1 day", "%1 days");
    if (rest == 0)
        return plural(weeks, "%1 week", "%1 weeks");
    return tr("%1 and %2").arg(plural(weeks, "%1 week", "%1 weeks"), plural(rest, "%1 day", "%1 days"));
}

QString changeInWords(double minutes)
{
    const auto seconds = static_cast<long>(std::lround(minutes * 60));
    if (seconds == 0)
        return tr("no change");
    const long size = std::labs(seconds);
    return QString(seconds > 0 ? QLatin1Char('+') : QChar(0x2212)) + tr("%1 min %2 s").arg(size / 60).arg(size % 60);
}

QList<PanelLine> dayPanelLines(const DayPanelInput& input)
{
    const DaySky& sky = input.sky;
    const QLocale& locale = input.locale;
    QList<PanelLine> lines;
    lines.append({tr("Date"), locale.toString(sky.day, QLocale::LongFormat)});
    lines.append({tr("Day of year"), tr("%1 of %2").arg(sky.day.dayOfYear()).arg(sky.day.daysInYear())});
    int isoYear = 0;
    const int isoWeek = sky.day.weekNumber(&isoYear);
    lines.append({tr("ISO week"),
                  isoYear == sky.day.year() ? QString::number(isoWeek) : tr("%1 of %2").arg(isoWeek).arg(isoYear)});
    lines.append({tr("Span week (Sun to Sat)"), QString::number(spanWeekOfYear(sky.day))});

    // The sun's events in time order; one the day lacks keeps its place in words.
    struct Event
    {
        QString name;
        SkyMoment at;
        QString none;
    };
    const QString noDawn = tr("none this day");
    const QString noDusk = noDawn;
    QList<Event> sun{
        {tr("Astronomical dawn"), sky.astronomicalDawn, noDawn},
        {tr("Nautical dawn"), sky.nauticalDawn, noDawn},
        {tr("Civil dawn"), sky.civilDawn, noDawn},
        {tr("Sunrise"), sky.sunrise, QString()},
        {tr("Solar noon"), sky.solarNoon, tr("none this day")},
        {tr("Sunset"), sky.sunset, QString()},
        {tr("Civil dusk"), sky.civilDusk, noDusk},
        {tr("Nautical dusk"), sky.nauticalDusk, noDusk},
        {tr("Astronomical dusk"), sky.astronomicalDusk, noDusk},
    };
    const QString sunNone = sky.sunDay == DaySky::SunDay::MidnightSun  ? tr("none: midnight sun, up all day")
                            : sky.sunDay == DaySky::SunDay::PolarNight ? tr("none: polar night, down all day")
                                                                       : tr("none this day");
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
        lines.append({tr("Sun"), tr("Midnight sun: above the horizon all day")});
    else if (sky.sunDay == DaySky::SunDay::PolarNight)
        lines.append({tr("Sun"), tr("Polar night: below the horizon all day")});
    lines.append({tr("Day length"), durationText(sky.daylightHours)});
    lines.append({tr("Change from day before"), changeInWords(sky.daylightChangeMinutes)});

    const QString moonNone = sky.moonDay == DaySky::MoonDay::UpAllDay     ? tr("none: the moon is up all day")
                             : sky.moonDay == DaySky::MoonDay::DownAllDay ? tr("none: the moon is down all day")
                                                                          : tr("none this day");
    QList<Event> moon{{tr("Moonrise"), sky.moonrise, moonNone}, {tr("Moonset"), sky.moonset, moonNone}};
    if (sky.moonrise && sky.moonset && *sky.moonset < *sky.moonrise)
        std::swap(moon[0], moon[1]);
    for (const Event& event : moon)
        lines.append({event.name, event.at ? momentText(*event.at, input) : event.none});
    const QString phaseName = moonPhaseName(moonPictureFor(sky.phase));
    lines.append({tr("Moon phase at 18:00"), phaseName});
    lines.append({tr("Moon lit"), locale.toString(sky.litFraction * 100, 'f', 0) + locale.percent()});
    lines.append({tr("Moon age"), tr("%1 days").arg(locale.toString(sky.ageDays, 'f', 1))});
    QList<Event> phases{{tr("Next new moon"), sky.nextNewMoon, {}},
                        {tr("Next first quarter"), sky.nextFirstQuarter, {}},
                        {tr("Next full moon"), sky.nextFullMoon, {}},
                        {tr("Next last quarter"), sky.nextLastQuarter, {}}};
    std::sort(phases.begin(), phases.end(), [](const Event& a, const Event& b) { return *a.at < *b.at; });
    for (const Event& event : phases)
        lines.append({event.name, momentText(*event.at, input)});

    if (input.pendingFirst)
        lines.append({tr("First day of a span"), locale.toString(*input.pendingFirst, QLocale::LongFormat)});
    if (input.spanFrom && input.spanTo) {
        const int days = static_cast<int>(std::abs(input.spanFrom->daysTo(*input.spanTo)));
        const int weeksTouched =
            std::abs(WeekNumber(rt::fromQDate(*input.spanFrom)) - WeekNumber(rt::fromQDate(*input.spanTo))) + 1;
        const int months = static_cast<int>(CountMonths(rt::fromQDate(*input.spanFrom), rt::fromQDate(*input.spanTo)));
        lines.append({tr("Span"), spanInWords(*input.spanFrom, *input.spanTo, locale)});
        lines.append({tr("Counting both days"), plural(days + 1, "%1 day", "%1 days")});
        lines.append({tr("Span in weeks"), weeksInWords(days)});
        lines.append({tr("Span weeks touched"), QString::number(weeksTouched)});
        lines.append({tr("Months touched"), plural(months, "%1 month", "%1 months")});
    }
    return lines;
}

QString dayPanelText(const QList<PanelLine>& lines)
{
    QString text;
    for (const PanelLine& line : lines)
        text += line.name + QStringLiteral(": ") + line.text + QLatin1Char('\n');
    return text;
}
