#include "app/TCalendar.h"
#include "controls/TMonthCalendar.h"
#include <QFrame>

void TCalendar::SpeedButton1Click()
{
    ResetCalendarHints();
    const QPoint at = pos();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, !(windowFlags() & Qt::WindowStaysOnTopHint));
    // Changing the flags hides the window; it comes back where it was.
    move(at);
    if (wasVisible)
        show();
    ui.Panel1->setFocus();
}

void TCalendar::SpeedButton2Click()
{
    ResetCalendarHints();
    Tray1Click();
}

void TCalendar::Tray1Click()
{
    // Without a notification area a hidden window could never come back: minimise it to the taskbar instead.
    if (m_trayAvailable())
        hide();
    else
        showMinimized();
}

void TCalendar::RxTrayIcon1Click()
{
    // Coming back from the tray is the program's own activation: hours may have passed, and today's year and
    // report are what the user expects. A window already shown is only brought to the front.
    const bool restoring = !isVisible() || isMinimized();
    raiseToFront();
    if (restoring)
        activationArrived();
}

void TCalendar::raiseToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TCalendar::SpeedButton5Click()
{
    ResetCalendarHints();
    setWeekNumbers(m_grid.toggleWeekNumbers());
}

void TCalendar::setWeekNumbers(bool shown)
{
    for (TMonthCalendar* month : ui.MonthCalendar)
        month->setWeekNumbers(shown);
}
