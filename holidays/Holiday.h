// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QFlags>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>

namespace holidays {

// The kinds of day the program keeps of the data set (its school holidays and optional days are left out).
enum class Kind : unsigned {
    Public = 1,     // a public holiday, everywhere in the country or region
    Bank = 2,       // banks and offices closed
    Observance = 4, // kept, without a day off
};
Q_DECLARE_FLAGS(Kinds, Kind)

struct Holiday
{
    QDate date;
    Kind kind = Kind::Public;
    QString name; // in the best language the data has
};

struct YearHolidays
{
    enum class Status {
        Known,    // the days of the year (possibly none of the kinds asked for)
        NotKnown, // the year lies outside the data's years
        NoData,   // no such country or region, or its file is missing or damaged
    };
    Status status = Status::NoData;
    QList<Holiday> days; // by date, then as the data lists them
};

struct Region
{
    QString code; // "DE-BY", "DE-BY-A"
    QString name;
    QStringList zones; // the time zones the data names for it
};

struct Country
{
    QString code; // ISO 3166-1 alpha-2, "DE"
    QString name;
    QStringList languages; // its own languages, the first the main one
    QStringList zones;
    QList<Region> regions; // states and their regions, as the data orders them
};

// Names by language code ("de", "en-us", "ja"), as the files give them.
using Names = QMap<QString, QString>;

// The name to show: the first of `preferred` the names have ("de-at" also finds "de"), else the first of `fallbacks`
// (the country's languages, then English), else any. Codes are compared without case, "_" read as "-".
QString bestName(const Names& names, const QStringList& preferred, const QStringList& fallbacks);

// The user's languages as the program's locale lists them (QLocale::uiLanguages), in the files' form: "de-de", "de".
QStringList languagesOf(const QStringList& uiLanguages);
// The same for a locale; the C locale speaks the program's own English.
QStringList languagesOf(const QLocale& locale);

// Where the shipped files are: share/dorvane/holidays of the installed program (beside it, or in the share folder
// next to its bin folder), else the source tree's for a build that is not installed.
QString dataFolder();

} // namespace holidays

Q_DECLARE_OPERATORS_FOR_FLAGS(holidays::Kinds)
