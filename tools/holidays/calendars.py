# SPDX-License-Identifier: GPL-3.0-or-later
"""The calendars the holiday rules name, each as a function giving the Gregorian dates (datetime.date) of one of its
dates that fall in a Gregorian year. Written from the calendars' published definitions: the Gregorian and Julian
computus, the arithmetic Hebrew and Persian calendars, the Bengali calendar as Bangladesh revised it, and, for the
lunar calendars, new moons and solar longitudes from PyEphem."""
import datetime
import functools
import math

import ephem

Date = datetime.date
ONE_DAY = datetime.timedelta(days=1)


# Julian day number of a Gregorian or Julian calendar date (Fliegel and Van Flandern's forms).
def jdn_gregorian(y, m, d):
    a = (14 - m) // 12
    yy, mm = y + 4800 - a, m + 12 * a - 3
    return d + (153 * mm + 2) // 5 + 365 * yy + yy // 4 - yy // 100 + yy // 400 - 32045


def jdn_julian(y, m, d):
    a = (14 - m) // 12
    yy, mm = y + 4800 - a, m + 12 * a - 3
    return d + (153 * mm + 2) // 5 + 365 * yy + yy // 4 - 32083


def from_jdn(jdn):
    return Date.fromordinal(jdn - 1721425)


def to_jdn(date):
    return date.toordinal() + 1721425


def easter(year):
    """Western Easter Sunday (the anonymous Gregorian computus)."""
    a, b, c = year % 19, year // 100, year % 100
    d, e = b // 4, b % 4
    f = (b + 8) // 25
    g = (b - f + 1) // 3
    h = (19 * a + b - d - g + 15) % 30
    i, k = c // 4, c % 4
    l = (32 + 2 * e + 2 * i - h - k) % 7
    m = (a + 11 * h + 22 * l) // 451
    month = (h + l - 7 * m + 114) // 31
    day = (h + l - 7 * m + 114) % 31 + 1
    return Date(year, month, day)


def orthodox_easter(year):
    """Orthodox Easter Sunday: the Julian computus, as a Gregorian date."""
    a, b, c = year % 4, year % 7, year % 19
    d = (19 * c + 15) % 30
    e = (2 * a + 4 * b - d + 34) % 7
    month = (d + e + 114) // 31
    day = (d + e + 114) % 31 + 1
    return from_jdn(jdn_julian(year, month, day))


def julian_dates(year, month, day):
    """The Julian calendar's month-day as Gregorian dates within the Gregorian year."""
    found = []
    for y in (year - 1, year, year + 1):
        try:
            date = from_jdn(jdn_julian(y, month, day))
        except ValueError:
            continue
        if date.year == year:
            found.append(date)
    return found


# ---- Hebrew calendar (arithmetic, after Dershowitz and Reingold's "Calendrical Calculations") ----
HEBREW_EPOCH = -1373427  # R.D. of 1 Tishrei A.M. 1


def hebrew_leap(y):
    return (7 * y + 1) % 19 < 7


def hebrew_months_in_year(y):
    return 13 if hebrew_leap(y) else 12


def hebrew_elapsed_days(y):
    months = (235 * y - 234) // 19
    parts = 12084 + 13753 * months
    day = 29 * months + parts // 25920
    return day + 1 if (3 * (day + 1)) % 7 < 3 else day


def hebrew_year_delay(y):
    ny0, ny1, ny2 = hebrew_elapsed_days(y - 1), hebrew_elapsed_days(y), hebrew_elapsed_days(y + 1)
    if ny2 - ny1 == 356:
        return 2
    if ny1 - ny0 == 382:
        return 1
    return 0


def hebrew_new_year(y):
    return HEBREW_EPOCH + hebrew_elapsed_days(y) + hebrew_year_delay(y)


def hebrew_days_in_year(y):
    return hebrew_new_year(y + 1) - hebrew_new_year(y)


def hebrew_month_length(y, m):
    if m in (2, 4, 6, 10, 13):
        return 29
    if m == 12 and not hebrew_leap(y):
        return 29
    if m == 8 and hebrew_days_in_year(y) % 10 != 5:
        return 29
    if m == 9 and hebrew_days_in_year(y) % 10 == 3:
        return 29
    return 30


def hebrew_to_ordinal(y, m, d):
    """Months numbered from Nisan (1) to Adar (12) and Adar II (13); the year begins at Tishrei (7)."""
    rd = hebrew_new_year(y) + d - 1
    if m < 7:
        for mm in range(7, hebrew_months_in_year(y) + 1):
            rd += hebrew_month_length(y, mm)
        for mm in range(1, m):
            rd += hebrew_month_length(y, mm)
    else:
        for mm in range(7, m):
            rd += hebrew_month_length(y, mm)
    return rd


HEBREW_MONTHS = {"Nisan": 1, "Iyyar": 2, "Sivan": 3, "Tamuz": 4, "Av": 5, "Elul": 6, "Tishrei": 7, "Cheshvan": 8,
                 "Kislev": 9, "Tevet": 10, "Shvat": 11, "Adar": 12, "AdarII": 13}


def hebrew_dates(year, month, day):
    """"Adar" is Adar II in a leap year, where Purim is kept; "AdarII" is Adar II, or Adar in a common year."""
    found = []
    for hy in (year + 3760, year + 3761):
        m = month
        if hebrew_leap(hy) and m == 12:
            m = 13
        if not hebrew_leap(hy) and m == 13:
            m = 12
        if day > hebrew_month_length(hy, m):
            continue
        date = Date.fromordinal(hebrew_to_ordinal(hy, m, day))
        if date.year == year:
            found.append(date)
    return found


# ---- Astronomy through PyEphem: times are ephem.Date (days since 1899-12-31 12:00 UT) ----
def to_local_date(ephem_date, offset_hours):
    return (ephem.Date(ephem_date).datetime() + datetime.timedelta(hours=offset_hours)).date()


@functools.lru_cache(maxsize=None)
def new_moons(first_year, last_year):
    """Every new moon from the start of first_year to the end of last_year, as ephem dates."""
    found = []
    moment = ephem.Date("%d/1/1" % first_year) - 40
    end = ephem.Date("%d/1/1" % (last_year + 1)) + 40
    while moment < end:
        moment = ephem.next_new_moon(moment + 1e-3)
        found.append(float(moment))
    return tuple(found)


def sun_longitude(moment):
    sun = ephem.Sun(ephem.Date(moment))
    return math.degrees(float(ephem.Ecliptic(sun, epoch=ephem.Date(moment)).lon))


def solar_term_moment(longitude, after):
    """The first moment after `after` at which the sun's apparent longitude reaches `longitude` degrees."""
    current = sun_longitude(after)
    delta = (longitude - current) % 360.0
    guess = after + delta / 360.0 * 365.2422
    for _ in range(20):
        diff = ((longitude - sun_longitude(guess) + 180.0) % 360.0) - 180.0
        guess += diff / 360.0 * 365.2422
        if abs(diff) < 1e-7:
            break
    return guess


# ---- Chinese, Korean and Vietnamese lunisolar calendars ----
LUNISOLAR_OFFSETS = {"chinese": 8, "korean": 9, "vietnamese": 7}


@functools.lru_cache(maxsize=None)
def lunisolar_months(kind, year):
    """The months of the lunisolar year that begins (month 1, day 1) in the Gregorian `year`: a list of
    (month number, leap, first day) in order, local days of the calendar's meridian."""
    offset = LUNISOLAR_OFFSETS[kind]

    def day_of(moment):
        return to_local_date(moment, offset)

    def solstice(y):
        return float(ephem.next_winter_solstice(ephem.Date("%d/12/1" % y)))

    moons = new_moons(year - 2, year + 2)

    def month_starts_between(a, b):
        return [m for m in moons if a <= m < b]

    def month_containing(moment):
        # The new moon whose local day is on or before the moment's local day.
        day = day_of(moment)
        return max(m for m in moons if day_of(m) <= day)

    def sui(y):
        """Months from the 11th month of y-1 (holding the December solstice) to before the 11th of y."""
        start = month_containing(solstice(y - 1))
        end = month_containing(solstice(y))
        starts = [m for m in moons if start <= m < end]
        return starts, end

    result = []
    for sui_year in (year, year + 1):
        starts, end = sui(sui_year)
        leap_index = None
        if len(starts) == 13:
            # The first month without a principal term (a multiple of 30 degrees of solar longitude) is the leap month.
            for i, s in enumerate(starts):
                nxt = starts[i + 1] if i + 1 < len(starts) else end
                term = solar_term_moment(math.ceil(sun_longitude(s) / 30.0) * 30.0 % 360.0, s - 1)
                while day_of(term) < day_of(s):
                    term = solar_term_moment((sun_longitude(term) + 30.0) // 30.0 * 30.0 % 360.0, term + 1)
                if not day_of(term) < day_of(nxt):
                    leap_index = i
                    break
        number = 11
        for i, s in enumerate(starts):
            leap = i == leap_index
            if i > 0 and not leap:
                number = number % 12 + 1
            result.append((number, leap, day_of(s)))
    # Keep the months from the first month 1 in `year` up to the next month 1.
    firsts = [i for i, (n, leap, d) in enumerate(result) if n == 1 and not leap]
    begin = firsts[0]
    finish = firsts[1] if len(firsts) > 1 else len(result)
    return result[begin:finish]


def lunisolar_dates(kind, year, month, leap, day):
    """A lunisolar month and day in the Gregorian year, from the lunisolar years beginning in year-1 and year.
    Day 0 is the last day of the month before."""
    found = []
    for ly in (year - 1, year):
        months = lunisolar_months(kind, ly)
        for i, (n, is_leap, first) in enumerate(months):
            if n == month and is_leap == bool(leap):
                length = ((months[i + 1][2] if i + 1 < len(months) else lunisolar_months(kind, ly + 1)[0][2])
                          - first).days
                if day > length:
                    continue
                date = first + datetime.timedelta(days=day - 1)
                if date.year == year:
                    found.append(date)
    return found


def lunisolar_year_in_cycle(kind, year):
    """(cycle, year in the 60-year cycle) of the lunisolar year beginning in the Gregorian `year`: 2024 is the 41st
    year of the 78th cycle."""
    n = year - 2024 + 40
    return 78 + n // 60, n % 60 + 1


def solar_term_dates(kind, year, term, day):
    """Day `day` (1 = the term's own day) of solar term `term` (1 = 315 degrees, the start of spring)."""
    offset = LUNISOLAR_OFFSETS[kind]
    longitude = (315 + 15 * (term - 1)) % 360
    moment = solar_term_moment(longitude, float(ephem.Date("%d/1/1" % year)) - 1)
    date = to_local_date(moment, offset) + datetime.timedelta(days=day - 1)
    return [date] if date.year == year else []


# ---- Equinoxes and solstices ----
SEASONS = {"march": ephem.next_vernal_equinox, "june": ephem.next_summer_solstice,
           "september": ephem.next_autumnal_equinox, "december": ephem.next_winter_solstice}


def season_moment(year, month_name):
    return SEASONS[month_name](ephem.Date("%d/1/1" % year))


# ---- Islamic (Hijri) calendar ----
HIJRI_MONTHS = {"Muharram": 1, "Safar": 2, "Rabi al-awwal": 3, "Rabi al-thani": 4, "Jumada al-awwal": 5,
                "Jumada al-thani": 6, "Rajab": 7, "Shaban": 8, "Ramadan": 9, "Shawwal": 10, "Dhu al-Qidah": 11,
                "Dhu al-Hijjah": 12}


@functools.lru_cache(maxsize=None)
def hijri_month_starts(first_year, last_year):
    """First days of the Hijri months by the Umm al-Qura rule used in Saudi Arabia since 1420 AH: a month begins on
    the day after the 29th when, that evening at Mecca, the new moon was born before sunset and the moon sets after
    the sun. Returns a sorted list of (hijri year, month, first day)."""
    mecca = ephem.Observer()
    mecca.lat, mecca.lon, mecca.elevation = "21.4225", "39.8262", 0
    mecca.pressure = 0
    mecca.horizon = "-0:34"
    starts = []
    for conjunction in new_moons(first_year, last_year):
        # The Gregorian day in Mecca (UTC+3) of the conjunction.
        day = to_local_date(conjunction, 3)
        # Sunset and moonset on that day at Mecca.
        mecca.date = ephem.Date(datetime.datetime(day.year, day.month, day.day, 9, 0) - datetime.timedelta(hours=3))
        sunset = mecca.next_setting(ephem.Sun())
        moonset = mecca.next_setting(ephem.Moon())
        if conjunction < sunset and moonset > sunset:
            first = day + ONE_DAY
        else:
            first = day + 2 * ONE_DAY
        starts.append(first)
    # Number the months: 1 Muharram 1446 AH was 7 July 2024.
    anchor = Date(2024, 7, 7)
    index = min(range(len(starts)), key=lambda i: abs((starts[i] - anchor).days))
    result = []
    for i, first in enumerate(starts):
        k = i - index + 1446 * 12
        result.append((k // 12, k % 12 + 1, first))
    return tuple(result)


def hijri_dates(year, month, day):
    found = []
    starts = hijri_month_starts(1968, 2102)
    for i, (hy, hm, first) in enumerate(starts[:-1]):
        if hm != month:
            continue
        length = (starts[i + 1][2] - first).days
        if day > length:
            continue
        date = first + datetime.timedelta(days=day - 1)
        if date.year == year:
            found.append(date)
    return found


# ---- Persian (Solar Hijri) calendar: the 33-year arithmetic cycle of the Iranian calendar's common tables ----
PERSIAN_MONTHS = {"Farvardin": 1, "Ordibehesht": 2, "Khordad": 3, "Tir": 4, "Mordad": 5, "Shahrivar": 6, "Mehr": 7,
                  "Aban": 8, "Azar": 9, "Dey": 10, "Bahman": 11, "Esfand": 12}


@functools.lru_cache(maxsize=None)
def persian_new_year(py):
    """1 Farvardin of Persian year py: the day whose noon in Tehran (52.5 degrees east, UTC+3:30) follows the March
    equinox, the calendar's astronomical rule."""
    gy = py + 621
    equinox = ephem.next_vernal_equinox(ephem.Date("%d/1/1" % gy))
    local = ephem.Date(equinox).datetime() + datetime.timedelta(hours=3.5)
    day = local.date()
    if local.hour >= 12:
        day += ONE_DAY
    return day


def persian_dates(year, month, day, fixed_year=None):
    found = []
    for py in (year - 622, year - 621):
        if fixed_year is not None and py != fixed_year:
            continue
        start = persian_new_year(py)
        offset = (month - 1) * 31 if month <= 7 else 6 * 31 + (month - 7) * 30
        length = 31 if month <= 6 else 30
        if month == 12:
            length = (persian_new_year(py + 1) - start).days - 336
        if day > length:
            continue
        date = start + datetime.timedelta(days=offset + day - 1)
        if date.year == year:
            found.append(date)
    return found


# ---- Bengali calendar as revised in Bangladesh in 1987: 1 Boishakh on 14 April, months 1-5 of 31 days, the others
# of 30 and Falgun (11) of 31 in a year whose Falgun holds a Gregorian leap day. The data set's rules are written for
# this form (its 2019 revision would move them by a day) ----
def bengali_revised_dates(year, month, day, fixed_year=None):
    found = []
    for by in (year - 594, year - 593):
        if fixed_year is not None and by != fixed_year:
            continue
        gy = by + 593
        start = Date(gy, 4, 14)
        lengths = [31] * 5 + [30] * 5 + [31 if _is_leap(gy + 1) else 30, 30]
        if day > lengths[month - 1]:
            continue
        date = start + datetime.timedelta(days=sum(lengths[:month - 1]) + day - 1)
        if date.year == year:
            found.append(date)
    return found


def _is_leap(y):
    return y % 4 == 0 and (y % 100 != 0 or y % 400 == 0)
