#include "controls/TMonthCalendar.h"
#include "controls/Colours.h"
#include "controls/DayMarkDrawing.h"
#include "controls/DayMarkTexts.h"
#include "controls/Hints.h"
#include "controls/WeekNumberDelegate.h"
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"
#include "runtime/FormatSettings.h"
#include <QHeaderView>
#include <QLayout>
#include <QPainter>
#include <QStringList>
#include <QTableView>
#include <QTextCharFormat>
#include <cmath>

const QDate TMonthCalendar::MinDate(1601, 1, 1);
const QDate TMonthCalendar::MaxDate(9999, 12, 31);

namespace {
// The visible band of a calendar lies between the row bar above and the filler below: a fixed navigation bar
// and a bottom margin keep all six weeks inside it.
constexpr int NavigationBarHeight = 27;
constexpr int BottomMargin = 15;
constexpr int FontPixels = 11;
// Six rows of days fill the bottom of the grid, under the row of day names.
constexpr int DayRows = 6;
constexpr int DaysInWeek = 7;
// Days of the neighbouring months, and the cells of days outside the supported range.
const QColor NeighbourDayGrey(128, 128, 128);
const QColor OutOfRangeCellGrey(192, 192, 192);
// Today's mark, and the width of the selection's frame around it when today is the day selected.
const QColor TodayInk(128, 0, 0);
const QColor TodayBackground(255, 255, 160);
constexpr int SelectedTodayFrame = 3;
} // namespace

TMonthCalendar::TMonthCalendar(TDateTime timeOfDay, QWidget* parent) : QCalendarWidget(parent), m_timeOfDay(timeOfDay)
{
    setFixedSize(197, 153);
    setDateRange(MinDate, MaxDate);
    setGridVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setFirstDayOfWeek(rt::formatSettings().firstDayOfWeek);

    QFont small = font();
    small.setPixelSize(FontPixels);
    setFont(small);

    QPalette look = palette();
    look.setColor(QPalette::Text, colours::Navy);
    look.setColor(QPalette::WindowText, colours::Navy);
    // The grid draws the days of the neighbouring months in the disabled text colour, over any weekday colour.
    look.setColor(QPalette::Disabled, QPalette::Text, NeighbourDayGrey);
    look.setColor(QPalette::Highlight, colours::Blue);
    look.setColor(QPalette::HighlightedText, colours::Yellow);
    setPalette(look);

    QTextCharFormat dayText;
    dayText.setForeground(colours::Navy);
    setWeekdayTextFormat(Qt::Saturday, dayText);
    setWeekdayTextFormat(Qt::Sunday, dayText);
    QTextCharFormat header;
    header.setForeground(colours::Navy);
    setHeaderTextFormat(header);

    if (QWidget* bar = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar")))
        bar->setFixedHeight(NavigationBarHeight);
    if (layout())
        layout()->setContentsMargins(0, 0, 0, BottomMargin);
    m_view = findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (m_view) {
        m_view->horizontalHeader()->setMinimumSectionSize(10);
        m_view->verticalHeader()->setMinimumSectionSize(10);
        m_view->setItemDelegate(new WeekNumberDelegate(
            m_view->itemDelegate(), [this](const QModelIndex& index) { return weekCellNumber(index); }, m_view));
    }

    m_date = rt::combine(rt::fromQDate(selectedDate()), m_timeOfDay);
    connect(this, &QCalendarWidget::clicked, this, &TMonthCalendar::userSelected);
    connect(this, &QCalendarWidget::activated, this, &TMonthCalendar::userSelected);
    connect(this, &QCalendarWidget::selectionChanged, this, &TMonthCalendar::followSelection);
    connect(this, &QCalendarWidget::currentPageChanged, this, &TMonthCalendar::followPage);
    hints::setShowHint(this, true);
    describeMonth();
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
    const QDate day = rt::toQDate(value);
    m_date = rt::combine(rt::fromQDate(day), m_timeOfDay);
    if (selectedDate() != day)
        setSelectedDate(day);
    if (yearShown() != day.year() || monthShown() != day.month())
        setCurrentPage(day.year(), day.month());
}

void TMonthCalendar::userSelected(const QDate& date)
{
    // A day the user picks keeps the control's time of day, like a day the program sets.
    m_date = rt::combine(rt::fromQDate(date), m_timeOfDay);
    emit OnClick(this);
}

void TMonthCalendar::followSelection()
{
    // Keys move the selection without a click: the next click must act on the day the user sees selected.
    m_date = rt::combine(rt::fromQDate(selectedDate()), m_timeOfDay);
    describeSelectedDay();
}

void TMonthCalendar::followPage(int year, int month)
{
    // The wheel and the arrows change the month shown but not the selection; the selection follows the page, as a
    // click on an arrow moves the control to that month, so the date always lies in the month the user sees.
    const QDate selected = selectedDate();
    if (selected.year() != year || selected.month() != month) {
        const QDate first(year, month, 1);
        const QDate day(year, month, qMin(selected.day(), first.daysInMonth()));
        setSelectedDate(qBound(MinDate, day, MaxDate));
    }
    followSelection();
    describeMonth();
    emit shownMonthChanged(this);
}

void TMonthCalendar::describeMonth()
{
    // A screen reader names the calendar, and its day grid that takes the focus, by the month shown.
    const QString month = rt::formatDateTime(QStringLiteral("mmmm yyyy"),
                                             rt::fromQDate(QDate(yearShown(), monthShown(), 1)), rt::formatSettings());
    setAccessibleName(month);
    if (m_view)
        m_view->setAccessibleName(month);
}

void TMonthCalendar::describeSelectedDay()
{
    // The grid's cells have no description of their own: the day the keys or a click selected is described.
    if (m_view && m_marks)
        m_view->setAccessibleDescription(dayDescription(selectedDate()));
}

QString TMonthCalendar::dayDescription(const QDate& day) const
{
    if (!m_marks || day.year() != yearShown() || day.month() != monthShown())
        return QString();
    const DayMarks marks = m_marks(day);
    QStringList said;
    if (marks.newMoon)
        said.append(DayMarkTexts::NewMoon());
    if (marks.fullMoon)
        said.append(DayMarkTexts::FullMoon());
    if (marks.season)
        said.append(DayMarkTexts::Season());
    if (marks.event)
        said.append(DayMarkTexts::Events());
    if (day == m_today)
        said.append(DayMarkTexts::Today());
    return said.join(QStringLiteral(", "));
}

void TMonthCalendar::setDayMarks(MarksOfDay marks)
{
    m_marks = std::move(marks);
    if (m_view) {
        m_view->setAccessibleDescription(QString());
        m_view->viewport()->update();
    }
    describeSelectedDay();
}

void TMonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    // The grid fills the page past the last supported day (January 10000 under December 9999) with days it cannot
    // select; they are left empty rather than painted in the surrounding window's colour.
    if (date < MinDate || date > MaxDate) {
        painter->fillRect(rect, OutOfRangeCellGrey);
        return;
    }
    if (date == m_today && date == selectedDate())
        paintSelectedToday(*painter, rect, date);
    else
        QCalendarWidget::paintCell(painter, rect, date);
    // The style's own focus frame is lost in the blue of the selection: once the keyboard has moved the focus, a
    // yellow frame shows which calendar the keys move. The window as first shown keeps its plain look.
    if (m_view && m_view->hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange) && date == selectedDate()) {
        painter->save();
        painter->setPen(QPen(colours::Yellow, 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
    // The neighbouring months' days are another calendar's: only the month shown is marked.
    if (m_marks && date.month() == monthShown() && date.year() == yearShown())
        paintDayMarks(*painter, rect, m_marks(date));
}

void TMonthCalendar::paintSelectedToday(QPainter& painter, const QRect& rect, const QDate& date) const
{
    // The selection's blue fill would hide today's mark (on the 1st of a month after midnight both fall on one
    // day): today keeps its own look inside, the selection shows as a blue frame around it.
    painter.save();
    painter.fillRect(rect, colours::Blue);
    painter.fillRect(rect.adjusted(SelectedTodayFrame, SelectedTodayFrame, -SelectedTodayFrame, -SelectedTodayFrame),
                     TodayBackground);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(TodayInk);
    painter.drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    painter.restore();
}

void TMonthCalendar::setWeekNumbers(bool shown)
{
    setVerticalHeaderFormat(shown ? QCalendarWidget::ISOWeekNumbers : QCalendarWidget::NoVerticalHeader);
}

bool TMonthCalendar::WeekNumbers() const
{
    return verticalHeaderFormat() != QCalendarWidget::NoVerticalHeader;
}

void TMonthCalendar::setWeekRules(Qt::DayOfWeek firstDay, weeks::Numbering numbering)
{
    m_numbering = numbering;
    if (firstDayOfWeek() != firstDay)
        setFirstDayOfWeek(firstDay);
    if (m_view)
        m_view->viewport()->update();
}

int TMonthCalendar::weekNumberOfRow(int row) const
{
    const Qt::DayOfWeek first = firstDayOfWeek();
    return weeks::rowNumber(weeks::gridRowStart(yearShown(), monthShown(), row, first), m_numbering, first);
}

std::optional<int> TMonthCalendar::weekCellNumber(const QModelIndex& index) const
{
    // The control's own ISO numbers are its Monday's week, which is the rule's: they stay as the control paints them.
    if (m_numbering == weeks::Numbering::Iso || !index.isValid() || index.column() != 0)
        return std::nullopt;
    const QAbstractItemModel* model = index.model();
    const int row = index.row() - (model->rowCount() - DayRows);
    if (model->columnCount() <= DaysInWeek || row < 0)
        return std::nullopt;
    return weekNumberOfRow(row);
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
    if (m_today.isValid())
        setDateTextFormat(m_today, QTextCharFormat());
    QTextCharFormat mark;
    mark.setFontWeight(QFont::Bold);
    mark.setForeground(TodayInk);
    mark.setBackground(TodayBackground);
    setDateTextFormat(today, mark);
    m_today = today;
    describeSelectedDay();
}
