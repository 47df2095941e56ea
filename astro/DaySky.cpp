// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/DaySky.h"
#include "astro/SkyBodies.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr double MeanLunationDays = 29.530589;
constexpr double SunHorizon = -0.833; // the centre, refraction and semidiameter together
constexpr double MoonHorizon = -0.833;
// The golden hour's edges, the sun's centre in degrees.
constexpr double GoldenHigh = 6, GoldenLow = -4;
// The scan steps up to two hours, but never further than a body can climb or sink from where it is: a star's
// altitude changes by at most 0.2507 degrees a minute times the cosine of the latitude; the sun's own motion adds
// 0.002, the moon's motion and parallax 0.01. So a rising and a setting minutes apart, as the sun skims the
// horizon at 70 degrees, are both found.
constexpr double ScanStepDays = 1.0 / 12;
constexpr double SmallestStepDays = 1.0 / 1440;
constexpr double StarDegreesPerMinute = 0.2507;
constexpr double SecondDays = 1.0 / 86400;

double climbPerDay(double latitude, double ownDegreesPerMinute)
{
    return (StarDegreesPerMinute * std::cos(latitude * 3.14159265358979323846 / 180) + ownDegreesPerMinute) * 1440;
}
// Grid of the cached positions: a cubic through four points of the sun's path two days apart, or of the moon's a
// day apart, stays within a few arc seconds of the series (a second or two of a rising).
constexpr double SunGridDays = 2;
constexpr double MoonGridDays = 1;
constexpr std::size_t CacheLimit = 2000;
// A range of days prepared at once: two years and their margins stay well inside the caches.
constexpr qint64 MostPreparedDays = 2 * 366 + 62;

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

// A body's geocentric path, computed on a grid of moments and read between them by a cubic through the four
// nearest points.
class Track
{
public:
    Track(sky::Position (*at)(double), double grid) : m_at(at), m_grid(grid) {}

    sky::Position operator()(double jd)
    {
        const double x = jd / m_grid;
        const auto i = static_cast<long long>(std::floor(x));
        const double u = x - static_cast<double>(i);
        std::array<sky::Position, 4> p{node(i - 1), node(i), node(i + 1), node(i + 2)};
        // Right ascension is unwrapped around the second node before it is interpolated.
        std::array<double, 4> ra{};
        for (int k = 0; k < 4; ++k)
            ra[k] = p[1].rightAscension + std::remainder(p[k].rightAscension - p[1].rightAscension, 360.0);
        // Lagrange weights at nodes -1, 0, 1, 2.
        const double w0 = -u * (u - 1) * (u - 2) / 6, w1 = (u + 1) * (u - 1) * (u - 2) / 2,
                     w2 = -(u + 1) * u * (u - 2) / 2, w3 = (u + 1) * u * (u - 1) / 6;
        const auto mix = [&](double a, double b, double c, double d) { return w0 * a + w1 * b + w2 * c + w3 * d; };
        sky::Position out;
        out.rightAscension = std::fmod(mix(ra[0], ra[1], ra[2], ra[3]) + 720.0, 360.0);
        out.declination = mix(p[0].declination, p[1].declination, p[2].declination, p[3].declination);
        out.distanceKm = mix(p[0].distanceKm, p[1].distanceKm, p[2].distanceKm, p[3].distanceKm);
        return out;
    }
    void clear() { m_nodes.clear(); }
    // The nodes a reading anywhere in [from, to] asks for; false when they were all there.
    bool prepare(double from, double to, int atMost)
    {
        int made = 0;
        const auto last = static_cast<long long>(std::floor(to / m_grid)) + 2;
        for (auto i = static_cast<long long>(std::floor(from / m_grid)) - 1; i <= last && made < atMost; ++i) {
            if (m_nodes.count(i))
                continue;
            node(i);
            ++made;
        }
        return made > 0;
    }

private:
    sky::Position node(long long i)
    {
        const auto found = m_nodes.find(i);
        if (found != m_nodes.end())
            return found->second;
        if (m_nodes.size() > CacheLimit)
            m_nodes.clear();
        return m_nodes.emplace(i, m_at(static_cast<double>(i) * m_grid)).first->second;
    }

    sky::Position (*m_at)(double);
    double m_grid;
    std::map<long long, sky::Position> m_nodes;
};

struct Crossings
{
    SkyMoment rising, setting;
    std::vector<double> all; // every crossing, in time order
    bool upAtStart = false;
};

// Where an altitude function crosses each of some horizons in [start, end): one scan in steps for all of them,
// each crossing narrowed to a second.
template <typename Altitude, std::size_t N>
std::array<Crossings, N> crossingsOf(Altitude altitude, const std::array<double, N>& horizons, double start, double end,
                                     double degreesPerDay)
{
    std::array<Crossings, N> found;
    double t0 = start, y0 = altitude(start);
    for (std::size_t k = 0; k < N; ++k)
        found[k].upAtStart = y0 > horizons[k];
    while (t0 < end) {
        double nearest = ScanStepDays * degreesPerDay;
        for (double horizon : horizons)
            nearest = std::min(nearest, std::abs(y0 - horizon));
        const double step = std::clamp(nearest / degreesPerDay, SmallestStepDays, ScanStepDays);
        const double t1 = std::min(t0 + step, end);
        const double y1 = altitude(t1);
        for (std::size_t k = 0; k < N; ++k) {
            const double horizon = horizons[k];
            if ((y0 > horizon) == (y1 > horizon))
                continue;
            // False position with the Illinois halving: a few steps to a second where bisection takes a dozen.
            double a = t0, b = t1, ga = y0 - horizon, gb = y1 - horizon, t = t0;
            int side = 0;
            for (int step = 0; step < 40; ++step) {
                const double next = (a * gb - b * ga) / (gb - ga);
                const bool settled = std::abs(next - t) < SecondDays / 4;
                t = next;
                if (settled)
                    break;
                const double gt = altitude(t) - horizon;
                if (gt == 0)
                    break;
                if ((gt > 0) == (ga > 0)) {
                    a = t, ga = gt;
                    if (side == -1)
                        gb /= 2;
                    side = -1;
                } else {
                    b = t, gb = gt;
                    if (side == 1)
                        ga /= 2;
                    side = 1;
                }
            }
            if (t < end) {
                found[k].all.push_back(t);
                SkyMoment& kind = y1 > horizon ? found[k].rising : found[k].setting;
                if (!kind)
                    kind = t;
            }
        }
        t0 = t1, y0 = y1;
    }
    return found;
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

double localMoment(const QDate& day, double hours, const SkyPlace& place)
{
    const double wall = sky::julianDayOf(day.year(), day.month(), day.day()) + hours / 24;
    double t = wall - place.offsetHoursAt(wall) / 24;
    t = wall - place.offsetHoursAt(t) / 24;
    return t;
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

struct SkyCalculator::Caches
{
    Track sun{&sky::sunAt, SunGridDays};
    Track moon{&sky::moonAt, MoonGridDays};
    // The moment of each quarter by lunation number, as found.
    std::array<std::map<long long, double>, 4> phases;
    // Daylight hours of days already computed at the place last asked for: the day before of a neighbouring day.
    std::map<qint64, double> daylight;
    double placeLatitude = 0, placeLongitude = 0, placeOffset = 0;
    // How far the preparation of a range of days has come: the phase quarter it is at and the moment it goes on from.
    double preparedFrom = 0, preparedTo = 0;
    int preparingQuarter = 0;
    double preparingFrom = 0;
};

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
    double moment = nextPhase(0, before - MeanLunationDays - 1);
    for (double later = nextPhase(0, moment + 1); later <= before; later = nextPhase(0, moment + 1))
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
