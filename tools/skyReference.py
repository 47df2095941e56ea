#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/astro/data/skyReference.csv: the sun, moon and phase events of sample days and places, computed
with PyEphem (python3-ephem) as an independent reference for the program's own sky figures.

Run by hand with the system Python, which has ephem: /usr/bin/python3 tools/skyReference.py > tests/astro/data/skyReference.csv
With the argument "evenings" it writes tests/astro/data/eveningPhases.csv instead: the moon's elongation at 18:00 UT
of every 97th day from 1 January 1700 to the end of 3000, for the toolbar's moon picture.

Each day is the local day of a fixed offset (whole hours east of Greenwich): from local 00:00 for 24 hours. Times are
Julian days (UT). The sun's and moon's centres rise and set at -0.833 degrees of geometric altitude (pressure 0: no
refraction beyond the horizon's own allowance), the twilights at -6, -12 and -18 degrees; the moon is topocentric.
The golden hour's edges are the sun's centre at -4 and +6 degrees. Directions ("...Azimuth") and the sun's height at
solar noon ("noonAltitude") are degrees, geometric, the moon's topocentric, each at the reference's own moment of
the event. A "-" means the day has no such event. "phase18" is the moon's elongation in ecliptic longitude at 18:00 local time,
in radians (0 new moon, pi full), and "lit18" the lit share of its disc then (0..1).
"""
import math
import ephem

PLACES = [
    # name, latitude (north positive), longitude (east positive), offset hours
    ("Quito", -0.18, -78.47, -5),
    ("Singapore", 1.35, 103.82, 7),
    ("Nairobi", -1.29, 36.82, 2),
    ("New York", 40.71, -74.01, -5),
    ("Sydney", -33.87, 151.21, 10),
    ("Berlin", 52.52, 13.40, 1),
    ("Ushuaia", -54.80, -68.30, -5),
    ("Reykjavik", 64.15, -21.94, -1),
    ("Tromso", 69.65, 18.96, 1),
    ("Hammerfest", 70.66, 23.68, 2),
]

DAYS = ["1700-03-20", "1750-06-21", "1800-09-23", "1850-12-21", "1900-01-15", "1950-05-05", "2000-07-30",
        "2024-06-21", "2024-12-21", "2026-02-01", "2026-03-29", "2026-10-25", "2100-04-10", "2250-08-08",
        "2500-11-11", "2750-02-14", "3000-06-21", "3000-12-21"]

SUN_EVENTS = [("astronomicalDawn", -18, True), ("nauticalDawn", -12, True), ("civilDawn", -6, True),
              ("sunrise", -0.833, True), ("sunset", -0.833, False), ("civilDusk", -6, False),
              ("nauticalDusk", -12, False), ("astronomicalDusk", -18, False),
              ("goldenMorningStart", -4, True), ("goldenMorningEnd", 6, True), ("goldenEveningStart", 6, False),
              ("goldenEveningEnd", -4, False)]

DUBLIN_TO_JD = 2415020.0


def jd(date):
    return float(date) + DUBLIN_TO_JD


def crossing(observer, body, horizon, rising, start, end):
    observer.date = start
    observer.horizon = str(horizon)
    try:
        when = observer.next_rising(body, use_center=True) if rising else observer.next_setting(body, use_center=True)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    return when if when < end else None


def elongation(when):
    moon, sun = ephem.Moon(when), ephem.Sun(when)
    lm = ephem.Ecliptic(moon, epoch=when).lon
    ls = ephem.Ecliptic(sun, epoch=when).lon
    return (lm - ls) % (2 * math.pi)


def main():
    print("place,latitude,longitude,offset,day,event,value")
    for name, lat, lon, offset in PLACES:
        for day in DAYS:
            y, m, d = (int(p) for p in day.split("-"))
            start = ephem.Date(ephem.Date((y, m, d)) - offset * ephem.hour)
            end = ephem.Date(start + 1)
            observer = ephem.Observer()
            observer.lat, observer.lon = str(lat), str(lon)
            observer.elevation = 0
            observer.pressure = 0
            rows = []
            for event, horizon, rising in SUN_EVENTS:
                rows.append((event, crossing(observer, ephem.Sun(), horizon, rising, start, end)))
            observer.date = start
            observer.horizon = "0"
            noon = observer.next_transit(ephem.Sun())
            rows.append(("solarNoon", noon if noon < end else None))
            rows.append(("moonrise", crossing(observer, ephem.Moon(), -0.833, True, start, end)))
            rows.append(("moonset", crossing(observer, ephem.Moon(), -0.833, False, start, end)))
            moments = dict(rows)
            angles = [("sunriseAzimuth", ephem.Sun(), moments["sunrise"], "az"),
                      ("sunsetAzimuth", ephem.Sun(), moments["sunset"], "az"),
                      ("moonriseAzimuth", ephem.Moon(), moments["moonrise"], "az"),
                      ("moonsetAzimuth", ephem.Moon(), moments["moonset"], "az"),
                      ("noonAltitude", ephem.Sun(), moments["solarNoon"], "alt")]
            rows.append(("newMoon", ephem.next_new_moon(start)))
            rows.append(("firstQuarter", ephem.next_first_quarter_moon(start)))
            rows.append(("fullMoon", ephem.next_full_moon(start)))
            rows.append(("lastQuarter", ephem.next_last_quarter_moon(start)))
            for event, when in rows:
                value = "-" if when is None else "%.6f" % jd(when)
                print("%s,%.2f,%.2f,%d,%s,%s,%s" % (name, lat, lon, offset, day, event, value))
            for event, body, when, which in angles:
                value = "-"
                if when is not None:
                    observer.date = when
                    body.compute(observer)
                    value = "%.4f" % math.degrees(getattr(body, which))
                print("%s,%.2f,%.2f,%d,%s,%s,%s" % (name, lat, lon, offset, day, event, value))
            print("%s,%.2f,%.2f,%d,%s,phase18,%.6f" % (name, lat, lon, offset, day,
                                                        elongation(ephem.Date(start + 18 * ephem.hour))))
            # ephem's "phase" (percent lit, from the bodies' places); its "moon_phase" drifts from it by a few
            # percent far from the present (6.6 % against 7.8 % lit on 21 June 3000).
            print("%s,%.2f,%.2f,%d,%s,lit18,%.6f" % (name, lat, lon, offset, day,
                                                      ephem.Moon(ephem.Date(start + 18 * ephem.hour)).phase / 100))


def evenings():
    print("day,phase18")
    day = ephem.Date((1700, 1, 1, 18))
    end = ephem.Date((3001, 1, 1))
    while day < end:
        y, m, d, _, _, _ = day.tuple()
        print("%04d-%02d-%02d,%.6f" % (y, m, d, elongation(day)))
        day = ephem.Date(day + 97)


if __name__ == "__main__":
    import sys
    evenings() if sys.argv[1:] == ["evenings"] else main()
