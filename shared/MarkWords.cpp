// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/MarkWords.h"
#include <QCoreApplication>
#include <cmath>

namespace {
class MarkWords
{
    Q_DECLARE_TR_FUNCTIONS(MarkWords)
};

constexpr double UnixEpochJulianDay = 2440587.5;
} // namespace

namespace markwords {
QDateTime wallClock(double julianDayUt, const SkyPlace& place)
{
    const double local = julianDayUt + place.offsetHoursAt(julianDayUt) / 24;
    const auto ms = static_cast<qint64>(std::llround((local - UnixEpochJulianDay) * 86400000.0));
    // Rounded to the minute shown, not cut: 06:11:40 reads 06:12.
    const qint64 minute = 60000;
    return QDateTime::fromMSecsSinceEpoch((ms + minute / 2) / minute * minute, Qt::UTC);
}

QString timeText(const QDateTime& wall, bool twentyFourHour, const QLocale& locale)
{
    return locale.toString(wall.time(), twentyFourHour ? QStringLiteral("HH:mm") : QStringLiteral("h:mm AP"));
}

int shownHour(const QDateTime& wall, bool twentyFourHour)
{
    const int hour = wall.time().hour();
    if (twentyFourHour)
        return hour;
    return hour % 12 == 0 ? 12 : hour % 12;
}

QString markName(YearMark::Kind kind)
{
    switch (kind) {
    case YearMark::Kind::NewMoon:
        return MarkWords::tr("new moon");
    case YearMark::Kind::FullMoon:
        return MarkWords::tr("full moon");
    case YearMark::Kind::MarchEquinox:
        return MarkWords::tr("March equinox");
    case YearMark::Kind::JuneSolstice:
        return MarkWords::tr("June solstice");
    case YearMark::Kind::SeptemberEquinox:
        return MarkWords::tr("September equinox");
    case YearMark::Kind::DecemberSolstice:
        return MarkWords::tr("December solstice");
    case YearMark::Kind::PartialSolarEclipse:
        return MarkWords::tr("partial solar eclipse");
    case YearMark::Kind::AnnularSolarEclipse:
        return MarkWords::tr("annular solar eclipse");
    case YearMark::Kind::TotalSolarEclipse:
        return MarkWords::tr("total solar eclipse");
    case YearMark::Kind::HybridSolarEclipse:
        return MarkWords::tr("hybrid solar eclipse");
    case YearMark::Kind::PenumbralLunarEclipse:
        return MarkWords::tr("penumbral lunar eclipse");
    case YearMark::Kind::PartialLunarEclipse:
        return MarkWords::tr("partial lunar eclipse");
    case YearMark::Kind::TotalLunarEclipse:
        return MarkWords::tr("total lunar eclipse");
    case YearMark::Kind::NearestMoon:
        return MarkWords::tr("the year's nearest moon");
    case YearMark::Kind::FarthestMoon:
        return MarkWords::tr("the year's farthest moon");
    }
    return QString();
}

QString markAt(const YearMark& mark, const SkyPlace& place, bool twentyFourHour, const QLocale& locale)
{
    const QDateTime wall = wallClock(mark.ut, place);
    return MarkWords::tr("%1 at %2", nullptr, shownHour(wall, twentyFourHour))
        .arg(markName(mark.kind), timeText(wall, twentyFourHour, locale));
}
} // namespace markwords
