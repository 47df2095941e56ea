// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QObject>

class Clock;
class ClockSetWatcher;
class QTimer;

// Tells when today became another day: at local midnight, when the clock was set or the machine resumed, and when
// the user comes back to the program (a time-zone change comes with no event of its own). Every look at the clock
// is told as looked(); a new day first as todayChanged(previous).
class DayWatch : public QObject
{
    Q_OBJECT
public:
    DayWatch(Clock& clock, QObject* parent);

    // The day the caption, the year button and the report were last written for.
    QDate today() const { return m_today; }
    // The clock is read again, and the midnight timer armed anew.
    void look();

signals:
    void todayChanged(const QDate& previous);
    void looked();

private:
    void armMidnightTimer();

    Clock& m_clock;
    QDate m_today;
    QTimer* m_midnightTimer = nullptr; // single-shot, armed for the next local midnight
    ClockSetWatcher* m_clockSetWatcher = nullptr;
};
