// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QRect>

// The screens of the desktop as they are now, in desktop coordinates: behind an interface, so a test can unplug a
// monitor.
class Screens
{
public:
    virtual ~Screens() = default;
    virtual QList<QRect> geometries() const = 0;
    // What windows may cover: each screen without its panels and docks.
    virtual QList<QRect> availableGeometries() const { return geometries(); }
};

class DesktopScreens : public Screens
{
public:
    QList<QRect> geometries() const override;
    QList<QRect> availableGeometries() const override;
};
