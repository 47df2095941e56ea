// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/YearMarks.h"
#include <QDateTime>
#include <QLocale>
#include <QString>

// The sky's moments as the window says them, at the place's clock: the Day panel and a screen reader alike.
namespace markwords {
// A moment (Julian day, UT) on the place's wall clock, rounded to the minute shown.
QDateTime wallClock(double julianDayUt, const SkyPlace& place);
// The clock the toolbar shows: 24-hour ("05:36") or 12-hour ("5:36 AM").
QString timeText(const QDateTime& wall, bool twentyFourHour, const QLocale& locale);
// The hour that clock shows (0 to 23, or 1 to 12): the number a text about the time agrees with where a language
// wants it ("a la 1:05", "a las 2:05"), passed as a translation's count.
int shownHour(const QDateTime& wall, bool twentyFourHour);
// "new moon", "June solstice"...
QString markName(YearMark::Kind kind);
// "new moon at 01:52"
QString markAt(const YearMark& mark, const SkyPlace& place, bool twentyFourHour, const QLocale& locale);
} // namespace markwords
