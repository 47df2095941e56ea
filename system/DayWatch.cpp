// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/DayWatch.h"
#include "runtime/Services.h"
#include "shared/CalendarNames.h"
#include "system/ClockSetWatcher.h"
#include <QGuiApplication>
#include <QTimer>
#include <utility>

namespace {
// A day is at most 25 hours long (the day a daylight-saving change gives back an hour).
constexpr qint64 LongestDayMs = 25LL * 3600 * 1000;
} // namespace

DayWatch::DayWatch(Clock& clock, QObject* parent) : QObject(parent), m_clock(clock), m_today(clock.now().date())
{
    setObjectName(names::DayWatch);
    m_midnightTimer = new QTimer(this);
    m_midnightTimer->setObjectName(names::MidnightTimer);
    m_midnightTimer->setSingleShot(true);
    // A coarse timer may be late by a twentieth of its interval, an hour on a long wait.
    m_midnightTimer->setTimerType(Qt::PreciseTimer);
    connect(m_midnightTimer, &QTimer::timeout, this, &DayWatch::look);

    m_clockSetWatcher = new ClockSetWatcher(this);
    connect(m_clockSetWatcher, &ClockSetWatcher::clockSet, this, &DayWatch::look);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            look();
    });
    armMidnightTimer();
}

void DayWatch::look()
{
    // The timer may fire late (after a suspend) or early (the clock was slewed): the clock alone says what day it is.
    const QDate day = m_clock.now().date();
    if (day != m_today)
        emit todayChanged(std::exchange(m_today, day));
    emit looked();
    armMidnightTimer();
}

void DayWatch::armMidnightTimer()
{
    const QDateTime now = m_clock.now();
    // The first moment of tomorrow, which is not 00:00 where a daylight-saving change skips midnight.
    const QDateTime next = now.date().addDays(1).startOfDay();
    const qint64 wait = qBound<qint64>(1, now.msecsTo(next), LongestDayMs);
    m_midnightTimer->start(int(wait));
}
