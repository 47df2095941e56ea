// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/SkyNames.h"
#include <QCoreApplication>
#include <QString>

// The names of the year grid's marks, as a screen reader and the legend say them.
class DayMarkTexts
{
    Q_DECLARE_TR_FUNCTIONS(DayMarks)
public:
    static QString NewMoon() { return QCoreApplication::translate(skyNames::Context, skyNames::NewMoon); }
    static QString FullMoon() { return QCoreApplication::translate(skyNames::Context, skyNames::FullMoon); }
    static QString Season() { return QCoreApplication::translate(skyNames::Context, skyNames::Season); }
    static QString Events() { return tr("Your events"); }
    static QString Today() { return tr("Today"); }
    // Within the day said in full: "Wednesday, 9 December 2026, today, new moon at 01:52".
    static QString TodayWithinDay() { return tr("today"); }
    // The month calendar's arrows, as a screen reader names them.
    static QString PreviousMonth() { return tr("Previous month"); }
    static QString NextMonth() { return tr("Next month"); }
};
