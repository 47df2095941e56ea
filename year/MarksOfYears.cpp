// SPDX-License-Identifier: GPL-3.0-or-later
#include "year/MarksOfYears.h"
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <memory>
#include <utility>

void MarksOfYears::start()
{
    if (std::exchange(m_started, true))
        return;
    for (int year : std::as_const(m_computing))
        startComputing(year);
}

void MarksOfYears::setPlace(const SkyPlace& place)
{
    m_years.setPlace(place);
    m_computing.clear();
    ++m_placeCount;
}

DayMarks MarksOfYears::dayMarks(const QDate& day)
{
    if (!m_years.hasPlace())
        return {};
    if (m_years.knows(day.year()))
        return m_years.dayMarks(day);
    compute(day.year());
    return {};
}

void MarksOfYears::compute(int year)
{
    if (m_computing.contains(year))
        return;
    m_computing.insert(year);
    if (m_started)
        startComputing(year);
}

void MarksOfYears::startComputing(int year)
{
    using Marks = std::vector<YearMark>;
    auto promise = std::make_shared<QPromise<Marks>>();
    auto* watcher = new QFutureWatcher<Marks>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, year, placeCount = m_placeCount] {
        watcher->deleteLater();
        if (placeCount != m_placeCount || !m_computing.remove(year))
            return;
        m_years.keep(year, watcher->result());
        emit yearReady(year);
    });
    watcher->setFuture(promise->future());
    // The worker has its own copy of the place; the promise outlives this object if the window closes first.
    QThreadPool::globalInstance()->start([promise, year, place = m_years.place()] {
        promise->start();
        promise->addResult(yearMarksOf(year, place));
        promise->finish();
    });
}
