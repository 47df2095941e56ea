// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/PositionLine.h"
#include "runtime/NumberText.h"
#include <cmath>

namespace {

const QChar degreeSign(0x00B0);

// The text before the first degree sign, without blanks; empty when there is no degree sign.
QChar markLetter(const QString& line)
{
    const int p = line.indexOf(degreeSign);
    if (p < 0)
        return QChar();
    const QString before = line.left(p).trimmed();
    return before.isEmpty() ? QChar() : before.at(0).toUpper();
}

// A converted number within the limit; NaN is not.
std::optional<double> withinLimit(std::optional<double> value, double limit)
{
    if (value && std::abs(*value) <= limit)
        return value;
    return std::nullopt;
}

QString degreeText(QChar hemisphere, double magnitude)
{
    return QString(hemisphere) + degreeSign + QString::number(magnitude, 'f', 2);
}

} // namespace

std::optional<double> prefs::degreeFieldValue(const QString& line, const FormatSettings& settings)
{
    const int p = line.indexOf(degreeSign);
    // Degrees never carry thousands: "97.45" and "97,45" both mean 97.45 whatever the locale groups digits with,
    // so a position typed under one language still reads right under another.
    FormatSettings degrees = settings;
    degrees.thousandSeparator = QChar(0x1);
    return rt::parseFieldNumber(p < 0 ? line : line.mid(p + 1, 100), degrees);
}

bool prefs::isMarkedSouth(const QString& latitudeLine)
{
    return markLetter(latitudeLine) == QLatin1Char('S');
}

bool prefs::isMarkedEast(const QString& longitudeLine)
{
    return markLetter(longitudeLine) == QLatin1Char('E');
}

std::optional<double> prefs::latitudeOf(const QString& line, const FormatSettings& settings)
{
    const std::optional<double> value = withinLimit(degreeFieldValue(line, settings), MaxLatitude);
    if (!value)
        return std::nullopt;
    return isMarkedSouth(line) ? -std::abs(*value) : *value;
}

std::optional<double> prefs::longitudeWestOf(const QString& line, const FormatSettings& settings)
{
    const std::optional<double> value = withinLimit(degreeFieldValue(line, settings), MaxLongitude);
    if (!value)
        return std::nullopt;
    return isMarkedEast(line) ? -std::abs(*value) : *value;
}

QString prefs::latitudeLine(double latitude)
{
    return degreeText(latitude < 0 ? QLatin1Char('S') : QLatin1Char('N'), std::abs(latitude));
}

QString prefs::longitudeLine(double longitude)
{
    return degreeText(longitude < 0 ? QLatin1Char('W') : QLatin1Char('E'), std::abs(longitude));
}
