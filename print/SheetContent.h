// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/WeekRules.h"
#include <QDate>
#include <QList>
#include <QLocale>
#include <QRgb>
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

// One occurrence of a day or range of days the user marked, as the pages show it: in its category's colour.
struct SheetRange
{
    QDate first;
    QDate last; // included
    QString title;
    QRgb colour = 0;
};

// A category of marked days named in the legend.
struct SheetCategory
{
    QString name;
    QRgb colour = 0;
};

// Everything the pages of a year show; the sheets ask nothing else.
struct SheetContent
{
    int year = 2000;
    QString place; // the header's second line, as given
    QLocale locale;
    Qt::DayOfWeek firstDay = Qt::Monday;
    weeks::Numbering numbering = weeks::Numbering::Iso;
    // The marks of a day; none when empty.
    std::function<SheetDayMarks(const QDate&)> marks;
    // The user's marked days that meet the year, the one starting first first, and the categories they use for the
    // legend; with none the year is one page, else a list of them by month follows it.
    QList<SheetRange> ranges;
    QList<SheetCategory> categories;
    // Whether a day is a holiday of the region shown, its number then printed in the holiday ink; none when empty.
    std::function<bool(const QDate&)> holiday{};
};
