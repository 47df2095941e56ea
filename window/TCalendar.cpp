// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/TCalendar.h"
#include "controls/FocusFrame.h"
#include "controls/TJPanelTexture.h"
#include "controls/TMonthCalendar.h"
#include "controls/TMoon.h"
#include "daypanel/DayPanel.h"
#include "dialog/THome.h"
#include "dialog/WeekRulesRow.h"
#include "holidays/FirstChoice.h"
#include "owndays/OwnDaysPath.h"
#include "owndays/ReminderRunner.h"
#include "paper/SheetContentOf.h"
#include "paper/YearPrinting.h"
#include "prefs/MachineDefault.h"
#include "runtime/DateText.h"
#include "shared/CalendarNames.h"
#include "shared/CalendarTexts.h"
#include "shared/WindowFrame.h"
#include "system/DayWatch.h"
#include "toolbar/Toolbar.h"
#include "window/HintSwitch.h"
#include "window/RememberedWindow.h"
#include "window/ShownDay.h"
#include "year/YearEntry.h"
#include "year/YearView.h"
#include "yourcalendars/CalendarsDialog.h"
#include "yourcalendars/YourCalendars.h"
#include "yourdays/YourDays.h"
#include "yourholidays/ShownHolidays.h"
#include "zones/ZoneOffsets.h"
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QFutureWatcher>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QToolButton>
#include <QtConcurrent/QtConcurrentRun>
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
      m_services(services), m_gate(gate), m_preferences(preferences), m_rooms{*this, services, gate, preferences},
      // The month calendars draw the same in an active and an inactive window; the rest of the window's kinds show
      // it by their palettes alone. A kind not named here hears of it from Qt, as any widget does.
      m_activation({&TMonthCalendar::staticMetaObject},
                   {&QWidget::staticMetaObject, &QFrame::staticMetaObject, &QLabel::staticMetaObject,
                    &QToolButton::staticMetaObject, &FramedToolButton::staticMetaObject, &Toolbar::staticMetaObject,
                    &YearView::staticMetaObject, &YearEntry::staticMetaObject, &TJPanelTexture::staticMetaObject,
                    &TMoon::staticMetaObject})
{
    setObjectName(names::Calendar);
    frame::dress(*this);
    move(DesignLeft, DesignTop);
    m_actions = new WindowActions(m_rooms, this);
    const std::vector<Action>& actions = m_actions->table();
    YearView* year = m_rooms.year = new YearView(services, gate, this);
    year->offerSwitch(m_actions->row(names::MarksSwitch));
    Toolbar* toolbar = m_rooms.toolbar =
        new Toolbar(services, gate, preferences, this, year->lastInTabOrder(), actions);
    m_sun = &toolbar->sun();
    // Asked by a screen reader at any moment, the window's own teardown included: the rule holds the sun's display
    // only as long as it lives.
    year->setClockRule(
        [sun = QPointer<SunDisplay>(m_sun)] { return sun && sun->report().twentyFourHour(rt::formatSettings()); });
    m_rooms.tray = new TrayIcon(services.clock, gate, this, actions);
    m_watch = new DayWatch(services.clock, this);
    m_views = std::make_unique<ViewModes>(*this, *year, *toolbar, services, gate);
    m_rooms.views = m_views.get();
    connect(m_views.get(), &ViewModes::layOutAgain, this, &TCalendar::FormActivate);
    connect(m_views.get(), &ViewModes::pointerWanted, this,
            [this](pointer::Target which) { m_services.pointer.moveTo(pointerTarget(which)); });
    connect(toolbar, &Toolbar::tray1Triggered, this, [this] { m_gate.run([this] { m_rooms.tray->Tray1Click(); }); });
    m_rooms.printing = new YearPrinting(gate, this, [this](int shown) {
        const YearView& year = *m_rooms.year;
        // The page marks what the grid marks: the sky's marks unless switched off, and the user's events.
        PageChoices choices{year.weekStart(), year.weekNumbering(), year.marksShown(),
                            [this](const QDate& day) { return m_rooms.calendars->eventsOn(day); }};
        // The marked days go on paper once the user has any.
        if (m_rooms.days->started()) {
            choices.ownDays = [this](const QDate& from, const QDate& to) { return m_rooms.days->meeting(from, to); };
            choices.categories = m_rooms.days->categories();
        }
        if (m_holidays->shown()) {
            QSet<QDate> days;
            for (const holidays::Holiday& holiday : m_holidays->daysNow(shown))
                days.insert(holiday.date);
            choices.holiday = [days](const QDate& day) { return days.contains(day); };
        }
        return yearPageOf(shown, m_preferences.value(), rt::formatSettings(), QLocale(), choices);
    });
    YourCalendars* calendars = m_rooms.calendars = new YourCalendars(this);
    calendars->setChooser(CalendarsDialog::gatedChooser(gate));
    calendars->setAddressAsker(CalendarsDialog::gatedAddressAsker(gate));
    calendars->setWebClock([&services] { return services.clock.now().toUTC(); });
    year->setHasEvents([calendars](const QDate& day) { return calendars->hasEvents(day); });
    YourDays* days = m_rooms.days = new YourDays(gate, this, owndays::userFilePath());
    // Nothing is read, and no thread started, until holidays are chosen.
    m_holidays = new ShownHolidays(holidays::dataFolder(), this);
    m_rooms.day =
        new ShownDay(*this, services, gate, preferences,
                     {*year, *toolbar, *m_rooms.tray, *m_views, *calendars, *days, *m_holidays}, FirstActivationDone);
    connect(m_holidays, &ShownHolidays::yearReady, this, [this] {
        m_rooms.year->showHolidays();
        m_rooms.day->holidaysChanged();
    });
    year->setOwnDays([days](const QDate& day) { return days->barsOn(day); },
                     [days](const QDate& day) { return days->saidOn(day); });
    year->setDayMenu([this, days](const QDate& day, QMenu& menu) {
        const auto [first, last] = m_rooms.day->chosenDays();
        days->fillMenu(day, first, last, menu);
    });
    calendars->setOwnCalendar([days] { return std::make_pair(days->line(), days->path()); });
    connect(days, &YourDays::changed, this, [this](const QDate& first, const QDate& last) {
        m_rooms.year->showOwnDays(first, last);
        m_rooms.day->calendarsChanged();
        m_rooms.calendars->ownChanged();
    });
    // Reminders once the user has days of their own, told through the desktop's notifications.
    connect(days, &YourDays::modelMade, this, [this](OwnDays& model) {
        if (!m_services.notifier)
            return;
        auto* reminders = new ReminderRunner(model, *m_services.notifier, m_services.clock, QLocale(), this);
        connect(m_watch, &DayWatch::looked, reminders, &ReminderRunner::check);
        reminders->start();
    });
    days->start();
    // The first calendar moves first, the others after it: its year is the one the grid goes to.
    connect(year, &YearView::shownMonthsChanged, calendars,
            [year, calendars] { calendars->followYear(rt::toQDate(year->date(1)).year()); });
    connect(calendars, &YourCalendars::changed, this, [this](const CalendarNews& news) {
        m_rooms.year->showEventMarks(news.days);
        m_rooms.day->calendarsChanged(news);
    });
    connect(year, &YearView::dayActivated, this, &TCalendar::openDayPanel);
    connect(year, &YearView::dayClicked, m_rooms.day, &ShownDay::clicked);
    m_actions->makeKeys();
    connect(m_sun, &SunDisplay::timer1Fired, this, &TCalendar::Timer1Timer);
    connect(m_watch, &DayWatch::todayChanged, this,
            [this](const QDate& previous) { m_rooms.day->followToday(previous, m_watch->today()); });
    connect(m_watch, &DayWatch::looked, year, &YearView::clockChanged);
    m_gate.setActivation([this] { FormActivate(); });
    toolbar->applyFullLayout();
    m_views->designed();
    toolbar->setYearButton(texts::PatternYear);
    m_rooms.day->designed();
}

TCalendar::~TCalendar() = default;

void TCalendar::setHome(THome* home)
{
    if (m_rooms.home) {
        disconnect(m_rooms.home, nullptr, this, nullptr);
        disconnect(&m_rooms.home->startWithDesktop(), nullptr, this, nullptr);
    }
    m_rooms.home = home;
    if (!home)
        return;
    connect(home, &THome::hintsSwitched, this, [this](bool on) { switchHints(*this, on); });
    connect(&home->startWithDesktop(), &QCheckBox::clicked, this,
            [run = m_actions->row(names::TrayAutostart).run] { run(); });
}

void TCalendar::buildHomeWhenFirstUsed()
{
    m_rooms.makeHome = [this] {
        m_ownHome = std::make_unique<THome>(m_services, m_gate, m_preferences);
        setHome(m_ownHome.get());
        followWeekRules(m_ownHome->weekRules());
        followHolidays(m_ownHome->holidays());
        return m_ownHome.get();
    };
}

bool TCalendar::event(QEvent* event)
{
    if (event->type() != QEvent::WindowActivate && event->type() != QEvent::WindowDeactivate)
        return QWidget::event(event);
    m_activation.deliver(*this, *event);
    return true;
}

void TCalendar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Only the first showing counts here. A box or dialog of ours reactivates the window through the box gate when
    // it closes, and a restore from the tray through its handler; coming back from another application must leave
    // the grid as the user left it, so the click that brought the window forward acts on what they saw.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !FirstActivationDone)
        m_gate.activationArrived();
}

void TCalendar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_rooms.tray->windowShown();
    // Back from the tray or a minimise, maybe hours later: no event tells of a time-zone change, so look now.
    m_watch->look();
    if (!std::exchange(m_centred, true) && !(m_rooms.remembered && m_rooms.remembered->placeFullView()))
        frame::centreOnDesktop(*this, m_services.pointer.desktopSize());
}

void TCalendar::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (m_rooms.remembered)
        m_rooms.remembered->flush();
    // A change that could not be saved yet has one more try before the program ends.
    if (m_rooms.days->started() && m_rooms.days->days().unsaved())
        m_rooms.days->days().saveAgain();
    emit closed();
}

void TCalendar::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // Before the first activation the window is only being placed.
    if (m_rooms.remembered && FirstActivationDone)
        m_rooms.remembered->changed();
}

void TCalendar::keepStateIn(const QString& path, const Screens& screens)
{
    delete m_rooms.remembered;
    m_rooms.remembered = new RememberedWindow(path, screens, *this, *m_views, *m_rooms.year);
    m_rooms.day->keepIn(m_rooms.remembered, &screens);
    m_rooms.calendars->keepIn(m_rooms.remembered->keeper());
    chooseHolidaysAtStart(m_rooms.remembered->keeper().state().holidays);
    m_rooms.tray->showMarks(m_rooms.year->marksShown());
    m_rooms.toolbar->showOnTop(windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TCalendar::setWeekRules(weeks::FirstDay firstDay, weeks::Numbering numbering)
{
    m_rooms.year->setWeekRules(firstDay, numbering);
    if (m_rooms.remembered)
        m_rooms.remembered->keeper().update([=](WindowState& state) {
            state.weekStart = firstDay;
            state.weekNumbering = numbering;
        });
}

void TCalendar::followWeekRules(WeekRulesRow& row)
{
    row.showChoice(m_rooms.year->weekStart(), m_rooms.year->weekNumbering());
    connect(&row, &WeekRulesRow::chosen, this, &TCalendar::setWeekRules, Qt::UniqueConnection);
}

void TCalendar::chooseHolidaysAtStart(const std::optional<WindowState::Holidays>& kept)
{
    if (kept) {
        showHolidays({kept->shown, kept->area, kept->bank, kept->observances});
        return;
    }
    // Until the user chooses, the holidays follow the machine's zone and the place the settings give; the place is
    // known once they are read (the first activation reads them, and chooses then), and looked at again whenever it
    // changes.
    m_holidaysFromZone = true;
    if (m_preferences.everRead())
        followPlaceForHolidays();
}

void TCalendar::followPlaceForHolidays()
{
    if (!m_holidaysFromZone || m_holidaysChosen || m_rooms.day->placesMade() == m_holidaysPlace)
        return;
    const SkyPlace& place = m_rooms.day->place();
    m_holidaysPlace = m_rooms.day->placesMade();
    // The shipped sample's place (a city in Texas) is nobody's: it tells no region.
    const PrefsFile sample = prefs::samplePrefs();
    const Preferences& given = m_preferences.value();
    if (given.longitude == sample.line(2) && given.latitude == sample.line(3))
        return chooseHolidaysFromZone(std::nullopt);
    chooseHolidaysFromZone(holidays::Place{place.latitude, place.longitudeEast});
}

void TCalendar::chooseHolidaysFromZone(std::optional<holidays::Place> place)
{
    const QString zone = zones::machineZoneId(m_services.clock.zoneId());
    if (zone.isEmpty())
        return;
    // The zone tables and the data's index are read off the interface thread, so the start looks as it always did.
    // Only the last question's answer counts: the place may change again before an earlier one comes.
    const quint64 asked = ++m_holidaysAsked;
    auto* watcher = new QFutureWatcher<holidays::FirstChoice>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, zone, asked] {
        watcher->deleteLater();
        const holidays::FirstChoice first = watcher->result();
        if (m_holidaysChosen || asked != m_holidaysAsked || first.country.isEmpty())
            return;
        using Why = holidays::FirstChoice::Why;
        m_holidayNote = HolidaysTexts::tr(first.why == Why::ZoneSpansRegions ? HolidaysTexts::FromZoneChooseRegion
                                          : first.why == Why::RegionOfPlace  ? HolidaysTexts::FromPlace
                                                                             : HolidaysTexts::FromZone)
                            .arg(zone);
        const HolidaysRow::Choice choice{true, first.region.isEmpty() ? first.country : first.region, false, false};
        if (!(choice == m_holidayChoice))
            showHolidays(choice);
        // A dialog opened before the choice came shows it now.
        if (m_holidaysRow)
            m_holidaysRow->showChoice(m_holidayChoice, m_holidayNote);
    });
    watcher->setFuture(QtConcurrent::run([zone, place] {
        return holidays::firstChoice(zone, holidays::zoneInfoFolder(), holidays::dataFolder(), place);
    }));
}

void TCalendar::showHolidays(const HolidaysRow::Choice& choice)
{
    m_holidayChoice = choice;
    const bool shown = choice.shown && !choice.area.isEmpty();
    if (!shown && !m_holidays->shown())
        return;
    holidays::Kinds kinds(holidays::Kind::Public);
    kinds.setFlag(holidays::Kind::Bank, choice.bank);
    kinds.setFlag(holidays::Kind::Observance, choice.observances);
    // The C locale's texts are the program's own English, so are its holidays' names.
    const QLocale here;
    const QStringList languages =
        here.language() == QLocale::C ? QStringList{QStringLiteral("en")} : holidays::languagesOf(here.uiLanguages());
    m_holidays->choose(shown ? choice.area : QString(), kinds, languages);
    m_rooms.year->setHolidays(
        // Asked by a screen reader or a repaint at any moment, the window's own teardown included: the hook holds the
        // holidays only as long as they live.
        shown ? YearView::HolidayNames([holidays = QPointer<ShownHolidays>(m_holidays)](const QDate& day) {
            return holidays ? holidays->namesOn(day) : QStringList();
        })
              : YearView::HolidayNames());
    m_rooms.day->holidaysChanged();
}

void TCalendar::setHolidays(const HolidaysRow::Choice& choice)
{
    m_holidaysChosen = true;
    m_holidayNote.clear();
    showHolidays(choice);
    if (m_rooms.remembered)
        m_rooms.remembered->keeper().update([&choice](WindowState& state) {
            state.holidays = WindowState::Holidays{choice.shown, choice.area, choice.bank, choice.observances};
        });
}

void TCalendar::followHolidays(HolidaysRow& row)
{
    m_holidaysRow = &row;
    row.showChoice(m_holidayChoice, m_holidayNote);
    connect(&row, &HolidaysRow::chosen, this, &TCalendar::setHolidays, Qt::UniqueConnection);
}

QPoint TCalendar::pointerTarget(pointer::Target which) const
{
    pointer::Geometry g;
    g.window = frame::outerCorner(*this);
    m_rooms.toolbar->placePointer(g);
    m_views->placePointer(g);
    return pointer::target(which, g);
}

void TCalendar::FormActivate()
{
    // A view brought back from the last run is laid out after the year; the pointer goes to its close button then.
    const bool first = !FirstActivationDone;
    RememberedWindow* remembered = m_rooms.remembered;
    const bool restoring = first && remembered && remembered->restoresView();
    if (!FirstActivationDone) {
        m_views->firstActivation();
        if (!restoring)
            m_services.pointer.moveTo(pointerTarget(pointer::Target::CloseButton));
        FirstActivationDone = true;
        // The web calendars' first fetch waits for a window that is up.
        m_rooms.calendars->windowUp();
    }
    m_gate.activating([this] {
        Wording message;
        if (m_preferences.load(&message)) {
            m_sun->readMilitaryTime(m_preferences.value().militaryTime());
            // Reading only ever turns hints on; the dialog's switch turns them off.
            if (m_preferences.value().hints())
                switchHints(*this, true);
        } else if (!message.isEmpty()) {
            m_gate.show(BoxGate::Box::Error, message.translated());
        }
        m_sun->CalcSun(nowOf(m_services));
        m_rooms.year->placeAndFill(nowOf(m_services));
        const SkyPlace& place = m_rooms.day->place();
        if (m_rooms.day->placesMade() != m_marksPlace) {
            m_rooms.year->setMarksPlace(place);
            m_marksPlace = m_rooms.day->placesMade();
        }
        followPlaceForHolidays();
    });
    if (first && remembered) {
        remembered->restoreView();
        if (restoring)
            m_services.pointer.moveTo(pointerTarget(pointer::Target::CloseButton));
        // The panel comes back beside the window where the window now stands.
        if (remembered->keeper().state().dayPanelOpen)
            openDayPanel();
    }
    // After the activation's own boxes, and never inside it: the dialog runs a loop of its own.
    if (std::exchange(m_askForPlace, false) && m_rooms.homeNow()) {
        QTimer::singleShot(0, this, [this] {
            m_gate.run([this] {
                m_rooms.home->askForPlace();
                m_actions->openParameters();
            });
        });
    }
}

void TCalendar::Timer1Timer()
{
    m_sun->tick();
    m_rooms.year->followFirstTitle();
    m_rooms.year->checkMidnightRestore();
    m_sun->restIfIdle();
}

void TCalendar::openDayPanel()
{
    m_rooms.day->openPanel();
}

DayPanel* TCalendar::dayPanel() const
{
    return m_rooms.day->panel();
}
