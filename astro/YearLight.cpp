// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/DaySky.h"
#include "astro/SkyTracks.h"

using namespace skytrack;

std::vector<DayLightHours> SkyCalculator::yearLight(int year, const SkyPlace& place)
{
    std::vector<DayLightHours> days;
    const double lat = place.latitude, lon = place.longitudeEast;
    const double sunClimb = climbPerDay(lat, 0.002);
    constexpr std::array<double, 4> Horizons{SunHorizon, -6, -12, -18};
    constexpr int HourSamples = 24;
    for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
        const double start = localMoment(day, 0, place), end = localMoment(day.addDays(1), 0, place);
        const sky::SiderealClock clock(start);
        const auto altitude = [&](double t) { return sky::altitude(m_caches->sun(t), lat, lon, clock.degreesAt(t)); };
        const std::array<Crossings, 4> found = crossingsOf(altitude, Horizons, start, end, sunClimb);
        const double wallMidnight = sky::julianDayOf(day.year(), day.month(), day.day());
        const auto hours = [&](const SkyMoment& t) -> std::optional<double> {
            if (!t)
                return std::nullopt;
            return (*t + place.offsetHoursAt(*t) / 24 - wallMidnight) * 24;
        };
        DayLightHours light;
        light.day = day;
        light.sunrise = hours(found[0].rising), light.sunset = hours(found[0].setting);
        light.civilDawn = hours(found[1].rising), light.civilDusk = hours(found[1].setting);
        light.nauticalDawn = hours(found[2].rising), light.nauticalDusk = hours(found[2].setting);
        light.astronomicalDawn = hours(found[3].rising), light.astronomicalDusk = hours(found[3].setting);
        light.highest = -90, light.lowest = 90;
        for (int i = 0; i <= HourSamples; ++i) {
            const double height = altitude(start + (end - start) * i / HourSamples);
            light.highest = std::max(light.highest, height);
            light.lowest = std::min(light.lowest, height);
        }
        days.push_back(light);
    }
    return days;
}
