// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/WaylandSession.h"
#include <QGuiApplication>

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
