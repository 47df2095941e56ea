#include "app/SkyWarmUp.h"
#include "astro/DaySky.h"
#include <QTimer>

namespace {
// Far enough apart for a paint or a key between two steps; a year is ready within a few seconds.
constexpr int StepIntervalMs = 5;
} // namespace

SkyWarmUp::SkyWarmUp(SkyCalculator& sky, QObject* parent) : QObject(parent), m_sky(sky), m_timer(new QTimer(this))
{
    m_timer->setInterval(StepIntervalMs);
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
    if (!m_sky.prepareStep(m_from, m_to))
        m_timer->stop();
}
