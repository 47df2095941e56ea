// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <functional>
#include <optional>
#include <vector>

// Where the sky is seen from, and the clock of the place.
struct SkyPlace
{
    double latitude = 0;      // degrees, north positive
    double longitudeEast = 0; // degrees, east positive
    // The zone's offset from Greenwich at a moment (Julian day, UT), in hours east: the day's events each take the
    // offset of their own moment, so a change to or from daylight saving falls where it falls.
    std::function<double(double julianDayUt)> offsetHoursAt;
};

// Moments are Julian days of Universal Time; an empty one is an event the day does not have.
using SkyMoment = std::optional<double>;

// The sky of one local day (from 00:00 to the next 00:00 of the place's clock).
struct DaySky
{
    enum class SunDay { RisesAndSets, MidnightSun, PolarNight };
    enum class MoonDay { RisesOrSets, UpAllDay, DownAllDay };

    QDate day;
    double start = 0, end = 0; // the local day, UT
    SkyMoment astronomicalDawn, nauticalDawn, civilDawn, sunrise, solarNoon, sunset, civilDusk, nauticalDusk,
        astronomicalDusk;
    // The day's first crossings of the golden hour's edges: the sun's centre rising through -4 and +6 degrees, and
    // setting through +6 and -4.
    SkyMoment goldenMorningStart, goldenMorningEnd, goldenEveningStart, goldenEveningEnd;
    // The stretches of golden light (the sun between -4 and +6 degrees) and blue light (between -6 and -4), in time
    // order. A stretch entered by a rising sun, or left rising when it holds from the day's start, is the morning's;
    // the others the evening's. An edge the day lacks: the light holds at the day's start or end.
    struct Light
    {
        SkyMoment from, to;
    };
    std::vector<Light> goldenMorning, goldenEvening, blueMorning, blueEvening;
    // Directions at rising and setting, degrees from north through east; the sun's height at solar noon, degrees.
    std::optional<double> sunriseAzimuth, sunsetAzimuth, moonriseAzimuth, moonsetAzimuth, noonAltitude;
    SunDay sunDay = SunDay::RisesAndSets;
    double daylightHours = 0;         // time the sun's centre is above -0.833 degrees during the day
    double daylightChangeMinutes = 0; // against the day before
    SkyMoment moonrise, moonset;
    MoonDay moonDay = MoonDay::RisesOrSets;
    // The moon at 18:00 local time, as the toolbar shows it.
    double evening = 0;
    double phase = 0;       // elongation in radians, 0 new moon .. pi full .. 2 pi
    double litFraction = 0; // 0..1
    double ageDays = 0;     // since the last new moon
    // The next of each after the day's start.
    double nextNewMoon = 0, nextFirstQuarter = 0, nextFullMoon = 0, nextLastQuarter = 0;
    double lastFullMoon = 0; // the last before the day's start
};

// The heights of the sun's and the moon's centres over a local day at evenly spaced moments, from its start to its
// end (steps + 1 of them), in degrees, geometric; the moon's as the place sees it.
struct DayHeights
{
    double start = 0, end = 0;
    std::vector<double> sun, moon;
};

// The sun's times of a day in hours of the place's clock from the day's 00:00 (a clock change shows as a step from
// one day to the next), each empty when the day has none, and the sun's highest and lowest height that day.
struct DayLightHours
{
    QDate day;
    std::optional<double> astronomicalDawn, nauticalDawn, civilDawn, sunrise, sunset, civilDusk, nauticalDusk,
        astronomicalDusk;
    double highest = 0, lowest = 0;
};

// Computes days at one place and keeps what a neighbouring day will ask for again (the bodies' positions on a
// fixed grid of moments, the phase moments found), so a click on the next day costs a fraction of the first.
class SkyCalculator
{
public:
    SkyCalculator();
    ~SkyCalculator();
    SkyCalculator(const SkyCalculator&) = delete;
    SkyCalculator& operator=(const SkyCalculator&) = delete;

    DaySky dayAt(const QDate& day, const SkyPlace& place);
    // Read from the same kept positions as the day, so after dayAt it costs a few microseconds a step.
    DayHeights heightsOver(const QDate& day, const SkyPlace& place, int steps);
    // Every day of a year: the sun alone, a fraction of a day's whole sky each.
    std::vector<DayLightHours> yearLight(int year, const SkyPlace& place);
    // The moon's phase angle (radians, 0 new .. pi full) at 18:00 local time of a day.
    double eveningPhase(const QDate& day, const SkyPlace& place);
    // The next moment at or after `from` when the moon's elongation reaches quarter (0 new moon, 1 first quarter,
    // 2 full, 3 last quarter).
    double nextPhase(int quarter, double from);
    double previousNewMoon(double before);
    // The last moment before `before` the moon's elongation reached quarter.
    double previousPhase(int quarter, double before);
    void forget();

    // One step toward every day from `from` to `to` being quick to tell anywhere on earth: a phase moment or a few of
    // the bodies' positions, each step a fraction of a millisecond. False when nothing is left to do. A click on a day
    // far from the last costs milliseconds when nothing near it was computed; spread over idle moments, the steps
    // leave every day of the range costing what a neighbouring day costs. A range of over two years is not prepared.
    bool prepareStep(const QDate& from, const QDate& to);

private:
    // The moment of quarter q of lunation k (0: the new moon of 6 January 2000).
    double phaseOfLunation(long long k, int quarter);

    struct Caches;
    Caches* m_caches;
};

// Julian day (UT) of local midnight starting a day at a place.
double localDayStart(const QDate& day, const SkyPlace& place);

// The moon's phase angle (radians, 0 new .. pi full) at 18:00 local time of a day: one position of each body.
double eveningMoonPhase(const QDate& day, const SkyPlace& place);
