// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "places/City.h"
#include <QByteArray>
#include <atomic>
#include <optional>
#include <vector>

// The world-locations database read in a child process: the library aborts the process that loads a damaged
// database file, and that must be the child, never the program. The child is the running program started again;
// before its own main it writes the cities as lines and ends (see the hook in CityList.cpp).
namespace citylist {

// Set in the child's environment only.
constexpr char ChildVariable[] = "DORVANE_CITY_LIST";
// A child that has not ended by then is killed: the search goes on with the zone tables' cities.
constexpr int ChildWaitMs = 10000;
// Far beyond the world's cities as lines; more is not a list.
constexpr qint64 MostListBytes = 64 << 20;

// The cities as the child writes them, one line each, and the closing line that says how many.
QByteArray lines(const std::vector<City>& cities);
// The cities of those lines, but for any off the globe; nullopt unless every line reads and the closing line counts
// them all.
std::optional<std::vector<City>> read(const QByteArray& lines);

// The database's cities, from `program` run as the child; nullopt when it aborts, hangs, says something that is
// not a list, or when stop is set (the child is killed then, at once).
std::optional<std::vector<City>> fromChild(const QByteArray& program, const std::atomic<bool>* stop = nullptr);

} // namespace citylist
