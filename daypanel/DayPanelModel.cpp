// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanelModel.h"
#include "prefs/PositionLine.h"
#include "shared/SkyPlaceOf.h"

void DayPanelModel::clicked(const QDate& day, std::optional<QDate> pendingBefore, bool pendingNow)
{
    m_day = day;
    if (pendingBefore && !pendingNow) {
        m_spanFrom = pendingBefore;
        m_spanTo = day;
    }
}

void DayPanelModel::opening(const QDate& today)
{
    if (!m_day.isValid())
        m_day = today;
}

const SkyPlace& DayPanelModel::placeOf(const Preferences& preferences, const FormatSettings& settings,
                                       double lastLatitude, double lastLongitudeWest)
{
    const double latitude = prefs::latitudeOf(preferences.latitude, settings).value_or(lastLatitude);
    const double longitude = prefs::longitudeWestOf(preferences.longitude, settings).value_or(lastLongitudeWest);
    const PlaceInputs inputs{preferences.zone, preferences.gmtOffset, latitude, longitude};
    if (!m_place || inputs != m_placeInputs) {
        m_place = std::make_unique<SkyPlace>(skyPlaceOf(preferences, latitude, longitude));
        m_placeInputs = inputs;
        ++m_placesMade;
    }
    return *m_place;
}

SkyCalculator& DayPanelModel::sky()
{
    if (!m_sky)
        m_sky = std::make_unique<SkyCalculator>();
    return *m_sky;
}
