// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "places/City.h"
#include <QList>
#include <vector>

// Cities matched as a user types: every word typed is the start of a word of the name, in order ("são p" finds São
// Paulo, "york" New York), in any case and with or without accents.
class CityIndex
{
public:
    CityIndex() = default;
    explicit CityIndex(std::vector<City> cities);

    // The best `limit` matches, best first: names that start with the text, then a zone's own city (Berlin in
    // Europe/Berlin before Berlin, New Hampshire), then shorter names. Empty for a text of no letter or digit.
    QList<City> matches(const QString& typed, int limit = 20) const;

    std::size_t size() const { return m_cities.size(); }
    bool empty() const { return m_cities.empty(); }

private:
    std::vector<City> m_cities;
    // Whether each city is the one its zone is named after, found once.
    std::vector<bool> m_zoneCity;
};
