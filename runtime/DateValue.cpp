// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/DateValue.h"
#include "runtime/ConvertError.h"
#include <algorithm>
#include <cmath>

namespace {
const QDate BaseDate(1899, 12, 30);
constexpr double MsecsPerDay = 86400000.0;
// Beyond these whole-day counts a value is no date of years 1..9999; decoding clamps instead of overflowing.
constexpr double MinDays = -693593.0; // 1 Jan 0001
constexpr double MaxDays = 2958465.0; // 31 Dec 9999

double clampDays(double value)
{
    if (!std::isfinite(value))
        return 0.0;
    return std::clamp(std::trunc(value), MinDays, MaxDays);
}
} // namespace

namespace rt {

TDateTime encodeDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (year < 1 || year > 9999 || !date.isValid())
        throw ConvertError(convertText::DateEncode);
    return static_cast<double>(BaseDate.daysTo(date));
}

TDateTime encodeTime(int hour, int minute, int second, int msec)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        throw ConvertError(convertText::TimeEncode);
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / MsecsPerDay;
}

TDateTime combine(TDateTime date, TDateTime timeOfDay)
{
    return date >= 0 ? date + timeOfDay : date - timeOfDay;
}

TDateTime dateOf(TDateTime value)
{
    return clampDays(value);
}

TDateTime timeOf(TDateTime value)
{
    if (!std::isfinite(value))
        return 0.0;
    return std::fabs(value - std::trunc(value));
}

void decodeDate(TDateTime value, int& year, int& month, int& day)
{
    const QDate date = toQDate(value);
    year = date.year();
    month = date.month();
    day = date.day();
}

void decodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec)
{
    auto total = static_cast<qint64>(std::llround(timeOf(value) * MsecsPerDay));
    total = std::min<qint64>(total, static_cast<qint64>(MsecsPerDay) - 1);
    msec = static_cast<int>(total % 1000);
    total /= 1000;
    second = static_cast<int>(total % 60);
    total /= 60;
    minute = static_cast<int>(total % 60);
    hour = static_cast<int>(total / 60);
}

int dayOfWeek(TDateTime value)
{
    return toQDate(value).dayOfWeek() % 7 + 1;
}

int yearOf(TDateTime value)
{
    return toQDate(value).year();
}

int monthOf(TDateTime value)
{
    return toQDate(value).month();
}

int dayOf(TDateTime value)
{
    return toQDate(value).day();
}

TDateTime incMonth(TDateTime value, int months)
{
    int year, month, day;
    decodeDate(value, year, month, day);
    const qint64 index = static_cast<qint64>(year) * 12 + (month - 1) + months;
    const int newYear = static_cast<int>(index / 12);
    const int newMonth = static_cast<int>(index % 12) + 1;
    const int lastDay = QDate(newYear, newMonth, 1).daysInMonth();
    return combine(encodeDate(newYear, newMonth, std::min(day, lastDay)), timeOf(value));
}

TDateTime fromQDate(const QDate& date)
{
    return static_cast<double>(BaseDate.daysTo(date));
}

TDateTime fromQDateTime(const QDateTime& dateTime)
{
    return combine(fromQDate(dateTime.date()), dateTime.time().msecsSinceStartOfDay() / MsecsPerDay);
}

QDate toQDate(TDateTime value)
{
    return BaseDate.addDays(static_cast<qint64>(clampDays(value)));
}

QDateTime toQDateTime(TDateTime value)
{
    int hour, minute, second, msec;
    decodeTime(value, hour, minute, second, msec);
    return QDateTime(toQDate(value), QTime(hour, minute, second, msec));
}

} // namespace rt
