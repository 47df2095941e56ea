#include "app/TCalendar.h"
#include "app/AboutBox.h"
#include "app/AboutTexts.h"
#include "app/CalendarNames.h"
#include "app/CalendarTexts.h"
#include "app/CalendarsTexts.h"
#include "app/DayPanel.h"
#include "app/DayWatch.h"
#include "app/ExportTexts.h"
#include "app/HintSwitch.h"
#include "app/RememberedWindow.h"
#include "app/Screens.h"
#include "app/SheetContentOf.h"
#include "app/SheetMarks.h"
#include "app/SkyPlaceOf.h"
#include "app/SkyWarmUp.h"
#include "app/Toolbar.h"
#include "app/WindowFrame.h"
#include "app/YearPrinting.h"
#include "app/YearView.h"
#include "app/YourCalendars.h"
#include "dialog/THome.h"
#include "dialog/WeekRulesRow.h"
#include "prefs/PositionLine.h"
#include "runtime/DateText.h"
#include <QAction>
#include <QEvent>
#include <QShortcut>
#include <QTimer>
#include <utility>

namespace {
// Where the window stands before it is first shown and centred; the compact view starts there.
constexpr int DesignLeft = 209;
constexpr int DesignTop = 121;

TDateTime nowOf(const Services& services)
{
    return rt::fromQDateTime(services.clock.now());
}
} // namespace

TCalendar::TCalendar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_services(services), m_gate(gate), m_preferences(preferences)
{
    setObjectName(names::Calendar);
    frame::dress(*this);
    move(DesignLeft, DesignTop);
    m_year = new YearView(services, gate, this);
    m_toolbar = new Toolbar(services, gate, preferences, this, m_year->lastInTabOrder());
    m_sun = &m_toolbar->sun();
    m_tray = new TrayIcon(services.clock, gate, this);
    m_watch = new DayWatch(services.clock, this);
    m_views = std::make_unique<ViewModes>(*this, *m_year, *m_toolbar, services, gate);

    const auto gated = [this](void (TCalendar::*handler)()) {
        return [this, handler] { m_gate.run([this, handler] { (this->*handler)(); }); };
    };
    const std::pair<void (Toolbar::*)(), void (TCalendar::*)()> commands[] = {
        {&Toolbar::previousClicked, &TCalendar::BitBtn2Click},
        {&Toolbar::yearClicked, &TCalendar::BitBtn4Click},
        {&Toolbar::nextClicked, &TCalendar::BitBtn3Click},
        {&Toolbar::viewClicked, &TCalendar::BitBtn1Click},
        {&Toolbar::compactSizeClicked, &TCalendar::BitBtn7Click},
        {&Toolbar::yearEntryClicked, &TCalendar::BitBtn6Click},
        {&Toolbar::closeClicked, &TCalendar::SpeedButton3Click},
        {&Toolbar::parametersClicked, &TCalendar::SpeedButton4Click},
        {&Toolbar::onTopClicked, &TCalendar::SpeedButton1Click},
        {&Toolbar::trayClicked, &TCalendar::SpeedButton2Click}};
    for (const auto& [signal, handler] : commands)
        connect(m_toolbar, signal, this, gated(handler));
    connect(m_toolbar, &Toolbar::weekNumbersClicked, this,
            [this] { m_gate.run([this] { m_year->SpeedButton5Click(); }); });
    connect(m_toolbar, &Toolbar::tray1Triggered, this, [this] { m_gate.run([this] { m_tray->Tray1Click(); }); });
    connect(m_tray, &TrayIcon::parametersChosen, this, gated(&TCalendar::SpeedButton4Click));
    connect(m_tray, &TrayIcon::quitChosen, this, gated(&TCalendar::SpeedButton3Click));
    connect(m_tray, &TrayIcon::aboutChosen, this, gated(&TCalendar::showAbout));
    auto* help = new QAction(this);
    help->setObjectName(AboutNames::KeysAbout);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this, gated(&TCalendar::showAbout));
    connect(m_tray, &TrayIcon::dayPanelChosen, this, &TCalendar::openDayPanel);
    connect(m_tray, &TrayIcon::marksChosen, this, &TCalendar::switchMarks);
    connect(m_year, &YearView::marksSwitched, m_tray, &TrayIcon::showMarks);
    connect(m_year, &YearView::dayActivated, this, &TCalendar::openDayPanel);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this), &QShortcut::activated, this,
            &TCalendar::openDayPanel);
    m_printing = new YearPrinting(gate, this, [this](int year) {
        SheetContent content = sheetContentOf(year, m_preferences.value(), rt::formatSettings(), QLocale(),
                                              m_year->weekStart(), m_year->weekNumbering());
        // The page marks what the grid marks: the sky's marks unless switched off, and the user's events.
        content.marks =
            sheetMarksOf(m_year->skyMarksOfYear(year), [this](const QDate& day) { return m_calendars->eventsOn(day); });
        return content;
    });
    const std::pair<QString, QKeySequence> paperCommands[] = {
        {ExportNames::PrintYear, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {ExportNames::ExportYear, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}};
    for (const auto& [name, keys] : paperCommands) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this,
                gated(name == ExportNames::PrintYear ? &TCalendar::printYear : &TCalendar::exportYear));
    }
    connect(m_tray, &TrayIcon::printChosen, this, gated(&TCalendar::printYear));
    connect(m_tray, &TrayIcon::exportChosen, this, gated(&TCalendar::exportYear));
    connect(m_year, &YearView::dayClicked, this, &TCalendar::MonthCalendarClick);
    m_calendars = new YourCalendars(this);
    m_calendars->setChooser(CalendarsDialog::gatedChooser(gate));
    m_year->setHasEvents([calendars = m_calendars](const QDate& day) { return calendars->hasEvents(day); });
    connect(m_calendars, &YourCalendars::changed, this, [this] {
        m_year->showEventMarks();
        if (m_dayPanel && m_dayPanel->isVisible())
            updateDayPanel();
    });
    connect(m_tray, &TrayIcon::calendarsChosen, this, &TCalendar::openCalendars);
    auto* calendarsKeys = new QAction(this);
    calendarsKeys->setObjectName(calendarsnames::Keys);
    calendarsKeys->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    calendarsKeys->setShortcutContext(Qt::WindowShortcut);
    addAction(calendarsKeys);
    connect(calendarsKeys, &QAction::triggered, this, &TCalendar::openCalendars);
    connect(m_sun, &SunDisplay::timer1Fired, this, &TCalendar::Timer1Timer);
    connect(m_watch, &DayWatch::todayChanged, this, &TCalendar::followToday);
    connect(m_watch, &DayWatch::looked, m_year, &YearView::clockChanged);
    m_gate.setActivation([this] { FormActivate(); });
    FormCreate();
}

TCalendar::~TCalendar() = default;

void TCalendar::setHome(THome* home)
{
    if (m_home)
        disconnect(m_home, nullptr, this, nullptr);
    m_home = home;
    if (m_home)
        connect(m_home, &THome::hintsSwitched, this, [this](bool on) { switchHints(*this, on); });
}

void TCalendar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Only the first showing counts here. A box or dialog of ours reactivates the window through the box gate when
    // it closes, and a restore from the tray through its handler; coming back from another application must leave
    // the grid as the user left it, so the click that brought the window forward acts on what they saw.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !FirstActivationDone)
        activationArrived();
}

void TCalendar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_tray->windowShown();
    // Back from the tray or a minimise, maybe hours later: no event tells of a time-zone change, so look now.
    m_watch->look();
    if (!std::exchange(m_centred, true) && !(m_remembered && m_remembered->placeFullView()))
        frame::centreOnDesktop(*this, m_services.pointer.desktopSize());
}

void TCalendar::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (m_remembered)
        m_remembered->flush();
    emit closed();
}

void TCalendar::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // Before the first activation the window is only being placed.
    if (m_remembered && FirstActivationDone)
        m_remembered->changed();
}

void TCalendar::keepStateIn(const QString& path, const Screens& screens)
{
    delete m_remembered;
    m_remembered = new RememberedWindow(path, screens, *this, *m_views, *m_year, *m_toolbar);
    m_screens = &screens;
    m_calendars->keepIn(m_remembered->keeper());
    m_tray->showMarks(m_year->marksShown());
    m_toolbar->showOnTop(windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TCalendar::setWeekRules(weeks::FirstDay firstDay, weeks::Numbering numbering)
{
    m_year->setWeekRules(firstDay, numbering);
    if (m_remembered)
        m_remembered->keeper().update([=](WindowState& state) {
            state.weekStart = firstDay;
            state.weekNumbering = numbering;
        });
}

void TCalendar::followWeekRules(WeekRulesRow& row)
{
    row.showChoice(m_year->weekStart(), m_year->weekNumbering());
    connect(&row, &WeekRulesRow::chosen, this, &TCalendar::setWeekRules, Qt::UniqueConnection);
}

QPoint TCalendar::pointerTarget(pointer::Target which) const
{
    pointer::Geometry g;
    g.window = frame::outerCorner(*this);
    m_toolbar->placePointer(g);
    m_views->placePointer(g);
    return pointer::target(which, g);
}

void TCalendar::FormCreate()
{
    m_toolbar->applyFullLayout();
    m_views->designed();
    m_toolbar->setYearButton(texts::PatternYear);
    setWindowTitle(m_caption.today(nowOf(m_services)));
    m_year->setHint(1, m_caption.figure());
}

void TCalendar::FormActivate()
{
    // A view brought back from the last run is laid out after the year; the pointer goes to its close button then.
    const bool first = !FirstActivationDone;
    const bool restoring = first && m_remembered && m_remembered->restoresView();
    if (!FirstActivationDone) {
        m_views->firstActivation();
        if (!restoring)
            movePointer(pointer::Target::CloseButton);
        FirstActivationDone = true;
    }
    m_gate.activating([this] {
        QString message;
        if (m_preferences.load(&message)) {
            m_sun->readMilitaryTime(m_preferences.value().militaryTime());
            // Reading only ever turns hints on; the dialog's switch turns them off.
            if (m_preferences.value().hints())
                switchHints(*this, true);
        } else if (!message.isEmpty()) {
            m_gate.show(BoxGate::Box::Error, message);
        }
        m_sun->CalcSun(nowOf(m_services));
        m_year->placeAndFill(nowOf(m_services));
        const SkyPlace& place = placeOfPreferences();
        if (m_placeMade != m_marksPlace) {
            m_year->setMarksPlace(place);
            m_marksPlace = m_placeMade;
        }
    });
    if (first && m_remembered) {
        m_remembered->restoreView();
        if (restoring)
            movePointer(pointer::Target::CloseButton);
        // The panel comes back beside the window where the window now stands.
        if (m_remembered->keeper().state().dayPanelOpen)
            openDayPanel();
    }
    // After the activation's own boxes, and never inside it: the dialog runs a loop of its own.
    if (std::exchange(m_askForPlace, false) && m_home) {
        QTimer::singleShot(0, this, [this] {
            m_gate.run([this] {
                m_home->askForPlace();
                SpeedButton4Click();
            });
        });
    }
}

void TCalendar::CalcJulianDate(const QString& dateText, TDateTime date)
{
    if (const std::optional<QString> caption =
            m_caption.dayClicked(dateText, date, FirstActivationDone, nowOf(m_services)))
        setWindowTitle(*caption);
}

void TCalendar::MonthCalendarClick(int n)
{
    m_gate.run([this, n] {
        m_year->ResetAllCalendar(n);
        const TDateTime date = m_year->date(n);
        // A click on a day of the neighbouring months, which the title does not name, brings back today's year.
        if (m_year->inTitledMonth(n)) {
            const bool wasPending = !m_caption.julian().SpanStartText.isEmpty();
            const QDate pending = rt::toQDate(m_caption.julian().SpanStartDate);
            CalcJulianDate(rt::formatDateTime(texts::PatternShortDate, date, rt::formatSettings()), rt::dateOf(date));
            m_year->setHint(n, m_caption.figure());
            m_panelDay = rt::toQDate(date);
            if (wasPending && m_caption.julian().SpanStartText.isEmpty()) {
                m_spanFrom = pending, m_spanTo = m_panelDay;
                m_year->showRange(*m_spanFrom, *m_spanTo);
            }
            // The panel first: the toolbar's moon then takes the evening's phase it found. An open panel tells a
            // polar day in words, so no box asks for a click before the next one.
            const bool panelOpen = m_dayPanel && m_dayPanel->isVisible();
            if (panelOpen)
                updateDayPanel();
            m_sun->CalcSun(date, true, panelOpen);
        } else {
            BitBtn4Click();
            m_year->setHint(n, QString());
        }
    });
}

void TCalendar::Timer1Timer()
{
    m_sun->tick();
    m_year->followFirstTitle();
    m_year->checkMidnightRestore();
    m_sun->restIfIdle();
}

void TCalendar::followToday(const QDate& previous)
{
    m_toolbar->refreshYearButton();
    // The first calendar's hint follows the figure when it showed today's.
    const QString shownFigure = m_caption.figure();
    setWindowTitle(m_caption.todayMoved(windowTitle(), rt::fromQDate(previous), nowOf(m_services)));
    if (m_year->hint(1) == shownFigure)
        m_year->setHint(1, m_caption.figure());
    m_tray->showTip();
    // Before the first activation the year is not laid out yet, and the activation reports today anyway.
    if (!FirstActivationDone)
        return;
    m_gate.run([this, previous] {
        m_year->followToday(previous, m_watch->today(), nowOf(m_services));
        m_sun->todayMoved();
    });
}

int TCalendar::shownYear() const
{
    return rt::yearOf(m_year->date(1));
}

void TCalendar::printYear()
{
    m_printing->printYear(shownYear());
}

void TCalendar::exportYear()
{
    m_printing->exportYear(shownYear());
}

void TCalendar::SpeedButton4Click()
{
    m_year->ResetCalendarHints();
    if (m_home)
        m_gate.execDialog(m_home);
}

void TCalendar::SpeedButton1Click()
{
    m_year->ResetCalendarHints();
    frame::toggleStaysOnTop(*this);
    m_toolbar->showOnTop(windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    m_year->focusFirstBar();
}

void TCalendar::showAbout()
{
    // Not modal, so closing it does not activate the window, which would put the year back on today's; it opens
    // only while no box or dialog is open, so it never stands over one.
    if (m_gate.isOpen())
        return;
    if (!m_about)
        m_about = new AboutBox(this);
    QList<about::Shortcut> shortcuts = m_toolbar->shortcuts();
    shortcuts.append({m_year->marksKey().toString(QKeySequence::NativeText), AboutTexts::KeysMarks()});
    // The window's own commands, with the keys their actions have, named as the tray menu names them.
    const auto keysOf = [this](const QString& action) {
        return findChild<QAction*>(action)->shortcut().toString(QKeySequence::NativeText);
    };
    shortcuts.append({QKeySequence(Qt::CTRL | Qt::Key_D).toString(QKeySequence::NativeText), texts::MenuDayPanel()});
    shortcuts.append({keysOf(calendarsnames::Keys), CalendarsTexts::MenuItem()});
    shortcuts.append({keysOf(ExportNames::PrintYear), ExportTexts::MenuPrintYear()});
    shortcuts.append({keysOf(ExportNames::ExportYear), ExportTexts::MenuExportYear()});
    m_about->showFacts({QStringLiteral(DORVANE_VERSION), m_preferences.path(),
                        m_remembered ? m_remembered->keeper().path() : QString(), shortcuts});
}

void TCalendar::openCalendars()
{
    // Not modal, like the About box; its file chooser is, so it opens only while no box or dialog is open.
    if (!m_gate.isOpen())
        m_calendars->openDialog(rt::toQDate(m_year->date(1)));
}

void TCalendar::SpeedButton2Click()
{
    m_year->ResetCalendarHints();
    m_tray->Tray1Click();
}

void TCalendar::openDayPanel()
{
    if (!m_dayPanel) {
        m_dayPanel = new DayPanel(this);
        m_sky = std::make_unique<SkyCalculator>();
        m_warmUp = new SkyWarmUp(
            *m_sky, [this] { return m_year->shownDays(); }, this);
        connect(m_dayPanel, &DayPanel::clearFirstClick, this, &TCalendar::clearFirstClick);
        connect(m_dayPanel, &DayPanel::closed, this, [this] {
            m_warmUp->stop();
            rememberDayPanel(false);
        });
        connect(m_year, &YearView::shownMonthsChanged, this, &TCalendar::warmUpShownDays);
    }
    rememberDayPanel(true);
    if (!m_panelDay.isValid())
        m_panelDay = rt::toQDate(nowOf(m_services));
    updateDayPanel();
    static const DesktopScreens desktop;
    const QSize frame = isVisible() && frameGeometry().size() != size() ? frameGeometry().size() - size()
                                                                        : QSize(frame::FrameWidth, frame::FrameHeight);
    const QPoint corner =
        m_dayPanel->placeBeside(frameGeometry(), frame, (m_screens ? *m_screens : desktop).availableGeometries());
    if (corner != frameGeometry().topLeft())
        move(corner);
    m_dayPanel->show();
    m_dayPanel->raise();
    warmUpShownDays();
}

void TCalendar::warmUpShownDays()
{
    if (!m_dayPanel || m_dayPanel->isHidden())
        return;
    m_warmUp->prepare();
}

void TCalendar::rememberDayPanel(bool open)
{
    if (m_remembered)
        m_remembered->keeper().update([open](WindowState& state) { state.dayPanelOpen = open; });
}

void TCalendar::switchMarks(bool shown)
{
    m_year->setMarksShown(shown);
    m_tray->showMarks(shown);
    if (m_remembered)
        m_remembered->changed();
}

const SkyPlace& TCalendar::placeOfPreferences()
{
    const DayReport& report = m_sun->report();
    const Preferences& preferences = m_preferences.value();
    // The position as the toolbar's report reads it: a line that does not convert keeps the last one read.
    const double latitude = prefs::latitudeOf(preferences.latitude, rt::formatSettings()).value_or(report.latitude());
    const double longitude =
        prefs::longitudeWestOf(preferences.longitude, rt::formatSettings()).value_or(report.longitude());
    // The place is made again only when what it is made of changed.
    const PlaceInputs inputs{preferences.zone, preferences.gmtOffset, latitude, longitude};
    if (!m_place || inputs != m_placeInputs) {
        m_place = std::make_unique<SkyPlace>(skyPlaceOf(preferences, latitude, longitude));
        m_placeInputs = inputs;
        ++m_placeMade;
    }
    return *m_place;
}

void TCalendar::updateDayPanel()
{
    const DayReport& report = m_sun->report();
    DayPanelInput input;
    input.place = placeOfPreferences();
    input.sky = m_sky->dayAt(m_panelDay, input.place);
    input.military = report.twentyFourHour(rt::formatSettings());
    if (!m_caption.julian().SpanStartText.isEmpty())
        input.pendingFirst = rt::toQDate(m_caption.julian().SpanStartDate);
    input.spanFrom = m_spanFrom;
    input.spanTo = m_spanTo;
    input.events = m_calendars->eventsOn(m_panelDay);
    input.calendarProblems = m_calendars->problems();
    m_dayPanel->showLines(dayPanelLines(input), input.pendingFirst.has_value());
    m_sun->knowEveningPhase(m_panelDay, input.place.offsetHoursAt(input.sky.evening), input.sky.phase);
}

void TCalendar::clearFirstClick()
{
    m_caption.clearPendingSpan();
    setWindowTitle(m_caption.today(nowOf(m_services)));
    if (m_dayPanel && m_dayPanel->isVisible())
        updateDayPanel();
}
