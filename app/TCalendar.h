#pragma once
#include "app/PointerPlacement.h"
#include "astro/CalendarArithmetic.h"
#include "astro/SunReport.h"
#include "astro/SunRiseSet.h"
#include "runtime/DateValue.h"
#include "runtime/Services.h"
#include <QSet>
#include <QWidget>
#include <array>
#include <functional>

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

// The main window: the year grid, the toolbar and their handlers. One per process; it keeps the shared state.
class TCalendar : public QWidget
{
    Q_OBJECT
public:
    TCalendar(Services& services, QWidget* parent = nullptr);
    ~TCalendar() override;

    // The Parameters dialog holds the preferences' in-memory copy; it is created right after this window.
    void setHome(THome* home) { Home = home; }

    // Outer window size as the user sees it, frame included.
    static constexpr int FrameWidth = 6;
    static constexpr int FrameHeight = 32;
    void setOuterSize(int width, int height);
    QSize outerSize() const;

    void FormCreate();
    void FormActivate();
    // The window became active: runs FormActivate, or after the running handler or open box has ended.
    void activationArrived();
    void ResetCalendarHints(int unused = 0);
    void ResetAllCalendar(int Keep);
    void SmallCal();
    void BitBtn4Click();

    void CalcJulianDate(const QString& dateText, TDateTime date);
    void CalcSun(const QString& dateText);
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

    TMonthCalendar* calendar(int n) const { return MonthCalendar[n - 1]; }
    QLabel* titlePanel(int n) const { return TitlePanel[n - 1]; }
    QPoint pointerTarget(pointer::Target which) const;

    // Shared state, named as the handlers know it.
    int SmallView = 0;
    int SmallCalCount = 2;
    std::array<TDateTime, 3> SmallCalDates{0, 0, 0};
    int YearButtonShowsJan = 0;
    int WeekNumbersShown = 0;
    int SunRecalcCountdown = 0;
    int FirstActivationDone = 0;
    int GridYearSource = 0;
    int MilitaryTime = 0;
    int SmallViewTop = 0, SmallViewLeft = 0;
    int FullViewTop = 0, FullViewLeft = 0;
    QString YearStartText;
    QString PrefsFlags;
    JulianState Julian;
    SunState Sun;

    THome* Home = nullptr;
    // Whether the desktop has a notification area to hide behind.
    std::function<bool()> trayAvailable;

    std::array<TMonthCalendar*, 12> MonthCalendar{};
    std::array<QLabel*, 12> TitlePanel{}; // Panel30 .. Panel41
    QFrame *Panel1 = nullptr, *Panel9 = nullptr, *Panel17 = nullptr;
    QFrame *Panel0 = nullptr, *Panel26 = nullptr, *Panel27 = nullptr, *Panel28 = nullptr;
    TJPanelTexture* JPanelTexture1 = nullptr;
    QLabel *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    TMoon* Moon1 = nullptr;
    QToolButton *SpeedButton11 = nullptr, *SpeedButton10 = nullptr, *SpeedButton9 = nullptr, *SpeedButton8 = nullptr,
                *SpeedButton7 = nullptr, *SpeedButton6 = nullptr, *SpeedButton3 = nullptr, *SpeedButton5 = nullptr,
                *SpeedButton4 = nullptr, *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    QFrame* Panel25 = nullptr;
    QLabel* Label1 = nullptr;
    TumNumberEdit* umNumberEdit1 = nullptr;
    QFrame* Panel29 = nullptr;
    QToolButton* SpeedButton54 = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Tray1 = nullptr;
    QSystemTrayIcon* RxTrayIcon1 = nullptr;

signals:
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMonthGrid();
    void createToolbar();
    void createYearEntryPanel();
    void createTitlePanels();
    void createTray();
    void connectHandlers();
    QToolButton* createSpeedButton(const QString& name, int left, int width, const QString& glyph, const QString& hint);

    // Runs a handler: a conversion error ends it and is shown once, by the outermost handler; an activation that
    // arrived meanwhile runs after it.
    void run(const std::function<void()>& handler);
    enum class Box { Warning, Plain, Error };
    struct QueuedBox
    {
        Box kind;
        QString text;
        QString reportKey; // a report's message: once shown, automatic reports leave it unsaid
    };
    // Shows a box now, or at the end of the running handler or activation so it never stands over a half-made grid.
    void showBox(Box kind, const QString& text, const QString& reportKey = QString());
    void showQueuedBoxes();
    void reportSun(const QString& dateText, bool startedByUser);

    void stepGrid(int d);
    void placeAndFillGrid();
    void setTitle(int k, TDateTime date);
    void setCaptionIfChanged(QLabel* label, const QString& text);
    void setLabelColour(QLabel* label, const QColor& colour);
    void applyFullLayout();
    void applyCompactLayout();
    void movePointer(pointer::Target which);
    TDateTime now() const;
    TDateTime today() const;
    void raiseToFront();
    void centreOnDesktop();

    Services& m_services;
    int m_handlerDepth = 0;
    int m_activationDepth = 0;
    QList<QueuedBox> m_queuedBoxes;
    bool m_activationPending = false;
    bool m_centred = false;
    bool m_timerReportRunning = false;
    // Messages of reports the program started by itself, already shown for that day and those preferences.
    QSet<QString> m_shownAutoMessages;
    TDateTime m_titleSource = -1e9;
    QString m_titleShown;
    QDate m_markedToday;
};
