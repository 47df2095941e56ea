// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/PlaceCheck.h"
#include "prefs/MachineDefault.h"
#include <cmath>

using coordinate::Axis;
using coordinate::Reading;

namespace {
// Mean radius of the Earth, in kilometres.
constexpr double EarthRadiusKm = 6371.0088;
constexpr double Pi = 3.14159265358979323846;

Reading readField(const QString& text, const QString& fileText, Axis axis, const FormatSettings& settings)
{
    if (text == fileText) {
        // A line the report reads keeps the report's meaning; one it cannot read ("N52.52", which it reports as
        // invalid) reads as the user means it, and Save writes that.
        const Reading asFile = coordinate::readAsFileLine(text, axis, settings);
        if (asFile.kind != Reading::Kind::Refused)
            return asFile;
    }
    return coordinate::readTyped(text, axis, settings);
}

bool isEmpty(const Reading& r)
{
    return r.kind == Reading::Kind::Empty;
}
} // namespace

place::Check place::check(const Typed& typed, const FormatSettings& settings)
{
    Check c;
    c.latitude = readField(typed.latitude, typed.fileLatitude, Axis::Latitude, settings);
    c.longitude = readField(typed.longitude, typed.fileLongitude, Axis::Longitude, settings);
    const bool untouched = typed.latitude == typed.fileLatitude && typed.longitude == typed.fileLongitude;
    // A file with one line empty saves as it is, as before; a user leaving one empty is told.
    c.onlyOne = !untouched && isEmpty(c.latitude) != isEmpty(c.longitude);
    // A line the file holds is kept as it is, read or not: Save never blocks on what the user did not type.
    const auto writable = [](const Reading& r, bool fromFile) { return r.read() || isEmpty(r) || fromFile; };
    c.saveAllowed = writable(c.latitude, typed.latitude == typed.fileLatitude) &&
                    writable(c.longitude, typed.longitude == typed.fileLongitude) && !c.onlyOne;
    c.latitudeLine = coordinate::lineFor(c.latitude, typed.latitude, Axis::Latitude);
    c.longitudeLine = coordinate::lineFor(c.longitude, typed.longitude, Axis::Longitude);
    // An empty field, or a file's line the file's rules cannot read, is written as it stands.
    if (!c.latitude.read())
        c.latitudeLine = typed.latitude;
    if (!c.longitude.read())
        c.longitudeLine = typed.longitude;
    return c;
}

double place::distanceKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double toRadians = Pi / 180;
    const double phi1 = latitude1 * toRadians;
    const double phi2 = latitude2 * toRadians;
    const double dPhi = phi2 - phi1;
    const double dLambda = (longitude2 - longitude1) * toRadians;
    // Haversine: well conditioned for small distances.
    const double h = std::sin(dPhi / 2) * std::sin(dPhi / 2) +
                     std::cos(phi1) * std::cos(phi2) * std::sin(dLambda / 2) * std::sin(dLambda / 2);
    return 2 * EarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

std::optional<place::ZoneCity> place::zoneCityFrom(const QString& zoneId, double latitude, double longitude,
                                                   const QStringList& tables)
{
    const QString id = zoneId.trimmed();
    const std::optional<ZonePosition> position = prefs::zonePosition(id, tables);
    if (!position)
        return std::nullopt;
    ZoneCity city;
    city.name = id.mid(id.lastIndexOf(QLatin1Char('/')) + 1).replace(QLatin1Char('_'), QLatin1Char(' '));
    city.latitude = position->latitude;
    city.longitude = position->longitude;
    city.distanceKm = distanceKm(latitude, longitude, city.latitude, city.longitude);
    return city;
}

double place::solarHours(double longitude)
{
    return longitude / 15;
}

bool place::offsetFarFromLongitude(double longitude, double offsetHours)
{
    double hours = std::fmod(offsetHours - solarHours(longitude), 24.0);
    // Across the date line: +12 at 179° W is one hour from the sun, not 23.
    if (hours > 12)
        hours -= 24;
    if (hours < -12)
        hours += 24;
    return std::abs(hours) > MostHoursFromTheSun;
}
