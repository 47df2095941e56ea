// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "prefs/CoordinateText.h"
#include "runtime/FormatSettings.h"
#include <QString>
#include <optional>

// What the Parameters dialog says of the position typed, before Save: how each field reads, whether Save may
// write it, the lines it writes, how far the zone's city is and whether the offset can match the longitude.
namespace place {

// The position fields as the dialog holds them, and as it last read them from the file. A field still holding
// the file's text reads by the file's rules, as the report reads it, where those give a position; an edited one,
// or one the report cannot read, as the user means it.
struct Typed
{
    QString latitude;
    QString longitude;
    QString fileLatitude;
    QString fileLongitude;
};

struct Check
{
    coordinate::Reading latitude;
    coordinate::Reading longitude;
    // One field given and the other left empty, after an edit: no position can be made of it.
    bool onlyOne = false;
    // Both read, or both empty (no position, as an empty file gives); a line of the file left as it was never
    // stops Save, read or not.
    bool saveAllowed = false;
    // What Save writes as lines 3 and 2.
    QString latitudeLine;
    QString longitudeLine;

    bool hasPosition() const { return latitude.read() && longitude.read(); }
};

Check check(const Typed& typed, const FormatSettings& settings);

// Great-circle distance in kilometres on a sphere of the Earth's mean radius.
double distanceKm(double latitude1, double longitude1, double latitude2, double longitude2);

// A zone's city and how far the position is from it.
struct ZoneCity
{
    QString name; // "Berlin", from the zone's id
    double latitude = 0;
    double longitude = 0;
    double distanceKm = 0;
};
// nullopt when the zone has no position in the tables.
std::optional<ZoneCity> zoneCityFrom(const QString& zoneId, double latitude, double longitude,
                                     const QStringList& tables);

// Beyond this the zone's city is named beside the position: further than a city's suburbs.
constexpr double ZoneCityNamedBeyondKm = 50;

// The hours of mean solar time at a longitude (east positive), and whether an offset is more than three hours
// from them: the sun's times shown would then be off by as much.
double solarHours(double longitude);
constexpr double MostHoursFromTheSun = 3;
bool offsetFarFromLongitude(double longitude, double offsetHours);

} // namespace place
