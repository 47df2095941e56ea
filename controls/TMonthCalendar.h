// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DayMarks.h"
#include "drawing/MonthDrawer.h"
#include "runtime/DateValue.h"
#include "runtime/WeekRules.h"
#include <QWidget>
#include <functional>

class MonthDayGrid;
class MonthArrow;

// The month calendar the windows drive: one date value whose day is the selection and whose fraction is a time of
// day the control keeps. Dates from 1 Jan 1601 to 31 Dec 9999 are supported; others are refused with the
// conversion error "Failed to set calendar date or time". It paints its month itself (MonthDrawer) and repaints
// only the cells whose content changed.
class TMonthCalendar : public QWidget
{
    Q_OBJECT
public:
    static const QDate MinDate;
    static const QDate MaxDate;

    // timeOfDay: the fraction the control holds from its creation on.
    explicit TMonthCalendar(TDateTime timeOfDay, QWidget* parent = nullptr);
    ~TMonthCalendar() override;

    TDateTime Date() const { return m_date; }
    // Sets the day only: the control keeps its own time of day. Throws ConvertError outside the supported range.
    void setDate(TDateTime value);
    static bool supports(TDateTime value);

    QDate selectedDate() const { return m_selected; }
    int yearShown() const { return m_year; }
    int monthShown() const { return m_month; }
    Qt::DayOfWeek firstDayOfWeek() const { return m_firstDay; }

    void setWeekNumbers(bool shown);
    bool WeekNumbers() const { return m_weekNumbers; }
    // The grid's first column, and the rule of the number the week column shows beside each row.
    void setWeekRules(Qt::DayOfWeek firstDay, weeks::Numbering numbering);
    weeks::Numbering weekNumbering() const { return m_numbering; }
    // The number the week column stands for beside day row (0 to 5) of the month shown.
    int weekNumberOfRow(int row) const;

    void setHint(const QString& text);
    QString Hint() const;
    void setShowHint(bool show);

    // Marks today's day in the grid; called again when the day changes.
    void markToday(const QDate& today);
    QDate today() const { return m_today; }
    // Where the marks of the days shown come from; none draws and describes the grid as without marks.
    using MarksOfDay = std::function<DayMarks(const QDate&)>;
    void setDayMarks(MarksOfDay marks);
    bool showsMarks() const { return bool(m_marks); }
    // How a screen reader says the marks of a day ("new moon at 01:52"); without it, the marks' names.
    using MarksSaid = std::function<QStringList(const QDate&)>;
    void setMarksSaid(MarksSaid said) { m_marksSaid = std::move(said); }
    // Where the bars of the user's marked ranges through each day come from; drawn whether or not marks are shown.
    using BarsOfDay = std::function<DayBars(const QDate&)>;
    void setDayBars(BarsOfDay bars);
    // Whether a day is a holiday, its number then drawn in the holiday ink; none marks no day.
    using HolidayOfDay = std::function<bool(const QDate&)>;
    void setHolidays(HolidayOfDay holidays);
    // Asks the sources of marks and bars again: only the days whose marks or bars changed are repainted.
    void refreshMarks();
    // What a screen reader says of a day of the month shown beyond its number: its marks, and today among them.
    QString dayDescription(const QDate& day) const;
    // The day as a person says it: its weekday and date, then today and its marks.
    QString spokenDay(const QDate& day) const;

    // A range of days highlighted, which may run over the month's edges; an invalid pair clears it.
    void setRange(const QDate& first, const QDate& last);

    // The day grid, which takes the focus; the rectangle of a day's cell in it (empty when the day is not shown).
    QWidget* dayView() const;
    QRect dayRect(const QDate& day) const;
    // The day whose cell lies under a point of the day grid; invalid when none.
    QDate dayAt(const QPoint& gridPoint) const;
    const MonthPicture& picture() const { return m_picture; }
    const MonthDrawer& drawer() const { return m_drawer; }

    // Shows another month; the selection keeps its day number, or the month's last day when it has fewer.
    void setCurrentPage(int year, int month);
    // Steps the month shown by months (the arrows, Page Up/Down, the wheel); the selection keeps its day number.
    void stepMonth(int months);
    // The user's choice of a day (a click, Enter): selects it, then tells it as a click.
    void chooseDay(const QDate& day);
    // A key pressed on the grid; false for a key the control leaves to the window.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

signals:
    // Raised after the user clicked a day; Date() already holds it.
    void OnClick(TMonthCalendar* sender);
    // A day confirmed by Enter or a double click, after its OnClick.
    void activated(const QDate& date);
    void selectionChanged();
    // Raised whenever the month shown changes, whatever moved it: the program, the arrows, the keyboard, the wheel.
    // Date() already lies in that month.
    void shownMonthChanged(TMonthCalendar* sender);
    // Days pressed and dragged over, from the day pressed to the day released (in this or another calendar).
    void daysSelected(const QDate& from, const QDate& to);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class MonthDayGrid;
    // Moves the selection (and the month shown with it); false for a day outside the supported range.
    bool select(const QDate& day);
    bool moveByKey(int key);
    void refresh();
    void describe();
    // The names of a day's marks, for a day of the month shown.
    QStringList marksSaid(const QDate& day) const;

    TDateTime m_date = 0;
    TDateTime m_timeOfDay = 0;
    QDate m_selected;
    int m_year = 0;
    int m_month = 0;
    Qt::DayOfWeek m_firstDay = Qt::Monday;
    weeks::Numbering m_numbering = weeks::Numbering::Iso;
    bool m_weekNumbers = false;
    QDate m_today;
    QDate m_rangeFirst;
    QDate m_rangeLast;
    MarksOfDay m_marks;
    MarksSaid m_marksSaid;
    BarsOfDay m_bars;
    HolidayOfDay m_holidays;
    QDate m_shiftAnchor; // where a range chosen with Shift and the arrows began
    // The source of marks may say something new: the next refresh asks it for every day shown.
    bool m_marksStale = false;
    MonthDrawer m_drawer;
    MonthPicture m_picture;
    MonthDayGrid* m_grid = nullptr;
    MonthArrow* m_previous = nullptr;
    MonthArrow* m_next = nullptr;
};
