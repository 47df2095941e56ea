#pragma once
#include "app/DayReport.h"
#include "app/PointerPlacement.h"
#include "app/WindowCaption.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/DateValue.h"
#include "runtime/Services.h"
#include <QWidget>

class DayWatch;
class QTimer;
class THome;
class Toolbar;
class TrayIcon;
class YearEntry;
class YearView;

// The main window: the year view above the toolbar, the year entry over them, the tray icon and the day watch.
// It hands each command to the rooms and the models (the year grid, the day report, the caption, the preferences,
// the box gate), every one through the gate.
class TCalendar : public QWidget
{
    Q_OBJECT
public:
    TCalendar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* parent = nullptr);
    ~TCalendar() override;

    // The Parameters dialog, created right after this window; its hint switch acts on this window's controls.
    void setHome(THome* home);
    QPoint pointerTarget(pointer::Target which) const;
    const DayReport& dayReport() const { return m_report; }

    // Entry points of the events no user action gives at once: the activation lays out the year and reports today,
    // the timer counts a report's hold down.
    void FormActivate();
    // The window became the program's active window (its first showing, a restore from the tray): runs
    // FormActivate, or after the running handler or open box has ended.
    void activationArrived() { m_gate.activationArrived(); }
    void Timer1Timer();
    // Brings the window back from the tray or the taskbar to the front, as a click on the icon does: a second start
    // of the program asks for it.
    void bringToFront();

signals:
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Handlers, named as the layout's events name them. SpeedButton5Click is the year view's, Tray1Click and
    // RxTrayIcon1Click the tray icon's, SpeedButton54Click and the year field's the year entry's.
    void FormCreate();
    void CalcSun(TDateTime day, bool startedByUser = false);
    void CalcJulianDate(const QString& dateText, TDateTime date);
    void MonthCalendarClick(int n);
    void BitBtn2Click() { stepGrid(-1); }
    void BitBtn3Click() { stepGrid(+1); }
    void BitBtn4Click();
    void BitBtn1Click();
    void SmallCal();
    void BitBtn7Click();
    void BitBtn6Click();
    void SpeedButton3Click() { close(); }
    void SpeedButton4Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void stepGrid(int direction);
    // Today became another day (midnight, a clock jump either way): the caption, the year button, today's report and
    // a grid that showed the old today's year move with it.
    void followToday(const QDate& previous);

    Services& m_services;
    BoxGate& m_gate;
    PrefsStore& m_preferences;
    THome* m_home = nullptr;
    YearView* m_year = nullptr;
    Toolbar* m_toolbar = nullptr;
    YearEntry* m_yearEntry = nullptr; // built when first opened
    TrayIcon* m_tray = nullptr;
    DayWatch* m_watch = nullptr;
    QTimer* m_timer1 = nullptr; // Timer1
    DayReport m_report;
    WindowCaption m_caption;
    bool FirstActivationDone = false;
    // Where each view stood when it was left, so the toggle brings the window back there.
    int SmallViewTop = 0, SmallViewLeft = 0;
    int FullViewTop = 0, FullViewLeft = 0;
    bool m_centred = false;
    bool m_timer1Running = false; // what the timer was last set to: a tick asks the timer only on a change
};
