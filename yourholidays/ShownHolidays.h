// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "holidays/CountryHolidays.h"
#include <QDate>
#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <memory>
#include <optional>

// The holidays of the region the user chose, year by year as the window asks for them. Nothing is read until a
// region is chosen; then its country's file is read once on a worker thread, and each year asked for is made there
// too, so the window never waits: a year not known yet answers no holidays and yearReady follows.
class ShownHolidays : public QObject
{
    Q_OBJECT
public:
    explicit ShownHolidays(QString folder = holidays::dataFolder(), QObject* parent = nullptr);
    ~ShownHolidays() override;

    // Shows a country's or region's holidays of those kinds, named in the first of the languages the data has; an
    // empty area shows none and forgets what was read.
    void choose(const QString& area, holidays::Kinds kinds, const QStringList& languages);
    bool shown() const { return !m_area.isEmpty(); }
    QString area() const { return m_area; }

    // The names of a day's holidays; none for another day, or while its year is still being read (asked for then).
    QStringList namesOn(const QDate& day);
    // What is known of a year, asking for it when not yet; none while it is being read or nothing is shown.
    std::optional<holidays::YearHolidays::Status> statusOf(int year);
    // The year's holidays when read; an empty list otherwise (asked for then).
    QList<holidays::Holiday> daysOf(int year);
    // The year's holidays at once, read on this thread when not known yet: for a page printed, which waits anyway.
    QList<holidays::Holiday> daysNow(int year);
    // Whether nothing is being read (for tests and benchmarks, which wait for it).
    bool idle() const { return m_wanted.isEmpty() && !m_reading; }

signals:
    // A year asked for is known now: the calendars showing it ask again.
    void yearReady(int year);

private:
    struct Read
    {
        std::shared_ptr<const holidays::CountryHolidays> country;
        int year = 0;
        holidays::YearHolidays days;
        quint64 generation = 0;
    };
    const holidays::YearHolidays* known(int year);
    void readNext();
    void finished();

    QString m_folder;
    QString m_area;
    holidays::Kinds m_kinds;
    QStringList m_languages;
    quint64 m_generation = 0; // a new choice makes any read under way stale
    std::shared_ptr<const holidays::CountryHolidays> m_country;
    QHash<int, holidays::YearHolidays> m_years;
    QList<int> m_wanted;
    bool m_reading = false;
    QFutureWatcher<Read> m_watcher;
};
