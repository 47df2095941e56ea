#pragma once
#include "runtime/FormatSettings.h"
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// A place in decimal degrees, north and east positive.
struct ZonePosition
{
    double latitude = 0;
    double longitude = 0;
};

namespace zones {

// The shipped sample preferences (a city in Texas, Central time), byte for byte as assets/prefs.cal.default.
extern const QByteArray SamplePrefs;

// The tzdata tables with a position for each zone, the one for zones since 1970 first.
QStringList systemZoneTables();

// "+5230+01322" or "+404251-0740023" (±DDMM[SS]±DDDMM[SS]) in decimal degrees; nullopt when malformed.
std::optional<ZonePosition> parseTabPosition(const QString& field);

// The position of a zone's line in the first table that lists it; nullopt when none does or none can be read.
std::optional<ZonePosition> zonePosition(const QString& zoneId, const QStringList& tables);

// A position line in the file's own form: "N°52.50", "S°33.87", "E°13.37", "W°74.01".
QString latitudeLine(double latitude);
QString longitudeLine(double longitude);

// The default prefs.cal for a machine in zoneId: flags "01" (hints on, so a new user sees what the glyph buttons
// do), longitude, latitude, the zone's standard offset on
// `today` in the offset line's own form, and the zone id. SamplePrefs when the zone is UTC, unknown or has no
// position in the tables. Lines end in CR LF, the degree sign is byte 176.
QByteArray machineDefaultPrefs(const QString& zoneId, const QStringList& tables, const QDate& today,
                               const FormatSettings& settings = rt::formatSettings());

// machineDefaultPrefs for this machine's zone (zones::machineZoneId(), which follows TZ while it stays inside the
// zone database), the system's tables and today.
QByteArray thisMachineDefaultPrefs(const QDate& today);

enum class WriteResult { Written, AlreadyThere, Failed };

// Writes bytes to path unless a file is already there, creating the folder; a file is either written whole or
// not at all, and an existing one is never replaced, not even when it appears while writing.
WriteResult writeIfMissing(const QString& path, const QByteArray& bytes);

} // namespace zones
