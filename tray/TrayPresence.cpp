// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/TrayPresence.h"
#include <utility>

bool TrayPresence::start()
{
    m_iconShown = m_available();
    return m_iconShown;
}

TrayPresence::Hide TrayPresence::hide()
{
    if (!m_available())
        return Hide::Minimise;
    m_iconShown = true;
    m_hiddenInTray = true;
    return Hide::IntoTray;
}

TrayPresence::Hide TrayPresence::startHidden()
{
    const Hide where = hide();
    m_waitingForArea = where == Hide::Minimise;
    return where;
}

TrayPresence::Change TrayPresence::areaChanged(bool minimised)
{
    Change change;
    if (m_available()) {
        change.showIcon = !m_iconShown;
        m_iconShown = true;
        if (std::exchange(m_waitingForArea, false) && minimised) {
            change.hideIntoTray = true;
            m_hiddenInTray = true;
        }
    } else if (m_hiddenInTray) {
        // The icon stays asked for: the toolkit docks it again in the next area that appears.
        change.bringBack = true;
        m_hiddenInTray = false;
    }
    return change;
}
