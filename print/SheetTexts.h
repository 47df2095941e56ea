// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/SkyNames.h"
#include <QCoreApplication>
#include <QString>

// The words printed on the year's page besides the locale's month and day names.
class SheetTexts
{
    Q_DECLARE_TR_FUNCTIONS(YearSheet)
public:
    static QString NewMoon() { return QCoreApplication::translate(skyNames::Context, skyNames::NewMoon); }
    static QString FullMoon() { return QCoreApplication::translate(skyNames::Context, skyNames::FullMoon); }
    static QString Season() { return QCoreApplication::translate(skyNames::Context, skyNames::Season); }
    static QString Event() { return tr("Event"); }
    static QString SolarEclipse() { return QCoreApplication::translate(skyNames::Context, skyNames::SolarEclipse); }
    static QString LunarEclipse() { return QCoreApplication::translate(skyNames::Context, skyNames::LunarEclipse); }
    static QString Holidays() { return tr("Holidays"); }
    static QString WeeksIso() { return tr("Weeks: ISO 8601"); }
    static QString WeeksFirstJanuary() { return tr("Weeks: week 1 holds 1 January"); }
};
