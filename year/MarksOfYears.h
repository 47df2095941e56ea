// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/YearMarks.h"
#include <QObject>
#include <QSet>

// The calendars' marks, each year computed once on a worker thread at its first question: a year's moons cost
// tens of milliseconds, too long for a click to wait. Until a year is ready its days have no marks. Nothing is
// computed before start(): the window's start would otherwise share the two cores with a year's moons.
class MarksOfYears : public QObject
{
    Q_OBJECT
public:
    explicit MarksOfYears(QObject* parent = nullptr) : QObject(parent) {}

    // The years asked for so far are computed now, later ones at once.
    void start();

    // A new place forgets the years of the old one, and any still being computed for it.
    void setPlace(const SkyPlace& place);
    DayMarks dayMarks(const QDate& day);
    bool knows(int year) const { return m_years.knows(year); }
    // A day's moments once its year is computed; asks for nothing.
    std::vector<YearMark> marksOn(const QDate& day) const { return m_years.marksOn(day); }
    const SkyPlace& place() const { return m_years.place(); }

signals:
    void yearReady(int year);

private:
    void compute(int year);
    void startComputing(int year);

    YearMarksCache m_years;
    QSet<int> m_computing;
    int m_placeCount = 0; // places set so far: a result for an older one is dropped
    bool m_started = false;
};
