// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "year/YearGrid.h"
#include <QObject>
#include <array>
#include <functional>

class Clock;
class QTimer;
class TMonthCalendar;

// At midnight a calendar holding the day that just became today puts the year back (restore()). Looked at on every
// tick, and once after any calendar's date changed, when the handler that moved it has ended (RestoreCheck).
class MidnightRestore : public QObject
{
    Q_OBJECT
public:
    MidnightRestore(Clock& clock, const std::array<TMonthCalendar*, grid::Calendars>& months,
                    std::function<void()> restore, QObject* parent);

    void check();
    // A check as soon as the running handler has ended.
    void soon();

private:
    Clock& m_clock;
    const std::array<TMonthCalendar*, grid::Calendars>& m_months;
    std::function<void()> m_restore;
    QTimer* m_restoreCheck = nullptr; // single-shot, 0 ms
};
