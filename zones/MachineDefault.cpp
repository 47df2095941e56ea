#include "zones/MachineDefault.h"
#include "runtime/NumberText.h"
#include "zones/ZoneOffsets.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cmath>
#include <sys/stat.h>

namespace {

// Larger than any tzdata table by far; a bigger file is not one.
constexpr qint64 MaxTableBytes = 1 << 20;

const QChar degreeSign(0x00B0);

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

QString degreeText(QChar hemisphere, double magnitude)
{
    return QString(hemisphere) + degreeSign + QString::number(magnitude, 'f', 2);
}

// UTC and its aliases have no place; a default for them would be somebody else's city.
bool isUniversal(const QString& zoneId)
{
    static const QRegularExpression universal(QStringLiteral("^(Etc/)?(UTC|UCT|GMT|Zulu|Universal|Greenwich)$"));
    return universal.match(zoneId).hasMatch();
}

} // namespace

const QByteArray zones::SamplePrefs("00\r\nW\xb0"
                                    "97.45\r\nN\xb0"
                                    "30.15\r\n-6\r\n");

QStringList zones::systemZoneTables()
{
    return {QStringLiteral("/usr/share/zoneinfo/zone1970.tab"), QStringLiteral("/usr/share/zoneinfo/zone.tab")};
}

std::optional<ZonePosition> zones::parseTabPosition(const QString& field)
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

std::optional<ZonePosition> zones::zonePosition(const QString& zoneId, const QStringList& tables)
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

QString zones::latitudeLine(double latitude)
{
    return degreeText(latitude < 0 ? QLatin1Char('S') : QLatin1Char('N'), std::abs(latitude));
}

QString zones::longitudeLine(double longitude)
{
    return degreeText(longitude < 0 ? QLatin1Char('W') : QLatin1Char('E'), std::abs(longitude));
}

QByteArray zones::machineDefaultPrefs(const QString& zoneId, const QStringList& tables, const QDate& today,
                                      const FormatSettings& settings)
{
    if (isUniversal(zoneId))
        return SamplePrefs;
    const ZoneOffsets offsets = offsetsOn(zoneId, today);
    const std::optional<ZonePosition> position = offsets.known ? zonePosition(zoneId, tables) : std::nullopt;
    if (!position)
        return SamplePrefs;
    const QStringList lines{QStringLiteral("01"), longitudeLine(position->longitude), latitudeLine(position->latitude),
                            rt::fieldText(offsets.standard, settings), zoneId};
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QByteArray zones::thisMachineDefaultPrefs(const QDate& today)
{
    return machineDefaultPrefs(machineZoneId(), systemZoneTables(), today);
}

namespace {
// Read, not set and restored: umask() would change it for every thread of the process meanwhile.
mode_t processUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask & 0777);
            }
        }
    }
    return 022;
}
} // namespace

zones::WriteResult zones::writeIfMissing(const QString& path, const QByteArray& bytes)
{
    if (QFileInfo::exists(path))
        return WriteResult::AlreadyThere;
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath()))
        return WriteResult::Failed;
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.prefs.cal.XXXXXX"));
    if (!temporary.open() || temporary.write(bytes) != bytes.size() || !temporary.flush())
        return WriteResult::Failed;
    // The temporary file is private; the settings file gets the mode of any new file under the user's umask.
    if (::fchmod(temporary.handle(), 0666 & ~processUmask()) != 0)
        return WriteResult::Failed;
    // Renaming never replaces a file of that name, so a file that appeared meanwhile is kept.
    if (!temporary.rename(path))
        return QFileInfo::exists(path) ? WriteResult::AlreadyThere : WriteResult::Failed;
    temporary.setAutoRemove(false);
    return WriteResult::Written;
}
