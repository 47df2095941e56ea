// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/CitySources.h"
#include "places/CityList.h"
#include "prefs/MachineDefault.h"
#include <QFile>
#include <QLocale>
#include <QSet>

namespace {
// Larger than any tzdata table by far; a bigger file is not one.
constexpr qint64 MaxTableBytes = 1 << 20;

QString countryNamed(const QString& code)
{
    const QLocale::Territory territory = QLocale::codeToTerritory(code);
    return territory == QLocale::AnyTerritory ? code : QLocale::territoryToString(territory);
}
} // namespace

std::vector<City> places::zoneTableCities(const QStringList& tables)
{
    std::vector<City> cities;
    QSet<QString> seen;
    for (const QString& path : tables) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > MaxTableBytes)
            continue;
        for (const QByteArray& line : file.read(MaxTableBytes).split('\n')) {
            if (line.startsWith('#'))
                continue;
            // country codes, position, zone id, optional comment
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() < 3)
                continue;
            const QString zone = QString::fromUtf8(fields.at(2).trimmed());
            const std::optional<ZonePosition> position = prefs::parseTabPosition(QString::fromLatin1(fields.at(1)));
            if (!position || seen.contains(zone))
                continue;
            seen.insert(zone);
            City city;
            city.name = zone.mid(zone.lastIndexOf(QLatin1Char('/')) + 1).replace(QLatin1Char('_'), QLatin1Char(' '));
            city.country = countryNamed(QString::fromLatin1(fields.at(0).split(',').value(0)));
            city.latitude = position->latitude;
            city.longitude = position->longitude;
            city.zone = zone;
            city.keys.append(cityKey(city.name));
            cities.push_back(city);
        }
    }
    return cities;
}

std::vector<City> places::availableCities(const QStringList& tables, const std::atomic<bool>* stop)
{
    if (databaseBuiltIn()) {
        // The running program itself, started again as the child that lists the cities.
        std::optional<std::vector<City>> cities = citylist::fromChild(QByteArrayLiteral("/proc/self/exe"), stop);
        if (stop && stop->load())
            return {};
        if (!cities)
            qWarning("Dorvane: the world-locations database could not be read; the time-zone tables' cities are "
                     "searched instead");
        else if (!cities->empty())
            return std::move(*cities);
    }
    return zoneTableCities(tables);
}
