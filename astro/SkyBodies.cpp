// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/SkyBodies.h"
#include <cmath>
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
    return julianDayUt + deltaTSeconds(julianDayUt) / 86400.0;
}

// The general precession in longitude since J2000, in degrees (Lieske 1977, as Meeus, ch. 21).
double precessionSinceJ2000(double jde)
{
    const double T = (jde - 2451545.0) / 36525;
    return (5029.0966 * T + 1.11113 * T * T - 0.000006 * T * T * T) / 3600;
}
// The constant of aberration, in arc seconds at one astronomical unit.
constexpr double Aberration = 20.49552;

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

// The tides slow the moon: its mean longitude carries half the tidal acceleration times the square of the time.
// libnova's lunar theory, ELP 2000-82B (Chapront-Touze and Chapront 1983), takes -23.8946"/cy^2 from JPL's DE200; the
// laser ranging since gives -25.8"/cy^2 (JPL's DE403, and the ephemerides after it within 0.06). The difference grows
// with the square of the centuries from 2000: by 2900 the theory's moon stood 77" ahead, and every new and full moon
// came two and a half minutes early.
constexpr double TheoryTidalAcceleration = -23.8946; // arc seconds per century squared
constexpr double MeasuredTidalAcceleration = -25.8;
constexpr double MoonMeanMotion = 1732559343.736 / 36525; // arc seconds per day

// The moment at which the theory's moon stands where the moon of the measured acceleration stands at jde. Reading
// the series then moves the mean longitude and the arguments of its terms alike, which a shift of the longitude
// alone would not: the largest term (6.3 degrees) would be read at a place 77" off and move the phases by up to 20 s.
double lunarTheoryMoment(double jde)
{
    const double t = (jde - J2000) / 36525;
    return jde + (MeasuredTidalAcceleration - TheoryTidalAcceleration) / 2 * t * t / MoonMeanMotion;
}

// The moon on the ecliptic of J2000, geometric (no nutation).
Ecliptic moonEclipticJ2000(double jde)
{
    ln_rect_posn rect;
    ln_get_lunar_geo_posn(lunarTheoryMoment(jde), &rect, LunarPrecision);
    const double longitude = std::atan2(rect.Y, rect.X) / Radians;
    const double latitude = std::atan2(rect.Z, std::sqrt(rect.X * rect.X + rect.Y * rect.Y)) / Radians;
    return {wrap360(longitude), latitude, std::sqrt(rect.X * rect.X + rect.Y * rect.Y + rect.Z * rect.Z)};
}

// The moon on the ecliptic of J2000 with the nutation in longitude, like the sun's place it is compared with.
Ecliptic moonEcliptic(double jde)
{
    Ecliptic moon = moonEclipticJ2000(jde);
    ln_nutation nutation;
    ln_get_nutation(jde, &nutation);
    moon.longitude = wrap360(moon.longitude + nutation.longitude);
    return moon;
}

// The sun's place on the ecliptic of J2000 with the aberration, without the nutation: libnova's own ecliptic sun leaves
// the aberration out, which put every phase 40 seconds late. (Its rising and setting are checked with that sun.)
Ecliptic sunEcliptic(double jde)
{
    ln_helio_posn earth;
    ln_get_solar_geom_coords(jde, &earth);
    return {wrap360(earth.L - Aberration / 3600 / earth.R), earth.B, earth.R * KmPerAu};
}

// A place on the ecliptic of J2000 moved to the ecliptic and equinox of a date (Meeus, Astronomical Algorithms,
// ch. 21): both bodies are compared on the ecliptic the phases are defined on, which leans by 0.13 degrees a millennium
// from that of J2000; the moon's five degrees of latitude turn that into a minute of a phase's moment.
double longitudeOfDate(const Ecliptic& j2000, double jde)
{
    const double t = (jde - J2000) / 36525;
    const double eta = (47.0029 - 0.03302 * t + 0.000060 * t * t) * t / 3600 * Radians;
    const double pi = 174.876384 * Radians - (869.8089 * t - 0.03536 * t * t) / 3600 * Radians;
    const double p = precessionSinceJ2000(jde) * Radians;
    const double l = j2000.longitude * Radians, b = j2000.latitude * Radians;
    const double a = std::cos(eta) * std::cos(b) * std::sin(pi - l) - std::sin(eta) * std::sin(b);
    const double c = std::cos(b) * std::cos(pi - l);
    return (p + pi - std::atan2(a, c)) / Radians;
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
    // The nutation in longitude moves both alike and drops out of the difference.
    const double moon = longitudeOfDate(moonEclipticJ2000(jde), jde);
    const double sun = longitudeOfDate(sunEcliptic(jde), jde);
    return wrap360(moon - sun) * Radians;
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

double azimuth(const Position& position, double latitude, double longitudeEast, double siderealDegrees)
{
    const double h = hourAngle(position, longitudeEast, siderealDegrees) * Radians;
    const double phi = latitude * Radians, delta = position.declination * Radians;
    const double a = std::atan2(-std::cos(delta) * std::sin(h),
                                std::sin(delta) * std::cos(phi) - std::cos(delta) * std::cos(h) * std::sin(phi));
    return wrap360(a / Radians);
}

double sunApparentLongitude(double julianDayTt)
{
    const LibnovaCall call;
    // libnova's geometric longitude is referred to the equinox of J2000: the precession since, the nutation and the
    // aberration are added here.
    ln_helio_posn earth;
    ln_get_solar_geom_coords(julianDayTt, &earth);
    ln_nutation nutation;
    ln_get_nutation(julianDayTt, &nutation);
    return earth.L + precessionSinceJ2000(julianDayTt) + nutation.longitude - Aberration / 3600 / earth.R;
}

double deltaTSeconds(double julianDay)
{
    const double y = 2000 + (julianDay - 2451544.5) / 365.2425;
    const auto longTerm = [](double year) {
        const double u = (year - 1820) / 100;
        return -20 + 32 * u * u;
    };
    if (y < 1600)
        return longTerm(y);
    if (y < 1700) {
        const double t = y - 1600;
        return 120 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129;
    }
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - t * t * t * t / 1174000;
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 + t * (-0.332447 +
                            t * (0.0068612 +
                                 t * (0.0041116 + t * (-0.00037436 + t * (0.0000121272 +
                                                                          t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + 0.00002373599 * t))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    if (y < 2150)
        return longTerm(y) - 0.5628 * (2150 - y);
    return longTerm(y);
}

double universalTime(double julianDayTt)
{
    return julianDayTt - deltaTSeconds(julianDayTt) / 86400.0;
}

double julianDayOf(int year, int month, int day)
{
    const LibnovaCall call;
    ln_date date{year, month, day, 0, 0, 0};
    return ln_get_julian_day(&date);
}

} // namespace sky
