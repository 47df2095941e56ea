// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The object names of the main window's controls, as the layout names them; the window, its rooms and the tests
// find a control by these.
namespace names {
inline const QString Calendar = QStringLiteral("Calendar");
inline QString MonthCalendar(int n)
{
    return QStringLiteral("MonthCalendar%1").arg(n);
}
// The title above calendar n: Panel30 .. Panel41.
inline QString TitlePanel(int n)
{
    return QStringLiteral("Panel%1").arg(29 + n);
}
// The navy bar behind the titles of row 0, 1 or 2: Panel1, Panel9, Panel17.
inline QString TitleBar(int row)
{
    return QStringLiteral("Panel%1").arg(row * 8 + 1);
}
inline const QString Panel0 = QStringLiteral("Panel0");
inline const QString Panel1 = QStringLiteral("Panel1");
inline const QString Panel9 = QStringLiteral("Panel9");
inline const QString Panel17 = QStringLiteral("Panel17");
inline const QString Panel26 = QStringLiteral("Panel26");
inline const QString Panel27 = QStringLiteral("Panel27");
inline const QString Panel28 = QStringLiteral("Panel28");
inline const QString JPanelTexture1 = QStringLiteral("JPanelTexture1");
inline const QString Image1 = QStringLiteral("Image1");
inline const QString Image2 = QStringLiteral("Image2");
inline const QString Image3 = QStringLiteral("Image3");
inline const QString Label3 = QStringLiteral("Label3");
inline const QString Label4 = QStringLiteral("Label4");
inline const QString Moon1 = QStringLiteral("Moon1");
inline const QString SpeedButton1 = QStringLiteral("SpeedButton1");
inline const QString SpeedButton2 = QStringLiteral("SpeedButton2");
inline const QString SpeedButton3 = QStringLiteral("SpeedButton3");
inline const QString SpeedButton4 = QStringLiteral("SpeedButton4");
inline const QString SpeedButton5 = QStringLiteral("SpeedButton5");
inline const QString SpeedButton6 = QStringLiteral("SpeedButton6");
inline const QString SpeedButton7 = QStringLiteral("SpeedButton7");
inline const QString SpeedButton8 = QStringLiteral("SpeedButton8");
inline const QString SpeedButton9 = QStringLiteral("SpeedButton9");
inline const QString SpeedButton10 = QStringLiteral("SpeedButton10");
inline const QString SpeedButton11 = QStringLiteral("SpeedButton11");
inline const QString PopupMenu1 = QStringLiteral("PopupMenu1");
inline const QString Tray1 = QStringLiteral("Tray1");
inline const QString Panel25 = QStringLiteral("Panel25");
inline const QString Label1 = QStringLiteral("Label1");
inline const QString umNumberEdit1 = QStringLiteral("umNumberEdit1");
inline const QString Panel29 = QStringLiteral("Panel29");
inline const QString SpeedButton54 = QStringLiteral("SpeedButton54");
inline const QString Timer1 = QStringLiteral("Timer1");
inline const QString MidnightTimer = QStringLiteral("MidnightTimer");
inline const QString RestoreCheck = QStringLiteral("RestoreCheck");
inline const QString RxTrayIcon1 = QStringLiteral("RxTrayIcon1");
inline const QString TrayMenu = QStringLiteral("TrayMenu");
inline const QString TrayShowHide = QStringLiteral("TrayShowHide");
inline const QString TrayParameters = QStringLiteral("TrayParameters");
inline const QString TrayDayPanel = QStringLiteral("TrayDayPanel");
inline const QString TrayYearChart = QStringLiteral("TrayYearChart");
inline const QString TrayMarks = QStringLiteral("TrayMarks");
// The switch of the marks on the calendars: their context menu and its shortcut.
inline const QString MarksSwitch = QStringLiteral("MarksSwitch");
inline const QString TrayQuit = QStringLiteral("TrayQuit");
// The choice to start with the desktop: its tray menu item.
inline const QString TrayAutostart = QStringLiteral("TrayAutostart");
// The Day panel's own key.
inline const QString DayPanelKeys = QStringLiteral("KeysDayPanel");
inline const QString YearChartKeys = QStringLiteral("KeysYearChart");
// The commands of the window, the table every one of them is made from.
inline const QString Actions = QStringLiteral("Actions");
// The rooms themselves, so a test can reach the one outside event each has no user action for.
inline const QString YearView = QStringLiteral("YearView");
inline const QString DayWatch = QStringLiteral("DayWatch");
inline const QString TrayIcon = QStringLiteral("TrayIcon");
// The shortcut of a toolbar button, and the Escape of the year entry.
inline QString Keys(const QString& control)
{
    return QStringLiteral("Keys") + control;
}
} // namespace names
