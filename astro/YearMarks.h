// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DayMarks.h"
#include "astro/DaySky.h"
#include <QDate>
#include <QHash>
#include <vector>

// One moment the year grid marks.
struct YearMark
{
    enum class Kind {
        NewMoon,
        FullMoon,
        MarchEquinox,
        JuneSolstice,
        SeptemberEquinox,
        DecemberSolstice,
        PartialSolarEclipse,
        AnnularSolarEclipse,
        TotalSolarEclipse,
        HybridSolarEclipse,
        PenumbralLunarEclipse,
        PartialLunarEclipse,
        TotalLunarEclipse,
        NearestMoon, // the year's nearest perigee
        FarthestMoon // the year's farthest apogee
    };
    Kind kind = Kind::NewMoon;
    QDate localDate; // the day of the place's clock it falls on
    double ut = 0;   // Julian day, Universal Time
};

inline bool isSolarEclipse(YearMark::Kind kind)
{
    return kind >= YearMark::Kind::PartialSolarEclipse && kind <= YearMark::Kind::HybridSolarEclipse;
}
inline bool isLunarEclipse(YearMark::Kind kind)
{
    return kind >= YearMark::Kind::PenumbralLunarEclipse && kind <= YearMark::Kind::TotalLunarEclipse;
}

// The new and full moons (the true phases the Day panel lists), equinoxes and solstices, eclipses and the year's
// nearest and farthest moon whose local day falls in a year at a place, in time order.
std::vector<YearMark> yearMarksOf(int year, const SkyPlace& place);

// The day of the place's clock a moment (Julian day, UT) falls on.
QDate localDateOf(double ut, const SkyPlace& place);

// The sun's apparent longitude reaching 0, 90, 180 or 270 degrees (season 0 to 3) in a year, UT.
double seasonMoment(int year, int season);

// The marks of one day from its sky: the phases it already knows with their eclipses, a season only near one, and
// the year's nearest or farthest moon only on a day of a perigee or an apogee.
std::vector<YearMark> marksOfDay(const DaySky& sky, const SkyPlace& place);

// The marks of the years asked for, each year computed once for the place set; a day's marks are a look-up.
class YearMarksCache
{
public:
    // A new place forgets every year computed for the old one.
    void setPlace(const SkyPlace& place);
    bool hasPlace() const { return m_hasPlace; }
    // Computes the year at its first question.
    const std::vector<YearMark>& marksOfYear(int year);
    DayMarks dayMarks(const QDate& day);
    // The moments of a day of a year computed, in time order; none for a year not computed yet.
    std::vector<YearMark> marksOn(const QDate& day) const;
    bool knows(int year) const { return m_years.contains(year); }
    // A year computed elsewhere for the place set.
    void keep(int year, std::vector<YearMark> marks) { m_years.insert(year, std::move(marks)); }
    const SkyPlace& place() const { return m_place; }

private:
    SkyPlace m_place;
    bool m_hasPlace = false;
    QHash<int, std::vector<YearMark>> m_years;
};
