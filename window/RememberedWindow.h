// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shared/WindowStateKeeper.h"
#include <QObject>

class Screens;
class ViewModes;
class YearView;
class QWidget;

// The main window as it was left: where each view stood, the view and its size, the week numbers and always on
// top come back at the next start, each only where it still makes sense (a place on a screen that is still there).
// With no state file the window starts as it always did.
class RememberedWindow : public QObject
{
    Q_OBJECT
public:
    // Before the window is first shown: always on top and the compact size are set at once. The places are those
    // of the client area, which every window manager puts where it is asked to.
    // The window tells it of each change it keeps (changed), and of the end of the run (flush).
    RememberedWindow(const QString& path, const Screens& screens, QWidget& window, ViewModes& views, YearView& year);

    WindowStateKeeper& keeper() { return m_keeper; }

    // The first showing: true when the full view went back to where it was left, instead of the centre.
    bool placeFullView();
    // The first activation, once the year is laid out: the compact view's place, the view and the week numbers
    // come back; restoresView tells whether the view or the week numbers change.
    bool restoresView() const;
    void restoreView();

    void changed() { m_keeper.changed(); }
    void flush() { m_keeper.flush(); }

private:
    void collect(WindowState& state) const;

    const Screens& m_screens;
    QWidget& m_window;
    ViewModes& m_views;
    YearView& m_year;
    WindowStateKeeper m_keeper;
};
