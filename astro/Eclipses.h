// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <vector>

// Eclipses of the sun and the moon and the moon's nearest and farthest points, from Astronomy Engine. Moments are
// Julian days of Universal Time, as everywhere in the sky's figures.
namespace sky {

enum class EclipseKind {
    SolarPartial,
    SolarAnnular,
    SolarTotal,
    SolarHybrid,
    LunarPenumbral,
    LunarPartial,
    LunarTotal
};

struct Eclipse
{
    EclipseKind kind = EclipseKind::SolarPartial;
    double peak = 0; // greatest eclipse
    // Of a lunar eclipse: half of each phase's length, in minutes, 0 for a phase it does not reach.
    double penumbralHalf = 0, partialHalf = 0, totalHalf = 0;

    bool solar() const { return kind <= EclipseKind::SolarHybrid; }
};

// The eclipse at a new moon (solar) or a full moon (lunar) at that moment, if there is one.
std::optional<Eclipse> eclipseAt(double syzygy, bool newMoon);
// The eclipses whose greatest moment falls from one moment to another, in time order.
std::vector<Eclipse> eclipsesBetween(double from, double to);

// A moment of an eclipse and how high its body stands then (degrees, refraction included).
struct EclipseMoment
{
    double at = 0;
    double altitude = 0;
};

// A solar eclipse as a place sees it.
struct LocalSolarEclipse
{
    EclipseKind kind = EclipseKind::SolarPartial; // partial, annular or total at the place
    double obscuration = 0;                       // the part of the sun's disc covered at the greatest moment
    EclipseMoment begin, peak, end;
    std::optional<EclipseMoment> centralBegin, centralEnd; // of the total or annular phase

    bool seen() const { return begin.altitude > 0 || peak.altitude > 0 || end.altitude > 0; }
};
// Empty when the moon's shadow misses the place.
std::optional<LocalSolarEclipse> solarEclipseAt(const Eclipse& eclipse, double latitude, double longitudeEast);

// A lunar eclipse's phases and where the moon stands at the place (it looks the same from everywhere it is up).
struct LocalLunarEclipse
{
    EclipseMoment penumbralBegin, peak, penumbralEnd;
    std::optional<EclipseMoment> partialBegin, partialEnd, totalBegin, totalEnd;

    bool seen() const { return penumbralBegin.altitude > 0 || peak.altitude > 0 || penumbralEnd.altitude > 0; }
};
LocalLunarEclipse lunarEclipseAt(const Eclipse& eclipse, double latitude, double longitudeEast);

// The moon at a perigee (nearest) or an apogee (farthest), centre to centre.
struct MoonApsis
{
    double at = 0;
    double km = 0;
    bool perigee = true;
};
// The perigees and apogees from one moment to another, in time order.
std::vector<MoonApsis> moonApsidesBetween(double from, double to);

} // namespace sky
