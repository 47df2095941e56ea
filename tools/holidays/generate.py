#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the date-holidays data set (its data/countries/*.yaml and data/names.yaml) into the files the program
ships in assets/holidays/: an index of the countries and their regions, and one file per country with the dates of
its public holidays, bank holidays and observances from FIRST_YEAR to LAST_YEAR, each region as its differences
from the country. Rules this evaluator cannot compute are listed in unsupported.txt beside this script.

Run by hand with the system Python (python3-yaml and python3-ephem from Debian's packages):
    tools/holidays/fetch.sh /tmp/date-holidays        # the pinned release, once
    /usr/bin/python3 tools/holidays/generate.py --source /tmp/date-holidays --out assets/holidays
The files are UTF-8 text, one record a line, fields separated by tabs, "#" lines comments:
    index.txt  V <format> <first year> <last year> <data set version>
               C <country> <languages,> <zones,> <lang>=<name>...      a country, then its regions:
               R <country>-<region>[-<subregion>] <zones,> <lang>=<name>...
    XX.txt     V <format> <first year> <last year> <data set version> <country>
               L <languages,>                                           the country's own, the main one first
               N <id> <lang>=<name>...                                  a holiday's names
               H <id> <p|b|o> <name id> <dates>                         a holiday: public, bank or observance
               C <holiday ids,>                                         the country's holidays
               R <region> <ids removed,> <ids added,>                   a region as its differences
    <dates> are tokens separated by spaces: "MMDD:Y1-Y2" the same day each year from Y1 to Y2, "MMDD:Y" one
    date, "~Y:" then two base-36 digits a year from Y on, the day of the year ("00" for none).
With --check, the dates are also compared with the data set's own test fixtures (test/fixtures of its repository),
unit by unit, and the differences written to the given file.
"""
import argparse
import collections
import datetime
import glob
import json
import os
import re
import sys

import yaml

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import rules  # noqa: E402

FIRST_YEAR, LAST_YEAR = 1970, 2100
FORMAT_VERSION = 1
KINDS = {"public": "p", "bank": "b", "observance": "o"}
STRENGTH = {"public": 0, "bank": 1, "optional": 2, "school": 3, "observance": 4}
# Names are kept in these languages and the country's own; the program falls back to the country's, then English.
KEPT_LANGUAGES = ("en", "de", "fr", "es")
# The data set's language codes that are not ISO 639-1.
LANGUAGE_CODES = {"jp": "ja", "cz": "cs", "ge": "ka"}


class DataLoader(yaml.SafeLoader):
    """YAML 1.2's core types, as the data set's own reader sees them: "no" is Norwegian, not false, and a date
    written without quotes stays text."""


DataLoader.yaml_implicit_resolvers = {
    first: [(tag, regexp) for tag, regexp in resolvers
            if tag not in ("tag:yaml.org,2002:bool", "tag:yaml.org,2002:timestamp")]
    for first, resolvers in yaml.SafeLoader.yaml_implicit_resolvers.items()}
DataLoader.add_implicit_resolver("tag:yaml.org,2002:bool", re.compile(r"^(?:true|True|TRUE|false|False|FALSE)$"),
                                 list("tTfF"))


def load_yaml(path):
    with open(path, encoding="utf-8") as f:
        return yaml.load(f, Loader=DataLoader)


def language(code):
    code = str(code).lower()
    return LANGUAGE_CODES.get(code, code)


class DataSet:
    def __init__(self, source):
        self.holidays = {}
        for path in sorted(glob.glob(os.path.join(source, "data", "countries", "*.yaml"))):
            content = load_yaml(path) or {}
            self.holidays.update(content.get("holidays") or {})
        self.names = load_yaml(os.path.join(source, "data", "names.yaml"))["names"]
        with open(os.path.join(source, "package.json"), encoding="utf-8") as f:
            self.version = json.load(f)["version"]
        self.unsupported = collections.defaultdict(set)  # rule -> units
        self.only = None

    def node(self, path):
        node = self.holidays
        for part in path:
            node = node[part]
        return node

    def units(self):
        """(code, path) of every country, state and region: ("DE-BY-A", ["DE", "states", "BY", "regions", "A"])."""
        for cc in sorted(self.holidays):
            if self.only and cc not in self.only:
                continue
            yield cc, [cc]
            country = self.holidays[cc]
            for kind in ("states", "regions"):
                for sc, state in sorted((country.get(kind) or {}).items(), key=lambda kv: str(kv[0])):
                    yield "%s-%s" % (cc, sc), [cc, kind, sc]
                    for rc in sorted((state or {}).get("regions") or {}, key=str):
                        yield "%s-%s-%s" % (cc, sc, rc), [cc, kind, sc, "regions", rc]

    def days(self, path):
        """The unit's rules: each node along the path adds its referenced days (_days), then its own."""
        merged = {}
        for length in range(1, len(path) + 1):
            if length > 1 and path[length - 1] in ("states", "regions"):
                continue
            node = self.node(path[:length]) or {}
            reference = node.get("_days")
            if reference:
                # The days referred to already hold their own parents' (a territory's refer to the country's).
                merged = {}
                merge_days(merged, self.days([reference] if isinstance(reference, str) else list(reference)))
            merge_days(merged, node.get("days") or {})
        return merged

    def langs(self, path):
        return [language(x) for x in self.node(path[:1]).get("langs") or ["en"]]

    def name_of(self, attrs):
        if "_name" in attrs:
            entry = self.names.get(str(attrs["_name"]))
            if entry is None:
                raise rules.Unsupported("name reference: %s" % attrs["_name"])
            names = entry.get("name", {})
        else:
            names = attrs.get("name") or {}
        if isinstance(names, str):
            names = {"en": names}
        return {language(k): str(v) for k, v in names.items() if isinstance(v, str)}

    def substitute_suffixes(self):
        return {language(k): v for k, v in self.names["substitutes"]["name"].items()}


def merge_days(merged, days):
    for key, value in days.items():
        key = str(key)
        if value is False:
            merged.pop(key, None)
        elif isinstance(value, dict) and isinstance(merged.get(key), dict):
            # A rule given again replaces the one before; only its name, when it names none, stays.
            kept = {k: v for k, v in merged[key].items() if k in ("name", "_name")}
            merged[key] = dict(value) if ("name" in value or "_name" in value) else {**kept, **value}
        elif isinstance(value, dict):
            merged[key] = dict(value)


def parse_date_list(values):
    found = set()
    for value in values or []:
        m = re.match(r"(\d{4})(?:-(\d\d)-(\d\d))?", str(value))
        if m:
            found.add(datetime.date(int(m.group(1)), int(m.group(2) or 1), int(m.group(3) or 1)))
    return found


def active_on(periods, day):
    if not periods:
        return True
    for period in periods:
        start = parse_date_list([period.get("from")]) if period.get("from") else set()
        end = parse_date_list([period.get("to")]) if period.get("to") else set()
        if (not start or day >= min(start)) and (not end or day < min(end)):
            return True
    return False


def primary_name(names, langs):
    return next((names[lang] for lang in langs + ["en"] if lang in names), next(iter(names.values()), ""))


Occurrence = collections.namedtuple("Occurrence", "date kind names rule moved later_day")


def evaluate(data, code, path):
    """Every occurrence of the unit's holidays from FIRST_YEAR to LAST_YEAR, of every kind the data set names."""
    parsed = []
    for key, attrs in data.days(path).items():
        try:
            rule = rules.Rule(key)
            names = data.name_of(attrs)
        except rules.Unsupported as e:
            data.unsupported["%s  (%s)" % (key, e)].add(code)
            continue
        parsed.append((key, attrs, rule, names))

    by_year = collections.defaultdict(list)
    langs = data.langs(path)

    def add(year_list, key, attrs, day, moved, names, span=1):
        # A holiday of several days (Eid al-Fitr's three in some countries) marks each of them.
        for i in range(span):
            year_list.append(Occurrence(day + i * rules.DAY, str(attrs.get("type", "public")), names, key, moved,
                                        i > 0))

    # Rules that look at other holidays of the year come last, with the others known.
    plain = [p for p in parsed if not p[2].holiday_move and not p[2].bridge]
    dependent = [p for p in parsed if p[2].holiday_move or p[2].bridge]
    for year in range(FIRST_YEAR - 1, LAST_YEAR + 2):
        occurrences = []
        for key, attrs, rule, names in plain:
            for day, moved in year_dates(rule, attrs, year, data, code):
                add(occurrences, key, attrs, day, moved, names, rule.span)
        for key, attrs, rule, names in dependent:
            for day, moved in year_dates(rule, attrs, year, data, code):
                day, shifted = apply_holiday_checks(rule, day, occurrences)
                if day is not None:
                    add(occurrences, key, attrs, day, moved or shifted, names, rule.span)
        # The same holiday made by two rules (a state's own rule for a country's day) is kept once: the stronger kind,
        # between equals the later rule (the state's).
        seen = {}
        for occurrence in occurrences:
            key = (occurrence.date, primary_name(occurrence.names, langs))
            if key not in seen or STRENGTH.get(occurrence.kind, 9) <= STRENGTH.get(seen[key].kind, 9):
                seen[key] = occurrence
        occurrences = [o for o in occurrences if seen[(o.date, primary_name(o.names, langs))] is o]
        for occurrence in occurrences:
            if FIRST_YEAR <= occurrence.date.year <= LAST_YEAR:
                by_year[occurrence.date.year].append(occurrence)
    return by_year


def year_dates(rule, attrs, year, data, code):
    try:
        found = rule.dates(year)
    except (rules.Unsupported, ValueError, KeyError) as e:
        data.unsupported["%s  (%s)" % (rule.text, e)].add(code)
        return []
    disabled = parse_date_list(attrs.get("disable"))
    enabled = {d for d in parse_date_list(attrs.get("enable")) if d.year == year}
    result = [(d, moved) for d, moved in found if d not in disabled and active_on(attrs.get("active"), d)]
    for d in sorted(enabled):
        if all(d != x for x, _ in result):
            result.append((d, False))
    return result


def apply_holiday_checks(rule, day, occurrences):
    """The bridge condition and the move off another holiday; (None, False) when the rule gives no day."""
    def is_holiday(d, kind):
        return any(o.date == d and (kind is None or o.kind == kind) for o in occurrences)

    if rule.bridge:
        dates, kind = rule.bridge
        if not all(is_holiday(datetime.date(day.year, m, d), kind) for m, d in dates):
            return None, False
    shifted = False
    if rule.holiday_move:
        kind, count, direction, target, omit = rule.holiday_move
        kind = kind or "public"
        if is_holiday(day, kind):
            step = rules.DAY if direction == "next" else -rules.DAY
            for _ in range(count):
                day += step
                if target is None:
                    while day.weekday() in omit or is_holiday(day, kind):
                        day += step
                else:
                    while day.weekday() != target:
                        day += step
            shifted = True
    return day, shifted


# ---- The program's files ----
HEADER = ("# Generated by tools/holidays/generate.py from the date-holidays data set %s (CC BY-SA 3.0); "
          "do not edit.\n")
DIGITS = "0123456789abcdefghijklmnopqrstuvwxyz"


def day_code(day):
    """The day of the year (1..366) in two base-36 digits; "00" for a year without the holiday."""
    n = day.timetuple().tm_yday
    return DIGITS[n // 36] + DIGITS[n % 36]


def encode_dates(dates):
    """The dates of one holiday as tokens: "MMDD:Y1-Y2" (the same day each year), "MMDD:Y" (one date) and
    "~Y:" followed by two digits per year from Y on (the day of the year, "00" for none). A holiday of several days
    in a year (Eid al-Fitr over three days, an Islamic holiday twice in one Gregorian year) is written as layers:
    the first day of each year, then the second, and so on."""
    by_year = collections.defaultdict(list)
    for d in sorted(dates):
        by_year[d.year].append(d)
    tokens = []
    for layer in range(max(len(v) for v in by_year.values())):
        tokens.extend(encode_layer({y: v[layer] for y, v in by_year.items() if len(v) > layer}))
    return " ".join(tokens)


def encode_layer(day_of_year):
    """Tokens for at most one date a year."""
    tokens, rest = [], []
    years = sorted(day_of_year)
    i = 0
    while i < len(years):
        first = day_of_year[years[i]]
        j = i
        while (j + 1 < len(years) and years[j + 1] == years[j] + 1
               and day_of_year[years[j + 1]].strftime("%m%d") == first.strftime("%m%d")):
            j += 1
        if j - i + 1 >= 3:
            tokens.append("%s:%d-%d" % (first.strftime("%m%d"), years[i], years[j]))
        else:
            rest.extend(day_of_year[years[k]] for k in range(i, j + 1))
        i = j + 1
    run = []

    def flush():
        if len(run) == 1:
            tokens.append("%s:%d" % (run[0].strftime("%m%d"), run[0].year))
        elif run:
            codes = {d.year: day_code(d) for d in run}
            tokens.append("~%d:%s" % (run[0].year, "".join(codes.get(y, "00")
                                                           for y in range(run[0].year, run[-1].year + 1))))
        run.clear()

    for d in sorted(rest):
        if run and d.year - run[-1].year > 3:
            flush()
        run.append(d)
    flush()
    return tokens


def unit_holidays(data, code, path, languages):
    """The unit's holidays of the kinds kept: {(kind, names as a tuple of (lang, text)): set of dates}."""
    days = data.days(path)
    suffixes = data.substitute_suffixes()
    found = collections.defaultdict(set)
    for year, occurrences in evaluate(data, code, path).items():
        for o in occurrences:
            if o.kind not in KINDS:
                continue
            names = {lang: text for lang, text in o.names.items() if lang in languages}
            if not names and o.names:
                names = dict([next(iter(o.names.items()))])
            if o.moved and (days.get(o.rule) or {}).get("substitute"):
                names = {lang: "%s (%s)" % (text, suffixes.get(lang, suffixes["en"])) for lang, text in names.items()}
            found[(o.kind, tuple(sorted(names.items())))].add(o.date)
    return found


def names_field(names):
    return "\t".join("%s=%s" % (language(lang), clean(text)) for lang, text in sorted(names.items()))


def clean(text):
    return re.sub(r"\s+", " ", str(text)).strip()


def node_names(node):
    names = node.get("names") or {}
    if not names and node.get("name"):
        names = {"en": node["name"]} if isinstance(node["name"], str) else node["name"]
    return {language(k): v for k, v in names.items() if isinstance(v, str)}


def write_country(data, cc, out):
    langs = data.langs([cc])
    languages = set(KEPT_LANGUAGES) | set(langs)
    units = [(code, path) for code, path in data.units() if path[0] == cc]
    for code, path in units:
        languages |= {language(x) for x in (data.node(path) or {}).get("langs") or []}
    holidays = {}  # (kind, names, dates) -> id
    name_ids = {}
    sets = {}
    for code, path in units:
        ids = []
        for (kind, names), dates in sorted(unit_holidays(data, code, path, languages).items(),
                                           key=lambda kv: (min(kv[1]), kv[0])):
            key = (kind, names, frozenset(dates))
            if key not in holidays:
                holidays[key] = len(holidays)
                name_ids.setdefault(names, len(name_ids))
            ids.append(holidays[key])
        sets[code] = ids
    lines = [HEADER % data.version.strip(), "V\t%d\t%d\t%d\t%s\t%s\n" % (FORMAT_VERSION, FIRST_YEAR, LAST_YEAR,
                                                                        data.version, cc)]
    lines.append("L\t%s\n" % ",".join(langs))
    for names, nid in sorted(name_ids.items(), key=lambda kv: kv[1]):
        lines.append("N\t%d\t%s\n" % (nid, names_field(dict(names))))
    for (kind, names, dates), hid in sorted(holidays.items(), key=lambda kv: kv[1]):
        lines.append("H\t%d\t%s\t%d\t%s\n" % (hid, KINDS[kind], name_ids[names], encode_dates(dates)))
    base = set(sets[cc])
    lines.append("C\t%s\n" % ",".join(str(i) for i in sets[cc]))
    for code, path in units[1:]:
        own = set(sets[code])
        lines.append("R\t%s\t%s\t%s\n" % (code, ",".join(str(i) for i in sorted(base - own)),
                                             ",".join(str(i) for i in sets[code] if i not in base)))
    with open(os.path.join(out, "%s.txt" % cc), "w", encoding="utf-8") as f:
        f.writelines(lines)
    return units


def write_all(data, out):
    os.makedirs(out, exist_ok=True)
    # places.txt is made from the index by places.py, run after this.
    for old in glob.glob(os.path.join(out, "*.txt")):
        if os.path.basename(old) != "places.txt":
            os.remove(old)
    index = [HEADER % data.version.strip(),
             "V\t%d\t%d\t%d\t%s\n" % (FORMAT_VERSION, FIRST_YEAR, LAST_YEAR, data.version)]
    for cc in sorted(data.holidays):
        if data.only and cc not in data.only:
            continue
        units = write_country(data, cc, out)
        for code, path in units:
            node = data.node(path) or {}
            zones = ",".join(str(z) for z in node.get("zones") or [])
            names = node_names(node)
            if len(path) == 1:
                index.append("C\t%s\t%s\t%s\t%s\n" % (code, ",".join(data.langs(path)), zones, names_field(names)))
            else:
                index.append("R\t%s\t%s\t%s\n" % (code, zones, names_field(names)))
    with open(os.path.join(out, "index.txt"), "w", encoding="utf-8") as f:
        f.writelines(index)


def write_unsupported(data, path):
    with open(path, "w", encoding="utf-8") as f:
        f.write("# Rules of the date-holidays data set %s that tools/holidays/generate.py cannot evaluate; their "
                "holidays are left out.\n" % data.version)
        for rule in sorted(data.unsupported):
            f.write("%s: %s\n" % (rule, ", ".join(sorted(data.unsupported[rule]))))


def check_fixtures(data, fixtures, report):
    """Compares the dates and kinds with the data set's fixtures (2015 and after) and writes the differences."""
    lines = []
    compared = differing = 0
    for code, path in data.units():
        files = sorted(glob.glob(os.path.join(fixtures, "%s-[0-9][0-9][0-9][0-9].json" % code)))
        if not files:
            continue
        by_year = evaluate(data, code, path)
        for file in files:
            year = int(file[-9:-5])
            with open(file, encoding="utf-8") as f:
                expected = {(e["date"][:10], e["type"]) for e in json.load(f) if e["type"] in KINDS}
            # The fixtures list a holiday of several days once, on its first.
            got = {(o.date.isoformat(), o.kind) for o in by_year.get(year, []) if o.kind in KINDS and not o.later_day}
            compared += 1
            if expected != got:
                differing += 1
                missing = sorted(expected - got)
                extra = sorted(got - expected)
                lines.append("%s %d  missing %s  extra %s" % (code, year, missing, extra))
    with open(report, "w", encoding="utf-8") as f:
        f.write("%d unit-years compared, %d differ\n" % (compared, differing))
        f.write("\n".join(lines) + "\n")
    print("%d unit-years compared, %d differ" % (compared, differing))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", required=True, help="the data set's folder (holding data/ and package.json)")
    parser.add_argument("--out", help="the folder of the program's holiday files (assets/holidays)")
    parser.add_argument("--check", metavar="REPORT", help="compare with SOURCE/test/fixtures, differences to REPORT")
    parser.add_argument("--only", help="comma-separated country codes (for --check)")
    args = parser.parse_args()
    data = DataSet(args.source)
    if args.only:
        data.only = set(args.only.split(","))
    if args.check:
        check_fixtures(data, os.path.join(args.source, "test", "fixtures"), args.check)
    if args.out:
        write_all(data, args.out)
        write_unsupported(data, os.path.join(os.path.dirname(os.path.abspath(__file__)), "unsupported.txt"))


if __name__ == "__main__":
    main()
