// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/Wording.h"
#include <QDate>
#include <QString>
#include <QtGlobal>

// Texts the program shows about the time zone of the preferences.
namespace zoneText {
// %1 is the id as the preferences hold it.
inline constexpr char UnknownZone[] = QT_TRANSLATE_NOOP("Preferences", "Unknown time zone %1 in preferences.");
// UnknownZone with the id filled in; an id longer than any id looked up is cut and ends in "...".
Wording unknownZone(const QString& zoneId);
} // namespace zoneText

// A time zone's offsets from GMT for one day, in hours east of Greenwich.
struct ZoneOffsets
{
    bool known = false;  // false for an empty, malformed or unknown id: the offsets are then 0
    double onDay = 0;    // at local noon of the day, daylight saving included
    double standard = 0; // the zone's standard offset on that day

    // The offset a report uses: the day's own where the zone is known, else the fixed one (line 4).
    double reportOffset(double fixedOffset) const { return known ? onDay : fixedOffset; }
};

namespace zones {

// Longest id looked up: IANA ids are far shorter, and a longer line is no id at all.
constexpr int MaxZoneIdLength = 64;

// Whether an id (blanks around it ignored) names a zone of the system's zone list: Qt's list of zones, or a zone or
// link of the time-zone database's own table. Nothing else is ever looked up, so a line of the preferences cannot
// make the zone library open a file outside the database (a path, a device, a crafted file) or read a word as a
// POSIX rule at offset 0.
bool isKnownZone(const QString& zoneId);

// Keeps the zone named by the environment inside the zone database. A TZ naming a file elsewhere (an absolute path
// outside /usr/share/zoneinfo, or a relative one climbing out of it with "..") would be opened and parsed by the C
// library and by the zone library's system zone at their first use: a device blocks them, a crafted file crashes
// the zone library. Such a TZ is no zone: it is replaced by UTC for this run, as the C library treats a zone file it
// cannot read. Runs once, before any zone look-up; whether TZ was replaced.
bool guardEnvironmentZone();

// This machine's zone from the id the system names for it (Clock::zoneId: TZ or the system's setting), when that
// is an id of the zone list (an absolute path into the database counts as its id); else empty, no zone.
QString machineZoneId(const QByteArray& systemZoneId);

// The offsets of an IANA id ("Europe/Berlin") on a day; blanks around the id are ignored.
ZoneOffsets offsetsOn(const QString& zoneId, const QDate& day);

} // namespace zones
