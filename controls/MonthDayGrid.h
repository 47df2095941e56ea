// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractButton>
#include <QDate>
#include <QWidget>

class TMonthCalendar;

// The day grid of a month calendar: the names, the week numbers and the days, drawn by the calendar's drawer. It
// takes the focus and the keys, and tells the pointer's clicks and drags to its calendar.
class MonthDayGrid : public QWidget
{
    Q_OBJECT
public:
    explicit MonthDayGrid(TMonthCalendar* calendar);
    TMonthCalendar* calendar() const { return m_calendar; }
    // Repaints one day's cell (index 0 to 41), or the whole grid.
    void updateCell(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    TMonthCalendar* m_calendar;
    QDate m_pressed;
    bool m_doubleClicked = false;
};

// An arrow of the title band: the calendar draws it, this takes its clicks.
class MonthArrow : public QAbstractButton
{
    Q_OBJECT
public:
    MonthArrow(TMonthCalendar* calendar, int step);

protected:
    // The drawer paints the arrow on the title band; the button only takes its clicks and names it.
    void paintEvent(QPaintEvent*) override {}
};

// The grid as screen readers see it: a table of day cells, each named as a person says the day.
namespace monthaccess {
void install();
// Tells screen readers that the grid's cells changed (names or selection).
void cellsChanged(MonthDayGrid* grid);
} // namespace monthaccess
