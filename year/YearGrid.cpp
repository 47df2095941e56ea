// SPDX-License-Identifier: GPL-3.0-or-later
#include "year/YearGrid.h"
#include "runtime/DateText.h"
#include "shared/CalendarTexts.h"
#include <utility>

namespace grid {

Placement placeGridYear(YearSource source, TDateTime calendar1, const QString& yearStartText, TDateTime now,
                        const FormatSettings& settings)
{
    if (source == YearSource::Calendar1)
        return Placement{calendar1, yearStartText};
    const TDateTime from = source == YearSource::Calendar1Year ? calendar1 : now;
    return Placement{rt::encodeDate(rt::yearOf(from), 1, 1),
                     rt::formatDateTime(QStringLiteral("01/01/yyyy"), from, settings)};
}

TDateTime calendarDate(TDateTime calendar1, int k)
{
    return rt::incMonth(calendar1, k - 1);
}

QString titleText(int k, TDateTime date, const FormatSettings& settings)
{
    return QString::number(k) + QLatin1Char(' ') + rt::formatDateTime(texts::PatternMonthTitle, date, settings);
}

Placement YearGrid::place(TDateTime calendar1, TDateTime now, const FormatSettings& settings)
{
    const Placement placement = placeGridYear(GridYearSource, calendar1, YearStartText, now, settings);
    GridYearSource = YearSource::Today;
    YearStartText = placement.yearStartText;
    return placement;
}

TDateTime YearGrid::midnightCalendar1(TDateTime now, const FormatSettings& settings) const
{
    return rt::strToDate(rt::formatDateTime(YearStartText, now, settings), rt::yearOf(now), settings);
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

void YearGrid::setCompactCount(int months)
{
    if (months >= 1 && months <= 3)
        SmallCalCount = months;
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

void YearGrid::titled(int k, TDateTime date)
{
    TitledMonth[k - 1] = rt::monthOf(date);
}

bool YearGrid::inTitledMonth(int k, TDateTime date) const
{
    return TitledMonth[k - 1] == rt::monthOf(date);
}

} // namespace grid
