#include "app/CalendarTexts.h"
#include "app/TCalendar.h"
#include "controls/TMonthCalendar.h"
#include <QFrame>
#include <QLocale>
#include <QSystemTrayIcon>

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
    // Without a notification area a hidden window could never come back: minimise it to the taskbar instead. The
    // area is looked for now, not at start: a panel may have started after the program.
    if (m_tray.hide() == TrayPresence::Hide::IntoTray) {
        ui.RxTrayIcon1->show();
        hide();
    } else {
        showMinimized();
    }
}

void TCalendar::trayAreaChanged()
{
    const TrayPresence::Change change = m_tray.areaChanged();
    if (change.showIcon)
        ui.RxTrayIcon1->show();
    // The area went away with the window hidden behind it: the taskbar keeps it within reach.
    if (change.bringBack)
        showMinimized();
}

void TCalendar::showTrayTip()
{
    ui.RxTrayIcon1->setToolTip(texts::TrayTip + QLocale().toString(m_services.clock.now().date(), QLocale::LongFormat));
}

void TCalendar::bringToFront()
{
    m_gate.run([this] { RxTrayIcon1Click(); });
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
