// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/DateValue.h"
#include "runtime/FormatSettings.h"
#include <QString>
#include <optional>

// The day-of-year ("Julian") figures of the last date text and the two-click date span; one per main window.
struct JulianState
{
    QString JulianDateText; // the date text last given to CalcJulianDate
    QString JulianYear;     // its year piece as written (up to four characters)
    int JulianDayOfYear = 0;
    QString SpanStartText; // empty = no span pending
    QString SpanEndText;   // holds a value only while the span report is being built
    QString SpanDaysText;  // inclusive day count of the last span
    // February is rewritten on every CalcJulianDate call and keeps the length of the last one.
    int JulianMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // The first clicked day with its full year: the stored texts carry two-digit years, which would put a span
    // across a century boundary a hundred years apart.
    TDateTime SpanStartDate = 0;
};

// "yy.ddd": the year piece as written, a point, the day of the year in three digits ("24.075").
QString julianText(const QString& julianYear, int julianDayOfYear);

// "Dorvane   Today:  (5) May 02, 2000   Julian: 00.123": the start of every caption the main window shows.
QString captionHead(TDateTime now, const QString& julianYear, int julianDayOfYear, const FormatSettings& settings);
// The caption with the date it names as today moved from `previous` to `now`; the figures and span after it stay.
QString captionMovedToToday(const QString& caption, TDateTime previous, TDateTime now, const FormatSettings& settings);

// Sets the day-of-year figures from dateText ("m/d/yy" or "mm/dd/yy"). Once firstActivationDone, also advances the
// span and returns the new caption; before that returns nullopt and leaves the span alone. `date` is the day the
// text stands for, with its full year; the span counts and prints from it. Throws ConvertError for a month, day or
// year piece that is not a decimal integer, or a month or day outside the calendar, keeping what was assigned
// before the failing step.
std::optional<QString> CalcJulianDate(JulianState& state, const QString& dateText, TDateTime date,
                                      bool firstActivationDone, TDateTime now, const FormatSettings& settings);

// SpanDaysText := |second - first| + 1 whole days, in the general number form.
void Calc_Day_Hour(JulianState& state, TDateTime first, TDateTime second, const FormatSettings& settings);

// 52 x (year of the week's Thursday) + week number, weeks running Sunday to Saturday.
int WeekNumber(TDateTime date);

// Whole months from the earlier to the later date, counted by day of month, plus one.
double CountMonths(TDateTime a, TDateTime b);
