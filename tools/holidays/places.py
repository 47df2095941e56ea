#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes assets/holidays/places.txt: places of the regions the holidays know, to tell a region by the user's place.

A time zone often spans a country's regions (Europe/Berlin is all of Germany): the region of the user's place is
then told by the nearest of the known places. The places are the cities and weather stations of libgweather's
Locations.xml, under the states it lists; a state is matched to a region of the holidays (assets/holidays/index.txt)
by its name, in English or translated by libgweather's own translations into the country's languages
(Bavaria: Bayern, DE-BY), or by a name that ends the other (Bremen: Hansestadt Bremen). States matching no region, or
several, are left out; so are states without places (Brandenburg in libgweather 4.2), places off the earth and
places far from the rest of their region's (misfiled).

    /usr/bin/python3 tools/holidays/places.py --out assets/holidays
"""

import argparse
import gettext
import math
import os
import unicodedata
import xml.etree.ElementTree as ElementTree

LOCATIONS = "/usr/share/libgweather-4/Locations.xml"
LOCALE = "/usr/share/locale"
DOMAIN = "libgweather-4.0-locations"


def fold(text):
    """A name as compared: accents dropped, case folded, only letters and digits."""
    plain = unicodedata.normalize("NFKD", text)
    return "".join(c for c in plain.casefold() if c.isalnum())


def translations(languages):
    """libgweather's translations into each of the languages that has them."""
    found = []
    for language in languages:
        for code in (language.replace("-", "_"), language.split("-")[0]):
            path = os.path.join(LOCALE, code, "LC_MESSAGES", DOMAIN + ".mo")
            if os.path.exists(path):
                with open(path, "rb") as mo:
                    found.append(gettext.GNUTranslations(mo))
                break
    return found


def regions_of(index_path):
    """The countries' languages and their top regions' folded names: {country: (languages, {folded: code})}."""
    countries = {}
    for line in open(index_path, encoding="utf-8"):
        fields = line.rstrip("\n").split("\t")
        if fields[0] == "C":
            countries[fields[1]] = (fields[2].split(",") if fields[2] else [], {})
        elif fields[0] == "R" and fields[1].count("-") == 1:
            country = fields[1].split("-")[0]
            for named in fields[3:]:
                name = named.split("=", 1)[1]
                countries[country][1][fold(name)] = fields[1]
    return countries


def state_names(state, tongues):
    """A state's English name and its translations."""
    node = state.find("_name")
    english = node.text
    context = node.get("msgctxt")
    names = [english]
    for tongue in tongues:
        names.append(tongue.pgettext(context, english) if context else tongue.gettext(english))
    return names


def match(names, regions):
    """The region a state's names name: the same name, else the one region whose name ends one of them or is ended
    by one."""
    folded = [fold(n) for n in names if n]
    for name in folded:
        if name in regions:
            return regions[name]
    # One name ends the other: "Hansestadt Bremen" and Bremen, "North East England" and England; not "Brussels,
    # Flemish and Walloon Brabant" and Brussels.
    near = {code for region, code in regions.items() for name in folded if name.endswith(region) or region.endswith(name)}
    return near.pop() if len(near) == 1 else None


def kilometres(a, b):
    """Great-circle distance between two (latitude, longitude) points in degrees."""
    la1, lo1, la2, lo2 = (math.radians(v) for v in (a[0], a[1], b[0], b[1]))
    h = math.sin((la2 - la1) / 2) ** 2 + math.cos(la1) * math.cos(la2) * math.sin((lo2 - lo1) / 2) ** 2
    return 2 * 6371 * math.asin(min(1, math.sqrt(h)))


def plausible(found):
    """The places without the misfiled: on the earth, and within 1,500 km of the middle of their region's places
    (a lake of Ontario filed under British Columbia is not). Far islands of a large region may go with them: their
    people are then asked for their region, never given another's."""
    kept = {}
    for region, points in found.items():
        points = [(la, lo) for la, lo in points if -90 <= la <= 90 and -180 <= lo <= 180]
        if not points:
            continue
        middle = (sorted(la for la, _ in points)[len(points) // 2], sorted(lo for _, lo in points)[len(points) // 2])
        kept[region] = [p for p in points if kilometres(p, middle) <= 1500]
    return kept


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="the folder of the program's holiday files (assets/holidays)")
    parser.add_argument("--locations", default=LOCATIONS, help="libgweather's Locations.xml")
    args = parser.parse_args()
    countries = regions_of(os.path.join(args.out, "index.txt"))
    lines = []
    found = {}
    for country in ElementTree.parse(args.locations).getroot().iter("country"):
        code = country.findtext("iso-code")
        if code not in countries or not countries[code][1]:
            continue
        languages, regions = countries[code]
        tongues = translations(languages)
        for state in country.findall("state"):
            region = match(state_names(state, tongues), regions)
            if region is None:
                continue
            points = set()
            for place in state.iter():
                if place.tag in ("city", "location") and place.findtext("coordinates"):
                    latitude, longitude = (float(v) for v in place.findtext("coordinates").split())
                    points.add((round(latitude, 2), round(longitude, 2)))
            found.setdefault(region, set()).update(points)
    for region, points in plausible(found).items():
        lines += ["%s\t%.2f\t%.2f" % (region, la, lo) for la, lo in sorted(points)]
    with open(os.path.join(args.out, "places.txt"), "w", encoding="utf-8") as out:
        out.write("# Generated by tools/holidays/places.py from libgweather's Locations.xml; do not edit.\n")
        out.write("# region\tlatitude\tlongitude (degrees, north and east positive)\n")
        out.write("\n".join(sorted(lines)) + "\n")


if __name__ == "__main__":
    main()
