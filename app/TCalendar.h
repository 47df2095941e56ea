#pragma once
#include "app/PointerPlacement.h"
#include "app/SunDisplay.h"
#include "app/TrayIcon.h"
#include "app/ViewModes.h"
#include "app/WindowCaption.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/Services.h"
#include "runtime/WeekRules.h"
#include <QDate>
#include <QWidget>
#include <memory>
#include <optional>
#include <tuple>

class AboutBox;
class DayWatch;
class RememberedWindow;
class Screens;
class DayPanel;
class SkyCalculator;
class SkyWarmUp;
struct SkyPlace;
class THome;
class Toolbar;
class WeekRulesRow;
class YearView;
class YearPrinting;
class YourCalendars;

// The main window: the year view above the toolbar, the year entry over them, the tray icon and the day watch. Each
// command reaches its handler through the box gate; the handlers move data between the rooms and the models.
class TCalendar : public QWidget
{
    Q_OBJECT
public:
    TCalendar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* parent = nullptr);
    ~TCalendar() override;

    // The Parameters dialog, created right after this window; its hint switch acts on this window's controls.
    void setHome(THome* home);
    // A first start that found no place for this machine: once the year is laid out, the Parameters dialog opens
    // with the city search focused. Escape keeps the sample file the start wrote.
    void askForPlaceAtFirstActivation() { m_askForPlace = true; }
    QPoint pointerTarget(pointer::Target which) const;
    const DayReport& dayReport() const { return m_sun->report(); }
    // The window's state is kept in that file from now on: read now, brought back at the first showing and
    // activation, written at each change and when the window closes. Without it the window starts as it always did.
    void keepStateIn(const QString& path, const Screens& screens);
    RememberedWindow* remembered() const { return m_remembered; }
    // The first day of the week and the week-number rule of every calendar, kept with the window's state.
    void setWeekRules(weeks::FirstDay firstDay, weeks::Numbering numbering);
    // The row that chooses them shows the rules in force and sets them from now on.
    void followWeekRules(WeekRulesRow& row);

    // The events no user action gives at once: the activation lays the year out and reports today (the box gate
    // runs it when the window becomes active, after a running handler or open box); the timer counts a hold down.
    void FormActivate();
    void activationArrived() { m_gate.activationArrived(); }
    void Timer1Timer();
    // Back from the tray or the taskbar to the front, as a click on the icon: a second start of the program asks.
    void bringToFront()
    {
        m_gate.run([this] { m_tray->RxTrayIcon1Click(); });
    }

    // The Day panel beside this window, built when first opened; it follows each clicked day until closed.
    void openDayPanel();
    DayPanel* dayPanel() const { return m_dayPanel; }
    // The user's calendar files, whose days the grid marks and the panel lists.
    YourCalendars* calendars() const { return m_calendars; }

signals:
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Handlers, named as the layout's events name them. CalcSun is the sun display's, SmallCal the view modes',
    // SpeedButton5Click the year view's, Tray1Click and RxTrayIcon1Click the tray icon's, SpeedButton54Click and
    // the year field's the year entry's.
    void FormCreate();
    void CalcJulianDate(const QString& dateText, TDateTime date);
    void MonthCalendarClick(int n);
    void BitBtn2Click() { m_views->step(-1); }
    void BitBtn3Click() { m_views->step(+1); }
    void BitBtn4Click() { m_views->backToToday(); }
    void BitBtn1Click() { m_views->toggle(); }
    void BitBtn7Click() { m_views->nextCompactSize(); }
    void BitBtn6Click() { m_views->openYearEntry(); }
    void SpeedButton3Click() { close(); }
    void SpeedButton4Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    // The year the grid shows on paper: Ctrl+P and Ctrl+Shift+E, and the tray menu.
    void printYear();
    void exportYear();
    int shownYear() const;
    // Help, from F1 and the tray menu.
    void showAbout();
    // "Your calendars", from Ctrl+E and the tray menu.
    void openCalendars();
    // Today became another day (midnight, a clock jump either way): the caption, the year button, today's report and
    // a grid that showed the old today's year move with it.
    void followToday(const QDate& previous);
    void movePointer(pointer::Target which) { m_services.pointer.moveTo(pointerTarget(which)); }

    Services& m_services;
    BoxGate& m_gate;
    PrefsStore& m_preferences;
    THome* m_home = nullptr;
    YearView* m_year = nullptr;
    Toolbar* m_toolbar = nullptr;
    SunDisplay* m_sun = nullptr; // on the toolbar
    TrayIcon* m_tray = nullptr;
    DayWatch* m_watch = nullptr;
    RememberedWindow* m_remembered = nullptr;
    const Screens* m_screens = nullptr; // the desktop's, until the window keeps its state
    AboutBox* m_about = nullptr;        // built when first opened
    YearPrinting* m_printing = nullptr;
    YourCalendars* m_calendars = nullptr;
    std::unique_ptr<ViewModes> m_views;
    WindowCaption m_caption;
    bool FirstActivationDone = false;
    bool m_askForPlace = false;
    bool m_centred = false;
    // The day the panel tells, and the last span of two clicks.
    void updateDayPanel();
    void rememberDayPanel(bool open);
    void clearFirstClick();
    // The place and clock of the preferences, made again only when they change.
    const SkyPlace& placeOfPreferences();
    // The marks on the calendars: on or off, from the tray's menu, the calendars' menu or its key.
    void switchMarks(bool shown);
    DayPanel* m_dayPanel = nullptr;
    std::unique_ptr<SkyCalculator> m_sky;
    SkyWarmUp* m_warmUp = nullptr;
    void warmUpShownDays();
    // The place of the preferences the panel last read, made again only when they change (a zone is read from
    // the zone database when made).
    using PlaceInputs = std::tuple<QString, double, double, double>;
    PlaceInputs m_placeInputs;
    std::unique_ptr<SkyPlace> m_place;
    int m_placeMade = 0;  // places made so far
    int m_marksPlace = 0; // the one the calendars' marks were computed for
    QDate m_panelDay;
    std::optional<QDate> m_spanFrom, m_spanTo;
};
