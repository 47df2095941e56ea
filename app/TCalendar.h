#pragma once
#include "app/DayReport.h"
#include "app/PointerPlacement.h"
#include "app/TrayPresence.h"
#include "app/YearGrid.h"
#include "astro/CalendarArithmetic.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/DateValue.h"
#include "runtime/Services.h"
#include <QWidget>
#include <array>
#include <functional>

class ClockSetWatcher;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QToolButton;
class THome;
class TJPanelTexture;
class TMonthCalendar;
class TMoon;
class TumNumberEdit;

// The main window: builds the year grid and the toolbar, connects each control to its handler, and moves data
// between the controls and the models (the year grid, the day report, the preferences, the box gate).
class TCalendar : public QWidget
{
    Q_OBJECT
public:
    TCalendar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* parent = nullptr);
    ~TCalendar() override;

    // The Parameters dialog, created right after this window; its hint switch acts on this window's controls.
    void setHome(THome* home);
    // Whether the desktop has a notification area to hide behind.
    void setTrayAvailable(std::function<bool()> available) { m_tray.setAvailable(std::move(available)); }

    // Outer window size as the user sees it, frame included.
    static constexpr int FrameWidth = 6;
    static constexpr int FrameHeight = 32;
    // The timer's period while it counts down a report's hold; between reports it rests.
    static constexpr int TimerIntervalMs = 10;
    void setOuterSize(int width, int height);
    QSize outerSize() const;
    QPoint pointerTarget(pointer::Target which) const;

    const grid::YearGrid& yearGrid() const { return m_grid; }
    const DayReport& dayReport() const { return m_report; }
    const JulianState& julian() const { return Julian; }

    // Handlers, named as the layout's events name them.
    void FormCreate();
    void FormActivate();
    // The window became the program's active window (its first showing, a restore from the tray): runs
    // FormActivate, or after the running handler or open box has ended.
    void activationArrived();
    void ResetCalendarHints();
    void ResetAllCalendar(int Keep);
    void SmallCal();
    void BitBtn4Click();
    void CalcJulianDate(const QString& dateText, TDateTime date);
    void CalcSun(TDateTime day);
    void Timer1Timer();
    void MonthCalendarClick(int n);
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn1Click();
    void BitBtn7Click();
    void BitBtn6Click();
    void SpeedButton54Click();
    void umNumberEdit1KeyDown(int& key);
    void umNumberEdit1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Tray1Click();
    void RxTrayIcon1Click();
    void SpeedButton5Click();

    // The system clock or time zone may have changed, or the machine resumed: today is read from the clock again,
    // everything that names today follows it and the midnight timer is armed anew.
    void clockChanged();

    // Brings the window back from the tray or the taskbar to the front, as a click on the icon does: a second start
    // of the program asks for it.
    void bringToFront();

public slots:
    // The desktop's notification area appeared, changed or went away.
    void trayAreaChanged();

signals:
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls, named as the layout names them (their objectName too).
    struct Form
    {
        std::array<TMonthCalendar*, grid::Calendars> MonthCalendar{};
        std::array<QLabel*, grid::Calendars> TitlePanel{}; // Panel30 .. Panel41
        QFrame *Panel1 = nullptr, *Panel9 = nullptr, *Panel17 = nullptr;
        QFrame *Panel0 = nullptr, *Panel26 = nullptr, *Panel27 = nullptr, *Panel28 = nullptr;
        TJPanelTexture* JPanelTexture1 = nullptr;
        QLabel *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
        TMoon* Moon1 = nullptr;
        QToolButton *SpeedButton11 = nullptr, *SpeedButton10 = nullptr, *SpeedButton9 = nullptr,
                    *SpeedButton8 = nullptr, *SpeedButton7 = nullptr, *SpeedButton6 = nullptr, *SpeedButton3 = nullptr,
                    *SpeedButton5 = nullptr, *SpeedButton4 = nullptr, *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
        QFrame* Panel25 = nullptr;
        QLabel* Label1 = nullptr;
        TumNumberEdit* umNumberEdit1 = nullptr;
        QFrame* Panel29 = nullptr;
        QToolButton* SpeedButton54 = nullptr;
        QTimer* Timer1 = nullptr;
        QTimer* MidnightTimer = nullptr; // single-shot, armed for the next local midnight
        QTimer* RestoreCheck = nullptr;  // single-shot, 0 ms: after a calendar's date changed
        QMenu* PopupMenu1 = nullptr;
        QAction* Tray1 = nullptr;
        QSystemTrayIcon* RxTrayIcon1 = nullptr;
        QMenu* TrayMenu = nullptr; // the icon's own menu
        QAction *TrayShowHide = nullptr, *TrayParameters = nullptr, *TrayQuit = nullptr;
    };

    // Building the controls (TCalendarForm.cpp).
    void createMonthGrid();
    void createToolbar();
    void createSunDisplay();
    void createYearEntryPanel();
    void createTitlePanels();
    void createTray();
    void connectTrayMenu();
    void showTrayTip();
    void connectHandlers();
    void createDayWatch();
    // Shortcuts, the Tab order and what a screen reader says of each control (TCalendarKeys.cpp).
    void createKeys();
    void describeControls();
    // The sun times and the moon picture as a screen reader says them; 0 keeps the phase said.
    void describeReport(int moonPicture);
    void closeYearEntry();
    QToolButton* createSpeedButton(const QString& name, int left, int width, const QString& glyph, const QString& hint);

    // Moving data between the models and the controls.
    void placeAndFillGrid();
    void fillFrom(TDateTime calendar1);
    void setTitle(int k, TDateTime date);
    grid::Compact compactShown() const;
    void showCompact(const grid::Compact& dates);
    void setWeekNumbers(bool shown);
    void applyHints(bool on);
    void applyFullLayout();
    void applyCompactLayout();
    void setYearButton(const QString& pattern, bool janPrefix = false);
    void stepGrid(int direction);
    void reportDay(TDateTime day, bool startedByUser);
    void showReportColours(bool fresh);
    void restoreAtMidnight();
    // Today became another day (midnight, a clock jump either way): the caption, the year button, today's report and
    // a grid that showed the old today's year move with it.
    void followToday(const QDate& previous);
    void showTodayCaption();
    void checkMidnightRestore();
    void runTimer1WhileCounting();
    void armMidnightTimer();
    void markToday();
    void movePointer(pointer::Target which);
    TDateTime now() const;
    TDateTime today() const;
    void raiseToFront();
    void centreOnDesktop();

    Form ui;
    Services& m_services;
    BoxGate& m_gate;
    PrefsStore& m_preferences;
    THome* m_home = nullptr;
    grid::YearGrid m_grid;
    DayReport m_report;
    JulianState Julian;
    bool FirstActivationDone = false;
    // Where each view stood when it was left, so the toggle brings the window back there.
    int SmallViewTop = 0, SmallViewLeft = 0;
    int FullViewTop = 0, FullViewLeft = 0;
    TrayPresence m_tray{[] { return false; }};
    bool m_centred = false;
    TDateTime m_titleSource = -1e9;
    QString m_titleShown;
    QDate m_markedToday;
    QDate m_today; // the day the caption, the year button and the report were last written for
    // What the year button shows, so a new day can write it again.
    QString m_yearPattern;
    bool m_yearJanPrefix = false;
    // The caption still names today's own figure: no day click has written it since.
    bool m_captionFollowsToday = true;
    ClockSetWatcher* m_clockSetWatcher = nullptr;
    bool m_timer1Running = false; // what runTimer1WhileCounting last decided: a tick asks the timer only on a change
};
