// SPDX-License-Identifier: GPL-3.0-or-later
#include "year/MidnightRestore.h"
#include "controls/TMonthCalendar.h"
#include "runtime/Services.h"
#include "shared/CalendarNames.h"
#include <QTimer>

MidnightRestore::MidnightRestore(Clock& clock, const std::array<TMonthCalendar*, grid::Calendars>& months,
                                 std::function<void()> restore, QObject* parent)
    : QObject(parent), m_clock(clock), m_months(months), m_restore(std::move(restore))
{
    // The restore runs after the handler that moved a calendar has ended, as the next tick used to run it.
    m_restoreCheck = new QTimer(this);
    m_restoreCheck->setObjectName(names::RestoreCheck);
    m_restoreCheck->setSingleShot(true);
    m_restoreCheck->setInterval(0);
    connect(m_restoreCheck, &QTimer::timeout, this, &MidnightRestore::check);
    // One check after a handler that moved eleven calendars: a pending check is not restarted.
    const auto checkSoon = [this] {
        if (!m_restoreCheck->isActive())
            m_restoreCheck->start();
    };
    for (TMonthCalendar* month : m_months) {
        connect(month, &TMonthCalendar::selectionChanged, this, checkSoon);
        connect(month, &TMonthCalendar::OnClick, this, checkSoon);
    }
}

void MidnightRestore::soon()
{
    m_restoreCheck->start();
}

void MidnightRestore::check()
{
    // Only a whole day can equal today at midnight, and the calendars keep the time of day of their creation: the
    // clock (a local-time conversion that also looks at the zone file) is read only when one holds a whole day.
    bool haveMidnight = false;
    TDateTime midnight = 0;
    for (TMonthCalendar* month : m_months) {
        const TDateTime shown = month->Date();
        // A whole day, told by a round trip through an integer (the dates lie within a few million days).
        if (shown != double(qint64(shown)))
            continue;
        if (!haveMidnight) {
            midnight = rt::fromQDate(m_clock.now().date());
            haveMidnight = true;
        }
        if (shown == midnight) {
            m_restore();
            break;
        }
    }
}
