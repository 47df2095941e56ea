#pragma once
#include "app/YearGrid.h"
#include "runtime/DateValue.h"
#include <QDate>
#include <QWidget>
#include <array>

class BoxGate;
class QFrame;
class QLabel;
class QTimer;
class TMonthCalendar;
struct Services;

// The twelve month calendars, their titles and bars, and the year grid they show: fills them, marks today, shows
// the week numbers and the compact view's months, and puts the year back when a calendar lands on today at
// midnight. A click on a day is told as dayClicked(n).
class YearView : public QWidget
{
    Q_OBJECT
public:
    YearView(Services& services, BoxGate& gate, QWidget* window);

    grid::YearGrid& grid() { return m_grid; }
    const grid::YearGrid& grid() const { return m_grid; }

    TDateTime date(int n) const;
    void setCalendar1(TDateTime date);
    void setHint(int n, const QString& hint);
    QString hint(int n) const;
    // Whether calendar n's date lies in the month its title names.
    bool inTitledMonth(int n) const { return m_grid.inTitledMonth(n, date(n)); }

    // The year laid out anew from the grid's source, and today marked.
    void placeAndFill(TDateTime now);
    void fillFrom(TDateTime calendar1);
    grid::Compact compactShown() const;
    void showCompact(const grid::Compact& dates);
    // The compact view disables calendars 4 to 12 and hides the titles 5 to 7 that would show through.
    void setCompactCalendars(bool compact);
    void setCompactTitles(bool compact);
    // Previous / next: a year in the full view, a month in the compact one; false where the calendars' range ends.
    bool step(int direction);
    void ResetCalendarHints();
    void ResetAllCalendar(int Keep);
    // The week-number button's handler: the grid's switch, shown in every calendar.
    void SpeedButton5Click();
    void setWeekNumbers(bool shown);
    // The first title follows the first calendar, whatever moved it.
    void followFirstTitle();
    // The clock was read again: today's mark moves, and a calendar now on today's date puts the year back.
    void clockChanged();
    void checkMidnightRestore();
    void focusFirstBar();
    // Where the Tab order goes on after the calendars.
    QWidget* lastInTabOrder() const;

signals:
    void dayClicked(int n);

private:
    void createCalendars();
    void createTitles();
    void describe();
    void setTitle(int k, TDateTime date);
    void markToday();
    void restoreAtMidnight();

    Services& m_services;
    BoxGate& m_gate;
    grid::YearGrid m_grid;
    std::array<TMonthCalendar*, grid::Calendars> m_month{};
    std::array<QLabel*, grid::Calendars> m_title{}; // Panel30 .. Panel41
    QFrame* m_firstBar = nullptr;                   // Panel1
    QTimer* m_restoreCheck = nullptr;               // single-shot, 0 ms: after a calendar's date changed
    QDate m_markedToday;
    TDateTime m_titleSource = -1e9;
    QString m_titleShown;
};
