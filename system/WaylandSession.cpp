#include "system/WaylandSession.h"
#include <QGuiApplication>

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
