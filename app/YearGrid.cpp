#include "app/YearGrid.h"
#include "app/CalendarTexts.h"
#include "runtime/DateText.h"
#include <algorithm>
#include <utility>

namespace grid {

Placement placeGridYear(YearSource source, TDateTime calendar1, const QString& yearStartText, TDateTime now)
{
    if (source == YearSource::Calendar1)
        return Placement{calendar1, yearStartText};
    const TDateTime from = source == YearSource::Calendar1Year ? calendar1 : now;
    return Placement{rt::encodeDate(rt::yearOf(from), 1, 1),
                     rt::formatDateTime(QStringLiteral("01/01/yyyy"), from, rt::formatSettings())};
}

TDateTime calendarDate(TDateTime calendar1, int k)
{
    return rt::incMonth(calendar1, k - 1);
}

QString titleText(int k, TDateTime date)
{
    return QString::number(k) + QLatin1Char(' ') +
           rt::formatDateTime(texts::PatternMonthTitle, date, rt::formatSettings());
}

QString titleMonthLetters(int k, const QString& title)
{
    return title.mid(k >= 10 ? 3 : 2, 3);
}

const CompactLayout& compactLayout(int months)
{
    static const CompactLayout layouts[3] = {
        {198, 203, 205, 142, 203, 0, 27, 104, 131, 165, -1, 639, 266, 349, -1, true},
        {199, 402, 398, 142, 397, 33, 62, 141, 173, 207, -1, 287, 238, 347, 317, false},
        {198, 600, 595, 142, 810, 130, 159, 238, 270, 304, 356, 382, 333, 442, 412, false},
    };
    return layouts[std::clamp(months, 1, 3) - 1];
}

Placement YearGrid::place(TDateTime calendar1, TDateTime now)
{
    const Placement placement = placeGridYear(GridYearSource, calendar1, YearStartText, now);
    GridYearSource = YearSource::Today;
    YearStartText = placement.yearStartText;
    return placement;
}

TDateTime YearGrid::midnightCalendar1(TDateTime now) const
{
    return rt::strToDate(rt::formatDateTime(YearStartText, now, rt::formatSettings()), rt::yearOf(now),
                         rt::formatSettings());
}

std::optional<TDateTime> YearGrid::step(TDateTime calendar1, int direction, int minYear, int maxYear)
{
    const int months = SmallView ? direction : 12 * direction;
    const qint64 index = qint64(rt::yearOf(calendar1)) * 12 + rt::monthOf(calendar1) - 1 + months;
    if (index < qint64(minYear) * 12 || index + 11 > qint64(maxYear) * 12 + 11)
        return std::nullopt;
    GridYearSource = YearSource::Calendar1;
    if (SmallView) {
        YearButtonShowsJan = false;
        return rt::incMonth(calendar1, months);
    }
    return rt::incMonth(rt::encodeDate(rt::yearOf(calendar1), 1, 1), months);
}

Compact YearGrid::movedToToday(const Compact& shown, TDateTime now)
{
    Compact moved = shown;
    for (TDateTime& date : moved)
        date = rt::incMonth(date, rt::monthOf(now) - 1);
    return moved;
}

Compact YearGrid::compactMonths(const Compact& shown, TDateTime now)
{
    if (SmallCalDates[0] != 0)
        return SmallCalDates;
    return rt::yearOf(shown[0]) == rt::yearOf(now) ? movedToToday(shown, now) : shown;
}

void YearGrid::toCompact()
{
    SmallView = true;
    YearButtonShowsJan = true;
    GridYearSource = YearSource::Calendar1Year;
}

void YearGrid::toFull(const Compact& shown)
{
    SmallCalDates = shown;
    SmallView = false;
    GridYearSource = YearSource::Calendar1Year;
}

bool YearGrid::nextCompactSize(const Compact& shown)
{
    if (SmallCalCount < 1 || SmallCalCount > 3)
        return false;
    SmallCalCount = SmallCalCount % 3 + 1;
    SmallCalDates = shown;
    return true;
}

bool YearGrid::toggleYearButton()
{
    YearButtonShowsJan = !YearButtonShowsJan;
    return YearButtonShowsJan;
}

bool YearGrid::toggleWeekNumbers()
{
    WeekNumbersShown = !WeekNumbersShown;
    return WeekNumbersShown;
}

bool YearGrid::weekNumbersOff()
{
    return std::exchange(WeekNumbersShown, false);
}

} // namespace grid
