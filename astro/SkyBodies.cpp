#include "astro/SkyBodies.h"
#include <cmath>
#include <libnova/dynamical_time.h>
#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/parallax.h>
#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <libnova/transform.h>
#include <mutex>

namespace sky {
namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr double Radians = Pi / 180;
constexpr double KmPerAu = 149597870.7;
// Terms of the lunar series below this size are left out: the position stays within a few arc seconds of the
// full series at a twentieth of its cost (the full series takes over a millisecond).
constexpr double LunarPrecision = 1e-6;

// The bodies move in Terrestrial Time; the clock and the events are Universal Time.
double dynamical(double julianDayUt)
{
    return julianDayUt + ln_get_dynamical_time_diff(julianDayUt) / 86400.0;
}

double wrap360(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

struct Ecliptic
{
    double longitude, latitude, distanceKm;
};

constexpr double J2000 = 2451545.0;

// libnova keeps its last nutation, and other series' last results, in static variables: one caller at a time.
std::mutex& libnovaLock()
{
    static std::mutex lock;
    return lock;
}

// A call into libnova: one caller at a time, and the vector registers' upper halves cleared first. Qt's drawing
// leaves them in use, and on such a processor every legacy SSE instruction of libnova's series then pays a
// transition penalty: its moon took 1.65 times as long once a QGuiApplication existed (128 against 78 us).
class LibnovaCall
{
public:
    LibnovaCall() : m_guard(libnovaLock())
    {
#if defined(__x86_64__) || defined(__i386__)
        static const bool avx = __builtin_cpu_supports("avx");
        if (avx)
            __asm__ volatile("vzeroupper" ::: "memory");
#endif
    }

private:
    std::lock_guard<std::mutex> m_guard;
};

// libnova gives both bodies on the ecliptic and equator of J2000; the horizon of a date needs them precessed.
Position ofDate(ln_equ_posn j2000, double jde, double distanceKm)
{
    ln_equ_posn equ;
    ln_get_equ_prec2(&j2000, J2000, jde, &equ);
    return {wrap360(equ.ra), equ.dec, distanceKm};
}

// The moon on the ecliptic of J2000 with the nutation in longitude, like the sun's place it is compared with.
Ecliptic moonEcliptic(double jde)
{
    ln_rect_posn rect;
    ln_get_lunar_geo_posn(jde, &rect, LunarPrecision);
    ln_nutation nutation;
    ln_get_nutation(jde, &nutation);
    const double longitude = std::atan2(rect.Y, rect.X) / Radians + nutation.longitude;
    const double latitude = std::atan2(rect.Z, std::sqrt(rect.X * rect.X + rect.Y * rect.Y)) / Radians;
    return {wrap360(longitude), latitude, std::sqrt(rect.X * rect.X + rect.Y * rect.Y + rect.Z * rect.Z)};
}
} // namespace

Position sunAt(double julianDayUt)
{
    const LibnovaCall call;
    const double jde = dynamical(julianDayUt);
    // libnova's own equatorial sun turns the J2000 ecliptic with the obliquity of the date, which moves its
    // declination by 0.13 degrees a millennium from 2000.
    ln_lnlat_posn ecliptic;
    ln_get_solar_ecl_coords(jde, &ecliptic);
    ln_equ_posn equ;
    ln_get_equ_from_ecl(&ecliptic, J2000, &equ);
    // The sun's distance changes nothing of its altitude; its series would cost as much as the position.
    return ofDate(equ, jde, KmPerAu);
}

Position moonAt(double julianDayUt)
{
    const LibnovaCall call;
    const double jde = dynamical(julianDayUt);
    const Ecliptic moon = moonEcliptic(jde);
    ln_lnlat_posn ecliptic{moon.longitude, moon.latitude};
    ln_equ_posn equ;
    ln_get_equ_from_ecl(&ecliptic, J2000, &equ);
    return ofDate(equ, jde, moon.distanceKm);
}

double moonElongation(double julianDayUt)
{
    const LibnovaCall call;
    const double jde = dynamical(julianDayUt);
    ln_lnlat_posn sun;
    ln_get_solar_ecl_coords(jde, &sun);
    return wrap360(moonEcliptic(jde).longitude - sun.lng) * Radians;
}

MoonLight moonLightFrom(const Position& sun, const Position& moon, double julianDayUt)
{
    const LibnovaCall call;
    // Both places on the ecliptic of the date, by its obliquity (the mean one: the nutation moves both alike).
    ln_nutation nutation;
    ln_get_nutation(julianDayUt, &nutation);
    const double e = nutation.ecliptic * Radians;
    const auto longitude = [e](const Position& p) {
        const double a = p.rightAscension * Radians, d = p.declination * Radians;
        return std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a));
    };
    const double elongation = std::fmod(longitude(moon) - longitude(sun) + 4 * Pi, 2 * Pi);
    // The sun-moon-earth angle from the two distances and their separation seen from the earth. The sun's distance
    // varies by 1.7 % a year, which moves the lit share by less than 0.01 %.
    const double ds = sun.declination * Radians, dm = moon.declination * Radians;
    const double separation =
        std::acos(std::sin(ds) * std::sin(dm) +
                  std::cos(ds) * std::cos(dm) * std::cos((sun.rightAscension - moon.rightAscension) * Radians));
    const double phaseAngle =
        std::atan2(KmPerAu * std::sin(separation), moon.distanceKm - KmPerAu * std::cos(separation));
    return {elongation, (1 + std::cos(phaseAngle)) / 2};
}

double siderealDegrees(double julianDayUt)
{
    const LibnovaCall call;
    return wrap360(ln_get_apparent_sidereal_time(julianDayUt) * 15);
}

SiderealClock::SiderealClock(double aroundJulianDayUt)
{
    const LibnovaCall call;
    m_equinoxesDegrees = std::remainder(
        (ln_get_apparent_sidereal_time(aroundJulianDayUt) - ln_get_mean_sidereal_time(aroundJulianDayUt)) * 15, 360.0);
}

double SiderealClock::degreesAt(double julianDayUt) const
{
    const LibnovaCall call;
    return wrap360(ln_get_mean_sidereal_time(julianDayUt) * 15 + m_equinoxesDegrees);
}

Position topocentric(const Position& geocentric, double latitude, double longitudeEast, double siderealDegrees)
{
    ln_equ_posn object{geocentric.rightAscension, geocentric.declination};
    ln_lnlat_posn observer{longitudeEast, latitude};
    ln_equ_posn shift;
    const double hour = wrap360(siderealDegrees + longitudeEast - geocentric.rightAscension) / 15;
    {
        const LibnovaCall call;
        ln_get_parallax_ha(&object, geocentric.distanceKm / KmPerAu, &observer, 0, hour, &shift);
    }
    return {wrap360(geocentric.rightAscension + shift.ra), geocentric.declination + shift.dec, geocentric.distanceKm};
}

double hourAngle(const Position& position, double longitudeEast, double siderealDegrees)
{
    const double h = wrap360(siderealDegrees + longitudeEast - position.rightAscension);
    return h > 180 ? h - 360 : h;
}

double altitude(const Position& position, double latitude, double longitudeEast, double siderealDegrees)
{
    const double h = hourAngle(position, longitudeEast, siderealDegrees) * Radians;
    const double phi = latitude * Radians, delta = position.declination * Radians;
    return std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(h)) / Radians;
}

double universalTime(double julianDayTt)
{
    const LibnovaCall call;
    return julianDayTt - ln_get_dynamical_time_diff(julianDayTt) / 86400.0;
}

double julianDayOf(int year, int month, int day)
{
    const LibnovaCall call;
    ln_date date{year, month, day, 0, 0, 0};
    return ln_get_julian_day(&date);
}

} // namespace sky
