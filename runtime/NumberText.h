// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/FormatSettings.h"
#include <QString>
#include <optional>

namespace rt {

// The general form: shortest text of up to 15 significant digits, no decimal point for whole values ("16", "-1",
// "2.5"); uses the settings' decimal separator.
QString floatToStr(double value, const FormatSettings& settings);

// Number patterns of digits, "0" placeholders, and an optional "." with decimals ("0", "00", "00.00"):
// at least as many integer digits as "0"s before the point, rounded half away from zero, "-" before negatives.
QString formatFloat(const QString& pattern, double value, const FormatSettings& settings);

// "%.3d": at least three digits, zero-padded, "-" before negatives.
QString pad3(int value);

// Decimal 32-bit signed integer; blanks around it allowed. Throws ConvertError ("'x' is not a valid integer value").
int strToInt(const QString& text);
std::optional<int> tryStrToInt(const QString& text);

// Decimal number with the settings' decimal separator, blanks around it allowed, optional exponent.
// Throws ConvertError ("'x' is not a valid floating point value").
double strToFloat(const QString& text, const FormatSettings& settings);
std::optional<double> tryStrToFloat(const QString& text, const FormatSettings& settings);

// The numeric field rule: blanks dropped at both ends, the thousands separator removed, "." and "," (whichever is
// not the thousands separator) read as the decimal mark, empty text = 0; anything else that is not a finite
// decimal number fails (nullopt). The result is rounded to two decimals, as the fields hold it.
std::optional<double> parseFieldNumber(const QString& text, const FormatSettings& settings);

// The numeric field's text form of a value: at most two decimals (trailing zeros dropped), no thousands separator,
// the settings' decimal separator, "-" before negatives, empty for 0.
QString fieldText(double value, const FormatSettings& settings);

// Rounds to two decimals, halves away from zero, as the numeric fields keep their values.
double roundTo2(double value);

} // namespace rt
