// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

// Where the window goes when the user hides it, and what follows when the desktop's notification area comes or
// goes. Whether there is an area is asked at each step, never kept: a panel may start after the program, or quit.
// The icon shows while there is an area for it, and a window hidden behind the icon is never left without one.
class TrayPresence
{
public:
    enum class Hide { IntoTray, Minimise };
    struct Change
    {
        bool showIcon = false;
        bool bringBack = false;    // the window was in the tray, which is gone: it must come back within reach
        bool hideIntoTray = false; // a start behind the icon found no area and minimised; now there is one
    };

    explicit TrayPresence(std::function<bool()> available) : m_available(std::move(available)) {}
    void setAvailable(std::function<bool()> available) { m_available = std::move(available); }

    // At start: whether the icon shows now.
    bool start();
    // The user hides the window. IntoTray also means the icon must be shown, if it is not yet.
    Hide hide();
    // A start that waits behind the icon (the desktop's autostart): into the tray, or minimised while there is no
    // area yet. At login the panel often starts after the program, so a minimised start moves into the tray when
    // the first area appears, if the window is still minimised then.
    Hide startHidden();
    // The window is shown again (from the icon, the taskbar, a second start).
    void shown() { m_hiddenInTray = false; }
    // The notification area may have appeared, changed or gone; whether the window is minimised now.
    Change areaChanged(bool minimised = false);

    bool iconShown() const { return m_iconShown; }
    bool hiddenInTray() const { return m_hiddenInTray; }

private:
    std::function<bool()> m_available;
    bool m_iconShown = false;
    bool m_hiddenInTray = false;
    bool m_waitingForArea = false;
};
