// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DaySky.h"
#include "prefs/Preferences.h"
#include "runtime/FormatSettings.h"
#include <QDate>
#include <memory>
#include <optional>
#include <tuple>

// What the Day panel follows, free of widgets: the day last clicked, the last span of two clicks and the place and
// clock of the preferences, made again only when what it is made of changes (a zone is read from the zone database
// each time it is made).
class DayPanelModel
{
public:
    // A clicked day of a titled month. pendingBefore: the first click that was waiting before this one;
    // pendingNow: whether a first click waits after it. The span is the two days of a completed pair.
    void clicked(const QDate& day, std::optional<QDate> pendingBefore, bool pendingNow);
    // The panel opens on the day last clicked, or on today before any click.
    void opening(const QDate& today);
    const QDate& day() const { return m_day; }
    std::optional<QDate> spanFrom() const { return m_spanFrom; }
    std::optional<QDate> spanTo() const { return m_spanTo; }

    // The place as the toolbar's report reads the position lines: a line that does not convert keeps the position
    // the report last read (north positive, west positive).
    const SkyPlace& placeOf(const Preferences& preferences, const FormatSettings& settings, double lastLatitude,
                            double lastLongitudeWest);
    // How many places were made so far: a change tells a new place to whoever computed for the last one.
    int placesMade() const { return m_placesMade; }

    // The sky of the day at that place, from a calculator kept across days (built at the first question) and shared
    // with the warm-up of the days shown.
    SkyCalculator& sky();
    DaySky skyOfDay(const SkyPlace& place) { return sky().dayAt(m_day, place); }

private:
    QDate m_day;
    std::optional<QDate> m_spanFrom, m_spanTo;
    using PlaceInputs = std::tuple<QString, double, double, double>;
    PlaceInputs m_placeInputs;
    std::unique_ptr<SkyPlace> m_place;
    int m_placesMade = 0;
    std::unique_ptr<SkyCalculator> m_sky;
};
