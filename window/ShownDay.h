// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "daypanel/DayPanelModel.h"
#include "daypanel/DayPanelText.h"
#include "window/WindowCaption.h"
#include <QObject>

class BoxGate;
class DayPanel;
class PrefsStore;
class RememberedWindow;
class Screens;
class SkyWarmUp;
class SunDisplay;
class Toolbar;
class TrayIcon;
class YearChartWindow;
class ViewModes;
class YearView;
class YourCalendars;
class YourDays;
struct CalendarNews;
class QWidget;
struct Services;
class ShownHolidays;

// The day the window tells of: today in the caption, the year button and the tray's tip until a day is clicked;
// then the clicked day's figure and span in the caption, its report on the toolbar and, while open, its Day panel.
class ShownDay : public QObject
{
    Q_OBJECT
public:
    // The rooms it moves with the day. activated: whether the window's first activation is done; before it the
    // year is not laid out yet.
    struct Rooms
    {
        YearView& year;
        Toolbar& toolbar;
        TrayIcon& tray;
        ViewModes& views;
        YourCalendars& calendars;
        YourDays& days;
        ShownHolidays& holidays;
    };
    ShownDay(QWidget& window, Services& services, BoxGate& gate, PrefsStore& preferences, const Rooms& rooms,
             const bool& activated);
    // Where the panel's open state is kept and which screens it is placed on, once the window keeps its state.
    void keepIn(RememberedWindow* remembered, const Screens* screens);

    // Today's caption and the first calendar's figure, before the first showing.
    void designed();
    // A day of calendar n was clicked.
    void clicked(int n);
    // Today became another day (midnight, a clock jump either way).
    void followToday(const QDate& previous, const QDate& today);

    // The Day panel beside the window, built when first opened; it follows each clicked day until closed.
    void openPanel();
    DayPanel* panel() const { return m_panel; }
    // The daylight chart of a year at the preferences' place, in a window built when first opened; a day clicked on
    // it is chosen in the grid as a click on it would.
    void openYearChart(int year);
    YearChartWindow* yearChart() const { return m_yearChart; }
    // A day chosen elsewhere than on the grid: the calendar whose titled month holds it selects it and reports the
    // click; nothing when no calendar shows that month.
    void choose(const QDate& day);
    // The user's calendars or marked days changed: an open panel lists the day's events again.
    void calendarsChanged();
    // Other holidays are shown, or a year of them was read: an open panel names the day's again.
    void holidaysChanged() { calendarsChanged(); }
    // The user's calendar files changed on those days or in their lines: an open panel showing one of them (its
    // day, the days coming up) or the lines lists them again.
    void calendarsChanged(const CalendarNews& news);
    // The days the user chose: the highlighted range, else the day last clicked, else today.
    std::pair<QDate, QDate> chosenDays() const;
    // The place and clock of the preferences, made again only when they change.
    const SkyPlace& place();
    int placesMade() const { return m_model.placesMade(); }

private:
    void updatePanel();
    QList<DayPanelInput::ComingUp> comingUp(const QDate& today) const;
    void rememberPanel(bool open);
    void clearFirstClick();

    QWidget& m_window;
    Services& m_services;
    BoxGate& m_gate;
    PrefsStore& m_preferences;
    const bool& m_activated;
    Rooms m_rooms;
    SunDisplay& m_sun;
    RememberedWindow* m_remembered = nullptr;
    const Screens* m_screens = nullptr; // the desktop's, until the window keeps its state
    WindowCaption m_caption;
    DayPanelModel m_model;
    DayPanel* m_panel = nullptr;
    SkyWarmUp* m_warmUp = nullptr;
    YearChartWindow* m_yearChart = nullptr;
};
