// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "holidays/Holiday.h"
#include <optional>

namespace holidays {

// The holidays a first start chooses from the machine's time zone: its country by the zone tables, and a region
// where the zone tells it.
struct FirstChoice
{
    enum class Why {
        RegionOfZone,          // the zone lies in one region the data has ("Australia/Sydney": New South Wales)
        RegionOfPlace,         // the zone spans regions, the user's place lies in one ("Europe/Berlin", Munich)
        ZoneSpansRegions,      // the country's regions differ, the zone does not tell which ("America/Chicago")
        CountryWithoutRegions, // the data has no regions for the country ("Asia/Tokyo")
        CountryNotInData,      // the zone's country has no holidays in the data
        ZoneWithoutCountry,    // no country has the zone ("UTC", "Etc/GMT+3", an unknown id)
    };
    QString country; // empty for the last two
    QString region;  // empty unless RegionOfZone
    Why why = Why::ZoneWithoutCountry;
};

// A place on the earth, degrees north and east.
struct Place
{
    double latitude = 0;
    double longitude = 0;
};

// Where the system keeps the zone tables (zone.tab, zone1970.tab).
QString zoneInfoFolder();

// The choice for a zone id, from the zone tables in `zoneInfo` and the data's index in `folder`. The id is only ever
// compared with the tables' entries, never opened.
// Where the zone spans regions, the region of the user's place tells: the place is one the user gave, not the zone's
// own (the tables' coordinates of its city, which a first start takes as the place).
FirstChoice firstChoice(const QString& zoneId, const QString& zoneInfo = zoneInfoFolder(),
                        const QString& folder = dataFolder(), std::optional<Place> place = std::nullopt);

// The same from the tables' texts and the countries (names in English, as the tables' comments write them); places:
// the text of the data's places.txt.
FirstChoice firstChoiceFrom(const QString& zoneId, const QList<Country>& countries, const QByteArray& zoneTab,
                            const QByteArray& zone1970Tab, std::optional<Place> place = std::nullopt,
                            const QByteArray& places = {});

// The region of the country whose known place (a line "DE-BY<tab>48.37<tab>10.88" of places) lies nearest to the
// place, within NearKm; empty when none does.
QString regionNear(const QString& country, const Place& place, const QByteArray& places);
// Near enough to tell: a place farther from every known place of the country's regions tells none (a region
// without known places would otherwise hand its people a neighbour's holidays from far away).
inline constexpr double NearKm = 60;

} // namespace holidays
