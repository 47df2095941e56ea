// SPDX-License-Identifier: GPL-3.0-or-later
#include "zones/ZoneOffsets.h"
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimeZone>
#include <ctime>
#include <optional>

namespace {

constexpr double SecondsPerHour = 3600.0;
bool isIdCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('/') || c == QLatin1Char('_') || c == QLatin1Char('-') ||
           c == QLatin1Char('+') || c == QLatin1Char(':') || c == QLatin1Char('.');
}

// The database's table of every zone ("Z Europe/Berlin ...") and link ("L Europe/Kyiv Europe/Kiev").
constexpr char DatabaseTable[] = "/usr/share/zoneinfo/tzdata.zi";
// The table is about 115 kB; a larger file is not the table.
constexpr qint64 MaxTableBytes = 4 * 1024 * 1024;

constexpr char DatabaseFolder[] = "/usr/share/zoneinfo/";

// The database-relative id of a TZ value, or nothing when it names a file outside the database.
std::optional<QByteArray> databaseRelative(const QByteArray& tz)
{
    QByteArray value = tz.startsWith(':') ? tz.mid(1) : tz;
    if (value.startsWith(DatabaseFolder))
        value = value.mid(qsizetype(sizeof DatabaseFolder - 1));
    else if (value == "/etc/localtime")
        return value; // the system's own setting
    else if (value.startsWith('/'))
        return std::nullopt;
    for (const QByteArray& part : value.split('/')) {
        if (part == "..")
            return std::nullopt;
    }
    return value;
}

QSet<QByteArray> listedNames()
{
    // Qt's list is built beside its system zone, which reads TZ.
    zones::guardEnvironmentZone();
    const QList<QByteArray> qtZones = QTimeZone::availableTimeZoneIds();
    QSet<QByteArray> names(qtZones.begin(), qtZones.end());
    const QFileInfo info(QString::fromLatin1(DatabaseTable));
    if (!info.isFile() || info.size() > MaxTableBytes)
        return names;
    QFile table(info.filePath());
    if (!table.open(QIODevice::ReadOnly))
        return names;
    const QList<QByteArray> lines = table.read(MaxTableBytes).split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2 && fields[0] == "Z")
            names.insert(fields[1]);
        else if (fields.size() >= 3 && fields[0] == "L")
            names.insert(fields[2]);
    }
    return names;
}

// Qt's list and the database's table together, read once per run: the table adds the links (old names such as
// Asia/Calcutta) that Qt's list leaves out.
bool isListed(const QByteArray& id)
{
    static const QSet<QByteArray> names = listedNames();
    return names.contains(id);
}

QByteArray listedId(const QString& zoneId)
{
    const QString id = zoneId.trimmed();
    if (id.isEmpty() || id.size() > zones::MaxZoneIdLength)
        return QByteArray();
    for (const QChar c : id) {
        if (c.unicode() > 0x7F || !isIdCharacter(c))
            return QByteArray();
    }
    const QByteArray latin = id.toLatin1();
    return isListed(latin) ? latin : QByteArray();
}

QTimeZone zoneFor(const QString& zoneId)
{
    const QByteArray id = listedId(zoneId);
    return id.isEmpty() ? QTimeZone() : QTimeZone(id);
}

} // namespace

Wording zoneText::unknownZone(const QString& zoneId)
{
    // A damaged line's control characters would show as boxes or break the box's text: they are written escaped.
    QString shown;
    for (const QChar c : zoneId.left(zones::MaxZoneIdLength)) {
        const char16_t code = c.unicode();
        if (code == '\t')
            shown += QStringLiteral("\\t");
        else if (code == '\\')
            shown += QStringLiteral("\\\\");
        else if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            shown += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (zoneId.size() > zones::MaxZoneIdLength)
        shown += QStringLiteral("...");
    return Wording("Preferences", UnknownZone, shown);
}

bool zones::guardEnvironmentZone()
{
    static const bool replaced = [] {
        // The C library looks a relative TZ up under TZDIR: only the zone database itself may be that folder.
        const QString folder = QFileInfo(QString::fromLocal8Bit(qgetenv("TZDIR"))).canonicalFilePath();
        if (qEnvironmentVariableIsSet("TZDIR") && folder + QLatin1Char('/') != QLatin1String(DatabaseFolder)) {
            qunsetenv("TZDIR");
            ::tzset();
        }
        if (databaseRelative(qgetenv("TZ")))
            return false;
        qputenv("TZ", "UTC");
        ::tzset();
        return true;
    }();
    return replaced;
}

QString zones::machineZoneId(const QByteArray& systemZoneId)
{
    const std::optional<QByteArray> id = databaseRelative(systemZoneId);
    const QString text = id ? QString::fromLatin1(*id) : QString();
    return isKnownZone(text) ? text.trimmed() : QString();
}

bool zones::isKnownZone(const QString& zoneId)
{
    // Listed is not enough: a system may list an old name whose file it no longer ships.
    return zoneFor(zoneId).isValid();
}

ZoneOffsets zones::offsetsOn(const QString& zoneId, const QDate& day)
{
    const QTimeZone zone = zoneFor(zoneId);
    if (!zone.isValid() || !day.isValid())
        return ZoneOffsets();
    // Noon is never inside a change of the clocks, so it has exactly one offset.
    const QDateTime noon(day, QTime(12, 0), zone);
    return {true, noon.offsetFromUtc() / SecondsPerHour, zone.standardTimeOffset(noon) / SecondsPerHour};
}
