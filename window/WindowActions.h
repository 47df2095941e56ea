// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "about/AboutContent.h"
#include "shared/Action.h"
#include <QObject>
#include <functional>
#include <vector>

class AboutBox;
class BoxGate;
class PrefsStore;
class QWidget;
class RememberedWindow;
class ShownDay;
class THome;
class Toolbar;
class TrayIcon;
class ViewModes;
class YearPrinting;
class YearView;
class YourCalendars;
class YourDays;
struct Services;

// The rooms of the main window the commands act on; the window fills them in as it builds them.
struct WindowRooms
{
    QWidget& window;
    Services& services;
    BoxGate& gate;
    PrefsStore& preferences;
    THome* home = nullptr;
    // Builds the Parameters dialog when it is first needed, for a window that builds its own.
    std::function<THome*()> makeHome = nullptr;
    YearView* year = nullptr;
    Toolbar* toolbar = nullptr;
    TrayIcon* tray = nullptr;
    ViewModes* views = nullptr;
    YearPrinting* printing = nullptr;
    YourCalendars* calendars = nullptr;
    YourDays* days = nullptr;
    ShownDay* day = nullptr;
    RememberedWindow* remembered = nullptr;

    // The Parameters dialog, built now if the window builds its own; null when there is none.
    THome* homeNow() { return home || !makeHome ? home : makeHome(); }
};

// The main window's table of actions: every command declared once, with its name, text, keys, picture, places,
// views and handler. The toolbar, the tray menu, the calendars' menu, the window's keys and the About box's list are
// made from it; adding a command is a row and its handler.
class WindowActions : public QObject
{
    Q_OBJECT
public:
    WindowActions(WindowRooms& rooms, QObject* parent);

    const std::vector<Action>& table() const { return m_table; }
    const Action& row(const QString& name) const;
    // The keys no toolbar button or switch carries, made on the window.
    void makeKeys();
    // Parameters, for a first start that asks for a place (already inside a handler).
    void openParameters();
    // Starts with the desktop, or no longer: the tray menu's item and the Parameters dialog's box.
    void switchAutostart();

signals:
    // A row's handler has run (name: the row's).
    void ran(const QString& name);

private:
    // How a row's handler runs: through the box gate (a conversion error ends it and is shown once, boxes wait for
    // its end), and then noted in the window's state file; or as it is.
    enum class Run { Gated, GatedKept, Direct };
    void add(Action row, std::function<void()> handler, Run how = Run::Gated);
    void onTop();
    void showAbout();
    void openCalendars();
    // The desktop's autostart entry, found when first needed; the dialog's box shows whether it starts Dorvane.
    QString autostartPath();
    void showAutostart();
    int shownYear() const;

    WindowRooms& m_rooms;
    AboutBox* m_about = nullptr; // built when first opened
    QString m_autostartPath;
    std::vector<Action> m_table;
};
