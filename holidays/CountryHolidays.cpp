// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/CountryHolidays.h"
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace holidays {

namespace {
constexpr int FormatVersion = 1;
// The largest country file is some tens of kilobytes; a file far larger is none of ours.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
// Years a file may cover: the format's day codes and the dates of QDate stay sound well beyond them.
constexpr int EarliestYear = 1000;
constexpr int LatestYear = 9999;

bool toInt(const QByteArray& text, int& value, int low, int high)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    value = text.toInt();
    return value >= low && value <= high;
}

int digit36(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    return -1;
}

bool isCountryCode(const QString& code)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]{2}$"));
    return pattern.match(code).hasMatch();
}

QList<int> idList(const QByteArray& field, int count, bool& ok)
{
    QList<int> ids;
    if (field.isEmpty())
        return ids;
    for (const QByteArray& part : field.split(',')) {
        int id = 0;
        if (!toInt(part, id, 0, count - 1)) {
            ok = false;
            return {};
        }
        ids.append(id);
    }
    return ids;
}
} // namespace

CountryHolidays CountryHolidays::read(const QString& country, const QString& folder)
{
    if (!isCountryCode(country))
        return {};
    QFile file(folder + QLatin1Char('/') + country + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return {};
    CountryHolidays result = fromText(file.read(MaxFileSize + 1));
    if (result.m_country != country)
        return {};
    return result;
}

CountryHolidays CountryHolidays::fromText(const QByteArray& text)
{
    CountryHolidays result;
    if (text.size() <= MaxFileSize && result.parse(text))
        result.m_valid = true;
    else
        result = CountryHolidays();
    return result;
}

bool CountryHolidays::parse(const QByteArray& text)
{
    bool versionSeen = false;
    bool countrySetSeen = false;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        const QByteArray& type = fields.first();
        if (!versionSeen) {
            // The first line names the format, the years and the country; nothing is read before it.
            int version = 0;
            if (type != "V" || fields.size() != 6 || !toInt(fields[1], version, FormatVersion, FormatVersion) ||
                !toInt(fields[2], m_firstYear, EarliestYear, LatestYear) ||
                !toInt(fields[3], m_lastYear, m_firstYear, LatestYear))
                return false;
            m_dataVersion = QString::fromUtf8(fields[4]);
            m_country = QString::fromUtf8(fields[5]);
            if (!isCountryCode(m_country))
                return false;
            versionSeen = true;
        } else if (type == "L" && fields.size() == 2) {
            m_languages = QString::fromUtf8(fields[1]).split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (type == "N" && fields.size() >= 2) {
            int id = 0;
            if (!toInt(fields[1], id, m_names.size(), m_names.size()))
                return false;
            Names names;
            for (int i = 2; i < fields.size(); ++i) {
                const int equals = fields[i].indexOf('=');
                if (equals <= 0)
                    return false;
                names.insert(QString::fromUtf8(fields[i].left(equals)), QString::fromUtf8(fields[i].mid(equals + 1)));
            }
            m_names.append(names);
        } else if (type == "H") {
            if (!parseRecord(fields))
                return false;
        } else if (type == "C" && fields.size() == 2 && !countrySetSeen) {
            bool ok = true;
            m_countrySet = idList(fields[1], m_records.size(), ok);
            if (!ok)
                return false;
            countrySetSeen = true;
        } else if (type == "R" && fields.size() == 4 && countrySetSeen) {
            const QString code = QString::fromUtf8(fields[1]);
            if (!code.startsWith(m_country + QLatin1Char('-')) || m_regions.contains(code))
                return false;
            bool ok = true;
            RegionSet set{idList(fields[2], m_records.size(), ok), idList(fields[3], m_records.size(), ok)};
            if (!ok)
                return false;
            m_regions.insert(code, set);
        } else {
            return false;
        }
    }
    return versionSeen && countrySetSeen;
}

bool CountryHolidays::parseRecord(const QList<QByteArray>& fields)
{
    int id = 0;
    int name = 0;
    if (fields.size() != 5 || !toInt(fields[1], id, m_records.size(), m_records.size()) ||
        !toInt(fields[3], name, 0, int(m_names.size()) - 1))
        return false;
    Record record;
    record.name = name;
    if (fields[2] == "p")
        record.kind = Kind::Public;
    else if (fields[2] == "b")
        record.kind = Kind::Bank;
    else if (fields[2] == "o")
        record.kind = Kind::Observance;
    else
        return false;
    for (const QByteArray& token : fields[4].split(' '))
        if (!token.isEmpty() && !parseDates(token, record))
            return false;
    m_records.append(record);
    return true;
}

// "MMDD:Y1-Y2", "MMDD:Y" or "~Y:" with two digits a year; every date must exist and lie in the file's years.
bool CountryHolidays::parseDates(const QByteArray& token, Record& record) const
{
    const int colon = token.indexOf(':');
    if (colon < 0)
        return false;
    if (token.startsWith('~')) {
        Sequence sequence;
        sequence.codes = token.mid(colon + 1);
        if (!toInt(token.mid(1, colon - 1), sequence.firstYear, m_firstYear, m_lastYear) || sequence.codes.isEmpty() ||
            sequence.codes.size() % 2 != 0 || sequence.firstYear + sequence.codes.size() / 2 - 1 > m_lastYear)
            return false;
        for (int i = 0; i < sequence.codes.size(); i += 2) {
            const int high = digit36(sequence.codes[i]);
            const int low = digit36(sequence.codes[i + 1]);
            const int year = sequence.firstYear + i / 2;
            if (high < 0 || low < 0 || high * 36 + low > QDate(year, 1, 1).daysInYear())
                return false;
        }
        record.sequences.append(sequence);
        return true;
    }
    const QByteArray monthDay = token.left(colon);
    const QByteArray years = token.mid(colon + 1);
    Fixed fixed;
    const int dash = years.indexOf('-');
    if (monthDay.size() != 4 || !toInt(monthDay.left(2), fixed.month, 1, 12) ||
        !toInt(monthDay.mid(2), fixed.day, 1, 31) ||
        !toInt(dash < 0 ? years : years.left(dash), fixed.firstYear, m_firstYear, m_lastYear) ||
        !toInt(dash < 0 ? years : years.mid(dash + 1), fixed.lastYear, fixed.firstYear, m_lastYear))
        return false;
    // 29 February stands only in leap years; any other day must exist in every year of its run.
    for (int year = fixed.firstYear; year <= fixed.lastYear; ++year)
        if (!QDate(year, fixed.month, fixed.day).isValid() && !(fixed.month == 2 && fixed.day == 29))
            return false;
    if (dash < 0 && !QDate(fixed.firstYear, fixed.month, fixed.day).isValid())
        return false;
    if (dash < 0)
        record.singles.append(QDate(fixed.firstYear, fixed.month, fixed.day));
    else
        record.fixed.append(fixed);
    return true;
}

void CountryHolidays::addDates(const Record& record, int year, QList<QDate>& into) const
{
    for (const Fixed& fixed : record.fixed)
        if (year >= fixed.firstYear && year <= fixed.lastYear && QDate(year, fixed.month, fixed.day).isValid())
            into.append(QDate(year, fixed.month, fixed.day));
    for (const Sequence& sequence : record.sequences) {
        const int index = (year - sequence.firstYear) * 2;
        if (index < 0 || index >= sequence.codes.size())
            continue;
        const int dayOfYear = digit36(sequence.codes[index]) * 36 + digit36(sequence.codes[index + 1]);
        if (dayOfYear > 0)
            into.append(QDate(year, 1, 1).addDays(dayOfYear - 1));
    }
    for (const QDate& single : record.singles)
        if (single.year() == year)
            into.append(single);
}

bool CountryHolidays::hasArea(const QString& code) const
{
    return m_valid && (code == m_country || m_regions.contains(code));
}

YearHolidays CountryHolidays::year(int year, const QString& area, Kinds kinds, const QStringList& languages) const
{
    YearHolidays result;
    if (!m_valid || !(area.isEmpty() || hasArea(area)))
        return result;
    if (year < m_firstYear || year > m_lastYear) {
        result.status = YearHolidays::Status::NotKnown;
        return result;
    }
    result.status = YearHolidays::Status::Known;
    QList<int> ids = m_countrySet;
    const auto region = m_regions.constFind(area);
    if (region != m_regions.constEnd()) {
        ids.removeIf([&](int id) { return region->removed.contains(id); });
        ids.append(region->added);
    }
    const QStringList fallbacks = m_languages + QStringList{QStringLiteral("en")};
    for (int id : ids) {
        const Record& record = m_records.at(id);
        if (!kinds.testFlag(record.kind))
            continue;
        QList<QDate> dates;
        addDates(record, year, dates);
        for (const QDate& date : dates)
            result.days.append({date, record.kind, bestName(m_names.at(record.name), languages, fallbacks)});
    }
    std::stable_sort(result.days.begin(), result.days.end(),
                     [](const Holiday& a, const Holiday& b) { return a.date < b.date; });
    return result;
}

YearHolidays holidaysOf(const QString& area, int year, Kinds kinds, const QStringList& languages, const QString& folder)
{
    return CountryHolidays::read(area.left(2), folder).year(year, area, kinds, languages);
}

} // namespace holidays
