// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/FormatSettings.h"
#include "runtime/Wording.h"
#include <QString>
#include <QtGlobal>
#include <optional>

// The position lines of prefs.cal (line 2 the longitude, line 3 the latitude): a hemisphere letter, the degree sign
// (byte 176) and a decimal number, as the user typed them ("W°97.45", "N°30.15").
namespace prefs {

// Texts of the boxes about a position line that gives no place.
inline const Wording InvalidLatitude{"Preferences",
                                     QT_TRANSLATE_NOOP("Preferences", "Invalid N/S degrees in preferences.")};
inline const Wording InvalidLongitude{"Preferences",
                                      QT_TRANSLATE_NOOP("Preferences", "Invalid W/E degrees in preferences.")};

// The widest position a line gives; beyond the poles or the date line a number is as invalid as none.
constexpr double MaxLatitude = 90;
constexpr double MaxLongitude = 180;

// The number of a position line: the part after the first degree sign (at most 100 characters), or the whole line
// when there is none, read by the numeric-field rule (two decimals). nullopt when not a number.
std::optional<double> degreeFieldValue(const QString& line, const FormatSettings& settings);

// A line is marked by the first non-blank character before its first degree sign, in either case: "S" marks a
// southern latitude ("S°33.87", "South°33.87"), "E" an eastern longitude. Without a degree sign nothing is marked.
bool isMarkedSouth(const QString& latitudeLine);
bool isMarkedEast(const QString& longitudeLine);

// Line 3 in degrees, north positive; line 2 in degrees, west positive. nullopt when the line holds no number or
// one beyond the limit.
std::optional<double> latitudeOf(const QString& line, const FormatSettings& settings);
std::optional<double> longitudeWestOf(const QString& line, const FormatSettings& settings);

// A position line in the file's own form, two decimals: "N°52.50", "S°33.87", "E°13.37", "W°74.01".
QString latitudeLine(double latitude);
QString longitudeLine(double longitude);

} // namespace prefs
