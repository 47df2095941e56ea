// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sky calculator's own machinery, shared by the files that define its methods: the bodies' kept paths and the
// search for the moments a height is crossed. Not for use outside the sky's library.
#include "astro/DaySky.h"
#include "astro/SkyBodies.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace skytrack {
constexpr double SunHorizon = -0.833; // the centre, refraction and semidiameter together
// The scan steps up to two hours, but never further than a body can climb or sink from where it is: a star's
// altitude changes by at most 0.2507 degrees a minute times the cosine of the latitude; the sun's own motion adds
// 0.002, the moon's motion and parallax 0.01. So a rising and a setting minutes apart, as the sun skims the
// horizon at 70 degrees, are both found.
constexpr double ScanStepDays = 1.0 / 12;
constexpr double SmallestStepDays = 1.0 / 1440;
constexpr double StarDegreesPerMinute = 0.2507;
constexpr double SecondDays = 1.0 / 86400;

inline double climbPerDay(double latitude, double ownDegreesPerMinute)
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

// Julian day (UT) of a local clock time of a day at a place.
double localMoment(const QDate& day, double hours, const SkyPlace& place);
} // namespace skytrack

struct SkyCalculator::Caches
{
    skytrack::Track sun{&sky::sunAt, skytrack::SunGridDays};
    skytrack::Track moon{&sky::moonAt, skytrack::MoonGridDays};
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
