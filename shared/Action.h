// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QKeySequence>
#include <QString>
#include <functional>

// One command of the main window as the window's table of actions declares it, once: the toolbar's buttons, the
// tray menu, the calendars' menu, the keys and the About box's list of keys are all made from these rows.
struct Action
{
    enum Views { FullView = 1, CompactView = 2, AnyView = FullView | CompactView };

    QString name{};                  // objectName of what carries its key: its toolbar button, its switch or its key
    QString (*text)() = nullptr;     // what it is called to a screen reader and in the About box's list
    QKeySequence keys{};             // none: no key
    const char* icon = nullptr;      // the toolbar button's picture (":/<icon>.png"), or none
    int button = -1;                 // its place on the toolbar (toolbar::Button), or none
    int trayPlace = 0;               // its item's place in the tray menu, from 1 below Show/Hide; 0: not there
    QString trayItem{};              // that item's objectName
    QString (*menuText)() = nullptr; // a menu item's text where it differs from text
    bool calendarsMenu = false;      // a switch on the calendars' menu, which carries its key
    bool listed = true;              // a key the About box lists (the box names its own key itself)
    int views = AnyView;             // the views it runs in; the toolbar hides its button in the others
    std::function<bool()> isOn{};    // a choice: its menu item is checked while on, asked as the menu opens
    std::function<void()> run{};     // its handler

    QString menuName() const { return menuText ? menuText() : text(); }
    // What carries the key: the toolbar's button, the calendars' switch or a key of the window's own.
    bool keyOfItsOwn() const { return !keys.isEmpty() && button < 0 && !calendarsMenu; }
};
