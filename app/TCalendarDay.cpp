// What moves with the date rather than with a tick: the first title following the first calendar's page, the grid
// restore when a calendar lands on today at midnight, and today's mark moving on at local midnight.
#include "app/CalendarTexts.h"
#include "app/ClockSetWatcher.h"
#include "app/TCalendar.h"
#include "controls/TMonthCalendar.h"
#include <QApplication>
#include <QTimer>
#include <utility>

namespace {
// A day is at most 25 hours long (the day a daylight-saving change gives back an hour).
constexpr qint64 LongestDayMs = 25LL * 3600 * 1000;
} // namespace

void TCalendar::createDayWatch()
{
    ui.MidnightTimer = new QTimer(this);
    ui.MidnightTimer->setObjectName(QStringLiteral("MidnightTimer"));
    ui.MidnightTimer->setSingleShot(true);
    // A coarse timer may be late by a twentieth of its interval, an hour on a long wait.
    ui.MidnightTimer->setTimerType(Qt::PreciseTimer);
    connect(ui.MidnightTimer, &QTimer::timeout, this, &TCalendar::clockChanged);

    // The restore runs after the handler that moved a calendar has ended, as the next tick used to run it.
    ui.RestoreCheck = new QTimer(this);
    ui.RestoreCheck->setObjectName(QStringLiteral("RestoreCheck"));
    ui.RestoreCheck->setSingleShot(true);
    ui.RestoreCheck->setInterval(0);
    connect(ui.RestoreCheck, &QTimer::timeout, this, &TCalendar::checkMidnightRestore);
    // One check after a handler that moved eleven calendars: a pending check is not restarted.
    const auto checkSoon = [this] {
        if (!ui.RestoreCheck->isActive())
            ui.RestoreCheck->start();
    };
    for (TMonthCalendar* month : ui.MonthCalendar) {
        connect(month, &QCalendarWidget::selectionChanged, this, checkSoon);
        connect(month, &TMonthCalendar::OnClick, this, checkSoon);
    }

    // Whatever moved the first calendar's page (its arrows, the keyboard, the wheel, the program), its title follows
    // at once.
    connect(ui.MonthCalendar[0], &TMonthCalendar::shownMonthChanged, this,
            [this] { setTitle(1, ui.MonthCalendar[0]->Date()); });

    m_clockSetWatcher = new ClockSetWatcher(this);
    connect(m_clockSetWatcher, &ClockSetWatcher::clockSet, this, &TCalendar::clockChanged);
    // A time-zone change comes with no event on this system; the user's return to the program is the next look.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            clockChanged();
    });
}

void TCalendar::clockChanged()
{
    // The timer may fire late (after a suspend) or early (the clock was slewed): the clock alone says what day it is.
    const QDate day = m_services.clock.now().date();
    if (m_today.isValid() && day != m_today)
        followToday(std::exchange(m_today, day));
    if (m_markedToday.isValid())
        markToday();
    ui.RestoreCheck->start();
    armMidnightTimer();
}

void TCalendar::followToday(const QDate& previous)
{
    setYearButton(m_yearPattern, m_yearJanPrefix);
    if (m_captionFollowsToday) {
        const QString shownFigure = julianText(Julian.JulianYear, Julian.JulianDayOfYear);
        showTodayCaption();
        if (ui.MonthCalendar[0]->Hint() == shownFigure)
            ui.MonthCalendar[0]->setHint(julianText(Julian.JulianYear, Julian.JulianDayOfYear));
    } else {
        // A day click's figures and span stay; only the date named as today moves.
        setWindowTitle(captionMovedToToday(windowTitle(), rt::fromQDate(previous), now(), rt::formatSettings()));
    }
    showTrayTip();
    // Before the first activation the year is not laid out yet, and the activation reports today anyway.
    if (!FirstActivationDone)
        return;
    m_gate.run([this, previous] {
        // Only a full grid on the old today's year moves; a year the user went to stays.
        const TDateTime calendar1 = ui.MonthCalendar[0]->Date();
        if (!m_grid.compact() && m_grid.source() == grid::YearSource::Today && rt::monthOf(calendar1) == 1 &&
            rt::yearOf(calendar1) == previous.year() && previous.year() != m_today.year()) {
            fillFrom(m_grid.place(calendar1, now()).calendar1);
            markToday();
        }
        // A day's report still standing ends by itself, and today's comes back then. Otherwise today's report comes
        // as the timer brings it after a hold: in navy, with nothing left to count down.
        if (!m_report.counting()) {
            CalcSun(now());
            m_report.reportDone();
            showReportColours(false);
            runTimer1WhileCounting();
        }
    });
}

void TCalendar::armMidnightTimer()
{
    const QDateTime now = m_services.clock.now();
    // The first moment of tomorrow, which is not 00:00 where a daylight-saving change skips midnight.
    const QDateTime next = now.date().addDays(1).startOfDay();
    const qint64 wait = qBound<qint64>(1, now.msecsTo(next), LongestDayMs);
    ui.MidnightTimer->start(int(wait));
}

void TCalendar::markToday()
{
    const QDate day = m_services.clock.now().date();
    if (day == m_markedToday)
        return;
    m_markedToday = day;
    for (TMonthCalendar* month : ui.MonthCalendar)
        month->markToday(day);
}
