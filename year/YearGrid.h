// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/DateValue.h"
#include "runtime/FormatSettings.h"
#include <QString>
#include <array>
#include <optional>

// The rules of the year grid, free of widgets: every calendar's date derives from the first one.
namespace grid {

constexpr int Calendars = 12;
constexpr int CompactCalendars = 3;

// Where the first calendar comes from at the next placement.
enum class YearSource {
    Today,        // January of today's year
    Calendar1,    // the first calendar as it stands, with the year start text
    Calendar1Year // January of the first calendar's own year
};

struct Placement
{
    TDateTime calendar1 = 0;
    QString yearStartText;
};

// Where the first calendar goes for a source. The time of day is dropped; the control keeps its own.
Placement placeGridYear(YearSource source, TDateTime calendar1, const QString& yearStartText, TDateTime now,
                        const FormatSettings& settings);

// The date of calendar k (1..12) for a first calendar on calendar1.
TDateTime calendarDate(TDateTime calendar1, int k);

// "k mmmm yyyy": the number is the calendar's place.
QString titleText(int k, TDateTime date, const FormatSettings& settings);

using Compact = std::array<TDateTime, CompactCalendars>;

// The state of the grid beyond the dates the calendars hold, and its rules as operations on dates.
class YearGrid
{
public:
    bool compact() const { return SmallView; }
    int compactCount() const { return SmallCalCount; }
    bool yearButtonShowsJan() const { return YearButtonShowsJan; }
    bool weekNumbersShown() const { return WeekNumbersShown; }
    YearSource source() const { return GridYearSource; }
    const QString& yearStartText() const { return YearStartText; }

    // The next placement keeps the first calendar where it stands (a step, a year typed in).
    void keepCalendar1() { GridYearSource = YearSource::Calendar1; }
    // The first calendar and the year start text for the next fill; the source is used up.
    Placement place(TDateTime calendar1, TDateTime now, const FormatSettings& settings);
    // The first calendar midnight puts back: the year start text is read as a pattern of the current date, so its
    // digits stay and its separators become the locale's, and read back as a date.
    TDateTime midnightCalendar1(TDateTime now, const FormatSettings& settings) const;

    // Previous / next: a year in the full view, a month in the compact one. nullopt where the twelve calendars
    // would leave the range [minYear, maxYear] the calendars hold; then nothing moves.
    std::optional<TDateTime> step(TDateTime calendar1, int direction, int minYear, int maxYear);

    // The first three calendars moved to today's month, when they show today's year.
    static Compact movedToToday(const Compact& shown, TDateTime now);
    // Entering or resizing the compact view: January of the first calendar's year next, then the months it shows.
    Compact compactMonths(const Compact& shown, TDateTime now);
    void toCompact();
    // Leaving the compact view keeps the three months it showed for the next time.
    void toFull(const Compact& shown);
    // The size a start comes back to; a count out of 1..3 changes nothing.
    void setCompactCount(int months);
    // The next compact size (1 -> 2 -> 3 -> 1); false when the count is out of range and nothing changes.
    bool nextCompactSize(const Compact& shown);
    // The year button in the compact view: true when the months move to today ("Jan yyyy" shown next).
    bool toggleYearButton();
    bool toggleWeekNumbers();
    // The view toggle turns week numbers off; true when they were on.
    bool weekNumbersOff();

    // Calendar k's title names the month of date now; a click on a day outside that month is on a neighbouring
    // month's day, which the title does not name.
    void titled(int k, TDateTime date);
    bool inTitledMonth(int k, TDateTime date) const;

private:
    bool SmallView = false;
    int SmallCalCount = 2;
    Compact SmallCalDates{0, 0, 0};
    bool YearButtonShowsJan = false;
    bool WeekNumbersShown = false;
    YearSource GridYearSource = YearSource::Today;
    QString YearStartText;
    std::array<int, Calendars> TitledMonth{}; // 0 until the first title names a month
};

} // namespace grid
