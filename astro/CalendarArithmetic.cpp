// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/CalendarArithmetic.h"
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"
#include "runtime/NumberText.h"
#include <QDate>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// The characters before the next "/", removed from `rest` with that "/"; empty (and nothing removed) without one.
// Dates formatted with "/" carry the locale's separator ("3.5.24" in German), which counts as "/" too.
QString takePiece(QString& rest, const FormatSettings& settings)
{
    int slash = rest.indexOf(QLatin1Char('/'));
    const QChar separator = settings.dateSeparator;
    if (slash < 0 && separator != QLatin1Char('/'))
        slash = rest.indexOf(separator);
    if (slash < 0)
        return QString();
    const QString piece = rest.left(slash);
    rest.remove(0, slash + 1);
    return piece;
}

ConvertError notADate(const QString& dateText)
{
    return ConvertError(convertText::InvalidDate, dateText);
}

// "m.d.yyyy", its pieces in the reader's order: "5.3.2026" for 5 March under German, "3.5.2026" under English.
QString spanDayText(TDateTime date, const FormatSettings& settings)
{
    QStringList pieces;
    for (const QChar field : settings.shownDateOrder)
        pieces.append(field == QLatin1Char('y') ? QStringLiteral("yyyy") : QString(field));
    return rt::formatDateTime(pieces.join(QLatin1Char('.')), date, settings);
}

} // namespace

QString julianText(const QString& julianYear, int julianDayOfYear)
{
    return julianYear + QLatin1Char('.') + rt::pad3(julianDayOfYear);
}

namespace {
QString todayPart(TDateTime now, const FormatSettings& settings)
{
    return QStringLiteral("Dorvane   Today:  ") + rt::formatDateTime(QStringLiteral("(m) mmm dd, yyyy"), now, settings);
}
} // namespace

QString captionHead(TDateTime now, const QString& julianYear, int julianDayOfYear, const FormatSettings& settings)
{
    return todayPart(now, settings) + QStringLiteral("   Julian: ") + julianText(julianYear, julianDayOfYear);
}

QString captionMovedToToday(const QString& caption, TDateTime previous, TDateTime now, const FormatSettings& settings)
{
    const QString old = todayPart(previous, settings);
    if (!caption.startsWith(old))
        return caption;
    return todayPart(now, settings) + caption.mid(old.size());
}

std::optional<QString> CalcJulianDate(JulianState& state, const QString& dateText, TDateTime date,
                                      bool firstActivationDone, TDateTime now, const FormatSettings& settings)
{
    state.JulianDateText = dateText;
    QString rest = dateText;
    const QString monthText = takePiece(rest, settings);
    const QString dayText = takePiece(rest, settings);
    const QString yearText = rest.left(4);

    state.JulianDayOfYear = 0;
    state.JulianYear = yearText;
    // Divisibility by 4 of the year as written, so "00" counts as a leap year; but when the day given stands for
    // the text, its full year decides, and 1700, 1800, 1900 and 2100 are common years.
    const int yearValue = rt::strToInt(yearText);
    bool leap = yearValue % 4 == 0;
    int dateYear = 0, dateMonth = 0, dateDay = 0;
    rt::decodeDate(rt::dateOf(date), dateYear, dateMonth, dateDay);
    bool monthRead = false, dayRead = false;
    if (monthText.trimmed().toInt(&monthRead) == dateMonth && dayText.trimmed().toInt(&dayRead) == dateDay &&
        monthRead && dayRead && dateYear % 100 == yearValue % 100)
        leap = QDate::isLeapYear(dateYear);
    state.JulianMonthDays[1] = leap ? 29 : 28;

    const int month = rt::strToInt(monthText);
    // A month outside 1..12 would read past the month table.
    if (month < 1 || month > 12)
        throw notADate(dateText);
    for (int m = 1; m < month; ++m)
        state.JulianDayOfYear += state.JulianMonthDays[m - 1];
    const int day = rt::strToInt(dayText);
    if (day < 1 || day > state.JulianMonthDays[month - 1])
        throw notADate(dateText);
    state.JulianDayOfYear += day;

    if (!firstActivationDone)
        return std::nullopt;

    const QString head = captionHead(now, state.JulianYear, state.JulianDayOfYear, settings) + QStringLiteral("     ");
    if (state.SpanStartText.isEmpty()) {
        state.SpanStartText = state.JulianDateText;
        state.SpanStartDate = rt::dateOf(date);
        return head + spanDayText(state.SpanStartDate, settings) + QStringLiteral(" > ");
    }

    state.SpanEndText = state.JulianDateText;
    const TDateTime first = state.SpanStartDate;
    const TDateTime second = rt::dateOf(date);
    Calc_Day_Hour(state, first, second, settings);
    const int weeks = std::abs(WeekNumber(first) - WeekNumber(second)) + 1;
    const double months = CountMonths(first, second);
    const QString title = head + spanDayText(first, settings) + QStringLiteral(" > ") + spanDayText(second, settings) +
                          QStringLiteral("   Dy = ") + state.SpanDaysText + QStringLiteral("  Wk = ") +
                          QString::number(weeks) + QStringLiteral("  Mo = ") + rt::floatToStr(months, settings);
    state.SpanStartText.clear();
    state.SpanEndText.clear();
    return title;
}

void Calc_Day_Hour(JulianState& state, TDateTime first, TDateTime second, const FormatSettings& settings)
{
    const double days = std::fabs(rt::dateOf(second) - rt::dateOf(first)) + 1;
    state.SpanDaysText = rt::floatToStr(days, settings);
}

int WeekNumber(TDateTime date)
{
    constexpr int thursday = 5;
    TDateTime day = rt::dateOf(date);
    // Sunday +4 .. Saturday -2: the Thursday of the same Sunday-to-Saturday week.
    day += thursday - rt::dayOfWeek(day);
    const QDate thursdayDate = rt::toQDate(day);
    // Counted from the day of year, not by stepping back a week at a time: below 1 Jan 0001 every date reads as
    // that day, so the steps would never leave year 1.
    const int week = (thursdayDate.dayOfYear() - 1) / 7 + 1;
    return 52 * thursdayDate.year() + week;
}

double CountMonths(TDateTime a, TDateTime b)
{
    TDateTime earlier = rt::dateOf(a);
    TDateTime later = rt::dateOf(b);
    if (later < earlier)
        std::swap(earlier, later);
    int y1, m1, d1, y2, m2, d2;
    rt::decodeDate(earlier, y1, m1, d1);
    rt::decodeDate(later, y2, m2, d2);
    return 12 * (y2 - y1) + (m2 - m1) - (d2 < d1 ? 1 : 0) + 1;
}
