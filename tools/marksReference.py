#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/astro/data/marksReference.csv: the new and full moons, equinoxes and solstices of sample years,
computed with PyEphem (python3-ephem) as an independent reference for the marks on the year grid.

Run by hand with the system Python, which has ephem:
    /usr/bin/python3 tools/marksReference.py > tests/astro/data/marksReference.csv

Every 19th year from 1700 to 3000 is listed whole, from 25 December of the year before to 7 January of the year
after, so a test can take the events whose local day falls in the year for a zone of either side of Greenwich.
"year" is the sample year, "kind" one of new, full, march, june, september, december, and "ut" the moment as a
Julian day of Universal Time as PyEphem gives it.

PyEphem's moon changes to another lunar theory on 1 January 2950: from then on it stands 145" behind the moon of the
day before, and its new and full moons come some five minutes later than the same theory's would have.
"""
import ephem

DUBLIN_TO_JD = 2415020.0
FIRST_YEAR, LAST_YEAR, EVERY = 1700, 3000, 19

FINDERS = [("new", ephem.next_new_moon), ("full", ephem.next_full_moon),
           ("march", ephem.next_vernal_equinox), ("june", ephem.next_summer_solstice),
           ("september", ephem.next_autumnal_equinox), ("december", ephem.next_winter_solstice)]


def events(year):
    start = ephem.Date((year - 1, 12, 25))
    end = ephem.Date((year + 1, 1, 7))
    found = []
    for kind, finder in FINDERS:
        when = finder(start)
        while when < end:
            found.append((float(when), kind))
            when = finder(ephem.Date(when + ephem.minute))
    return sorted(found)


def main():
    print("year,kind,ut")
    for year in range(FIRST_YEAR, LAST_YEAR + 1, EVERY):
        for when, kind in events(year):
            print("%d,%s,%.6f" % (year, kind, when + DUBLIN_TO_JD))


if __name__ == "__main__":
    main()
