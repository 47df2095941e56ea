// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "places/CityIndex.h"
#include <QStringList>
#include <atomic>
#include <functional>
#include <future>
#include <memory>

// The cities a user searches, loaded once in the background: nothing is read until start(), and the first search
// waits for the load only if it has not ended yet.
class CitySearch
{
public:
    using Loader = std::function<std::vector<City>()>;
    // The database's cities, or the zone tables' when it has none.
    CitySearch();
    // Cities from a loader of the caller's (tests, benchmarks).
    explicit CitySearch(Loader loader);
    ~CitySearch();

    // Starts the load on a worker thread; later calls do nothing.
    void start();
    bool started() const { return m_started; }
    // The best matches for a typed text; starts the load if start() was not called.
    QList<City> matches(const QString& typed, int limit = 20);
    // The number of cities loaded (waits for the load).
    std::size_t size();

private:
    const CityIndex& index();

    // Set when the search goes: a load still running gives up at once.
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    Loader m_loader;
    bool m_started = false;
    std::future<CityIndex> m_loading;
    std::unique_ptr<CityIndex> m_index;
};
