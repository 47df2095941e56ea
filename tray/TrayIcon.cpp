// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/TrayIcon.h"
#include "runtime/BoxGate.h"
#include "runtime/Services.h"
#include "shared/CalendarNames.h"
#include "shared/CalendarTexts.h"
#include "system/SystemServices.h"
#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <algorithm>

TrayIcon::TrayIcon(Clock& clock, BoxGate& gate, QWidget* window, const std::vector<Action>& actions)
    : QObject(window), m_clock(clock), m_gate(gate), m_window(window)
{
    setObjectName(names::TrayIcon);
    m_presence.setAvailable([] { return QSystemTrayIcon::isSystemTrayAvailable(); });
    m_rxTrayIcon1 = new QSystemTrayIcon(QIcon(QStringLiteral(":/icon.png")), this);
    m_rxTrayIcon1->setObjectName(names::RxTrayIcon1);
    createMenu(actions);
    showTip();
    // Offscreen and some desktops have no notification area yet, or none at all; the icon shows once one appears.
    if (m_presence.start())
        m_rxTrayIcon1->show();
    watchNotificationArea(this, SLOT(trayAreaChanged()));
    connect(m_rxTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A left click brings the window back; the right button opens the icon's menu, as desktop users expect. A
        // double-click is reported after its first click already did, and the middle button does nothing.
        if (reason == QSystemTrayIcon::Trigger)
            m_gate.run([this] { RxTrayIcon1Click(); });
    });
}

void TrayIcon::createMenu(const std::vector<Action>& actions)
{
    m_menu = new QMenu(m_window);
    m_menu->setObjectName(names::TrayMenu);
    m_showHide = m_menu->addAction(texts::MenuHide());
    m_showHide->setObjectName(names::TrayShowHide);
    std::vector<const Action*> items;
    for (const Action& action : actions)
        if (action.trayPlace > 0)
            items.push_back(&action);
    std::sort(items.begin(), items.end(), [](const Action* a, const Action* b) { return a->trayPlace < b->trayPlace; });
    for (const Action* action : items) {
        // The last item ends the program: it stands apart.
        if (action == items.back())
            m_menu->addSeparator();
        QAction* item = m_menu->addAction(action->menuName());
        item->setObjectName(action->trayItem);
        if (action->isOn) {
            item->setCheckable(true);
            // Asked as the menu opens: the user may have changed it elsewhere (the desktop's settings, a file).
            connect(m_menu, &QMenu::aboutToShow, item, [item, isOn = action->isOn] { item->setChecked(isOn()); });
        }
        // The calendars' switch shows here too, checked while the marks are shown.
        if (action->calendarsMenu) {
            m_marks = item;
            m_marks->setCheckable(true);
            m_marks->setChecked(true);
        }
        connect(item, &QAction::triggered, this, [run = action->run] { run(); });
    }
    m_rxTrayIcon1->setContextMenu(m_menu);

    // The item names what it will do, read when the menu opens.
    const auto windowShowing = [this] { return m_window->isVisible() && !m_window->isMinimized(); };
    connect(m_menu, &QMenu::aboutToShow, this,
            [this, windowShowing] { m_showHide->setText(windowShowing() ? texts::MenuHide() : texts::MenuShow()); });
    connect(m_showHide, &QAction::triggered, this, [this, windowShowing] {
        if (windowShowing())
            m_gate.run([this] { Tray1Click(); });
        else
            m_gate.run([this] { RxTrayIcon1Click(); });
    });
}

void TrayIcon::showMarks(bool shown)
{
    if (m_marks)
        m_marks->setChecked(shown);
}

void TrayIcon::showTip()
{
    m_rxTrayIcon1->setToolTip(texts::TipTray() + QLocale().toString(m_clock.now().date(), QLocale::LongFormat));
}

void TrayIcon::Tray1Click()
{
    // Without a notification area a hidden window could never come back: minimise it to the taskbar instead. The
    // area is looked for now, not at start: a panel may have started after the program.
    if (m_presence.hide() == TrayPresence::Hide::IntoTray) {
        m_rxTrayIcon1->show();
        m_window->hide();
    } else {
        m_window->showMinimized();
    }
}

void TrayIcon::startHidden()
{
    if (m_presence.startHidden() == TrayPresence::Hide::IntoTray) {
        m_rxTrayIcon1->show();
        return;
    }
    // A window never shown is mapped in its normal state whatever it was asked (X11 window managers read no
    // minimised state before the first mapping): minimised once mapped.
    m_window->show();
    QTimer::singleShot(0, m_window, [window = m_window] { window->showMinimized(); });
}

void TrayIcon::RxTrayIcon1Click()
{
    // The window comes back exactly as it was hidden, in either view: laying the year out again would put the
    // compact view back on January. What moved with the day meanwhile, the day watch has moved already.
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void TrayIcon::trayAreaChanged()
{
    // Whether the window is minimised is asked now: the window manager's map and the toolkit's show events of a
    // minimised start come in no fixed order.
    const TrayPresence::Change change = m_presence.areaChanged(m_window->isMinimized());
    if (change.showIcon)
        m_rxTrayIcon1->show();
    // The area went away with the window hidden behind it: the taskbar keeps it within reach.
    if (change.bringBack)
        m_window->showMinimized();
    // Still minimised as it started: the area it waited for has come. The showing meanwhile was the start's own.
    if (change.hideIntoTray)
        m_window->hide();
}
