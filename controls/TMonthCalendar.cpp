#include "controls/TMonthCalendar.h"
#include "controls/Colours.h"
#include "controls/Hints.h"
#include "runtime/ConvertError.h"
#include <QHeaderView>
#include <QLayout>
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
} // namespace

TMonthCalendar::TMonthCalendar(TDateTime timeOfDay, QWidget* parent) : QCalendarWidget(parent), m_timeOfDay(timeOfDay)
{
    setFixedSize(197, 153);
    setDateRange(MinDate, MaxDate);
    setGridVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setFirstDayOfWeek(Qt::Sunday);

    QFont small = font();
    small.setPixelSize(FontPixels);
    setFont(small);

    QPalette look = palette();
    look.setColor(QPalette::Text, colours::Navy);
    look.setColor(QPalette::WindowText, colours::Navy);
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
    }

    m_date = rt::combine(rt::fromQDate(selectedDate()), m_timeOfDay);
    connect(this, &QCalendarWidget::clicked, this, &TMonthCalendar::userSelected);
    connect(this, &QCalendarWidget::activated, this, &TMonthCalendar::userSelected);
    hints::setShowHint(this, true);
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
        throw ConvertError(QStringLiteral("Failed to set calendar date or time"));
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

void TMonthCalendar::setWeekNumbers(bool shown)
{
    setVerticalHeaderFormat(shown ? QCalendarWidget::ISOWeekNumbers : QCalendarWidget::NoVerticalHeader);
}

bool TMonthCalendar::WeekNumbers() const
{
    return verticalHeaderFormat() != QCalendarWidget::NoVerticalHeader;
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
    mark.setForeground(QColor(128, 0, 0));
    mark.setBackground(QColor(255, 255, 160));
    setDateTextFormat(today, mark);
    m_today = today;
}
