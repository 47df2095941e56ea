// SPDX-License-Identifier: GPL-3.0-or-later
#include "year/YearView.h"
#include "controls/Colours.h"
#include "controls/DayMarkTexts.h"
#include "controls/TMonthCalendar.h"
#include "runtime/BoxGate.h"
#include "runtime/DateText.h"
#include "runtime/FormatSettings.h"
#include "runtime/Services.h"
#include "shared/CalendarNames.h"
#include "shared/CalendarTexts.h"
#include "shared/MarkWords.h"
#include <QAction>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QTimer>
#include <algorithm>

namespace {
// Free among the window's keys: K for marks.
} // namespace

namespace {
// A row's title bar holds the focus (the window opens with it there, and commands leave it there) but shows nothing
// of it: the focus leaving and coming back with the window's activation repaints nothing.
class TitleBar : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}
};

QFrame* createPanel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour, bool bar = false)
{
    auto* panel = bar ? new TitleBar(parent) : new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setAutoFillBackground(true);
    colours::paint(panel, QPalette::Window, colour);
    return panel;
}
} // namespace

YearView::YearView(Services& services, BoxGate& gate, QWidget* window)
    : QWidget(window), m_services(services), m_gate(gate)
{
    setObjectName(names::YearView);
    // Spans the whole full view, so its controls stand and are clipped where the window would place them.
    setGeometry(0, 0, 800, 485);
    createCalendars();
    m_titles = std::make_unique<MonthTitles>(m_grid, this);
    connectCalendars();
    m_marks = new MarksOfYears(this);
    connect(m_marks, &MarksOfYears::yearReady, this, &YearView::applyMarks);
    window->installEventFilter(this);
    applyMarks();
}

YearView::~YearView()
{
    // The calendars outlive this view's members as its children: a last question of theirs (a screen reader's, as the
    // focus leaves) must not reach the marks.
    for (TMonthCalendar* month : m_month)
        if (month) {
            month->setMarksSaid({});
            month->setDayMarks({});
        }
}

void YearView::connectCalendars()
{
    for (int n = 1; n <= grid::Calendars; ++n) {
        m_month[n - 1]->setAccessibleDescription(texts::DescriptionCalendar());
        connect(m_month[n - 1], &TMonthCalendar::OnClick, this, [this, n] { emit dayClicked(n); });
        connect(m_month[n - 1], &TMonthCalendar::activated, this, [this, n] { emit dayActivated(n); });
        connect(m_month[n - 1], &TMonthCalendar::daysSelected, this, [this](const QDate& from, const QDate& to) {
            showRange(from, to);
            emit daysSelected(qMin(from, to), qMax(from, to));
        });
    }
    m_restore = new MidnightRestore(
        m_services.clock, m_month,
        [this] {
            m_gate.run([this] {
                ResetCalendarHints();
                fillFrom(m_grid.midnightCalendar1(rt::fromQDateTime(m_services.clock.now()), rt::formatSettings()));
            });
        },
        this);
    // Whatever moved the first calendar's page (its arrows, the keyboard, the wheel, the program), its title follows
    // at once.
    connect(m_month[0], &TMonthCalendar::shownMonthChanged, this, [this] {
        m_titles->setTitle(1, date(1));
        emit shownMonthsChanged();
    });
}

std::pair<QDate, QDate> YearView::shownDays() const
{
    // The grid shows a week or so of the neighbouring months around each calendar's own.
    constexpr int NeighbourDays = 7;
    QDate first, last;
    for (const TMonthCalendar* month : m_month) {
        const QDate start(month->yearShown(), month->monthShown(), 1);
        const QDate end = start.addMonths(1).addDays(-1);
        if (!first.isValid() || start < first)
            first = start;
        if (!last.isValid() || end > last)
            last = end;
    }
    return {first.addDays(-NeighbourDays), last.addDays(NeighbourDays)};
}

void YearView::createCalendars()
{
    static const int lefts[4] = {0, 199, 398, 597};
    static const int tops[3] = {0, 143, 286};
    const TDateTime now = rt::fromQDateTime(m_services.clock.now());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int n = row * 4 + column + 1;
            auto* month = new TMonthCalendar(rt::timeOf(now), this);
            month->setObjectName(names::MonthCalendar(n));
            month->move(lefts[column], tops[row]);
            month->setDate(rt::dateOf(now));
            m_month[n - 1] = month;
        }
        QFrame* bar = createPanel(this, names::TitleBar(row), QRect(0, tops[row] + 4, 794, 23), colours::Navy, true);
        bar->setFocusPolicy(Qt::ClickFocus);
        if (row == 0)
            m_firstBar = bar;
    }
    createPanel(this, names::Panel0, QRect(-3, 138, 800, 5), colours::Face);
    createPanel(this, names::Panel26, QRect(-3, 281, 800, 5), colours::Face);
    createPanel(this, names::Panel27, QRect(0, 424, 794, 17), colours::Face);
    QWidget* previous = m_firstBar;
    for (TMonthCalendar* month : m_month) {
        setTabOrder(previous, month);
        previous = month;
    }
    // The window opens with the focus on the first row bar, where every command leaves it, and not on January, which
    // would hold it unframed: the first Tab then reaches January and shows its frame.
    m_firstBar->setFocus();
}

void YearView::placeAndFill(TDateTime now)
{
    fillFrom(m_grid.place(date(1), now, rt::formatSettings()).calendar1);
    markToday();
}

void YearView::fillFrom(TDateTime calendar1)
{
    m_month[0]->setDate(calendar1);
    const TDateTime first = date(1);
    for (int k = 2; k <= grid::Calendars; ++k)
        m_month[k - 1]->setDate(grid::calendarDate(first, k));
    for (int k = 1; k <= grid::Calendars; ++k)
        m_titles->setTitle(k, date(k));
}

grid::Compact YearView::compactShown() const
{
    return {date(1), date(2), date(3)};
}

void YearView::showCompact(const grid::Compact& dates)
{
    for (int k = 1; k <= grid::CompactCalendars; ++k) {
        m_month[k - 1]->setDate(dates[k - 1]);
        m_titles->setTitle(k, date(k));
    }
}

void YearView::switchView()
{
    ResetCalendarHints();
    if (m_grid.weekNumbersOff())
        setWeekNumbers(false);
    if (!m_grid.compact()) {
        for (int n = 4; n <= grid::Calendars; ++n)
            m_month[n - 1]->setEnabled(false);
        m_titles->setCompact(true);
    } else {
        for (TMonthCalendar* month : m_month)
            month->setEnabled(true);
        m_grid.toFull(compactShown());
    }
}

void YearView::showCompactMonths(TDateTime now)
{
    showCompact(m_grid.compactMonths(compactShown(), now));
}

bool YearView::toggleCompactToday(TDateTime now)
{
    if (!m_grid.toggleYearButton())
        return false;
    showCompact(grid::YearGrid::movedToToday(compactShown(), now));
    return true;
}

void YearView::showYear(int year)
{
    m_month[0]->setDate(rt::encodeDate(year, 1, 1));
    m_grid.keepCalendar1();
}

void YearView::followToday(const QDate& previous, const QDate& today, TDateTime now)
{
    // Only a full grid on the old today's year moves; a year the user went to stays.
    const TDateTime calendar1 = date(1);
    if (!m_grid.compact() && m_grid.source() == grid::YearSource::Today && rt::monthOf(calendar1) == 1 &&
        rt::yearOf(calendar1) == previous.year() && previous.year() != today.year())
        placeAndFill(now);
}

bool YearView::step(int direction)
{
    ResetCalendarHints();
    const std::optional<TDateTime> calendar1 =
        m_grid.step(date(1), direction, TMonthCalendar::MinDate.year(), TMonthCalendar::MaxDate.year());
    if (calendar1)
        m_month[0]->setDate(*calendar1);
    return calendar1.has_value();
}

void YearView::ResetCalendarHints()
{
    for (TMonthCalendar* month : m_month)
        month->setHint(QString());
}

void YearView::ResetAllCalendar(int Keep)
{
    for (int n = 1; n <= grid::Calendars; ++n) {
        if (n == Keep)
            continue;
        const TDateTime shown = date(n);
        m_month[n - 1]->setDate(rt::encodeDate(rt::yearOf(shown), rt::monthOf(shown), 1));
    }
    ResetCalendarHints();
}

void YearView::SpeedButton5Click()
{
    ResetCalendarHints();
    setWeekNumbers(m_grid.toggleWeekNumbers());
}

void YearView::setWeekRules(weeks::FirstDay firstDay, weeks::Numbering numbering)
{
    m_weekStart = firstDay;
    m_weekNumbering = numbering;
    const Qt::DayOfWeek first = weeks::firstDayOf(firstDay, rt::formatSettings().firstDayOfWeek);
    for (TMonthCalendar* month : m_month)
        month->setWeekRules(first, numbering);
}

void YearView::showRange(const QDate& first, const QDate& last)
{
    const bool valid = first.isValid() && last.isValid();
    m_rangeFirst = valid ? qMin(first, last) : QDate();
    m_rangeLast = valid ? qMax(first, last) : QDate();
    for (TMonthCalendar* month : m_month)
        month->setRange(first, last);
}

void YearView::setWeekNumbers(bool shown)
{
    for (TMonthCalendar* month : m_month)
        month->setWeekNumbers(shown);
}

void YearView::clockChanged()
{
    if (m_markedToday.isValid())
        markToday();
    m_restore->soon();
}

void YearView::markToday()
{
    const QDate day = m_services.clock.now().date();
    if (day == m_markedToday)
        return;
    m_markedToday = day;
    for (TMonthCalendar* month : m_month)
        month->markToday(day);
}

bool YearView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu)
        m_menuByKeys = static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    if (event->type() == QEvent::Paint && watched == parent()) {
        parent()->removeEventFilter(this);
        // Once the events the first paint found waiting (the activation among them) are done, and those they
        // queued: the start does not wait for the year's moons, nor share the cores with them.
        QTimer::singleShot(0, m_marks, [this] { QTimer::singleShot(0, m_marks, &MarksOfYears::start); });
    }
    return QWidget::eventFilter(watched, event);
}

void YearView::offerSwitch(const Action& action)
{
    m_marksSwitch = new QAction(action.menuName(), this);
    m_marksSwitch->setObjectName(action.name);
    m_marksSwitch->setCheckable(true);
    m_marksSwitch->setChecked(m_marksShown);
    m_marksSwitch->setShortcut(action.keys);
    m_marksSwitch->setShortcutContext(Qt::WindowShortcut);
    addAction(m_marksSwitch);
    for (TMonthCalendar* month : m_month) {
        month->dayView()->addAction(m_marksSwitch);
        month->dayView()->setContextMenuPolicy(Qt::CustomContextMenu);
        month->dayView()->installEventFilter(this);
        connect(month->dayView(), &QWidget::customContextMenuRequested, this,
                [this, month](const QPoint& at) { openMenu(month, at); });
    }
    connect(m_marksSwitch, &QAction::triggered, this, [run = action.run] { run(); });
}

void YearView::openMenu(TMonthCalendar* month, const QPoint& at)
{
    // The day under the pointer; opened by the menu key, the selected day, with the menu at its cell.
    const bool byPointer = !m_menuByKeys;
    QDate day = byPointer ? month->dayAt(at) : QDate();
    if (!day.isValid())
        day = month->selectedDate();
    const QPoint where = byPointer ? at : month->dayRect(day).center();
    QMenu menu(month->dayView());
    if (m_dayMenu) {
        m_dayMenu(day, menu);
        menu.addSeparator();
    }
    menu.addActions(month->dayView()->actions());
    menu.exec(month->dayView()->mapToGlobal(where));
}

void YearView::setOwnDays(TMonthCalendar::BarsOfDay bars, std::function<QStringList(const QDate&)> said)
{
    m_ownDaysSaid = std::move(said);
    for (TMonthCalendar* month : m_month)
        month->setDayBars(bars);
}

void YearView::showOwnDays(const QDate& first, const QDate& last)
{
    for (TMonthCalendar* month : m_month) {
        const QDate shownFirst = month->picture().days.front().date;
        const QDate shownLast = month->picture().days.back().date;
        if (!first.isValid() || (first <= shownLast && last >= shownFirst))
            month->refreshMarks();
    }
}

void YearView::setHolidays(HolidayNames names)
{
    m_holidays = std::move(names);
    for (TMonthCalendar* month : m_month)
        month->setHolidays(
            m_holidays ? TMonthCalendar::HolidayOfDay([this](const QDate& day) { return !m_holidays(day).isEmpty(); })
                       : TMonthCalendar::HolidayOfDay());
    applyMarks();
}

void YearView::showHolidays()
{
    for (TMonthCalendar* month : m_month)
        month->refreshMarks();
}

void YearView::setMarksPlace(const SkyPlace& place)
{
    m_marks->setPlace(place);
    applyMarks();
}

void YearView::setMarksShown(bool shown)
{
    if (m_marksSwitch)
        m_marksSwitch->setChecked(shown);
    if (shown == m_marksShown)
        return;
    m_marksShown = shown;
    applyMarks();
}

void YearView::setHasEvents(std::function<bool(const QDate&)> hasEvents)
{
    m_hasEvents = std::move(hasEvents);
    applyMarks();
}

void YearView::showEventMarks(const QList<QDate>& days)
{
    // Only the months holding one of the days ask their marks again (a month marks none of the neighbours' days it
    // shows): a read of the years beside the one shown costs the grid nothing.
    for (TMonthCalendar* month : m_month) {
        const QDate first(month->yearShown(), month->monthShown(), 1);
        const auto from = std::lower_bound(days.cbegin(), days.cend(), first);
        if (from != days.cend() && *from < first.addMonths(1))
            month->refreshMarks();
    }
}

DayMarks YearView::dayMarks(const QDate& day)
{
    // The sky's marks follow the switch; the user's own events are marked whenever calendars are chosen.
    DayMarks marks = m_marksShown ? m_marks->dayMarks(day) : DayMarks();
    if (m_hasEvents)
        marks.event = m_hasEvents(day);
    return marks;
}

QStringList YearView::skyMarksSaid(const QDate& day) const
{
    QStringList said;
    if (m_marksShown) {
        const bool twentyFourHour = m_twentyFourHour && m_twentyFourHour();
        for (const YearMark& mark : m_marks->marksOn(day))
            said.append(markwords::markAt(mark, m_marks->place(), twentyFourHour, QLocale()));
    }
    return said;
}

QStringList YearView::marksSaid(const QDate& day) const
{
    QStringList said = m_holidays ? m_holidays(day) : QStringList();
    said.append(skyMarksSaid(day));
    if (m_ownDaysSaid)
        said.append(m_ownDaysSaid(day));
    if (m_hasEvents && m_hasEvents(day))
        said.append(DayMarkTexts::Events());
    return said;
}

void YearView::applyMarks()
{
    // Switched off and without calendars, a calendar has no source of marks at all and paints as it always did.
    const bool marked = m_marksShown || m_hasEvents || m_holidays;
    for (TMonthCalendar* month : m_month) {
        month->setMarksSaid(marked ? TMonthCalendar::MarksSaid([this](const QDate& day) { return marksSaid(day); })
                                   : TMonthCalendar::MarksSaid());
        month->setDayMarks(marked ? TMonthCalendar::MarksOfDay([this](const QDate& day) { return dayMarks(day); })
                                  : TMonthCalendar::MarksOfDay());
    }
}
