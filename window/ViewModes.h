// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/Services.h"
#include "shared/PointerPlacement.h"
#include <QObject>

class BoxGate;
class Toolbar;
class YearEntry;
class YearView;

// The full view and the compact view of one to three months, the steps between years or months in them and the
// year typed in: what the year view, the toolbar, the year entry and the window's place do together. Every step
// asks for the year to be laid out again, which the window's activation does.
class ViewModes : public QObject
{
    Q_OBJECT
public:
    ViewModes(QWidget& window, YearView& year, Toolbar& toolbar, Services& services, BoxGate& gate);

    // The window's first activation: where the full view stands.
    void firstActivation();
    // Before the first showing: where the compact view starts.
    void designed();
    // The view toggle, both ways.
    void toggle();
    // Into the compact view, or to its next size.
    void SmallCal();
    void nextCompactSize();
    // The year button: today's year, and in the compact view January or today's month in turn.
    void backToToday();
    // Previous / next.
    void step(int direction);
    // The year entry panel, built the first time.
    void openYearEntry();
    // The year entry's part of where the pointer goes, once it exists.
    void placePointer(pointer::Geometry& geometry) const;

    // Where each view's client area stands or last stood, and where the compact view will open.
    QPoint fullPosition() const { return QPoint(FullViewLeft, FullViewTop); }
    QPoint compactPosition() const;
    void setCompactPosition(const QPoint& position);
    // The compact view a start comes back to: as the toggle, with the pointer left where it is.
    void restoreCompact();

signals:
    // The year is to be laid out again, at once: what follows in the step counts on it.
    void layOutAgain();
    // The pointer is to go to that place of the window.
    void pointerWanted(pointer::Target target);

private:
    void movePointer(pointer::Target target);

    QWidget& m_window;
    YearView& m_year;
    Toolbar& m_toolbar;
    Services& m_services;
    BoxGate& m_gate;
    YearEntry* m_yearEntry = nullptr;
    // Where each view stood when it was left, so the toggle brings the window back there.
    int SmallViewTop = 0, SmallViewLeft = 0;
    int FullViewTop = 0, FullViewLeft = 0;
    bool m_pointerStays = false;
    // The compact place is still the design one, which stands for the frame's corner, as it always has.
    bool m_compactAtDesign = false;
};
