// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/MachineDefault.h"
#include "SamplePrefsBytes.h"
#include "prefs/PositionLine.h"
#include "runtime/NumberText.h"
#include "runtime/Services.h"
#include "zones/ZoneOffsets.h"
#include <QFile>
#include <QRegularExpression>
#include <cmath>

namespace {

// Larger than any tzdata table by far; a bigger file is not one.
constexpr qint64 MaxTableBytes = 1 << 20;

// Degrees, minutes and optional seconds of one coordinate, sign included.
std::optional<double> coordinate(const QString& sign, const QString& digits, int degreeDigits)
{
    const int degrees = digits.left(degreeDigits).toInt();
    const int minutes = digits.mid(degreeDigits, 2).toInt();
    const int seconds = digits.size() > degreeDigits + 2 ? digits.mid(degreeDigits + 2, 2).toInt() : 0;
    if (minutes > 59 || seconds > 59)
        return std::nullopt;
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    return sign == QLatin1String("-") ? -value : value;
}

// UTC and its aliases have no place; a default for them would be somebody else's city.
bool isUniversal(const QString& zoneId)
{
    static const QRegularExpression universal(QStringLiteral("^(Etc/)?(UTC|UCT|GMT|Zulu|Universal|Greenwich)$"));
    return universal.match(zoneId).hasMatch();
}

} // namespace

PrefsFile prefs::samplePrefs()
{
    return PrefsFile::fromBytes(QByteArray(SampleBytes, qsizetype(sizeof SampleBytes - 1)));
}

QStringList prefs::systemZoneTables()
{
    return {QStringLiteral("/usr/share/zoneinfo/zone1970.tab"), QStringLiteral("/usr/share/zoneinfo/zone.tab")};
}

std::optional<ZonePosition> prefs::parseTabPosition(const QString& field)
{
    static const QRegularExpression form(QStringLiteral("^([+-])(\\d{4}|\\d{6})([+-])(\\d{5}|\\d{7})$"));
    const QRegularExpressionMatch match = form.match(field);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<double> latitude = coordinate(match.captured(1), match.captured(2), 2);
    const std::optional<double> longitude = coordinate(match.captured(3), match.captured(4), 3);
    if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180)
        return std::nullopt;
    return ZonePosition{*latitude, *longitude};
}

std::optional<ZonePosition> prefs::zonePosition(const QString& zoneId, const QStringList& tables)
{
    if (zoneId.isEmpty())
        return std::nullopt;
    for (const QString& path : tables) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > MaxTableBytes)
            continue;
        const QByteArray bytes = file.read(MaxTableBytes);
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.startsWith('#'))
                continue;
            // country codes, position, zone id, optional comment
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() >= 3 && QString::fromUtf8(fields.at(2).trimmed()) == zoneId)
                return parseTabPosition(QString::fromLatin1(fields.at(1)));
        }
    }
    return std::nullopt;
}

namespace {
std::optional<ZonePosition> machinePosition(const QString& zoneId, const QStringList& tables,
                                            const ZoneOffsets& offsets)
{
    if (isUniversal(zoneId) || !offsets.known)
        return std::nullopt;
    return prefs::zonePosition(zoneId, tables);
}
} // namespace

bool prefs::machineHasPlace(const QString& zoneId, const QStringList& tables, const QDate& today)
{
    return machinePosition(zoneId, tables, zones::offsetsOn(zoneId, today)).has_value();
}

bool prefs::thisMachineHasPlace(const Clock& clock)
{
    return machineHasPlace(zones::machineZoneId(clock.zoneId()), systemZoneTables(), clock.now().date());
}

PrefsFile prefs::machineDefaultPrefs(const QString& zoneId, const QStringList& tables, const QDate& today,
                                     const FormatSettings& settings)
{
    const ZoneOffsets offsets = zones::offsetsOn(zoneId, today);
    const std::optional<ZonePosition> position = machinePosition(zoneId, tables, offsets);
    if (!position)
        return samplePrefs();
    return PrefsFile({QStringLiteral("01"), longitudeLine(position->longitude), latitudeLine(position->latitude),
                      rt::fieldText(offsets.standard, settings), zoneId});
}

PrefsFile prefs::thisMachineDefaultPrefs(const Clock& clock, const FormatSettings& settings)
{
    return machineDefaultPrefs(zones::machineZoneId(clock.zoneId()), systemZoneTables(), clock.now().date(), settings);
}
