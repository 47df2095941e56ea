#pragma once
#include "astro/DayMarks.h"
#include "runtime/DateValue.h"
#include "runtime/WeekRules.h"
#include <QCalendarWidget>
#include <functional>
#include <optional>

class QTableView;

// The month calendar the windows drive: one date value whose day is the selection and whose fraction is a time of
// day the control keeps. Dates from 1 Jan 1601 to 31 Dec 9999 are supported; others are refused with the
// conversion error "Failed to set calendar date or time".
class TMonthCalendar : public QCalendarWidget
{
    Q_OBJECT
public:
    static const QDate MinDate;
    static const QDate MaxDate;

    // timeOfDay: the fraction the control holds from its creation on.
    explicit TMonthCalendar(TDateTime timeOfDay, QWidget* parent = nullptr);

    TDateTime Date() const { return m_date; }
    // Sets the day only: the control keeps its own time of day. Throws ConvertError outside the supported range.
    void setDate(TDateTime value);
    static bool supports(TDateTime value);

    void setWeekNumbers(bool shown);
    bool WeekNumbers() const;
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
    // Where the marks of the days shown come from; none draws and describes the grid as without marks.
    using MarksOfDay = std::function<DayMarks(const QDate&)>;
    void setDayMarks(MarksOfDay marks);
    bool showsMarks() const { return bool(m_marks); }
    // What a screen reader says of a day of the month shown beyond its number: its marks, and today among them.
    QString dayDescription(const QDate& day) const;

    QTableView* dayView() const { return m_view; }

signals:
    // Raised after the user clicked a day; Date() already holds it.
    void OnClick(TMonthCalendar* sender);
    // Raised whenever the month shown changes, whatever moved it: the program, the arrows, the keyboard, the wheel.
    // Date() already lies in that month.
    void shownMonthChanged(TMonthCalendar* sender);

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    void userSelected(const QDate& date);
    void followSelection();
    void followPage(int year, int month);
    void describeMonth();
    void describeSelectedDay();
    std::optional<int> weekCellNumber(const QModelIndex& index) const;
    void paintSelectedToday(QPainter& painter, const QRect& rect, const QDate& date) const;

    TDateTime m_date = 0;
    TDateTime m_timeOfDay = 0;
    QTableView* m_view = nullptr;
    QDate m_today;
    weeks::Numbering m_numbering = weeks::Numbering::Iso;
    MarksOfDay m_marks;
};
