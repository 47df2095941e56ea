// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/CitySearch.h"
#include "places/CitySources.h"
#include "prefs/MachineDefault.h"

CitySearch::CitySearch()
{
    m_loader = [stop = m_stop] { return places::availableCities(prefs::systemZoneTables(), stop.get()); };
}

CitySearch::CitySearch(Loader loader) : m_loader(std::move(loader)) {}

// A load still running is told to stop and waited for: its thread reads the loader's data.
CitySearch::~CitySearch()
{
    m_stop->store(true);
    if (m_loading.valid())
        m_loading.wait();
}

void CitySearch::start()
{
    if (m_started)
        return;
    m_started = true;
    m_loading = std::async(std::launch::async, [loader = m_loader] { return CityIndex(loader()); });
}

const CityIndex& CitySearch::index()
{
    start();
    if (!m_index)
        m_index = std::make_unique<CityIndex>(m_loading.get());
    return *m_index;
}

QList<City> CitySearch::matches(const QString& typed, int limit)
{
    return index().matches(typed, limit);
}

std::size_t CitySearch::size()
{
    return index().size();
}
