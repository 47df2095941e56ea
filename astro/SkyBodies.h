// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sun and the moon as libnova computes them, for a moment given as a Julian day of Universal Time. Positions
// are geocentric and referred to the equator and equinox of the date; angles in degrees.
namespace sky {

struct Position
{
    double rightAscension = 0; // degrees, 0..360
    double declination = 0;    // degrees
    double distanceKm = 0;     // from the earth's centre (the sun's is given as one astronomical unit)
};

Position sunAt(double julianDayUt);
Position moonAt(double julianDayUt);

// The moon's lead over the sun in ecliptic longitude, in radians in [0, 2 pi): 0 new moon, pi/2 first quarter, pi
// full, 3 pi/2 last quarter.
double moonElongation(double julianDayUt);
// The elongation with the lit share of the moon's disc (0..1), from the two bodies' geocentric places at a moment.
struct MoonLight
{
    double elongation;
    double litFraction;
};
MoonLight moonLightFrom(const Position& sun, const Position& moon, double julianDayUt);

// Apparent sidereal time at Greenwich, in degrees.
double siderealDegrees(double julianDayUt);

// Apparent sidereal time over a day from the mean one and the nutation taken once near it: the equation of the
// equinoxes moves by under a millisecond of time in a day, and the nutation's series is most of the cost of each
// reading of the clock.
class SiderealClock
{
public:
    explicit SiderealClock(double aroundJulianDayUt);
    double degreesAt(double julianDayUt) const;

private:
    double m_equinoxesDegrees = 0;
};

// The moon seen from a place on the surface (latitude north positive, longitude east positive): its geocentric
// position moved by the parallax at a moment of Greenwich sidereal time (degrees).
Position topocentric(const Position& geocentric, double latitude, double longitudeEast, double siderealDegrees);

// Altitude of a position above the horizon of a place at a moment of Greenwich sidereal time (degrees), geometric
// (no refraction), in degrees.
double altitude(const Position& position, double latitude, double longitudeEast, double siderealDegrees);
// Direction of a position from a place at a moment of Greenwich sidereal time: degrees from north through east,
// in [0, 360).
double azimuth(const Position& position, double latitude, double longitudeEast, double siderealDegrees);
// The position's hour angle at a place, in degrees in (-180, 180].
double hourAngle(const Position& position, double longitudeEast, double siderealDegrees);

// The sun's apparent longitude on the ecliptic and equinox of the date, the one the seasons are defined by, at a
// moment of Terrestrial Time (JDE), in degrees.
double sunApparentLongitude(double julianDayTt);

// Terrestrial Time minus Universal Time at a moment, in seconds: the polynomials of Espenak and Meeus (2006) from the
// observed values to 2005 and their extrapolation after. libnova's own table runs 63 s high in 2026 and 150 s in
// 3000, which moved every phase and season a minute or more.
double deltaTSeconds(double julianDay);
// A moment of Terrestrial Time (JDE) in Universal Time.
double universalTime(double julianDayTt);

// Julian day of 00:00 UT of a Gregorian date.
double julianDayOf(int year, int month, int day);

} // namespace sky
