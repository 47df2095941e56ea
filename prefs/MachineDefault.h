// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "prefs/PrefsFile.h"
#include "runtime/FormatSettings.h"
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class Clock;

// A place in decimal degrees, north and east positive.
struct ZonePosition
{
    double latitude = 0;
    double longitude = 0;
};

namespace prefs {

// The shipped sample preferences (a city in Texas, Central time): assets/prefs.cal.default as the build found it.
PrefsFile samplePrefs();

// The tzdata tables with a position for each zone, the one for zones since 1970 first.
QStringList systemZoneTables();

// "+5230+01322" or "+404251-0740023" (±DDMM[SS]±DDDMM[SS]) in decimal degrees; nullopt when malformed.
std::optional<ZonePosition> parseTabPosition(const QString& field);

// The position of a zone's line in the first table that lists it; nullopt when none does or none can be read.
std::optional<ZonePosition> zonePosition(const QString& zoneId, const QStringList& tables);

// The default prefs.cal for a machine in zoneId: flags "01" (hints on, so a new user sees what the glyph buttons
// do), longitude, latitude, the zone's standard offset on `today` in the offset line's own form, and the zone id.
// The sample when the zone is UTC, unknown or has no position in the tables.
PrefsFile machineDefaultPrefs(const QString& zoneId, const QStringList& tables, const QDate& today,
                              const FormatSettings& settings);

// Whether a first start in zoneId finds a place of its own: false for UTC and its aliases, an unknown zone or one
// without a position in the tables, where the default is the sample and the user is asked for their place.
bool machineHasPlace(const QString& zoneId, const QStringList& tables, const QDate& today);
bool thisMachineHasPlace(const Clock& clock);

// machineDefaultPrefs for the clock's machine zone (zones::machineZoneId, which follows TZ while it stays inside the
// zone database), the system's tables and the clock's day.
PrefsFile thisMachineDefaultPrefs(const Clock& clock, const FormatSettings& settings);

} // namespace prefs
