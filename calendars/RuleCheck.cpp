// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/RuleCheck.h"
#include <libical/ical.h>
#include <mutex>

namespace {
// Long enough to meet every pattern of days the calendar repeats, a 29 February after a century year included.
constexpr int ScanDays = 3000;

bool listed(const short* list, int size)
{
    return size > 0 && list[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

template <typename Match> bool anyOf(const short* list, int size, Match match)
{
    for (int i = 0; i < size && list[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        if (match(list[i]))
            return true;
    return false;
}

// Whether libical could give an instance on that day. Generous where the rule's reading depends on more than the
// day (BYDAY's ordinals, BYWEEKNO's week start, BYSETPOS): a day it might match is a day it matches here, so a rule
// is never refused that could match.
//
// Stepping by days or less, libical meets neither a day counted from a month's or year's end nor an nth weekday
// (which only monthly and yearly rules may name): such values match no day, the others of their list still do.
bool mayMatch(const icalrecurrencetype& rule, const QDate& day, bool daysOrLess)
{
    if (listed(rule.by_month, ICAL_BY_MONTH_SIZE) && !anyOf(rule.by_month, ICAL_BY_MONTH_SIZE, [&](short m) {
            return icalrecurrencetype_month_month(m) == day.month();
        }))
        return false;
    const int monthDays = day.daysInMonth(), yearDays = day.daysInYear();
    if (listed(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE) &&
        !anyOf(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE,
               [&](short d) { return d > 0 ? d == day.day() : !daysOrLess && monthDays + 1 + d == day.day(); }))
        return false;
    if (listed(rule.by_year_day, ICAL_BY_YEARDAY_SIZE) && !anyOf(rule.by_year_day, ICAL_BY_YEARDAY_SIZE, [&](short d) {
            return d > 0 ? d == day.dayOfYear() : !daysOrLess && yearDays + 1 + d == day.dayOfYear();
        }))
        return false;
    // libical counts Sunday as 1, Qt Monday as 1.
    const int weekday = day.dayOfWeek() % 7 + 1;
    if (listed(rule.by_day, ICAL_BY_DAY_SIZE) && !anyOf(rule.by_day, ICAL_BY_DAY_SIZE, [&](short d) {
            return int(icalrecurrencetype_day_day_of_week(d)) == weekday &&
                   !(daysOrLess && icalrecurrencetype_day_position(d) != 0);
        }))
        return false;
    if (listed(rule.by_week_no, ICAL_BY_WEEKNO_SIZE) &&
        !anyOf(rule.by_week_no, ICAL_BY_WEEKNO_SIZE, [](short w) { return w != 0 && w >= -53 && w <= 53; }))
        return false;
    return true;
}

bool limitsDays(const icalrecurrencetype& rule)
{
    return listed(rule.by_month, ICAL_BY_MONTH_SIZE) || listed(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE) ||
           listed(rule.by_year_day, ICAL_BY_YEARDAY_SIZE) || listed(rule.by_day, ICAL_BY_DAY_SIZE) ||
           listed(rule.by_week_no, ICAL_BY_WEEKNO_SIZE);
}

qint64 unitsPerDay(const icalrecurrencetype& rule)
{
    const qint64 interval = std::max<short>(1, rule.interval);
    switch (rule.freq) {
    case ICAL_SECONDLY_RECURRENCE:
        return std::max<qint64>(1, 86400 / interval);
    case ICAL_MINUTELY_RECURRENCE:
        return std::max<qint64>(1, 1440 / interval);
    case ICAL_HOURLY_RECURRENCE:
        return std::max<qint64>(1, 24 / interval);
    default:
        return 0; // steps of a day or more: the search moves by whole days or more
    }
}

bool limitsTimes(const icalrecurrencetype& rule)
{
    return listed(rule.by_hour, ICAL_BY_HOUR_SIZE) || listed(rule.by_minute, ICAL_BY_MINUTE_SIZE) ||
           listed(rule.by_second, ICAL_BY_SECOND_SIZE);
}
} // namespace

RuleVerdict checkRule(const icalrecurrencetype& rule, const QDate& start, bool allDay)
{
    if (rule.freq == ICAL_NO_RECURRENCE || !start.isValid())
        return RuleVerdict::Expand;
    const qint64 perDay = unitsPerDay(rule);
    // An all-day event has no time of day: libical steps its hours, minutes or seconds on a time that stays
    // midnight, and looking for an hour, minute, second or day the rule names it searches for ever. Plain steps
    // ("every 24 hours") come round to the next day and are expanded.
    if (allDay && perDay > 0 && (limitsTimes(rule) || limitsDays(rule)))
        return RuleVerdict::TooCostly;
    // A 60th second (a leap second libical accepts in the list) rolls into the next minute, which a rule stepping
    // every second, or every minute of the minutes it names, never meets.
    const bool stepsEachSecondOrMinute =
        rule.freq == ICAL_SECONDLY_RECURRENCE ||
        (rule.freq == ICAL_MINUTELY_RECURRENCE && listed(rule.by_minute, ICAL_BY_MINUTE_SIZE));
    if (stepsEachSecondOrMinute && listed(rule.by_second, ICAL_BY_SECOND_SIZE) &&
        !anyOf(rule.by_second, ICAL_BY_SECOND_SIZE, [](short s) { return s >= 0 && s < 60; }))
        return RuleVerdict::NeverMatches;
    // Without days left out a step searches at most one day's units.
    if (!limitsDays(rule))
        return RuleVerdict::Expand;
    // The longest run of days without an instance, from the start.
    int gap = 0, longest = 0;
    bool matched = false;
    for (int i = 0; i < ScanDays; ++i) {
        if (mayMatch(rule, start.addDays(i), perDay > 0 || rule.freq == ICAL_DAILY_RECURRENCE)) {
            // A rule stepping by days or more searches day by day at worst: its first day that can match is enough.
            if (perDay == 0)
                return RuleVerdict::Expand;
            matched = true;
            gap = 0;
        } else {
            longest = std::max(longest, ++gap);
        }
    }
    if (!matched)
        return RuleVerdict::NeverMatches;
    // A rule in seconds, minutes or hours steps through every unit of the days it skips.
    return perDay * (longest + 1) > MostUnitsPerStep ? RuleVerdict::TooCostly : RuleVerdict::Expand;
}

namespace {
// A damaged rule must give a verdict, never end the program: libical aborts on errors unless told not to.
icalrecurrencetype parsedRule(const QByteArray& rule)
{
    static std::once_flag once;
    std::call_once(once, [] { icalerror_set_errors_are_fatal(0); });
    return icalrecurrencetype_from_string(rule.constData());
}
} // namespace

RuleVerdict checkRule(const QByteArray& rule, const QDate& start, bool allDay)
{
    icalrecurrencetype parsed = parsedRule(rule);
    const RuleVerdict verdict = checkRule(parsed, start, allDay);
    free(parsed.rscale);
    return verdict;
}

bool isZoneRule(const QByteArray& rule)
{
    icalrecurrencetype parsed = parsedRule(rule);
    free(parsed.rscale);
    if (parsed.freq != ICAL_YEARLY_RECURRENCE || limitsTimes(parsed) ||
        listed(parsed.by_year_day, ICAL_BY_YEARDAY_SIZE) || listed(parsed.by_week_no, ICAL_BY_WEEKNO_SIZE) ||
        listed(parsed.by_set_pos, ICAL_BY_SETPOS_SIZE))
        return false;
    if (listed(parsed.by_month, ICAL_BY_MONTH_SIZE) && parsed.by_month[1] != ICAL_RECURRENCE_ARRAY_MAX)
        return false;
    return checkRule(parsed, QDate(2000, 1, 1), false) == RuleVerdict::Expand;
}
