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
    // The window comes back exactly as it was hidden, in either view: laying the year out again would put the
    // compact view back on January. What moved with the day meanwhile, the day watch has moved already.
    raiseToFront();
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
