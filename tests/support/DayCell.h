// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/TMonthCalendar.h"
#include <QDate>

// The rectangle of a day's cell in a calendar's day grid: of the month shown, or of the grey days before or after it.
inline QRect dayCell(const TMonthCalendar& calendar, QWidget*, const QDate& date)
{
    return calendar.dayRect(date);
}
