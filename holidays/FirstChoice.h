// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "holidays/Holiday.h"

namespace holidays {

// The holidays a first start chooses from the machine's time zone: its country by the zone tables, and a region
// where the zone tells it.
struct FirstChoice
{
    enum class Why {
        RegionOfZone,          // the zone lies in one region the data has ("Australia/Sydney": New South Wales)
        ZoneSpansRegions,      // the country's regions differ, the zone does not tell which ("America/Chicago")
        CountryWithoutRegions, // the data has no regions for the country ("Asia/Tokyo")
        CountryNotInData,      // the zone's country has no holidays in the data
        ZoneWithoutCountry,    // no country has the zone ("UTC", "Etc/GMT+3", an unknown id)
    };
    QString country; // empty for the last two
    QString region;  // empty unless RegionOfZone
    Why why = Why::ZoneWithoutCountry;
};

// Where the system keeps the zone tables (zone.tab, zone1970.tab).
QString zoneInfoFolder();

// The choice for a zone id, from the zone tables in `zoneInfo` and the data's index in `folder`. The id is only ever
// compared with the tables' entries, never opened.
FirstChoice firstChoice(const QString& zoneId, const QString& zoneInfo = zoneInfoFolder(),
                        const QString& folder = dataFolder());

// The same from the tables' texts and the countries (names in English, as the tables' comments write them).
FirstChoice firstChoiceFrom(const QString& zoneId, const QList<Country>& countries, const QByteArray& zoneTab,
                            const QByteArray& zone1970Tab);

} // namespace holidays
