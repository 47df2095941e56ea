// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "places/City.h"
#include <QStringList>
#include <atomic>
#include <vector>

namespace places {

// Whether the build has the world-locations database's library.
bool haveLocationsDatabase();
// Whether the build reads the database at all; asks nothing of the machine.
bool databaseBuiltIn();

// Every city of the world-locations database (libgweather's), with its position, zone and country; empty when the
// build has no such library or the package's database is absent.
std::vector<City> databaseCities();

// The cities the time-zone tables name, one per zone: the zone's city ("Sao_Paulo" as São Paulo's "Sao Paulo"),
// the table's position and the zone's first country. The fallback when the database gives none.
std::vector<City> zoneTableCities(const QStringList& tables);

// The database's cities, read by a child process (a damaged database file ends the child), or the zone tables'
// when it gives none; none once stop is set.
std::vector<City> availableCities(const QStringList& tables, const std::atomic<bool>* stop = nullptr);

} // namespace places
