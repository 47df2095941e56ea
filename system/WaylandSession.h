// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// True when the program runs as a native Wayland client ("wayland" or "wayland-egl" platform). There an
// application may not place the pointer or its own windows, nor keep a window above others, and a new window is
// activated only when the compositor chooses to; those requests are left out or stand in for, silently.
bool onWayland();

// The main window's first showing counts as an activation. Where the compositor does not activate a new window by
// itself (Wayland without a keyboard focus to give), the box gate runs the activation's work once the window is
// shown.
template <typename Window, typename Gate> void activateOnFirstShowing(const Window& window, Gate& gate)
{
    if (onWayland() && !window.isActiveWindow())
        gate.activationArrived();
}
