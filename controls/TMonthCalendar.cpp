// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TMonthCalendar.h"
#include "controls/DayMarkTexts.h"
#include "controls/Hints.h"
#include "controls/MonthDayGrid.h"
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"
#include "runtime/FormatSettings.h"
#include <QKeyEvent>
#include <QPainter>
#include <QStringList>
#include <cmath>

const QDate TMonthCalendar::MinDate(1601, 1, 1);
const QDate TMonthCalendar::MaxDate(9999, 12, 31);

namespace {
constexpr int Width = 197;
constexpr int Height = 153;
constexpr int TitleHeight = 27;
} // namespace

TMonthCalendar::TMonthCalendar(TDateTime timeOfDay, QWidget* parent)
    : QWidget(parent), m_timeOfDay(timeOfDay), m_drawer(MonthDrawer::windowLook(false))
{
    monthaccess::install();
    setFixedSize(Width, Height);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_firstDay = rt::formatSettings().firstDayOfWeek;
    m_grid = new MonthDayGrid(this);
    m_grid->setGeometry(0, TitleHeight, Width, Height - TitleHeight);
    m_previous = new MonthArrow(this, -1);
    m_next = new MonthArrow(this, 1);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_grid);
    m_selected = QDate::currentDate();
    m_year = m_selected.year();
    m_month = m_selected.month();
    m_date = rt::combine(rt::fromQDate(m_selected), m_timeOfDay);
    hints::setShowHint(this, true);
    refresh();
    describe();
}

TMonthCalendar::~TMonthCalendar()
{
    // The grid gives the focus up while this control's members still stand: losing it as the parent dies would
    // refresh from members already gone.
    if (m_grid->hasFocus())
        m_grid->clearFocus();
}

bool TMonthCalendar::supports(TDateTime value)
{
    if (!std::isfinite(value))
        return false;
    const double day = std::trunc(value);
    return day >= rt::fromQDate(MinDate) && day <= rt::fromQDate(MaxDate);
}

void TMonthCalendar::setDate(TDateTime value)
{
    if (!supports(value))
        throw ConvertError(convertText::CalendarDate);
    m_shiftAnchor = QDate();
    select(rt::toQDate(value));
}

bool TMonthCalendar::select(const QDate& day)
{
    if (!day.isValid() || day < MinDate || day > MaxDate)
        return false;
    // Whatever moved the selection, the date keeps the control's time of day: the next click acts on the day the
    // user sees selected.
    m_date = rt::combine(rt::fromQDate(day), m_timeOfDay);
    const bool moved = day != m_selected;
    const bool paged = day.year() != m_year || day.month() != m_month;
    m_selected = day;
    m_year = day.year();
    m_month = day.month();
    refresh();
    if (paged)
        describe();
    if (moved)
        emit selectionChanged();
    if (paged)
        emit shownMonthChanged(this);
    return true;
}

void TMonthCalendar::stepMonth(int months)
{
    // The selection follows the page, as a click on an arrow moves the control to that month, so the date always
    // lies in the month the user sees. The day number is kept, or the month's last day when it has fewer.
    select(m_selected.addMonths(months));
}

void TMonthCalendar::setCurrentPage(int year, int month)
{
    const QDate first(year, month, 1);
    if (first.isValid())
        select(QDate(year, month, qMin(m_selected.day(), first.daysInMonth())));
}

void TMonthCalendar::chooseDay(const QDate& day)
{
    // A click or Enter starts anew: a later Shift run begins at the day chosen.
    m_shiftAnchor = QDate();
    if (!select(day))
        return;
    emit OnClick(this);
}

bool TMonthCalendar::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    // With Ctrl or Alt a key is the window's (Ctrl+Right steps the year).
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QDate day = m_selected;
    // Shift with an arrow, Home or End chooses a range from the day where the Shift run began.
    const bool extends = modifiers & Qt::ShiftModifier;
    const bool moves = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
                       key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    if (moves && extends && !m_shiftAnchor.isValid())
        m_shiftAnchor = day;
    else if (!extends)
        m_shiftAnchor = QDate();
    const bool handled = moveByKey(key);
    if (handled && moves && extends && m_selected != day)
        emit daysSelected(m_shiftAnchor, m_selected);
    return handled;
}

bool TMonthCalendar::moveByKey(int key)
{
    const QDate day = m_selected;
    switch (key) {
    case Qt::Key_Left:
        select(day.addDays(-1));
        return true;
    case Qt::Key_Right:
        select(day.addDays(1));
        return true;
    case Qt::Key_Up:
        select(day.addDays(-WeekDays));
        return true;
    case Qt::Key_Down:
        select(day.addDays(WeekDays));
        return true;
    case Qt::Key_PageUp:
        stepMonth(-1);
        return true;
    case Qt::Key_PageDown:
        stepMonth(1);
        return true;
    case Qt::Key_Home:
        select(QDate(day.year(), day.month(), 1));
        return true;
    case Qt::Key_End:
        select(QDate(day.year(), day.month(), day.daysInMonth()));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter reports the day as a click does, and confirms it as a double click does.
        chooseDay(day);
        emit activated(day);
        return true;
    default:
        return false;
    }
}

void TMonthCalendar::refresh()
{
    MonthPicture next;
    next.weekNumbers = m_weekNumbers;
    // The title and the names are made again only when the month or the first day of the week changed.
    const QDate shown = m_picture.days[WeekDays].date; // the second row always lies in the month shown
    const QLocale here = locale();
    if (m_picture.title.isEmpty() || shown.year() != m_year || shown.month() != m_month)
        next.title = here.standaloneMonthName(m_month) + QLatin1Char(' ') + QString::number(m_year);
    else
        next.title = m_picture.title;
    if (m_picture.dayNames[0].isEmpty())
        for (int column = 0; column < WeekDays; ++column)
            next.dayNames[column] =
                here.standaloneDayName((int(m_firstDay) - 1 + column) % WeekDays + 1, QLocale::NarrowFormat);
    else
        next.dayNames = m_picture.dayNames;
    if (m_weekNumbers)
        for (int row = 0; row < MonthRows; ++row)
            next.weekNumberOfRow[row] = weekNumberOfRow(row);
    fillMonthDays(next, m_year, m_month, m_firstDay, MinDate, MaxDate);
    // The style's own focus frame would be lost in the blue of the selection: once the keyboard has moved the
    // focus, a yellow frame shows which calendar the keys move. The window as first shown keeps its plain look.
    const bool keysHere = m_grid->hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    const bool ranged = m_rangeFirst.isValid() && m_rangeLast.isValid();
    for (int index = 0; index < MonthCells; ++index) {
        DayContent& day = next.days[index];
        const DayContent& was = m_picture.days[index];
        day.weekend = false; // the window tints no weekend
        day.today = day.date == m_today;
        day.selected = day.date == m_selected;
        day.focused = day.selected && keysHere;
        // The source is asked only when it may say something new (a new source, news of marks) or for a day the
        // cell did not show: a click then costs no question to the year's marks.
        if (day.inMonth && m_marks)
            day.marks =
                !m_marksStale && was.inMonth && was.date == day.date ? was.marks : DayMarkSet::of(m_marks(day.date));
        if (day.inMonth && m_bars)
            day.bars = !m_marksStale && was.inMonth && was.date == day.date ? was.bars : m_bars(day.date);
        if (day.inMonth && m_holidays)
            day.holiday = !m_marksStale && was.inMonth && was.date == day.date ? was.holiday : m_holidays(day.date);
        if (ranged && day.date >= m_rangeFirst && day.date <= m_rangeLast)
            day.range = m_rangeFirst == m_rangeLast ? RangePlace::Single
                        : day.date == m_rangeFirst  ? RangePlace::Start
                        : day.date == m_rangeLast   ? RangePlace::End
                                                    : RangePlace::Inside;
    }
    // Only what changed is repainted: the whole month when its frame did, else the cells whose content did.
    const bool frameChanged = next.title != m_picture.title || next.dayNames != m_picture.dayNames ||
                              next.weekNumbers != m_picture.weekNumbers ||
                              next.weekNumberOfRow != m_picture.weekNumberOfRow;
    std::array<bool, MonthCells> changed{};
    bool anyCell = false;
    for (int index = 0; index < MonthCells; ++index)
        anyCell |= changed[index] = next.days[index] != m_picture.days[index];
    const bool titleChanged = next.title != m_picture.title;
    const bool selectionMoved = anyCell || frameChanged;
    m_picture = std::move(next);
    if (titleChanged)
        update(m_drawer.look().title.toAlignedRect());
    if (frameChanged)
        m_grid->update();
    else
        for (int index = 0; index < MonthCells; ++index)
            if (changed[index])
                m_grid->updateCell(index);
    if (selectionMoved)
        monthaccess::cellsChanged(m_grid);
    // The description follows the selected cell's content, which a refresh without a changed cell leaves alone.
    if (m_marks && (selectionMoved || m_marksStale))
        m_grid->setAccessibleDescription(dayDescription(m_selected));
    m_marksStale = false;
}

void TMonthCalendar::describe()
{
    // A screen reader names the calendar, and its day grid that takes the focus, by the month shown.
    const QString month =
        rt::formatDateTime(QStringLiteral("mmmm yyyy"), rt::fromQDate(QDate(m_year, m_month, 1)), rt::formatSettings());
    setAccessibleName(month);
    m_grid->setAccessibleName(month);
}

QString TMonthCalendar::dayDescription(const QDate& day) const
{
    if (!m_marks || day.year() != m_year || day.month() != m_month)
        return QString();
    QStringList said = marksSaid(day);
    if (day == m_today)
        said.append(DayMarkTexts::TodayWithinDay());
    QString description = said.join(QStringLiteral(", "));
    // Said alone, the first mark begins a sentence.
    if (!description.isEmpty())
        description[0] = description[0].toUpper();
    return description;
}

QStringList TMonthCalendar::marksSaid(const QDate& day) const
{
    QStringList said;
    if (!m_marks || day.year() != m_year || day.month() != m_month)
        return said;
    if (m_marksSaid)
        return m_marksSaid(day);
    const DayMarks marks = m_marks(day);
    if (marks.newMoon)
        said.append(DayMarkTexts::NewMoon());
    if (marks.fullMoon)
        said.append(DayMarkTexts::FullMoon());
    if (marks.season)
        said.append(DayMarkTexts::Season());
    if (marks.event)
        said.append(DayMarkTexts::Events());
    return said;
}

QString TMonthCalendar::spokenDay(const QDate& day) const
{
    // The day as the locale writes it in full ("Mittwoch, 9. Dezember 2026").
    QStringList said{locale().toString(day, QLocale::LongFormat)};
    if (day == m_today)
        said.append(DayMarkTexts::TodayWithinDay());
    said.append(marksSaid(day));
    return said.join(QStringLiteral(", "));
}

void TMonthCalendar::setDayMarks(MarksOfDay marks)
{
    m_marks = std::move(marks);
    m_grid->setAccessibleDescription(QString());
    m_marksStale = true;
    refresh();
}

void TMonthCalendar::setDayBars(BarsOfDay bars)
{
    m_bars = std::move(bars);
    m_marksStale = true;
    refresh();
}

void TMonthCalendar::setHolidays(HolidayOfDay holidays)
{
    m_holidays = std::move(holidays);
    m_marksStale = true;
    refresh();
}

void TMonthCalendar::refreshMarks()
{
    m_marksStale = true;
    refresh();
}

void TMonthCalendar::setRange(const QDate& first, const QDate& last)
{
    const bool valid = first.isValid() && last.isValid();
    m_rangeFirst = valid ? qMin(first, last) : QDate();
    m_rangeLast = valid ? qMax(first, last) : QDate();
    refresh();
}

QWidget* TMonthCalendar::dayView() const
{
    return m_grid;
}

QRect TMonthCalendar::dayRect(const QDate& day) const
{
    for (int index = 0; index < MonthCells; ++index)
        if (m_picture.days[index].date == day)
            return m_drawer.cellRect(index).translated(-m_grid->pos()).toAlignedRect();
    return QRect();
}

QDate TMonthCalendar::dayAt(const QPoint& gridPoint) const
{
    const int index = m_drawer.cellAt(QPointF(gridPoint + m_grid->pos()));
    if (index < 0 || !m_picture.days[index].supported)
        return QDate();
    return m_picture.days[index].date;
}

void TMonthCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_drawer.paintTitle(painter, m_picture);
}

bool TMonthCalendar::event(QEvent* event)
{
    // The control looks the same in an active and an inactive window: a change of activation repaints nothing.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        return true;
    return QWidget::event(event);
}

void TMonthCalendar::setWeekNumbers(bool shown)
{
    if (shown == m_weekNumbers)
        return;
    m_weekNumbers = shown;
    m_drawer = MonthDrawer(MonthDrawer::windowLook(shown));
    refresh();
}

void TMonthCalendar::setWeekRules(Qt::DayOfWeek firstDay, weeks::Numbering numbering)
{
    m_numbering = numbering;
    if (firstDay != m_firstDay) {
        m_firstDay = firstDay;
        m_picture.dayNames = {};
    }
    refresh();
}

int TMonthCalendar::weekNumberOfRow(int row) const
{
    return weeks::rowNumber(weeks::gridRowStart(m_year, m_month, row, m_firstDay), m_numbering, m_firstDay);
}

void TMonthCalendar::setHint(const QString& text)
{
    hints::setHint(this, text);
}

QString TMonthCalendar::Hint() const
{
    return hints::hint(this);
}

void TMonthCalendar::setShowHint(bool show)
{
    hints::setShowHint(this, show);
}

void TMonthCalendar::markToday(const QDate& today)
{
    if (today == m_today)
        return;
    m_today = today;
    refresh();
}
