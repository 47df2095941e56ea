// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// A sun time label as a screen reader should say it: "7:14A" is "7:14 AM", and a time the report found past
// midnight of the day shown, which the label writes as "12:04P" or "24:04", is "12:04 AM, next day" or
// "00:04, next day". A text that is no time is said as it is written.
// eventKind: 1 = sunrise (hours of the label counted from midnight), 2 = sunset (counted from noon in the 12-hour
// form, from midnight in the 24-hour one).
QString spokenSunTime(int eventKind, const QString& shown);
