// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/DateValue.h"
#include <QString>

// "2024-03-05 13:02:13.500": a date value as text, so that failures read as dates.
inline QString shown(TDateTime value)
{
    int year, month, day, hour, minute, second, msec;
    rt::decodeDate(value, year, month, day);
    rt::decodeTime(value, hour, minute, second, msec);
    return QStringLiteral("%1-%2-%3 %4:%5:%6.%7")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'))
        .arg(second, 2, 10, QLatin1Char('0'))
        .arg(msec, 3, 10, QLatin1Char('0'));
}
