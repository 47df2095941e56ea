// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "holidays/Holiday.h"
#include <QHash>
#include <QString>

namespace holidays {

// One country's holidays and those of its regions, read whole from its file (assets/holidays/XX.txt, written by
// tools/holidays/generate.py) and never changed after: any thread may ask a read value, so a worker reads it once
// and the window asks it for each year shown. A file that is missing or breaks any rule of its format is refused
// whole (isValid() false), so a damaged file never shows a year without holidays as if it had none.
class CountryHolidays
{
public:
    // Reads "<folder>/<country>.txt"; the country code is two capital letters, anything else reads nothing.
    static CountryHolidays read(const QString& country, const QString& folder = dataFolder());
    // The same from the file's text (for tests and for any other source of the bytes).
    static CountryHolidays fromText(const QByteArray& text);

    bool isValid() const { return m_valid; }
    QString country() const { return m_country; }
    QStringList languages() const { return m_languages; }
    int firstYear() const { return m_firstYear; }
    int lastYear() const { return m_lastYear; }
    QString dataVersion() const { return m_dataVersion; }
    // The country's code, or the code of one of its regions ("DE-BY", "DE-BY-A").
    bool hasArea(const QString& code) const;

    // The holidays of the kinds asked for in a year, of the country (code empty or the country's) or a region,
    // named in the first of `languages` the data has, else in the country's own, else in English.
    YearHolidays year(int year, const QString& area, Kinds kinds, const QStringList& languages) const;

private:
    struct Fixed
    {
        int month = 0, day = 0, firstYear = 0, lastYear = 0;
    };
    struct Sequence
    {
        int firstYear = 0;
        QByteArray codes; // two base-36 digits a year: its day of the year, "00" for none
    };
    struct Record
    {
        Kind kind = Kind::Public;
        int name = 0;
        QList<Fixed> fixed;
        QList<Sequence> sequences;
        QList<QDate> singles;
    };
    struct RegionSet
    {
        QList<int> removed, added;
    };

    bool parse(const QByteArray& text);
    bool parseRecord(const QList<QByteArray>& fields);
    bool parseDates(const QByteArray& token, Record& record) const;
    void addDates(const Record& record, int year, QList<QDate>& into) const;

    bool m_valid = false;
    QString m_country, m_dataVersion;
    QStringList m_languages;
    int m_firstYear = 0, m_lastYear = -1;
    QList<Names> m_names;
    QList<Record> m_records;
    QList<int> m_countrySet;
    QHash<QString, RegionSet> m_regions;
};

// For a worker thread: the year's holidays of a country or region ("DE", "DE-BY"), its country's file read for this
// one question.
YearHolidays holidaysOf(const QString& area, int year, Kinds kinds, const QStringList& languages,
                        const QString& folder = dataFolder());

} // namespace holidays
