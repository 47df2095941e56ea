// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ShownDay.h"
#include "daypanel/DayPanel.h"
#include "daypanel/DayPanelText.h"
#include "daypanel/DayPictureView.h"
#include "daypanel/SkyWarmUp.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/DateText.h"
#include "runtime/Services.h"
#include "shared/CalendarTexts.h"
#include "shared/WindowFrame.h"
#include "system/Screens.h"
#include "toolbar/Toolbar.h"
#include "tray/TrayIcon.h"
#include "window/RememberedWindow.h"
#include "window/ViewModes.h"
#include "year/YearView.h"
#include "yearchart/YearChartWindow.h"
#include "yourcalendars/YourCalendars.h"
#include "yourdays/YourDays.h"
#include "yourholidays/ShownHolidays.h"
#include <QMenu>
#include <QWidget>

namespace {
TDateTime nowOf(const Services& services)
{
    return rt::fromQDateTime(services.clock.now());
}
} // namespace

ShownDay::ShownDay(QWidget& window, Services& services, BoxGate& gate, PrefsStore& preferences, const Rooms& rooms,
                   const bool& activated)
    : QObject(&window), m_window(window), m_services(services), m_gate(gate), m_preferences(preferences),
      m_activated(activated), m_rooms(rooms), m_sun(rooms.toolbar.sun())
{
}

void ShownDay::keepIn(RememberedWindow* remembered, const Screens* screens)
{
    m_remembered = remembered;
    m_screens = screens;
}

void ShownDay::designed()
{
    m_window.setWindowTitle(m_caption.today(nowOf(m_services)));
    m_rooms.year.setHint(1, m_caption.figure());
}

void ShownDay::clicked(int n)
{
    m_gate.run([this, n] {
        YearView& year = m_rooms.year;
        year.ResetAllCalendar(n);
        const TDateTime date = year.date(n);
        // A click on a day of the neighbouring months, which the title does not name, brings back today's year.
        if (!year.inTitledMonth(n)) {
            year.showRange({}, {});
            m_rooms.views.backToToday();
            year.setHint(n, QString());
            return;
        }
        std::optional<QDate> pendingBefore;
        if (!m_caption.julian().SpanStartText.isEmpty())
            pendingBefore = rt::toQDate(m_caption.julian().SpanStartDate);
        if (const std::optional<QString> caption =
                m_caption.dayClicked(rt::formatDateTime(texts::PatternShortDate, date, rt::formatSettings()),
                                     rt::dateOf(date), m_activated, nowOf(m_services)))
            m_window.setWindowTitle(*caption);
        year.setHint(n, m_caption.figure());
        const bool spanPending = !m_caption.julian().SpanStartText.isEmpty();
        m_model.clicked(rt::toQDate(date), pendingBefore, spanPending);
        // An open daylight chart marks the day clicked.
        if (m_yearChart && m_yearChart->isVisible()) {
            YearChartContent content = m_yearChart->view()->content();
            content.clicked = rt::toQDate(date);
            m_yearChart->view()->setContent(std::move(content));
        }
        // The span of the last two clicks stands highlighted until a click starts another.
        if (pendingBefore && !spanPending)
            year.showRange(*pendingBefore, rt::toQDate(date));
        else
            year.showRange({}, {});
        // The panel first: the toolbar's moon then takes the evening's phase it found. An open panel tells a polar
        // day in words, so no box asks for a click before the next one.
        const bool panelOpen = m_panel && m_panel->isVisible();
        if (panelOpen)
            updatePanel();
        m_sun.CalcSun(date, true, panelOpen);
    });
}

void ShownDay::followToday(const QDate& previous, const QDate& today)
{
    m_rooms.toolbar.refreshYearButton();
    // The first calendar's hint follows the figure when it showed today's.
    const QString shownFigure = m_caption.figure();
    m_window.setWindowTitle(m_caption.todayMoved(m_window.windowTitle(), rt::fromQDate(previous), nowOf(m_services)));
    if (m_rooms.year.hint(1) == shownFigure)
        m_rooms.year.setHint(1, m_caption.figure());
    m_rooms.tray.showTip();
    // Before the first activation the year is not laid out yet, and the activation reports today anyway.
    if (!m_activated)
        return;
    m_gate.run([this, previous, today] {
        m_rooms.year.followToday(previous, today, nowOf(m_services));
        m_sun.todayMoved();
    });
}

void ShownDay::openPanel()
{
    if (!m_panel) {
        m_panel = new DayPanel(&m_window);
        m_warmUp = new SkyWarmUp(
            m_model.sky(), [this] { return m_rooms.year.shownDays(); }, this);
        connect(m_panel, &DayPanel::clearFirstClick, this, &ShownDay::clearFirstClick);
        connect(m_panel, &DayPanel::yearChartWanted, this, [this] { openYearChart(m_model.day().year()); });
        connect(m_panel, &DayPanel::dayMenuWanted, this, [this](const QPoint& at) {
            const auto [first, last] = chosenDays();
            QMenu menu(m_panel);
            m_rooms.days.fillMenu(m_model.day().isValid() ? m_model.day() : first, first, last, menu);
            menu.exec(at);
        });
        connect(m_panel, &DayPanel::closed, this, [this] {
            m_warmUp->stop();
            rememberPanel(false);
        });
        connect(&m_rooms.year, &YearView::shownMonthsChanged, this, [this] {
            if (!m_panel->isHidden())
                m_warmUp->prepare();
        });
    }
    rememberPanel(true);
    m_model.opening(rt::toQDate(nowOf(m_services)));
    updatePanel();
    static const DesktopScreens desktop;
    const QSize frame = m_window.isVisible() && m_window.frameGeometry().size() != m_window.size()
                            ? m_window.frameGeometry().size() - m_window.size()
                            : QSize(frame::FrameWidth, frame::FrameHeight);
    const QPoint corner =
        m_panel->placeBeside(m_window.frameGeometry(), frame, (m_screens ? *m_screens : desktop).availableGeometries());
    if (corner != m_window.frameGeometry().topLeft())
        m_window.move(corner);
    m_panel->show();
    m_panel->raise();
    m_warmUp->prepare();
}

void ShownDay::openYearChart(int year)
{
    if (!m_yearChart) {
        m_yearChart = new YearChartWindow(m_gate, &m_window);
        connect(m_yearChart, &YearChartWindow::dayChosen, this, &ShownDay::choose);
    }
    const SkyPlace& where = place();
    YearChartContent content =
        yearChartOf(m_model.sky(), year, where, m_sun.report().twentyFourHour(rt::formatSettings()), QLocale());
    content.today = rt::toQDate(nowOf(m_services));
    if (m_model.day().isValid())
        content.clicked = m_model.day();
    m_yearChart->showChart(std::move(content));
}

void ShownDay::choose(const QDate& day)
{
    for (int n = 1; n <= 12; ++n) {
        const QDate shown = rt::toQDate(m_rooms.year.date(n));
        if (!m_rooms.year.isEnabled() || shown.year() != day.year() || shown.month() != day.month() ||
            !m_rooms.year.inTitledMonth(n))
            continue;
        m_rooms.year.setDate(n, rt::fromQDate(day));
        clicked(n);
        return;
    }
}

void ShownDay::calendarsChanged()
{
    if (m_panel && m_panel->isVisible())
        updatePanel();
}

void ShownDay::calendarsChanged(const CalendarNews& news)
{
    if (!m_panel || !m_panel->isVisible())
        return;
    const QDate today = rt::toQDate(nowOf(m_services));
    if (news.lines || news.touches(m_model.day(), m_model.day()) ||
        news.touches(today, today.addDays(ComingUpDays - 1)))
        updatePanel();
}

const SkyPlace& ShownDay::place()
{
    const DayReport& report = m_sun.report();
    return m_model.placeOf(m_preferences.value(), rt::formatSettings(), report.latitude(), report.longitude());
}

void ShownDay::updatePanel()
{
    DayPanelInput input;
    input.place = place();
    input.sky = m_model.skyOfDay(input.place);
    input.military = m_sun.report().twentyFourHour(rt::formatSettings());
    if (!m_caption.julian().SpanStartText.isEmpty())
        input.pendingFirst = rt::toQDate(m_caption.julian().SpanStartDate);
    input.spanFrom = m_model.spanFrom();
    input.spanTo = m_model.spanTo();
    input.events = m_rooms.calendars.eventsOn(m_model.day());
    input.calendarProblems = m_rooms.calendars.problems();
    const QDate today = rt::toQDate(nowOf(m_services));
    input.today = today;
    for (const OwnDay& own : m_rooms.days.on(m_model.day())) {
        const QDate start = own.occurrenceCovering(m_model.day());
        input.ownDays.append(
            {m_rooms.days.categoryName(own.category), own.title, own.note, start, start.addDays(own.length() - 1)});
    }
    input.comingUp = comingUp(today);
    if (m_rooms.holidays.shown()) {
        const QDate day = m_model.day();
        input.holidays = m_rooms.holidays.namesOn(day);
        input.holidaysNotKnown = m_rooms.holidays.statusOf(day.year()) == holidays::YearHolidays::Status::NotKnown;
    }
    m_panel->showLines(dayPanelLines(input), input.pendingFirst.has_value());
    // The present moment as a Julian day (UT): the Unix epoch is Julian day 2440587.5.
    const double now = double(m_services.clock.now().toMSecsSinceEpoch()) / 86400000.0 + 2440587.5;
    m_panel->showPicture(dayPictureOf(m_model.sky(), input.sky, input.place, input.military, input.locale, now));
    m_sun.knowEveningPhase(m_model.day(), input.place.offsetHoursAt(input.sky.evening), input.sky.phase);
}

QList<DayPanelInput::ComingUp> ShownDay::comingUp(const QDate& today) const
{
    QList<DayPanelInput::ComingUp> days;
    const QDate last = today.addDays(ComingUpDays - 1);
    // A marked range already under way is told on today's line; the others on their first day. Found day by day
    // through the model's index: ten thousand marked days cost no more than ten.
    QMultiHash<QDate, QString> starting;
    for (QDate day = today; day <= last; day = day.addDays(1))
        for (const OwnDay& own : m_rooms.days.on(day))
            if (day == today || own.occurrenceCovering(day) == day)
                starting.insert(day, m_rooms.days.categoryName(own.category) + QStringLiteral(": ") + own.title);
    for (QDate day = today; day <= last; day = day.addDays(1)) {
        QStringList what = starting.values(day);
        std::reverse(what.begin(), what.end()); // in the order found
        // A holiday first, as a printed calendar names it on its day.
        if (m_rooms.holidays.shown())
            what = m_rooms.holidays.namesOn(day) + what;
        for (const CalendarEvent& event : m_rooms.calendars.eventsOn(day))
            if (!what.contains(event.title))
                what.append(event.title);
        what.append(m_rooms.year.skyMarksSaid(day));
        if (!what.isEmpty())
            days.append({day, what});
    }
    return days;
}

std::pair<QDate, QDate> ShownDay::chosenDays() const
{
    const auto [first, last] = m_rooms.year.range();
    if (first.isValid())
        return {first, last};
    const QDate day = m_model.day().isValid() ? m_model.day() : rt::toQDate(nowOf(m_services));
    return {day, day};
}

void ShownDay::rememberPanel(bool open)
{
    if (m_remembered)
        m_remembered->keeper().update([open](WindowState& state) { state.dayPanelOpen = open; });
}

void ShownDay::clearFirstClick()
{
    m_caption.clearPendingSpan();
    m_rooms.year.showRange({}, {});
    m_window.setWindowTitle(m_caption.today(nowOf(m_services)));
    if (m_panel && m_panel->isVisible())
        updatePanel();
}
