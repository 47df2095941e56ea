#include "app/SkyWarmUp.h"
#include "astro/DaySky.h"
#include <QElapsedTimer>
#include <QTimer>

namespace {
// Steps for at most this long at a time, then back to the event loop: a paint or a key waits no longer than that,
// and a year is ready a tenth of a second after the panel opens, before a hand can click another day.
constexpr qint64 SliceMs = 2;
} // namespace

SkyWarmUp::SkyWarmUp(SkyCalculator& sky, QObject* parent) : QObject(parent), m_sky(sky), m_timer(new QTimer(this))
{
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &SkyWarmUp::step);
}

void SkyWarmUp::prepare(const QDate& from, const QDate& to)
{
    if (from == m_from && to == m_to && !m_timer->isActive())
        return;
    m_from = from, m_to = to;
    m_timer->start();
}

void SkyWarmUp::stop()
{
    m_timer->stop();
    m_from = m_to = QDate();
}

bool SkyWarmUp::running() const
{
    return m_timer->isActive();
}

void SkyWarmUp::step()
{
    QElapsedTimer slice;
    slice.start();
    do {
        if (!m_sky.prepareStep(m_from, m_to)) {
            m_timer->stop();
            return;
        }
    } while (slice.elapsed() < SliceMs);
}
