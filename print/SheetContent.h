// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/WeekRules.h"
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

// What a day of the printed year is marked with.
struct SheetDayMarks
{
    bool newMoon = false;
    bool fullMoon = false;
    bool season = false; // an equinox or solstice
    bool event = false;
    bool solarEclipse = false;
    bool lunarEclipse = false;
    QStringList eventTitles;
};

// Everything one page of a year shows; the sheet asks nothing else.
struct SheetContent
{
    int year = 2000;
    QString place; // the header's second line, as given
    QLocale locale;
    Qt::DayOfWeek firstDay = Qt::Monday;
    weeks::Numbering numbering = weeks::Numbering::Iso;
    // The marks of a day; none when empty.
    std::function<SheetDayMarks(const QDate&)> marks;
};
