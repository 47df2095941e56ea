# SPDX-License-Identifier: GPL-3.0-or-later
"""The day rules of the date-holidays data set, written from the rules' documentation that comes with the data
set: a rule is parsed once into a Rule, which gives the dates it makes for a year. A rule whose words the parser
does not know raises Unsupported, so that the generator lists it instead of guessing."""
import datetime
import re

import calendars as cal

Date = datetime.date
DAY = datetime.timedelta(days=1)

WEEKDAYS = {"monday": 0, "tuesday": 1, "wednesday": 2, "thursday": 3, "friday": 4, "saturday": 5, "sunday": 6}
MONTHS = {name: i + 1 for i, name in enumerate(
    ["january", "february", "march", "april", "may", "june", "july", "august", "september", "october", "november",
     "december"])}
WD = r"(?:monday|tuesday|wednesday|thursday|friday|saturday|sunday)"
WDS = WD + r"(?:\s*,\s*" + WD + r")*"
YMD = r"(\d{4})(?:-(\d\d)-(\d\d))?"


class Unsupported(Exception):
    """A rule the evaluator cannot compute; its message names the part not understood."""


def weekday_set(text):
    return {WEEKDAYS[w.strip()] for w in text.split(",")}


def limit_date(year, month, day):
    return Date(int(year), int(month or 1), int(day or 1))


class Rule:
    """One parsed day rule. `dates(year)` gives [(date, moved)] for the rule's own year, before the checks against
    other holidays (`holiday_move`, `bridge`), which the generator applies with the whole year at hand."""

    def __init__(self, text):
        self.text = text
        s = re.sub(r"\s+#\d+$", "", text.strip()).lower()
        s = re.sub(r"\s+", " ", s)
        # The start time and its change on a weekday do not change the day a holiday begins on; with the duration
        # they give the days it covers (until the end of its first day when no duration is given).
        s = re.sub(r" if " + WDS + r" then \d\d:\d\d", "", s)
        start = 0
        m = re.search(r" (\d\d):(\d\d)(?= |$)", s)
        if m:
            start = int(m.group(1)) * 60 + int(m.group(2))
            s = s[:m.start()] + s[m.end():]
        end = 24 * 60
        m = re.search(r" p(?:(\d+)d)?(?:t(?:(\d+)h)?(?:(\d+)m)?)?(?= |$)", s)
        if m:
            days, hours, minutes = (int(x or 0) for x in m.groups())
            end = start + (days * 24 + hours) * 60 + minutes
            s = s[:m.start()] + s[m.end():]
        self.span = max(1, -(-end // (24 * 60)))

        self.since = self.prior = None
        self.years = None  # (kind, n, since)
        m = re.search(r" every (\d+) years since (\d{4})", s)
        if m:
            self.years = ("every", int(m.group(1)), int(m.group(2)))
            s = s[:m.start()] + s[m.end():]
        m = re.search(r" in (even|odd|leap|non-leap) years", s)
        if m:
            self.years = (m.group(1), 0, 0)
            s = s[:m.start()] + s[m.end():]
        m = re.search(r" since " + YMD + r"(?= |$)", s)
        if m:
            self.since = limit_date(*m.groups())
            s = s[:m.start()] + s[m.end():]
        m = re.search(r" (?:and )?prior to " + YMD + r"(?= |$)", s)
        if m:
            self.prior = limit_date(*m.groups())
            s = s[:m.start()] + s[m.end():]

        self.holiday_move = None  # (type or None, count, direction, weekday or None, omitted weekdays)
        m = re.search(r" if is (?:(\w+) )?holiday then (?:(\d+)(?:st|nd|rd|th)? )?(next|previous) (" + WD +
                      r"|day)(?: omit (" + WDS + r"))?", s)
        if m:
            kind, count, direction, target, omit = m.groups()
            self.holiday_move = (kind, int(count or 1), direction, None if target == "day" else WEEKDAYS[target],
                                 weekday_set(omit) if omit else set())
            s = s[:m.start()] + s[m.end():]

        self.bridge = None  # ([(month, day)], type or None)
        m = re.search(r" if (\d\d-\d\d(?: and \d\d-\d\d)*) is (?:(\w+) )?holiday", s)
        if m:
            self.bridge = ([tuple(int(x) for x in md.split("-")) for md in m.group(1).split(" and ")], m.group(2))
            s = s[:m.start()] + s[m.end():]

        self.on = None  # (weekdays, negated)
        m = re.search(r" (not )?on (" + WDS + r")(?= |$)", s)
        if m:
            self.on = (weekday_set(m.group(2)), bool(m.group(1)))
            s = s[:m.start()] + s[m.end():]

        self.also = False  # "and if": the day is kept and the moved day added
        self.moves = []  # [(weekdays, direction, target weekday)]
        m = re.search(r" (and )?if " + WDS + r" then ", s)
        if m:
            self.also = bool(m.group(1))
            tail = s[m.start():]
            s = s[:m.start()]
            pattern = r"\s*(?:and )?if (" + WDS + r") then (next|previous) (" + WD + r")"
            pos = 0
            while pos < len(tail):
                mm = re.match(pattern, tail[pos:])
                if not mm:
                    raise Unsupported("move: " + tail[pos:].strip())
                self.moves.append((weekday_set(mm.group(1)), mm.group(2), WEEKDAYS[mm.group(3)]))
                pos += mm.end()

        self.substitutes = s.startswith("substitutes ")
        if self.substitutes:
            s = s[len("substitutes "):]
        self.base = self._parse_date(s.strip())

    def _parse_date(self, s):
        """A date expression: a function of the year giving a list of dates."""
        m = re.fullmatch(r"(\d+) days? (before|after) (.+)", s)
        if m:
            inner, n = self._parse_date(m.group(3)), int(m.group(1))
            step = -n if m.group(2) == "before" else n
            return lambda y: [d + step * DAY for d in inner(y)]
        m = re.fullmatch(r"(?:(\d+)(?:st|nd|rd|th) )?(" + WD + r") (before|after|in) (.+)", s)
        if m:
            count, wd, direction = int(m.group(1) or 1), WEEKDAYS[m.group(2)], m.group(3)
            rest = m.group(4)
            if direction == "in":
                if rest not in MONTHS:
                    raise Unsupported("weekday in: " + rest)
                month = MONTHS[rest]
                inner = lambda y: [Date(y, month, 1)]
                direction = "after"
            else:
                inner = self._parse_date(rest)
            return lambda y: [nth_weekday(d, wd, direction, count) for d in inner(y)]
        # One day of one year; the data set's own reader takes a one-digit day too.
        m = re.fullmatch(r"(\d{4})-(\d\d?)-(\d\d?)", s)
        if m:
            fixed = Date(*(int(x) for x in m.groups()))
            return lambda y: [fixed] if fixed.year == y else []
        m = re.fullmatch(r"(\d\d)-(\d\d)", s)
        if m:
            month, day = int(m.group(1)), int(m.group(2))
            return lambda y: valid_date(y, month, day)
        if s in MONTHS:
            month = MONTHS[s]
            return lambda y: [Date(y, month, 1)]
        m = re.fullmatch(r"(easter|orthodox)(?: ([+-]?\d+))?", s)
        if m:
            offset = int(m.group(2) or 0)
            computus = cal.easter if m.group(1) == "easter" else cal.orthodox_easter
            return lambda y: [computus(y) + offset * DAY]
        m = re.fullmatch(r"julian (\d\d)-(\d\d)", s)
        if m:
            month, day = int(m.group(1)), int(m.group(2))
            return lambda y: cal.julian_dates(y, month, day)
        m = re.fullmatch(r"(\d+) (.+?)(?: (\d{4}))?", s)
        if m:
            day, month_name = int(m.group(1)), m.group(2)
            for table, function in ((cal.HIJRI_MONTHS, cal.hijri_dates), (cal.HEBREW_MONTHS, cal.hebrew_dates)):
                lowered = {k.lower(): v for k, v in table.items()}
                if month_name in lowered and not m.group(3):
                    month = lowered[month_name]
                    return lambda y: function(y, month, day)
            lowered = {k.lower(): v for k, v in cal.PERSIAN_MONTHS.items()}
            if month_name in lowered:
                month, fixed = lowered[month_name], int(m.group(3)) if m.group(3) else None
                return lambda y: cal.persian_dates(y, month, day, fixed)
        m = re.fullmatch(r"(chinese|korean|vietnamese) (?:(\d+)-(\d+)-)?(\d+)-([01])-(\d+)", s)
        if m:
            kind, cycle, cycle_year = m.group(1), m.group(2), m.group(3)
            month, leap, day = int(m.group(4)), int(m.group(5)), int(m.group(6))
            if day == 0:
                # Day 0: the day before the month's first.
                return lambda y: [d for d in ([x - DAY for x in cal.lunisolar_dates(kind, y, month, leap, 1)] +
                                              [x - DAY for x in cal.lunisolar_dates(kind, y + 1, month, leap, 1)])
                                  if d.year == y]
            if cycle:
                wanted = (int(cycle), int(cycle_year))
                return lambda y: [d for d in cal.lunisolar_dates(kind, y, month, leap, day)
                                  if cal.lunisolar_year_in_cycle(kind, lunisolar_year_of(kind, d)) == wanted]
            return lambda y: cal.lunisolar_dates(kind, y, month, leap, day)
        m = re.fullmatch(r"(chinese|korean|vietnamese) (?:(\d+)-(\d+)-)?(\d+)-(\d+) solarterm", s)
        if m:
            if m.group(2):
                raise Unsupported("solar term of a given cycle year")
            kind, term, day = m.group(1), int(m.group(4)), int(m.group(5))
            return lambda y: cal.solar_term_dates(kind, y, term, day)
        m = re.fullmatch(r"bengali-revised (?:(\d+)-)?(\d+)-(\d+)", s)
        if m:
            fixed = int(m.group(1)) if m.group(1) else None
            month, day = int(m.group(2)), int(m.group(3))
            return lambda y: cal.bengali_revised_dates(y, month, day, fixed)
        m = re.fullmatch(r"(march|june|september|december) (equinox|solstice)(?: in (\S+))?", s)
        if m:
            month_name, zone = m.group(1), m.group(3)
            return lambda y: [season_day(y, month_name, zone)]
        raise Unsupported("date: " + s)

    def dates(self, year):
        """[(date, moved)] for the year's rule, the year checks, weekday conditions and moves applied."""
        if self.years:
            kind, n, since = self.years
            if kind == "even" and year % 2 or kind == "odd" and not year % 2:
                return []
            if kind == "leap" and not cal._is_leap(year) or kind == "non-leap" and cal._is_leap(year):
                return []
            if kind == "every" and (year < since or (year - since) % n):
                return []
        result = []
        for day in self.base(year):
            if self.since and day < self.since or self.prior and day >= self.prior:
                continue
            if self.on:
                weekdays, negated = self.on
                if (day.weekday() in weekdays) == negated:
                    continue
            moved = None
            for weekdays, direction, target in self.moves:
                if day.weekday() in weekdays:
                    moved = next_weekday(day, target, direction)
                    break
            if self.also:
                result.append((day, False))
                if moved:
                    result.append((moved, True))
            elif moved:
                result.append((moved, True))
            elif not self.substitutes:
                result.append((day, False))
        return result


def valid_date(y, month, day):
    try:
        return [Date(y, month, day)]
    except ValueError:
        return []


def nth_weekday(day, weekday, direction, count):
    """The count-th weekday on or after the day ("after"), or before it, never on it ("before")."""
    if direction == "after":
        first = day + ((weekday - day.weekday()) % 7) * DAY
        return first + 7 * (count - 1) * DAY
    first = day - ((day.weekday() - weekday - 1) % 7 + 1) * DAY
    return first - 7 * (count - 1) * DAY


def next_weekday(day, weekday, direction):
    """The next (or previous) such weekday, never the day itself."""
    if direction == "next":
        return day + ((weekday - day.weekday() - 1) % 7 + 1) * DAY
    return day - ((day.weekday() - weekday - 1) % 7 + 1) * DAY


def lunisolar_year_of(kind, day):
    """The Gregorian year in which the lunisolar year holding the day began."""
    first = cal.lunisolar_months(kind, day.year)[0][2]
    return day.year if day >= first else day.year - 1


def season_day(year, month_name, zone):
    moment = cal.season_moment(year, month_name).datetime().replace(tzinfo=datetime.timezone.utc)
    if zone:
        m = re.fullmatch(r"([+-])(\d\d):(\d\d)", zone)
        if m:
            sign = -1 if m.group(1) == "-" else 1
            offset = datetime.timedelta(hours=int(m.group(2)), minutes=int(m.group(3))) * sign
            return (moment + offset).date()
        import zoneinfo
        return moment.astimezone(zoneinfo.ZoneInfo(canonical_zone(zone))).date()
    return moment.date()


def canonical_zone(zone):
    # The data spells zones with the case of their words; the zone database wants it exact.
    return "/".join("_".join(w[:1].upper() + w[1:] for w in part.split("_")) for part in zone.split("/"))
