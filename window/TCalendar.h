// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "dialog/HolidaysRow.h"
#include "holidays/FirstChoice.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/Services.h"
#include "runtime/WeekRules.h"
#include "shared/PointerPlacement.h"
#include "shared/WindowState.h"
#include "toolbar/SunDisplay.h"
#include "tray/TrayIcon.h"
#include "window/QuietActivation.h"
#include "window/ViewModes.h"
#include "window/WindowActions.h"
#include <QDate>
#include <QPointer>
#include <QWidget>
#include <memory>

class DayPanel;
class DayWatch;
class HolidaysRow;
class ShownHolidays;
class RememberedWindow;
class Screens;
class ShownDay;
class THome;
class Toolbar;
class WeekRulesRow;
class WindowActions;
class YearView;
class YourCalendars;

// The main window: the year view above the toolbar, the year entry over them, the tray icon and the day watch. It
// builds its rooms, makes its commands from the table of actions and lays the year out at each activation; what a
// clicked day or a new day moves is ShownDay's.
class TCalendar : public QWidget
{
    Q_OBJECT
public:
    TCalendar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* parent = nullptr);
    ~TCalendar() override;

    // The Parameters dialog, created right after this window; its hint switch acts on this window's controls.
    void setHome(THome* home);
    // Or the window builds its own Parameters dialog when it is first opened (or asks for a place), following the
    // week rules then: a dialog built at start and kept hidden held some 2 MB that most runs never use.
    void buildHomeWhenFirstUsed();
    // A first start that found no place for this machine: once the year is laid out, the Parameters dialog opens
    // with the city search focused. Escape keeps the sample file the start wrote.
    void askForPlaceAtFirstActivation() { m_askForPlace = true; }
    QPoint pointerTarget(pointer::Target which) const;
    const DayReport& dayReport() const { return m_sun->report(); }
    // The window's state is kept in that file from now on: read now, brought back at the first showing and
    // activation, written at each change and when the window closes. Without it the window starts as it always did.
    void keepStateIn(const QString& path, const Screens& screens);
    // The first day of the week and the week-number rule of every calendar, kept with the window's state.
    void setWeekRules(weeks::FirstDay firstDay, weeks::Numbering numbering);
    // The row that chooses them shows the rules in force and sets them from now on.
    void followWeekRules(WeekRulesRow& row);
    // The holidays the calendars mark, kept with the window's state once the user chose them.
    void setHolidays(const HolidaysRow::Choice& choice);
    // The row that chooses them shows the choice in force (and whether the time zone made it) and sets it.
    void followHolidays(HolidaysRow& row);
    ShownHolidays& holidays() const { return *m_holidays; }

    // The events no user action gives at once: the activation lays the year out and reports today (the box gate
    // runs it when the window becomes active, after a running handler or open box); the timer counts a hold down.
    void FormActivate();
    void Timer1Timer();
    // Back from the tray or the taskbar to the front, as a click on the icon: a second start of the program asks.
    void bringToFront()
    {
        m_gate.run([this] { m_rooms.tray->RxTrayIcon1Click(); });
    }

    // Started by the desktop with the session: the window waits behind its tray icon, or minimised.
    void startHidden() { m_rooms.tray->startHidden(); }

    // The Day panel beside this window, built when first opened; it follows each clicked day until closed.
    void openDayPanel();
    DayPanel* dayPanel() const;
    // The user's calendar files, whose days the grid marks and the panel lists.
    YourCalendars* calendars() const { return m_rooms.calendars; }

signals:
    void closed();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    Services& m_services;
    BoxGate& m_gate;
    PrefsStore& m_preferences;
    WindowRooms m_rooms;
    WindowActions* m_actions = nullptr;
    SunDisplay* m_sun = nullptr; // on the toolbar
    DayWatch* m_watch = nullptr;
    std::unique_ptr<ViewModes> m_views;
    QuietActivation m_activation; // coming back from another application repaints what shows it, and no more
    bool FirstActivationDone = false;
    bool m_askForPlace = false;
    bool m_centred = false;
    int m_marksPlace = 0; // the place the calendars' marks were computed for
    std::unique_ptr<THome> m_ownHome;
    ShownHolidays* m_holidays = nullptr;
    HolidaysRow::Choice m_holidayChoice;
    QString m_holidayNote;           // where a first start's choice came from, until the user chooses
    bool m_holidaysChosen = false;   // by the user in this run: a first start's choice coming late is dropped
    bool m_holidaysFromZone = false; // none kept: the zone's, and the place's where the zone spans regions
    int m_holidaysPlace = -1;        // the place (ShownDay::placesMade) the holidays were last chosen for
    quint64 m_holidaysAsked = 0;     // the last question about a first start's holidays
    QPointer<HolidaysRow> m_holidaysRow;
    // A first start's choice from the machine's time zone, when the state file holds none yet.
    void chooseHolidaysAtStart(const std::optional<WindowState::Holidays>& kept);
    void followPlaceForHolidays();
    void chooseHolidaysFromZone(std::optional<holidays::Place> place);
    void showHolidays(const HolidaysRow::Choice& choice);
};
