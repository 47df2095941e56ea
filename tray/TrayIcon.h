// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shared/Action.h"
#include "tray/TrayPresence.h"
#include <QObject>
#include <functional>
#include <vector>

class BoxGate;
class Clock;
class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The window's icon in the desktop's notification area (RxTrayIcon1) and its menu: the window hides behind it and
// comes back from it. Below Show/Hide the menu offers the commands of the window's table of actions that have a
// place in it, each running its row's handler.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    TrayIcon(Clock& clock, BoxGate& gate, QWidget* window, const std::vector<Action>& actions);

    // Whether the desktop has a notification area to hide behind.
    void setAvailable(std::function<bool()> available) { m_presence.setAvailable(std::move(available)); }
    // The window was shown again, from wherever.
    void windowShown() { m_presence.shown(); }
    // The tip names today's date.
    void showTip();
    // The marks item shows whether the calendars show their marks.
    void showMarks(bool shown);

    // Hides the window behind the icon, or minimises it where there is no notification area.
    void Tray1Click();
    // The window's first showing, when the desktop starts the program: behind the icon, or minimised.
    void startHidden();
    // Brings the window back to the front exactly as it was hidden.
    void RxTrayIcon1Click();

public slots:
    // The desktop's notification area appeared, changed or went away.
    void trayAreaChanged();

private:
    void createMenu(const std::vector<Action>& actions);

    Clock& m_clock;
    BoxGate& m_gate;
    QWidget* m_window;
    TrayPresence m_presence{[] { return false; }};
    QSystemTrayIcon* m_rxTrayIcon1 = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_showHide = nullptr;
    QAction* m_marks = nullptr;
};
