// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/CityIndex.h"
#include <algorithm>
#include <tuple>

namespace {

// Where the folded text starts a word of the key: 0 at the name's start, 1 later, -1 nowhere. `inner` is the text
// after a blank.
int wordStartMatch(const QString& key, const QString& text, const QString& inner)
{
    if (key.startsWith(text))
        return 0;
    return key.contains(inner) ? 1 : -1;
}

// Whether the city is the one its zone is named after ("Sao_Paulo" for São Paulo).
bool isZoneCity(const City& city)
{
    const int slash = int(city.zone.lastIndexOf(QLatin1Char('/')));
    if (slash < 0)
        return false;
    const QString zoneCity = cityKey(city.zone.mid(slash + 1));
    return std::any_of(city.keys.cbegin(), city.keys.cend(), [&](const QString& k) { return k == zoneCity; });
}

} // namespace

CityIndex::CityIndex(std::vector<City> cities) : m_cities(std::move(cities))
{
    m_zoneCity.reserve(m_cities.size());
    for (City& city : m_cities) {
        if (city.keys.isEmpty())
            city.keys.append(cityKey(city.name));
        m_zoneCity.push_back(isZoneCity(city));
    }
}

QList<City> CityIndex::matches(const QString& typed, int limit) const
{
    const QString text = cityKey(typed);
    if (text.isEmpty() || limit <= 0)
        return {};
    const QString inner = QLatin1Char(' ') + text;
    using Rank = std::tuple<int, int, int, QString>;
    std::vector<std::pair<Rank, const City*>> found;
    for (std::size_t i = 0; i < m_cities.size(); ++i) {
        const City& city = m_cities[i];
        int best = -1;
        for (const QString& key : city.keys) {
            const int where = wordStartMatch(key, text, inner);
            if (where >= 0 && (best < 0 || where < best))
                best = where;
        }
        if (best >= 0)
            found.push_back({Rank(best, m_zoneCity[i] ? 0 : 1, int(city.name.size()), city.label()), &city});
    }
    const std::size_t kept = std::min<std::size_t>(found.size(), std::size_t(limit));
    std::partial_sort(found.begin(), found.begin() + kept, found.end(),
                      [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<City> out;
    for (std::size_t i = 0; i < kept; ++i)
        out.append(*found[i].second);
    return out;
}
