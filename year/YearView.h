// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/TMonthCalendar.h"
#include "runtime/DateValue.h"
#include "shared/Action.h"
#include "year/MarksOfYears.h"
#include "year/MidnightRestore.h"
#include "year/MonthTitles.h"
#include "year/YearGrid.h"
#include <QDate>
#include <QFrame>
#include <QKeySequence>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class BoxGate;
class QAction;
class QFrame;
class QMenu;
struct Services;

// The twelve month calendars, their titles and bars, and the year grid they show: fills them, marks today, shows
// the week numbers and the compact view's months, and puts the year back when a calendar lands on today at
// midnight. A click on a day is told as dayClicked(n).
class YearView : public QWidget
{
    Q_OBJECT
public:
    YearView(Services& services, BoxGate& gate, QWidget* window);
    ~YearView() override;

    grid::YearGrid& grid() { return m_grid; }
    const grid::YearGrid& grid() const { return m_grid; }
    TDateTime date(int n) const { return m_month[n - 1]->Date(); }
    void setHint(int n, const QString& hint) { m_month[n - 1]->setHint(hint); }
    void setDate(int n, TDateTime value) { m_month[n - 1]->setDate(value); }
    QString hint(int n) const { return m_month[n - 1]->Hint(); }
    // Whether calendar n's date lies in the month its title names.
    bool inTitledMonth(int n) const { return m_grid.inTitledMonth(n, date(n)); }

    // The year laid out anew from the grid's source, and today marked.
    void placeAndFill(TDateTime now);
    // Previous / next: a year in the full view, a month in the compact one; false where the calendars' range ends.
    bool step(int direction);
    // January of a year typed in, kept at the next placement.
    void showYear(int year);
    // The view toggle: week numbers off, and calendars 4 to 12 disabled in the compact view (its titles 5 to 7
    // hidden), all enabled again when leaving it, whose months the grid keeps.
    void switchView();
    void setCompactTitles(bool compact) { m_titles->setCompact(compact); }
    void showCompactMonths(TDateTime now);
    // The compact size button: false when the size is out of range and nothing changes.
    bool nextCompactSize() { return m_grid.nextCompactSize(compactShown()); }
    // The compact view's year button: true when the months moved to today's.
    bool toggleCompactToday(TDateTime now);
    // Today moved on from previous: a full grid on the old today's year moves to the new one's.
    void followToday(const QDate& previous, const QDate& today, TDateTime now);
    void ResetCalendarHints();
    void ResetAllCalendar(int Keep);
    // The week-number button's handler: the grid's switch, shown in every calendar.
    void SpeedButton5Click();
    // The chosen first day of the week (the locale's one of this run, or a day) and week-number rule, in every
    // calendar.
    void setWeekRules(weeks::FirstDay firstDay, weeks::Numbering numbering);
    weeks::FirstDay weekStart() const { return m_weekStart; }
    weeks::Numbering weekNumbering() const { return m_weekNumbering; }
    // The first title follows the first calendar, whatever moved it.
    void followFirstTitle() { m_titles->followFirst(date(1)); }
    // The clock was read again: today's mark moves, and a calendar now on today's date puts the year back.
    void clockChanged();
    void checkMidnightRestore() { m_restore->check(); }
    void focusFirstBar() { m_firstBar->setFocus(); }
    // The first and last day the calendars' grids show.
    std::pair<QDate, QDate> shownDays() const;
    // The marks of the days shown: new and full moons, equinoxes and solstices at the place's clock, and the
    // user's events where the hook says a day has some. Shown unless switched off, by the program or the user.
    void setMarksPlace(const SkyPlace& place);
    void setMarksShown(bool shown);
    bool marksShown() const { return m_marksShown; }
    // The switch of the marks on every calendar's menu, made from its row of the window's table of actions; it
    // carries the row's keys and shows whether the marks are shown.
    void offerSwitch(const Action& action);
    void setHasEvents(std::function<bool(const QDate&)> hasEvents);
    // The user's events changed on those days (in order): the calendars showing one of them ask the hook again.
    void showEventMarks(const QList<QDate>& days);
    DayMarks dayMarks(const QDate& day);
    // The marks of a day as a screen reader hears them: each moment at the clock the toolbar shows.
    QStringList marksSaid(const QDate& day) const;
    // The sky's marks of a day alone, said the same way; none while they are switched off or not yet computed.
    QStringList skyMarksSaid(const QDate& day) const;
    void setClockRule(std::function<bool()> twentyFourHour) { m_twentyFourHour = std::move(twentyFourHour); }
    // Whether the year's marks are computed (they are drawn once they are).
    bool marksKnown(int year) const { return m_marks->knows(year); }
    // Where the Tab order goes on after the calendars.
    QWidget* lastInTabOrder() const { return m_month.back(); }
    // Highlights a range of days on every calendar that shows some of them; an invalid pair clears it.
    void showRange(const QDate& first, const QDate& last);
    // The highlighted range; invalid dates when none.
    std::pair<QDate, QDate> range() const { return {m_rangeFirst, m_rangeLast}; }
    // The user's marked days: the bars of each day, and what a screen reader says of them.
    void setOwnDays(TMonthCalendar::BarsOfDay bars, std::function<QStringList(const QDate&)> said);
    // Marked days changed between first and last (both invalid: anywhere): the calendars showing them ask again.
    void showOwnDays(const QDate& first, const QDate& last);
    // The holidays shown: a day's names, none for a day that is no holiday; an empty source shows none.
    using HolidayNames = std::function<QStringList(const QDate&)>;
    void setHolidays(HolidayNames names);
    // The holidays' source has news (a year read): the calendars ask it again, repainting only what changed.
    void showHolidays();
    // What the calendars' menu offers for a day besides the marks' switch, added to the menu as it opens.
    void setDayMenu(std::function<void(const QDate& day, QMenu& menu)> fill) { m_dayMenu = std::move(fill); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void dayClicked(int n);
    // The first calendar's page moved: another year, or other months in the compact view.
    void shownMonthsChanged();
    // Enter or a double-click on a day of calendar n.
    void dayActivated(int n);
    // Days pressed and dragged over, in one calendar or across several, from the first day to the last.
    void daysSelected(const QDate& first, const QDate& last);

private:
    void createCalendars();
    void connectCalendars();
    void fillFrom(TDateTime calendar1);
    grid::Compact compactShown() const;
    void showCompact(const grid::Compact& dates);
    void setWeekNumbers(bool shown);
    void markToday();
    void applyMarks();
    void openMenu(TMonthCalendar* month, const QPoint& at);

    Services& m_services;
    BoxGate& m_gate;
    grid::YearGrid m_grid;
    std::array<TMonthCalendar*, grid::Calendars> m_month{};
    std::unique_ptr<MonthTitles> m_titles;
    QFrame* m_firstBar = nullptr; // Panel1
    MidnightRestore* m_restore = nullptr;
    QDate m_markedToday;
    weeks::FirstDay m_weekStart = weeks::FirstDay::Locale;
    weeks::Numbering m_weekNumbering = weeks::Numbering::Iso;
    MarksOfYears* m_marks = nullptr;
    bool m_marksShown = true;
    std::function<bool(const QDate&)> m_hasEvents;
    std::function<bool()> m_twentyFourHour;
    QAction* m_marksSwitch = nullptr;
    QDate m_rangeFirst;
    QDate m_rangeLast;
    std::function<QStringList(const QDate&)> m_ownDaysSaid;
    HolidayNames m_holidays;
    std::function<void(const QDate&, QMenu&)> m_dayMenu;
    bool m_menuByKeys = false; // the calendars' menu was last asked for by the keyboard
};
