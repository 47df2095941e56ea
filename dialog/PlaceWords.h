// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "places/PlaceCheck.h"
#include <QString>

// The dialog's words for what it checked of the position, in the running language.
namespace placewords {
// "52.52° N", the reason a text gives no coordinate, or what an empty field lacks.
QString reading(const place::Check& check, coordinate::Axis axis, const FormatSettings& settings);
// Whether that text tells of a field Save cannot write.
bool refused(const place::Check& check, coordinate::Axis axis);
// The warning of an offset hours away from the position's sun; empty when they agree or there is no position.
QString offsetWarning(const place::Check& check, double offsetHours, const FormatSettings& settings);
// "Europe/Berlin — the position is 6,380 km from Berlin", the distance grouped as the locale groups digits.
QString zoneCityDistance(const QString& zoneId, const place::ZoneCity& city, const QLocale& locale);
} // namespace placewords
