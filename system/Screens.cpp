// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/Screens.h"
#include <QGuiApplication>
#include <QScreen>

QList<QRect> DesktopScreens::geometries() const
{
    QList<QRect> rectangles;
    for (const QScreen* screen : QGuiApplication::screens())
        rectangles.append(screen->geometry());
    return rectangles;
}

QList<QRect> DesktopScreens::availableGeometries() const
{
    QList<QRect> rectangles;
    for (const QScreen* screen : QGuiApplication::screens())
        rectangles.append(screen->availableGeometry());
    return rectangles;
}
