// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/SkyWarmUp.h"
#include "astro/DaySky.h"
#include <QElapsedTimer>
#include <QTimer>

namespace {
// Steps for at most this long at a time, then back to the event loop: a paint or a key waits no longer than that,
// and a year is ready a tenth of a second after the panel opens, before a hand can click another day.
constexpr qint64 SliceMs = 2;
} // namespace

SkyWarmUp::SkyWarmUp(SkyCalculator& sky, ShownDays shownDays, QObject* parent)
    : QObject(parent), m_sky(sky), m_shownDays(std::move(shownDays)), m_timer(new QTimer(this))
{
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &SkyWarmUp::step);
}

void SkyWarmUp::prepare()
{
    m_timer->start();
}

void SkyWarmUp::stop()
{
    m_timer->stop();
}

bool SkyWarmUp::running() const
{
    return m_timer->isActive();
}

void SkyWarmUp::step()
{
    const auto [from, to] = m_shownDays();
    QElapsedTimer slice;
    slice.start();
    do {
        if (!m_sky.prepareStep(from, to)) {
            m_timer->stop();
            return;
        }
    } while (slice.elapsed() < SliceMs);
}
