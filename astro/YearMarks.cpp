// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/YearMarks.h"
#include "astro/Eclipses.h"
#include "astro/SkyBodies.h"
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
constexpr double TropicalYearDays = 365.2421897;
constexpr double SunDegreesPerDay = 360 / TropicalYearDays;
constexpr double SecondDays = 1.0 / 86400;
// How far an eclipse's greatest moment lies from its new or full moon at most, and more.
constexpr double EclipseReachDays = 0.25;
// The March equinox of 2000 in Terrestrial Time (Meeus, Astronomical Algorithms, ch. 27): a start within a day or
// two of any season from 1000 to 3000.
constexpr double MarchEquinox2000 = 2451623.80984;

const YearMark::Kind SeasonKinds[] = {YearMark::Kind::MarchEquinox, YearMark::Kind::JuneSolstice,
                                      YearMark::Kind::SeptemberEquinox, YearMark::Kind::DecemberSolstice};

bool beforeInTime(const YearMark& a, const YearMark& b)
{
    return a.ut < b.ut;
}

YearMark::Kind markKindOf(sky::EclipseKind kind)
{
    return YearMark::Kind(int(YearMark::Kind::PartialSolarEclipse) + int(kind));
}

// The year's nearest perigee and farthest apogee, among the apsides of its local days.
std::vector<YearMark> moonExtremesOf(int year, const SkyPlace& place)
{
    const std::vector<sky::MoonApsis> apsides =
        sky::moonApsidesBetween(localDayStart(QDate(year, 1, 1), place), localDayStart(QDate(year + 1, 1, 1), place));
    const sky::MoonApsis* nearest = nullptr;
    const sky::MoonApsis* farthest = nullptr;
    for (const sky::MoonApsis& apsis : apsides) {
        if (apsis.perigee && (!nearest || apsis.km < nearest->km))
            nearest = &apsis;
        if (!apsis.perigee && (!farthest || apsis.km > farthest->km))
            farthest = &apsis;
    }
    std::vector<YearMark> marks;
    if (nearest)
        marks.push_back({YearMark::Kind::NearestMoon, localDateOf(nearest->at, place), nearest->at});
    if (farthest)
        marks.push_back({YearMark::Kind::FarthestMoon, localDateOf(farthest->at, place), farthest->at});
    return marks;
}
} // namespace

QDate localDateOf(double ut, const SkyPlace& place)
{
    const double local = ut + place.offsetHoursAt(ut) / 24;
    // Julian days begin at noon.
    return QDate::fromJulianDay(static_cast<qint64>(std::floor(local + 0.5)));
}

double seasonMoment(int year, int season)
{
    const double target = 90.0 * season;
    double jde = MarchEquinox2000 + TropicalYearDays * (year - 2000) + TropicalYearDays / 4 * season;
    // The sun's speed changes by 3 % over the year: each step with the mean speed gains two more digits.
    for (int step = 0; step < 20; ++step) {
        const double off = std::remainder(sky::sunApparentLongitude(jde) - target, 360.0);
        const double shift = off / SunDegreesPerDay;
        jde -= shift;
        if (std::abs(shift) < SecondDays)
            break;
    }
    return sky::universalTime(jde);
}

std::vector<YearMark> yearMarksOf(int year, const SkyPlace& place)
{
    std::vector<YearMark> marks;
    const double start = localDayStart(QDate(year, 1, 1), place);
    const double end = localDayStart(QDate(year + 1, 1, 1), place);
    SkyCalculator phases;
    const std::pair<int, YearMark::Kind> moons[] = {{0, YearMark::Kind::NewMoon}, {2, YearMark::Kind::FullMoon}};
    for (const auto& [quarter, kind] : moons) {
        for (double t = phases.nextPhase(quarter, start); t < end; t = phases.nextPhase(quarter, t + 1))
            marks.push_back({kind, localDateOf(t, place), t});
    }
    for (int k = 0; k < 4; ++k) {
        const double t = seasonMoment(year, k);
        marks.push_back({SeasonKinds[k], localDateOf(t, place), t});
    }
    for (const sky::Eclipse& eclipse : sky::eclipsesBetween(start, end))
        marks.push_back({markKindOf(eclipse.kind), localDateOf(eclipse.peak, place), eclipse.peak});
    const std::vector<YearMark> extremes = moonExtremesOf(year, place);
    marks.insert(marks.end(), extremes.begin(), extremes.end());
    std::sort(marks.begin(), marks.end(), beforeInTime);
    return marks;
}

std::vector<YearMark> marksOfDay(const DaySky& sky, const SkyPlace& place)
{
    std::vector<YearMark> marks;
    if (sky.nextNewMoon < sky.end)
        marks.push_back({YearMark::Kind::NewMoon, sky.day, sky.nextNewMoon});
    if (sky.nextFullMoon < sky.end)
        marks.push_back({YearMark::Kind::FullMoon, sky.day, sky.nextFullMoon});
    // An eclipse's greatest moment may fall on the day before or after its new or full moon: the new moon before
    // the day is known from the moon's age (a new moon of the day is the next one too).
    const double lastNewMoon = sky.evening - sky.ageDays;
    const std::pair<double, bool> syzygies[] = {{sky.nextNewMoon, true},
                                                {sky.nextFullMoon, false},
                                                {lastNewMoon < sky.start ? lastNewMoon : 0, true},
                                                {sky.lastFullMoon, false}};
    for (const auto& [at, newMoon] : syzygies) {
        if (at < sky.start - EclipseReachDays || at >= sky.end + EclipseReachDays)
            continue;
        if (const std::optional<sky::Eclipse> eclipse = sky::eclipseAt(at, newMoon))
            if (localDateOf(eclipse->peak, place) == sky.day)
                marks.push_back({markKindOf(eclipse->kind), sky.day, eclipse->peak});
    }
    // Twice a month the moon passes a perigee and an apogee; only then is the year's list worth its cost.
    const std::vector<sky::MoonApsis> apsides = sky::moonApsidesBetween(sky.start, sky.end);
    if (!apsides.empty())
        for (const YearMark& extreme : moonExtremesOf(sky.day.year(), place))
            if (extreme.localDate == sky.day)
                marks.push_back(extreme);
    // From 1600 to 3000 every equinox and solstice falls between the 19th and the 24th of its month at Greenwich,
    // a day either side in the zones.
    const int month = sky.day.month();
    if (month % 3 == 0 && sky.day.day() >= 17 && sky.day.day() <= 25) {
        const double t = seasonMoment(sky.day.year(), month / 3 - 1);
        if (localDateOf(t, place) == sky.day)
            marks.push_back({SeasonKinds[month / 3 - 1], sky.day, t});
    }
    std::sort(marks.begin(), marks.end(), beforeInTime);
    return marks;
}

void YearMarksCache::setPlace(const SkyPlace& place)
{
    m_place = place;
    m_hasPlace = true;
    m_years.clear();
}

const std::vector<YearMark>& YearMarksCache::marksOfYear(int year)
{
    static const std::vector<YearMark> none;
    if (!m_hasPlace)
        return none;
    auto found = m_years.find(year);
    if (found == m_years.end())
        found = m_years.insert(year, yearMarksOf(year, m_place));
    return *found;
}

std::vector<YearMark> YearMarksCache::marksOn(const QDate& day) const
{
    std::vector<YearMark> marks;
    const auto found = m_years.constFind(day.year());
    if (found != m_years.constEnd())
        std::copy_if(found->begin(), found->end(), std::back_inserter(marks),
                     [&](const YearMark& mark) { return mark.localDate == day; });
    return marks;
}

DayMarks YearMarksCache::dayMarks(const QDate& day)
{
    DayMarks marks;
    for (const YearMark& mark : marksOfYear(day.year())) {
        if (mark.localDate != day)
            continue;
        if (mark.kind == YearMark::Kind::NewMoon)
            marks.newMoon = true;
        else if (mark.kind == YearMark::Kind::FullMoon)
            marks.fullMoon = true;
        else if (isSolarEclipse(mark.kind))
            marks.solarEclipse = true;
        else if (isLunarEclipse(mark.kind))
            marks.lunarEclipse = true;
        else if (mark.kind >= YearMark::Kind::MarchEquinox && mark.kind <= YearMark::Kind::DecemberSolstice)
            marks.season = true;
    }
    return marks;
}
