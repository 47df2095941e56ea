// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/FirstChoice.h"
#include "holidays/HolidayIndex.h"
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace holidays {

namespace {
// The zone tables are some tens of kilobytes.
constexpr qint64 MaxTableSize = 1024 * 1024;

QByteArray readTable(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxTableSize)
        return {};
    return file.read(MaxTableSize);
}

struct TableEntry
{
    QString country;
    QString comment;
    std::optional<Place> place; // of the zone's city
};

// ISO 6709 as the tables write it: "+5230+01322" or "+483000-0895500" (degrees, minutes and seconds run together).
std::optional<Place> placeOf(const QByteArray& text)
{
    static const QRegularExpression form(
        QStringLiteral("^([+-])(\\d{2})(\\d{2})(\\d{2})?([+-])(\\d{3})(\\d{2})(\\d{2})?$"));
    const QRegularExpressionMatch match = form.match(QString::fromLatin1(text));
    if (!match.hasMatch())
        return std::nullopt;
    const auto degrees = [&match](int sign, int first) {
        const double value = match.captured(first).toDouble() + match.captured(first + 1).toDouble() / 60 +
                             match.captured(first + 2).toDouble() / 3600;
        return match.captured(sign) == QLatin1String("-") ? -value : value;
    };
    return Place{degrees(1, 2), degrees(5, 6)};
}

double kilometresBetween(const Place& a, const Place& b)
{
    constexpr double EarthKm = 6371.0;
    const double radian = M_PI / 180;
    const double dLat = (b.latitude - a.latitude) * radian;
    const double dLon = (b.longitude - a.longitude) * radian;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) + std::cos(a.latitude * radian) *
                                                                   std::cos(b.latitude * radian) * std::sin(dLon / 2) *
                                                                   std::sin(dLon / 2);
    return 2 * EarthKm * std::asin(std::min(1.0, std::sqrt(h)));
}

// The zone's line of a table: its first country code (zone1970.tab lists several, the first the most populous) and
// its comment ("New South Wales (most areas)").
TableEntry entryOf(const QByteArray& table, const QString& zoneId)
{
    const QByteArray id = zoneId.toUtf8();
    for (const QByteArray& line : table.split('\n')) {
        if (line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 3 && fields[2] == id)
            return {QString::fromUtf8(fields[0].split(',').first()),
                    fields.size() >= 4 ? QString::fromUtf8(fields[3]) : QString(), placeOf(fields[1])};
    }
    return {};
}

// Whether the comment names the region: its English name, or the code's last part as a word of capitals ("ON").
bool commentNames(const QString& comment, const Region& region)
{
    if (comment.isEmpty())
        return false;
    if (!region.name.isEmpty() && comment.contains(region.name, Qt::CaseInsensitive))
        return true;
    const QString shortCode = region.code.section(QLatin1Char('-'), -1);
    const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(shortCode)));
    return word.match(comment).hasMatch();
}

// The regions that name the zone, else those the comment names; one of them, or none when several or none do.
const Region* regionOf(const Country& country, const QString& zoneId, const QString& comment)
{
    QList<const Region*> byZone;
    for (const Region& region : country.regions)
        if (region.zones.contains(zoneId))
            byZone.append(&region);
    if (byZone.size() == 1)
        return byZone.first();
    QList<const Region*> byComment;
    if (byZone.isEmpty()) {
        for (const Region& region : country.regions)
            if (commentNames(comment, region))
                byComment.append(&region);
    } else {
        for (const Region* region : byZone)
            if (commentNames(comment, *region))
                byComment.append(region);
    }
    return byComment.size() == 1 ? byComment.first() : nullptr;
}
} // namespace

QString zoneInfoFolder()
{
    return QStringLiteral("/usr/share/zoneinfo");
}

FirstChoice firstChoice(const QString& zoneId, const QString& zoneInfo, const QString& folder,
                        std::optional<Place> place)
{
    return firstChoiceFrom(zoneId, countries({QStringLiteral("en")}, folder),
                           readTable(zoneInfo + QStringLiteral("/zone.tab")),
                           readTable(zoneInfo + QStringLiteral("/zone1970.tab")), place,
                           place ? readTable(folder + QStringLiteral("/places.txt")) : QByteArray());
}

QString regionNear(const QString& country, const Place& place, const QByteArray& places)
{
    const QByteArray prefix = country.toLatin1() + '-';
    QString nearest;
    double nearestKm = NearKm;
    for (const QByteArray& line : places.split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        bool latitudeRead = false;
        bool longitudeRead = false;
        const Place known{fields.value(1).toDouble(&latitudeRead), fields.value(2).toDouble(&longitudeRead)};
        if (fields.size() != 3 || !latitudeRead || !longitudeRead)
            continue;
        if (const double km = kilometresBetween(place, known); km < nearestKm) {
            nearestKm = km;
            nearest = QString::fromLatin1(fields[0]);
        }
    }
    return nearest;
}

FirstChoice firstChoiceFrom(const QString& zoneId, const QList<Country>& countries, const QByteArray& zoneTab,
                            const QByteArray& zone1970Tab, std::optional<Place> place, const QByteArray& places)
{
    FirstChoice choice;
    const QString id = zoneId.trimmed();
    if (id.isEmpty())
        return choice;
    TableEntry entry = entryOf(zoneTab, id);
    if (entry.country.isEmpty())
        entry = entryOf(zone1970Tab, id);
    if (entry.country.isEmpty()) {
        // A zone the tables do not list (an old name such as "Europe/Belfast") counts where the data names it.
        for (const Country& country : countries) {
            bool named = country.zones.contains(id);
            for (const Region& region : country.regions)
                named = named || region.zones.contains(id);
            if (named && !entry.country.isEmpty())
                return choice;
            if (named)
                entry.country = country.code;
        }
        if (entry.country.isEmpty())
            return choice;
    }
    choice.country = entry.country;
    const auto country =
        std::find_if(countries.cbegin(), countries.cend(), [&](const Country& c) { return c.code == entry.country; });
    if (country == countries.cend()) {
        choice.why = FirstChoice::Why::CountryNotInData;
        choice.country.clear();
        return choice;
    }
    if (country->regions.isEmpty()) {
        choice.why = FirstChoice::Why::CountryWithoutRegions;
        return choice;
    }
    const Region* region = regionOf(*country, id, entry.comment);
    choice.why = region ? FirstChoice::Why::RegionOfZone : FirstChoice::Why::ZoneSpansRegions;
    if (region)
        choice.region = region->code;
    // The zone's own city is where a first start puts the user: it tells nothing of where they are (a zone's city in
    // one region, its people in many). The tables round it to a minute, the settings to a hundredth of a degree.
    const bool zonesOwn = place && entry.place && kilometresBetween(*place, *entry.place) < 2;
    if (!region && place && !zonesOwn) {
        choice.region = regionNear(choice.country, *place, places);
        // A places file older than the index may name a region the data no longer has.
        const bool known = std::any_of(country->regions.cbegin(), country->regions.cend(),
                                       [&choice](const Region& r) { return r.code == choice.region; });
        if (known)
            choice.why = FirstChoice::Why::RegionOfPlace;
        else
            choice.region.clear();
    }
    return choice;
}

} // namespace holidays
