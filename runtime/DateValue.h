// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>

// The date value: days since 30 Dec 1899, time of day as the fraction. Before that day the whole part is negative
// and the fraction still counts forward from midnight (-1.25 is 29 Dec 1899 06:00).
using TDateTime = double;

namespace rt {

// Throws ConvertError for a day that does not exist.
TDateTime encodeDate(int year, int month, int day);
TDateTime encodeTime(int hour, int minute, int second, int msec);
// Adds a time of day to a whole day, keeping the sign convention above.
TDateTime combine(TDateTime date, TDateTime timeOfDay);

void decodeDate(TDateTime value, int& year, int& month, int& day);
void decodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);

TDateTime dateOf(TDateTime value); // the whole day, time of day 0
TDateTime timeOf(TDateTime value); // the time of day in [0, 1)
int dayOfWeek(TDateTime value);    // 1 = Sunday .. 7 = Saturday
int yearOf(TDateTime value);
int monthOf(TDateTime value);
int dayOf(TDateTime value);

// Steps by n months: keeps the day, lowered to the last day of a shorter month, and keeps the time of day.
TDateTime incMonth(TDateTime value, int months);

TDateTime fromQDateTime(const QDateTime& dateTime);
TDateTime fromQDate(const QDate& date);
QDateTime toQDateTime(TDateTime value);
QDate toQDate(TDateTime value);

} // namespace rt
