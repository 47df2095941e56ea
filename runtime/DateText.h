// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/DateValue.h"
#include "runtime/FormatSettings.h"
#include <QString>

namespace rt {

// Pattern letters: m mm mmm mmmm, d dd, yy yyyy, h hh, nn, ss, AMPM (the AM/PM text, making h 12-hour);
// "/" is the settings' date separator; every other character is copied (so "01/01/2026" used as a pattern gives
// itself with the separator). Quoted text ('...' or "...") is copied without the quotes.
QString formatDateTime(const QString& pattern, TDateTime value, const FormatSettings& settings);

// Text to date in the settings' short date order (m/d/y for "m/d/yy"). Parts are separated by the date separator
// (or "/"); a year of one or two digits falls in the century of clockYear. Throws ConvertError when not a date.
TDateTime strToDate(const QString& text, int clockYear, const FormatSettings& settings);
// As strToDate, then an optional time "h:mm[:ss[.zzz]]" with an optional AM/PM suffix.
TDateTime strToDateTime(const QString& text, int clockYear, const FormatSettings& settings);

// The default date-time text: short date, blank, long time ("10/3/01 1:02:13 PM").
QString dateTimeToStr(TDateTime value, const FormatSettings& settings);

} // namespace rt
