#include "app/TCalendar.h"
#include "controls/TMonthCalendar.h"
#include <QFrame>
#include <QIcon>
#include <QSystemTrayIcon>

void TCalendar::createTray()
{
    trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    RxTrayIcon1 = new QSystemTrayIcon(QIcon(QStringLiteral(":/icon.png")), this);
    RxTrayIcon1->setObjectName(QStringLiteral("RxTrayIcon1"));
    connect(RxTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // Left and right clicks bring the window back; a double-click is reported after its first click already
        // did, and the middle button does nothing.
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
            run([this] { RxTrayIcon1Click(); });
    });
    // Offscreen and some desktops have no notification area; the icon then stays unshown.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        RxTrayIcon1->show();
}

void TCalendar::SpeedButton1Click()
{
    ResetCalendarHints(0);
    const QPoint at = pos();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, !(windowFlags() & Qt::WindowStaysOnTopHint));
    // Changing the flags hides the window; it comes back where it was.
    move(at);
    if (wasVisible)
        show();
    Panel1->setFocus();
}

void TCalendar::SpeedButton2Click()
{
    ResetCalendarHints(0);
    Tray1Click();
}

void TCalendar::Tray1Click()
{
    // Without a notification area a hidden window could never come back: minimise it to the taskbar instead.
    if (trayAvailable())
        hide();
    else
        showMinimized();
}

void TCalendar::RxTrayIcon1Click()
{
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
    ResetCalendarHints(0);
    if (WeekNumbersShown == 0) {
        for (TMonthCalendar* month : MonthCalendar)
            month->setWeekNumbers(true);
        WeekNumbersShown = 1;
    } else if (WeekNumbersShown == 1) {
        for (TMonthCalendar* month : MonthCalendar)
            month->setWeekNumbers(false);
        WeekNumbersShown = 0;
    }
}
