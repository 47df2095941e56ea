// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/EclipseText.h"
#include "shared/MarkWords.h"
#include <QCoreApplication>
#include <QStringList>
#include <cmath>

namespace {
class DayPanelWords
{
    Q_DECLARE_TR_FUNCTIONS(DayPanel)
};

struct Clock
{
    const SkyPlace& place;
    bool twentyFourHour;
    const QLocale& locale;

    QString operator()(double ut) const
    {
        return markwords::timeText(markwords::wallClock(ut, place), twentyFourHour, locale);
    }
    int hour(double ut) const { return markwords::shownHour(markwords::wallClock(ut, place), twentyFourHour); }
    QString stretch(const sky::EclipseMoment& from, const sky::EclipseMoment& to) const
    {
        return DayPanelWords::tr("%1 to %2").arg((*this)(from.at), (*this)(to.at));
    }
};

// Whether a body stands above the horizon through an eclipse, rises or sets during it, or is never up.
enum class Horizon { Up, Rises, Sets, Down };

Horizon horizonOf(const sky::EclipseMoment& begin, const sky::EclipseMoment& peak, const sky::EclipseMoment& end)
{
    const bool first = begin.altitude > 0, middle = peak.altitude > 0, last = end.altitude > 0;
    if (first && middle && last)
        return Horizon::Up;
    if (!first && !middle && !last)
        return Horizon::Down;
    return first ? Horizon::Sets : Horizon::Rises;
}
} // namespace

QString solarEclipseText(const sky::Eclipse& eclipse, const SkyPlace& place, bool twentyFourHour, const QLocale& locale)
{
    const std::optional<sky::LocalSolarEclipse> local =
        sky::solarEclipseAt(eclipse, place.latitude, place.longitudeEast);
    // The library finds an eclipse at a place only when the sun is up for some of it: none is one the place does not
    // see, outside the moon's shadow or at night.
    if (!local)
        return DayPanelWords::tr("not seen here");
    const Horizon horizon = horizonOf(local->begin, local->peak, local->end);
    const Clock clock{place, twentyFourHour, locale};
    const QString covered = locale.toString(std::round(local->obscuration * 100), 'f', 0) + locale.percent();
    QStringList said;
    switch (local->kind) {
    case sky::EclipseKind::SolarTotal:
        said.append(DayPanelWords::tr("total here"));
        break;
    case sky::EclipseKind::SolarAnnular:
        said.append(DayPanelWords::tr("annular here, %1 of the sun covered").arg(covered));
        break;
    default:
        said.append(DayPanelWords::tr("partial here, %1 of the sun covered").arg(covered));
    }
    said.append(DayPanelWords::tr("%1, greatest at %2", nullptr, clock.hour(local->peak.at))
                    .arg(clock.stretch(local->begin, local->end), clock(local->peak.at)));
    if (local->centralBegin && local->centralEnd)
        said.append((local->kind == sky::EclipseKind::SolarTotal ? DayPanelWords::tr("total from %1 to %2")
                                                                 : DayPanelWords::tr("annular from %1 to %2"))
                        .arg(clock(local->centralBegin->at), clock(local->centralEnd->at)));
    if (horizon == Horizon::Rises)
        said.append(DayPanelWords::tr("the sun rises during it"));
    else if (horizon == Horizon::Sets)
        said.append(DayPanelWords::tr("the sun sets during it"));
    return said.join(QStringLiteral("; "));
}

QString lunarEclipseText(const sky::Eclipse& eclipse, const SkyPlace& place, bool twentyFourHour, const QLocale& locale)
{
    const sky::LocalLunarEclipse local = sky::lunarEclipseAt(eclipse, place.latitude, place.longitudeEast);
    const Clock clock{place, twentyFourHour, locale};
    QStringList said;
    said.append(DayPanelWords::tr("penumbral %1").arg(clock.stretch(local.penumbralBegin, local.penumbralEnd)));
    if (local.partialBegin && local.partialEnd)
        said.append(DayPanelWords::tr("partial %1").arg(clock.stretch(*local.partialBegin, *local.partialEnd)));
    if (local.totalBegin && local.totalEnd)
        said.append(DayPanelWords::tr("total %1").arg(clock.stretch(*local.totalBegin, *local.totalEnd)));
    said.append(DayPanelWords::tr("greatest at %1", nullptr, clock.hour(local.peak.at)).arg(clock(local.peak.at)));
    switch (horizonOf(local.penumbralBegin, local.peak, local.penumbralEnd)) {
    case Horizon::Up:
        said.append(DayPanelWords::tr("the moon is up"));
        break;
    case Horizon::Rises:
        said.append(DayPanelWords::tr("the moon rises during it"));
        break;
    case Horizon::Sets:
        said.append(DayPanelWords::tr("the moon sets during it"));
        break;
    case Horizon::Down:
        said.append(DayPanelWords::tr("not seen here: the moon is below the horizon"));
    }
    return said.join(QStringLiteral("; "));
}
