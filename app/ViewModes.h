#pragma once
#include "runtime/Services.h"

class TCalendar;
class Toolbar;
class YearView;

// The full view and the compact view of one to three months, and the steps between years or months in them: what
// the year view, the toolbar and the window's place do together. Every step lays the year out again through the
// window's activation.
class ViewModes
{
public:
    ViewModes(TCalendar& window, YearView& year, Toolbar& toolbar, Services& services);

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

private:
    TCalendar& m_window;
    YearView& m_year;
    Toolbar& m_toolbar;
    Services& m_services;
    // Where each view stood when it was left, so the toggle brings the window back there.
    int SmallViewTop = 0, SmallViewLeft = 0;
    int FullViewTop = 0, FullViewLeft = 0;
};
