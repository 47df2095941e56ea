#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/astro/data/eclipseReference.csv: solar eclipses as places see them, and the moon's nearest and
farthest points of some years, computed with PyEphem (python3-ephem) as a second reference for the program's own.

Run by hand with the system Python, which has ephem:
/usr/bin/python3 tools/eclipseReference.py > tests/astro/data/eclipseReference.csv

Rows "local": a place, its latitude and longitude (east positive) and a day of a solar eclipse; the eclipse's
beginning, greatest moment and end there as Julian days (UT), and the share of the sun's disc covered at the
greatest moment. The contacts are the moments the topocentric discs of the sun and the moon touch (no refraction),
the greatest moment when their centres stand closest.
Rows "apsis": a year, "nearest" or "farthest", the moment (Julian day, UT) and the distance in km of the year's
nearest perigee and farthest apogee, the moon's centre from the earth's.
"""
import math
import ephem

DUBLIN_TO_JD = 2415020.0
EARTH_RADIUS_KM = 6378.137

LOCAL = [
    # name, latitude, longitude east, day of the eclipse (UT)
    ("Berlin", 52.52, 13.40, "2026/8/12"),
    ("Madrid", 40.42, -3.70, "2026/8/12"),
    ("Reykjavik", 64.15, -21.94, "2026/8/12"),
    ("Dallas", 32.78, -96.80, "2024/4/8"),
    ("New York", 40.71, -74.01, "2024/4/8"),
    ("London", 51.51, -0.13, "2015/3/20"),
    ("Carbondale", 37.73, -89.22, "2017/8/21"),
    ("Sydney", -33.87, 151.21, "2028/7/22"),
]

APSIS_YEARS = [1950, 2000, 2026, 2034, 2100]


def separation(observer, when):
    observer.date = when
    sun, moon = ephem.Sun(observer), ephem.Moon(observer)
    return ephem.separation((sun.az, sun.alt), (moon.az, moon.alt)), sun.radius, moon.radius


def covered(d, rs, rm):
    """The share of the sun's disc (radius rs) hidden by the moon's (radius rm) at a distance d of the centres."""
    if d >= rs + rm:
        return 0.0
    if d <= abs(rm - rs):
        return min(1.0, (rm / rs) ** 2)
    a = rs * rs * math.acos((d * d + rs * rs - rm * rm) / (2 * d * rs))
    b = rm * rm * math.acos((d * d + rm * rm - rs * rs) / (2 * d * rm))
    c = 0.5 * math.sqrt((-d + rs + rm) * (d + rs - rm) * (d - rs + rm) * (d + rs + rm))
    return (a + b - c) / (math.pi * rs * rs)


def gap(observer, when):
    d, rs, rm = separation(observer, when)
    return d - rs - rm


def root(f, a, b):
    fa = f(a)
    for _ in range(60):
        m = (a + b) / 2
        fm = f(m)
        if (fm < 0) == (fa < 0):
            a, fa = m, fm
        else:
            b = m
    return (a + b) / 2


def local_row(name, lat, lon, day):
    observer = ephem.Observer()
    observer.lat, observer.lon, observer.elevation, observer.pressure = str(lat), str(lon), 0, 0
    start = ephem.Date(day)
    step = ephem.minute * 2
    samples = [start + k * step for k in range(int(1 / step) + 1)]
    best = min(samples, key=lambda t: separation(observer, t)[0])
    a, b = best - step, best + step
    for _ in range(80):  # golden-section search for the closest approach
        m1, m2 = a + (b - a) * 0.382, a + (b - a) * 0.618
        if separation(observer, m1)[0] < separation(observer, m2)[0]:
            b = m2
        else:
            a = m1
    peak = (a + b) / 2
    d, rs, rm = separation(observer, peak)
    begin = root(lambda t: gap(observer, t), peak - 0.2, peak)
    end = root(lambda t: gap(observer, t), peak, peak + 0.2)
    return "local,%s,%.2f,%.2f,%.6f,%.6f,%.6f,%.4f" % (
        name, lat, lon, float(begin) + DUBLIN_TO_JD, float(peak) + DUBLIN_TO_JD, float(end) + DUBLIN_TO_JD,
        covered(d, rs, rm))


def moon_km(when):
    return ephem.Moon(ephem.Date(when)).earth_distance * ephem.meters_per_au / 1000


def apsis_rows(year):
    start, end = ephem.Date("%d/1/1" % year), ephem.Date("%d/1/1" % (year + 1))
    hours = [start + k * ephem.hour for k in range(int((end - start) / ephem.hour) + 1)]
    distances = [moon_km(t) for t in hours]
    perigees, apogees = [], []
    for k in range(1, len(hours) - 1):
        for extremes, sign in ((perigees, 1), (apogees, -1)):
            if sign * distances[k] <= sign * distances[k - 1] and sign * distances[k] < sign * distances[k + 1]:
                a, b = hours[k - 1], hours[k + 1]
                for _ in range(60):
                    m1, m2 = a + (b - a) * 0.382, a + (b - a) * 0.618
                    if sign * moon_km(m1) < sign * moon_km(m2):
                        b = m2
                    else:
                        a = m1
                t = (a + b) / 2
                extremes.append((t, moon_km(t)))
    nearest = min(perigees, key=lambda p: p[1])
    farthest = max(apogees, key=lambda p: p[1])
    return ["apsis,%d,%s,%.6f,%.1f" % (year, which, float(t) + DUBLIN_TO_JD, km)
            for which, (t, km) in (("nearest", nearest), ("farthest", farthest))]


def main():
    print("kind,fields...")
    for row in LOCAL:
        print(local_row(*row))
    for year in APSIS_YEARS:
        for line in apsis_rows(year):
            print(line)


if __name__ == "__main__":
    main()
