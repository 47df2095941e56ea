// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourholidays/ShownHolidays.h"
#include <QtConcurrent/QtConcurrentRun>

ShownHolidays::ShownHolidays(QString folder, QObject* parent) : QObject(parent), m_folder(std::move(folder))
{
    connect(&m_watcher, &QFutureWatcher<Read>::finished, this, &ShownHolidays::finished);
}

ShownHolidays::~ShownHolidays()
{
    // The worker holds only its own copies; waiting keeps it from outliving the program's end.
    m_watcher.waitForFinished();
}

void ShownHolidays::choose(const QString& area, holidays::Kinds kinds, const QStringList& languages)
{
    if (area == m_area && kinds == m_kinds && languages == m_languages)
        return;
    // Another region of the same country keeps the file read.
    if (area.left(2) != m_area.left(2))
        m_country.reset();
    m_area = area;
    m_kinds = kinds;
    m_languages = languages;
    m_years.clear();
    m_wanted.clear();
    ++m_generation;
}

const holidays::YearHolidays* ShownHolidays::known(int year)
{
    if (m_area.isEmpty())
        return nullptr;
    const auto found = m_years.constFind(year);
    if (found != m_years.constEnd())
        return &*found;
    if (!m_wanted.contains(year)) {
        m_wanted.append(year);
        readNext();
    }
    return nullptr;
}

QStringList ShownHolidays::namesOn(const QDate& day)
{
    QStringList names;
    if (const holidays::YearHolidays* year = known(day.year()))
        for (const holidays::Holiday& holiday : year->days)
            if (holiday.date == day)
                names.append(holiday.name);
    return names;
}

std::optional<holidays::YearHolidays::Status> ShownHolidays::statusOf(int year)
{
    if (const holidays::YearHolidays* days = known(year))
        return days->status;
    return std::nullopt;
}

QList<holidays::Holiday> ShownHolidays::daysOf(int year)
{
    const holidays::YearHolidays* days = known(year);
    return days ? days->days : QList<holidays::Holiday>();
}

QList<holidays::Holiday> ShownHolidays::daysNow(int year)
{
    if (m_area.isEmpty())
        return {};
    if (!m_years.contains(year)) {
        if (!m_country)
            m_country = std::make_shared<const holidays::CountryHolidays>(
                holidays::CountryHolidays::read(m_area.left(2), m_folder));
        m_years.insert(year, m_country->year(year, m_area, m_kinds, m_languages));
    }
    return m_years.value(year).days;
}

void ShownHolidays::readNext()
{
    if (m_reading || m_wanted.isEmpty())
        return;
    m_reading = true;
    const int year = m_wanted.constFirst();
    m_watcher.setFuture(QtConcurrent::run([country = m_country, folder = m_folder, area = m_area, kinds = m_kinds,
                                           languages = m_languages, year, generation = m_generation] {
        Read read;
        read.country = country ? country
                               : std::make_shared<const holidays::CountryHolidays>(
                                     holidays::CountryHolidays::read(area.left(2), folder));
        read.year = year;
        read.days = read.country->year(year, area, kinds, languages);
        read.generation = generation;
        return read;
    }));
}

void ShownHolidays::finished()
{
    m_reading = false;
    const Read read = m_watcher.result();
    if (read.generation == m_generation) {
        m_country = read.country;
        m_years.insert(read.year, read.days);
        m_wanted.removeAll(read.year);
        emit yearReady(read.year);
    }
    readNext();
}
