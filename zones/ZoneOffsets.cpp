#include "zones/ZoneOffsets.h"
#include <QDateTime>
#include <QTimeZone>

namespace {

constexpr double SecondsPerHour = 3600.0;
// Characters of an id in a message; a longer one is cut so the box stays readable.
constexpr int ShownIdLength = 64;

bool isIdCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('/') || c == QLatin1Char('_') || c == QLatin1Char('-') ||
           c == QLatin1Char('+') || c == QLatin1Char(':') || c == QLatin1Char('.');
}

QTimeZone zoneFor(const QString& zoneId)
{
    const QString id = zoneId.trimmed();
    if (id.isEmpty() || id.size() > zones::MaxZoneIdLength)
        return QTimeZone();
    for (const QChar c : id) {
        if (c.unicode() > 0x7F || !isIdCharacter(c))
            return QTimeZone();
    }
    return QTimeZone(id.toLatin1());
}

} // namespace

QString zoneText::unknownZone(const QString& zoneId)
{
    const QString shown = zoneId.size() > ShownIdLength ? zoneId.left(ShownIdLength) + QStringLiteral("...") : zoneId;
    return UnknownZone.arg(shown);
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

double zones::reportOffset(const QString& zoneId, const QDate& day, double fixedOffset)
{
    return offsetsOn(zoneId, day).reportOffset(fixedOffset);
}
