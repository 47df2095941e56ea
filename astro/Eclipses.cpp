// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Eclipses.h"
#include "astronomy/astronomy.h"
#include <algorithm>
#include <cmath>

namespace sky {
namespace {
constexpr double J2000 = 2451545.0;
constexpr double MinuteDays = 1.0 / 1440;
// An eclipse's greatest moment lies within hours of its new or full moon.
constexpr double SyzygyDays = 0.5;
// Beyond this distance of the moon from the ecliptic at a new or full moon no eclipse of any kind happens (the
// limits are near 1.6 degrees); the searches below are asked only inside it.
constexpr double NodeLimitDegrees = 1.8;

astro_time_t timeOf(double ut)
{
    return Astronomy_TimeFromDays(ut - J2000);
}

double utOf(const astro_time_t& time)
{
    return time.ut + J2000;
}

constexpr double EarthRadiusKm = 6378.137, EarthPolarRadiusKm = 6356.752;

// The moon's shadow at a moment, in km: the shadow's axis runs from the sun through the moon.
struct Shadow
{
    double alongAxis = 0;   // the earth's centre measured from the moon along the axis
    double fromAxis = 0;    // the earth's centre's distance from the axis
    double umbraRadius = 0; // in the plane through the earth's centre across the axis; below 0 the ring's (antumbra)

    explicit Shadow(double ut)
    {
        // The moon's radius the canons use for the shadow.
        constexpr double MoonRadiusKm = 0.2722810 * EarthRadiusKm;
        astro_time_t time = timeOf(ut);
        const astro_vector_t sun = Astronomy_GeoVector(BODY_SUN, time, ABERRATION);
        const astro_vector_t moon = Astronomy_GeoMoon(time);
        // Stretched along the earth's axis, so that the flattened earth is a sphere of its equator's radius.
        constexpr double Stretch = EarthRadiusKm / EarthPolarRadiusKm;
        const double ax = (moon.x - sun.x) * KM_PER_AU, ay = (moon.y - sun.y) * KM_PER_AU,
                     az = (moon.z - sun.z) * KM_PER_AU * Stretch;
        const double sunToMoon = std::sqrt(ax * ax + ay * ay + az * az);
        const double mx = moon.x * KM_PER_AU, my = moon.y * KM_PER_AU, mz = moon.z * KM_PER_AU * Stretch;
        alongAxis = -(mx * ax + my * ay + mz * az) / sunToMoon;
        fromAxis = std::sqrt(std::max(0.0, mx * mx + my * my + mz * mz - alongAxis * alongAxis));
        umbraRadius = MoonRadiusKm - alongAxis * (SUN_RADIUS_KM - MoonRadiusKm) / sunToMoon;
    }
};

// A total eclipse is hybrid when somewhere along its path the tip of the moon's shadow falls short of the earth's
// surface. Where the path meets the sunrise and sunset edges, the surface lies in the plane through the earth's
// centre across the shadow, farthest from the moon: the ring of the sun shows first there. Looked at while the
// shadow's axis meets the earth, every few minutes.
bool annularAtAnEdge(double peak)
{
    constexpr double StepDays = 5.0 / 1440;
    for (int step = -40; step <= 40; ++step) {
        const Shadow shadow(peak + step * StepDays);
        if (shadow.fromAxis <= EarthRadiusKm && shadow.umbraRadius < 0)
            return true;
    }
    return false;
}

// The library calls an eclipse whose shadow's axis misses the earth partial; the canons call it total or annular
// when the edge of the umbra or the ring's shadow still touches the earth.
EclipseKind nonCentralKind(double peak)
{
    const Shadow shadow(peak);
    if (shadow.fromAxis > EarthRadiusKm + std::abs(shadow.umbraRadius))
        return EclipseKind::SolarPartial;
    return shadow.umbraRadius > 0 ? EclipseKind::SolarTotal : EclipseKind::SolarAnnular;
}

Eclipse solarOf(const astro_global_solar_eclipse_t& found)
{
    Eclipse eclipse;
    eclipse.peak = utOf(found.peak);
    switch (found.kind) {
    case ECLIPSE_TOTAL:
        eclipse.kind = annularAtAnEdge(utOf(found.peak)) ? EclipseKind::SolarHybrid : EclipseKind::SolarTotal;
        break;
    case ECLIPSE_ANNULAR:
        eclipse.kind = EclipseKind::SolarAnnular;
        break;
    default:
        eclipse.kind = nonCentralKind(eclipse.peak);
    }
    return eclipse;
}

Eclipse lunarOf(const astro_lunar_eclipse_t& found)
{
    Eclipse eclipse;
    eclipse.peak = utOf(found.peak);
    eclipse.kind = found.kind == ECLIPSE_TOTAL     ? EclipseKind::LunarTotal
                   : found.kind == ECLIPSE_PARTIAL ? EclipseKind::LunarPartial
                                                   : EclipseKind::LunarPenumbral;
    eclipse.penumbralHalf = found.sd_penum;
    eclipse.partialHalf = found.sd_partial;
    eclipse.totalHalf = found.sd_total;
    return eclipse;
}

EclipseMoment momentOf(const astro_eclipse_event_t& event)
{
    return {utOf(event.time), event.altitude};
}

double moonAltitude(double ut, astro_observer_t observer)
{
    astro_time_t time = timeOf(ut);
    const astro_equatorial_t equator = Astronomy_Equator(BODY_MOON, &time, observer, EQUATOR_OF_DATE, ABERRATION);
    return Astronomy_Horizon(&time, observer, equator.ra, equator.dec, REFRACTION_NORMAL).altitude;
}
} // namespace

std::optional<Eclipse> eclipseAt(double syzygy, bool newMoon)
{
    if (std::abs(Astronomy_EclipticGeoMoon(timeOf(syzygy)).lat) > NodeLimitDegrees)
        return std::nullopt;
    const astro_time_t start = timeOf(syzygy - SyzygyDays);
    std::optional<Eclipse> eclipse;
    if (newMoon) {
        const astro_global_solar_eclipse_t found = Astronomy_SearchGlobalSolarEclipse(start);
        if (found.status == ASTRO_SUCCESS)
            eclipse = solarOf(found);
    } else {
        const astro_lunar_eclipse_t found = Astronomy_SearchLunarEclipse(start);
        if (found.status == ASTRO_SUCCESS)
            eclipse = lunarOf(found);
    }
    // The search goes on to the next eclipse when this new or full moon has none.
    if (eclipse && std::abs(eclipse->peak - syzygy) > SyzygyDays)
        eclipse.reset();
    return eclipse;
}

std::vector<Eclipse> eclipsesBetween(double from, double to)
{
    std::vector<Eclipse> eclipses;
    // The searches go from new or full moon to new or full moon: one just before `from` may have its greatest moment
    // after it.
    const astro_time_t start = timeOf(from - 1);
    for (astro_global_solar_eclipse_t found = Astronomy_SearchGlobalSolarEclipse(start);
         found.status == ASTRO_SUCCESS && utOf(found.peak) < to; found = Astronomy_NextGlobalSolarEclipse(found.peak))
        if (utOf(found.peak) >= from)
            eclipses.push_back(solarOf(found));
    for (astro_lunar_eclipse_t found = Astronomy_SearchLunarEclipse(start);
         found.status == ASTRO_SUCCESS && utOf(found.peak) < to; found = Astronomy_NextLunarEclipse(found.peak))
        if (utOf(found.peak) >= from)
            eclipses.push_back(lunarOf(found));
    std::sort(eclipses.begin(), eclipses.end(), [](const Eclipse& a, const Eclipse& b) { return a.peak < b.peak; });
    return eclipses;
}

std::optional<LocalSolarEclipse> solarEclipseAt(const Eclipse& eclipse, double latitude, double longitudeEast)
{
    const astro_observer_t observer{latitude, longitudeEast, 0};
    const astro_local_solar_eclipse_t found =
        Astronomy_SearchLocalSolarEclipse(timeOf(eclipse.peak - SyzygyDays), observer);
    if (found.status != ASTRO_SUCCESS || std::abs(utOf(found.peak.time) - eclipse.peak) > SyzygyDays)
        return std::nullopt;
    LocalSolarEclipse local;
    local.kind = found.kind == ECLIPSE_TOTAL     ? EclipseKind::SolarTotal
                 : found.kind == ECLIPSE_ANNULAR ? EclipseKind::SolarAnnular
                                                 : EclipseKind::SolarPartial;
    local.obscuration = found.obscuration;
    local.begin = momentOf(found.partial_begin);
    local.peak = momentOf(found.peak);
    local.end = momentOf(found.partial_end);
    if (found.kind == ECLIPSE_TOTAL || found.kind == ECLIPSE_ANNULAR) {
        local.centralBegin = momentOf(found.total_begin);
        local.centralEnd = momentOf(found.total_end);
    }
    return local;
}

LocalLunarEclipse lunarEclipseAt(const Eclipse& eclipse, double latitude, double longitudeEast)
{
    const astro_observer_t observer{latitude, longitudeEast, 0};
    const auto at = [&](double ut) { return EclipseMoment{ut, moonAltitude(ut, observer)}; };
    const double peak = eclipse.peak;
    LocalLunarEclipse local;
    local.penumbralBegin = at(peak - eclipse.penumbralHalf * MinuteDays);
    local.peak = at(peak);
    local.penumbralEnd = at(peak + eclipse.penumbralHalf * MinuteDays);
    if (eclipse.partialHalf > 0) {
        local.partialBegin = at(peak - eclipse.partialHalf * MinuteDays);
        local.partialEnd = at(peak + eclipse.partialHalf * MinuteDays);
    }
    if (eclipse.totalHalf > 0) {
        local.totalBegin = at(peak - eclipse.totalHalf * MinuteDays);
        local.totalEnd = at(peak + eclipse.totalHalf * MinuteDays);
    }
    return local;
}

std::vector<MoonApsis> moonApsidesBetween(double from, double to)
{
    std::vector<MoonApsis> apsides;
    for (astro_apsis_t found = Astronomy_SearchLunarApsis(timeOf(from));
         found.status == ASTRO_SUCCESS && utOf(found.time) < to; found = Astronomy_NextLunarApsis(found))
        apsides.push_back({utOf(found.time), found.dist_km, found.kind == APSIS_PERICENTER});
    return apsides;
}

} // namespace sky
