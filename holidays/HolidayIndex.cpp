// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/HolidayIndex.h"
#include <QFile>
#include <QRegularExpression>

namespace holidays {

namespace {
constexpr qint64 MaxIndexSize = 1024 * 1024;

Names namesOf(const QList<QByteArray>& fields, int from, bool& ok)
{
    Names names;
    for (int i = from; i < fields.size(); ++i) {
        const int equals = fields[i].indexOf('=');
        if (equals <= 0) {
            ok = false;
            return {};
        }
        names.insert(QString::fromUtf8(fields[i].left(equals)), QString::fromUtf8(fields[i].mid(equals + 1)));
    }
    return names;
}

QStringList listOf(const QByteArray& field)
{
    return QString::fromUtf8(field).split(QLatin1Char(','), Qt::SkipEmptyParts);
}
} // namespace

QList<Country> countries(const QStringList& languages, const QString& folder)
{
    QFile file(folder + QStringLiteral("/index.txt"));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxIndexSize)
        return {};
    return countriesFromText(file.read(MaxIndexSize + 1), languages);
}

QList<Country> countriesFromText(const QByteArray& text, const QStringList& languages)
{
    static const QRegularExpression countryCode(QStringLiteral("^[A-Z]{2}$"));
    const QStringList english{QStringLiteral("en")};
    QList<Country> result;
    bool versionSeen = false;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        bool ok = true;
        if (!versionSeen) {
            if (fields.first() != "V" || fields.size() < 2 || fields[1] != "1")
                return {};
            versionSeen = true;
        } else if (fields.first() == "C" && fields.size() >= 4) {
            Country country;
            country.code = QString::fromUtf8(fields[1]);
            country.languages = listOf(fields[2]);
            country.zones = listOf(fields[3]);
            country.name = bestName(namesOf(fields, 4, ok), languages, english);
            if (!ok || !countryCode.match(country.code).hasMatch())
                return {};
            result.append(country);
        } else if (fields.first() == "R" && fields.size() >= 3 && !result.isEmpty()) {
            Country& country = result.last();
            Region region;
            region.code = QString::fromUtf8(fields[1]);
            region.zones = listOf(fields[2]);
            region.name = bestName(namesOf(fields, 3, ok), languages, country.languages + english);
            if (!ok || !region.code.startsWith(country.code + QLatin1Char('-')))
                return {};
            if (region.name.isEmpty())
                region.name = region.code.mid(3);
            country.regions.append(region);
        } else {
            return {};
        }
    }
    return result;
}

} // namespace holidays
