// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/DaySky.h"
#include "astro/SkyBodies.h"
#include "astro/SkyTracks.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

using namespace skytrack;

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr double MeanLunationDays = 29.530589;
constexpr double MoonHorizon = -0.833;
// The golden hour's edges, the sun's centre in degrees.
constexpr double GoldenHigh = 6, GoldenLow = -4;

double wrapTwoPi(double angle)
{
    angle = std::fmod(angle, 2 * Pi);
    return angle < 0 ? angle + 2 * Pi : angle;
}

double wrapPi(double angle)
{
    angle = wrapTwoPi(angle);
    return angle > Pi ? angle - 2 * Pi : angle;
}

// The golden and blue stretches from the crossings of -6, -4 and +6 degrees: each crossing moves the sun one band up
// or down, since the three horizons nest.
void lightsOf(const std::array<const Crossings*, 3>& edges, DaySky& sky)
{
    struct Edge
    {
        double at;
        bool rising;
    };
    std::vector<Edge> all;
    int band = 0; // 0 below -6, 1 blue, 2 golden, 3 above +6
    for (const Crossings* edge : edges) {
        band += edge->upAtStart;
        bool up = edge->upAtStart;
        for (double t : edge->all) {
            up = !up;
            all.push_back({t, up});
        }
    }
    std::sort(all.begin(), all.end(), [](const Edge& a, const Edge& b) { return a.at < b.at; });
    std::optional<Edge> opened;
    const auto close = [&](std::optional<Edge> closing) {
        if (band != 1 && band != 2)
            return;
        const bool morning = opened ? opened->rising : !closing || closing->rising;
        std::vector<DaySky::Light>& list = band == 2 ? (morning ? sky.goldenMorning : sky.goldenEvening)
                                                     : (morning ? sky.blueMorning : sky.blueEvening);
        list.push_back(
            {opened ? SkyMoment(opened->at) : std::nullopt, closing ? SkyMoment(closing->at) : std::nullopt});
    };
    for (const Edge& edge : all) {
        close(edge);
        band += edge.rising ? 1 : -1;
        opened = edge;
    }
    close(std::nullopt);
}

double daylightOf(const Crossings& sun, double start, double end)
{
    double total = 0, from = start;
    bool up = sun.upAtStart;
    for (double t : sun.all) {
        if (up)
            total += t - from;
        up = !up;
        from = t;
    }
    if (up)
        total += end - from;
    return total * 24;
}
} // namespace

double skytrack::localMoment(const QDate& day, double hours, const SkyPlace& place)
{
    const double wall = sky::julianDayOf(day.year(), day.month(), day.day()) + hours / 24;
    double t = wall - place.offsetHoursAt(wall) / 24;
    t = wall - place.offsetHoursAt(t) / 24;
    return t;
}

SkyCalculator::SkyCalculator() : m_caches(new Caches) {}

SkyCalculator::~SkyCalculator()
{
    delete m_caches;
}

void SkyCalculator::forget()
{
    m_caches->sun.clear();
    m_caches->moon.clear();
    for (auto& list : m_caches->phases)
        list.clear();
    m_caches->daylight.clear();
    m_caches->preparedFrom = m_caches->preparedTo = 0;
}

double localDayStart(const QDate& day, const SkyPlace& place)
{
    return localMoment(day, 0, place);
}

namespace {
// A first guess at the moment of lunation k's quarter q (0 new moon .. 3 last quarter), UT: the mean lunation with
// the three largest periodic terms (Meeus, Astronomical Algorithms, ch. 49), within about 20 minutes. The moment
// itself is found on libnova's elongation from there.
double predictedPhase(long long k, int q)
{
    const double lunation = static_cast<double>(k) + q / 4.0;
    const double T = lunation / 1236.85;
    const double jde = 2451550.09766 + 29.530588861 * lunation + 0.00015437 * T * T;
    const double M = (2.5534 + 29.10535670 * lunation) * Pi / 180;
    const double Mp = (201.5643 + 385.81693528 * lunation) * Pi / 180;
    const double F = (160.7108 + 390.67050284 * lunation) * Pi / 180;
    const bool quarter = q % 2 == 1;
    const double correction =
        quarter
            ? -0.62801 * std::sin(Mp) + 0.17172 * std::sin(M) + 0.00862 * std::sin(2 * Mp) + 0.00804 * std::sin(2 * F)
            : -0.4072 * std::sin(Mp) + 0.17241 * std::sin(M) + 0.01608 * std::sin(2 * Mp) + 0.01039 * std::sin(2 * F);
    return sky::universalTime(jde + correction);
}

constexpr double NewMoonEpoch = 2451550.09766; // the new moon of 6 January 2000
} // namespace

double SkyCalculator::phaseOfLunation(long long k, int quarter)
{
    const double target = quarter * Pi / 2;
    const auto offBy = [target](double t) { return wrapPi(sky::moonElongation(t) - target); };
    const double rate = 2 * Pi / MeanLunationDays;
    // Secant steps on the true elongation: from a guess 20 minutes off, the second step is within a second.
    double t0 = predictedPhase(k, quarter);
    double f0 = offBy(t0);
    double t1 = t0 - f0 / rate;
    for (int step = 0; step < 8; ++step) {
        const double f1 = offBy(t1);
        if (f1 == f0)
            break;
        const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        const bool close = std::abs(t1 - t0) < 1.0 / 24;
        t0 = t1, f0 = f1, t1 = t2;
        if (close)
            break;
    }
    return t1;
}

double SkyCalculator::nextPhase(int quarter, double from)
{
    quarter &= 3;
    std::map<long long, double>& known = m_caches->phases[quarter];
    if (known.size() > CacheLimit)
        known.clear();
    const auto momentOf = [&](long long k) {
        const auto found = known.find(k);
        return found != known.end() ? found->second : known.emplace(k, phaseOfLunation(k, quarter)).first->second;
    };
    // The lunation whose mean quarter falls nearest before `from`; the true moment, within a day of the mean one,
    // may still lie on either side of it.
    auto k = static_cast<long long>(std::floor((from - NewMoonEpoch) / MeanLunationDays - quarter / 4.0));
    double moment = momentOf(k);
    while (moment < from)
        moment = momentOf(++k);
    return moment;
}

double SkyCalculator::previousNewMoon(double before)
{
    return previousPhase(0, before);
}

double SkyCalculator::previousPhase(int quarter, double before)
{
    double moment = nextPhase(quarter, before - MeanLunationDays - 1);
    for (double later = nextPhase(quarter, moment + 1); later <= before; later = nextPhase(quarter, moment + 1))
        moment = later;
    return moment;
}

bool SkyCalculator::prepareStep(const QDate& from, const QDate& to)
{
    // More days than the caches keep would push out the first ones while the last are made, and the preparation
    // would start over for ever.
    if (!from.isValid() || !to.isValid() || from > to || from.daysTo(to) > MostPreparedDays)
        return false;
    // Local days lie within 14 hours of Greenwich's; the day before is asked for its length.
    const double start = sky::julianDayOf(from.year(), from.month(), from.day()) - 2;
    const double end = sky::julianDayOf(to.year(), to.month(), to.day()) + 2;
    Caches& caches = *m_caches;
    if (start != caches.preparedFrom || end != caches.preparedTo) {
        caches.preparedFrom = start, caches.preparedTo = end;
        caches.preparingQuarter = 0;
        caches.preparingFrom = start - MeanLunationDays - 1;
    }
    // The phases first: every day asks for the next four and the last new moon, and each costs a few positions.
    while (caches.preparingQuarter < 4) {
        const double moment = nextPhase(caches.preparingQuarter, caches.preparingFrom);
        if (moment > end + MeanLunationDays) {
            ++caches.preparingQuarter;
            caches.preparingFrom = start - MeanLunationDays - 1;
            continue;
        }
        caches.preparingFrom = moment + 1;
        return true;
    }
    constexpr int PositionsPerStep = 2;
    return caches.sun.prepare(start, end, PositionsPerStep) || caches.moon.prepare(start, end, PositionsPerStep);
}

double SkyCalculator::eveningPhase(const QDate& day, const SkyPlace& place)
{
    return eveningMoonPhase(day, place);
}

DaySky SkyCalculator::dayAt(const QDate& day, const SkyPlace& place)
{
    DaySky sky;
    sky.day = day;
    sky.start = localMoment(day, 0, place);
    sky.end = localMoment(day.addDays(1), 0, place);
    const double lat = place.latitude, lon = place.longitudeEast;
    Caches& caches = *m_caches;
    const double offset = place.offsetHoursAt(sky.start);
    if (lat != caches.placeLatitude || lon != caches.placeLongitude || offset != caches.placeOffset) {
        caches.daylight.clear();
        caches.placeLatitude = lat, caches.placeLongitude = lon, caches.placeOffset = offset;
    }
    Track& sunTrack = caches.sun;
    const sky::SiderealClock clock(sky.start);
    const auto sunAltitude = [&sunTrack, &clock, lat, lon](double t) {
        return sky::altitude(sunTrack(t), lat, lon, clock.degreesAt(t));
    };
    constexpr std::array<double, 6> horizons{SunHorizon, -6, -12, -18, GoldenHigh, GoldenLow};
    // The sun moves a degree a day along its path: at most 0.002 degrees a minute of altitude.
    const double sunClimb = climbPerDay(lat, 0.002);
    const std::array<Crossings, 6> sun = crossingsOf(sunAltitude, horizons, sky.start, sky.end, sunClimb);
    sky.sunrise = sun[0].rising;
    sky.sunset = sun[0].setting;
    if (sun[0].all.empty())
        sky.sunDay = sun[0].upAtStart ? DaySky::SunDay::MidnightSun : DaySky::SunDay::PolarNight;
    sky.civilDawn = sun[1].rising, sky.civilDusk = sun[1].setting;
    sky.nauticalDawn = sun[2].rising, sky.nauticalDusk = sun[2].setting;
    sky.astronomicalDawn = sun[3].rising, sky.astronomicalDusk = sun[3].setting;
    sky.goldenMorningEnd = sun[4].rising, sky.goldenEveningStart = sun[4].setting;
    sky.goldenMorningStart = sun[5].rising, sky.goldenEveningEnd = sun[5].setting;
    lightsOf({&sun[1], &sun[5], &sun[4]}, sky);
    const auto sunAzimuth = [&](const SkyMoment& t) -> std::optional<double> {
        if (!t)
            return std::nullopt;
        return sky::azimuth(sunTrack(*t), lat, lon, clock.degreesAt(*t));
    };
    sky.sunriseAzimuth = sunAzimuth(sky.sunrise);
    sky.sunsetAzimuth = sunAzimuth(sky.sunset);
    const std::array<Crossings, 1> noon = crossingsOf(
        [&](double t) {
            const double h = sky::hourAngle(sunTrack(t), lon, clock.degreesAt(t));
            // The hour angle's jump from +180 to -180 is the lower transit, not noon.
            return std::abs(h) > 90 ? -90.0 : h;
        },
        std::array<double, 1>{0}, sky.start, sky.end, climbPerDay(0, 0.002));
    sky.solarNoon = noon[0].rising;
    if (sky.solarNoon)
        sky.noonAltitude = sunAltitude(*sky.solarNoon);
    sky.daylightHours = daylightOf(sun[0], sky.start, sky.end);
    caches.daylight[day.toJulianDay()] = sky.daylightHours;
    const auto before = caches.daylight.find(day.toJulianDay() - 1);
    double daylightBefore = 0;
    if (before != caches.daylight.end()) {
        daylightBefore = before->second;
    } else {
        const double dayBefore = localMoment(day.addDays(-1), 0, place);
        daylightBefore =
            daylightOf(crossingsOf(sunAltitude, std::array<double, 1>{SunHorizon}, dayBefore, sky.start, sunClimb)[0],
                       dayBefore, sky.start);
        caches.daylight[day.toJulianDay() - 1] = daylightBefore;
    }
    if (caches.daylight.size() > CacheLimit)
        caches.daylight.clear();
    sky.daylightChangeMinutes = (sky.daylightHours - daylightBefore) * 60;

    Track& moonTrack = caches.moon;
    const std::array<Crossings, 1> moon = crossingsOf(
        [&](double t) {
            const double sidereal = clock.degreesAt(t);
            return sky::altitude(sky::topocentric(moonTrack(t), lat, lon, sidereal), lat, lon, sidereal);
        },
        std::array<double, 1>{MoonHorizon}, sky.start, sky.end, climbPerDay(lat, 0.01));
    sky.moonrise = moon[0].rising;
    sky.moonset = moon[0].setting;
    const auto moonAzimuth = [&](const SkyMoment& t) -> std::optional<double> {
        if (!t)
            return std::nullopt;
        const double sidereal = clock.degreesAt(*t);
        return sky::azimuth(sky::topocentric(moonTrack(*t), lat, lon, sidereal), lat, lon, sidereal);
    };
    sky.moonriseAzimuth = moonAzimuth(sky.moonrise);
    sky.moonsetAzimuth = moonAzimuth(sky.moonset);
    if (moon[0].all.empty())
        sky.moonDay = moon[0].upAtStart ? DaySky::MoonDay::UpAllDay : DaySky::MoonDay::DownAllDay;

    sky.evening = localMoment(day, 18, place);
    const sky::MoonLight light = sky::moonLightFrom(sunTrack(sky.evening), moonTrack(sky.evening), sky.evening);
    sky.phase = light.elongation;
    sky.litFraction = light.litFraction;
    sky.nextNewMoon = nextPhase(0, sky.start);
    sky.nextFirstQuarter = nextPhase(1, sky.start);
    sky.nextFullMoon = nextPhase(2, sky.start);
    sky.nextLastQuarter = nextPhase(3, sky.start);
    sky.ageDays = sky.evening - previousNewMoon(sky.evening);
    sky.lastFullMoon = previousPhase(2, sky.start);
    return sky;
}

DayHeights SkyCalculator::heightsOver(const QDate& day, const SkyPlace& place, int steps)
{
    DayHeights heights;
    heights.start = localMoment(day, 0, place);
    heights.end = localMoment(day.addDays(1), 0, place);
    const double lat = place.latitude, lon = place.longitudeEast;
    const sky::SiderealClock clock(heights.start);
    for (int i = 0; i <= steps; ++i) {
        const double t = heights.start + (heights.end - heights.start) * i / std::max(steps, 1);
        const double sidereal = clock.degreesAt(t);
        heights.sun.push_back(sky::altitude(m_caches->sun(t), lat, lon, sidereal));
        heights.moon.push_back(
            sky::altitude(sky::topocentric(m_caches->moon(t), lat, lon, sidereal), lat, lon, sidereal));
    }
    return heights;
}

double eveningMoonPhase(const QDate& day, const SkyPlace& place)
{
    return sky::moonElongation(localMoment(day, 18, place));
}
