// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/SkyNames.h"
#include "controls/SharedTexts.h"
#include <QCoreApplication>
#include <QString>

// The About box's names and texts, each declared once for the box, the window that opens it and the tests. The
// product's name is no text to translate.
namespace AboutNames {
inline const QString AboutBox = QStringLiteral("AboutBox");
inline const QString AboutText = QStringLiteral("AboutText");
inline const QString AboutClose = QStringLiteral("AboutClose");
inline const QString KeysAbout = QStringLiteral("KeysAbout");
inline const QString TrayAbout = QStringLiteral("TrayAbout");
} // namespace AboutNames

class AboutTexts
{
    Q_DECLARE_TR_FUNCTIONS(AboutBox)
public:
    static inline const QString Product = QStringLiteral("Dorvane");

    static QString Caption() { return tr("About Dorvane"); }
    static QString MenuAbout() { return tr("About Dorvane"); }
    static QString LabelClose() { return sharedTexts::tr(sharedTexts::Close); }
    static QString Version() { return tr("Version %1"); }
    static QString Summary() { return tr("A year calendar with the sunrise, sunset and moon of the day."); }
    static QString Licence()
    {
        return tr("Free software: you may share and change it under the GNU General Public License, version 3 or "
                  "later. It comes with no warranty.");
    }

    static QString Credits()
    {
        return tr("Eclipses and the moon's distance come from Astronomy Engine by Don Cross, under the MIT licence.");
    }
    static QString HolidaysCredit()
    {
        return tr("Holidays come from the date-holidays data set by commenthol and its contributors, under the "
                  "Creative Commons Attribution-ShareAlike 3.0 licence.");
    }

    static QString HeadingFigures() { return tr("The day's figures"); }
    static QString Julian()
    {
        return tr("Julian: the year's last two digits, a point and the day of the year. 24.075 is the 75th day of "
                  "2024, 15 March.");
    }
    static QString Span()
    {
        return tr("Two days clicked one after the other: Dy, Wk and Mo count the days, the calendar weeks and the "
                  "months from the first to the second, both included.");
    }
    static QString HeadingColours() { return tr("The sun times"); }
    static QString Maroon()
    {
        return tr("Maroon: the sunrise and sunset of the day just clicked, at your position; after three seconds "
                  "today's come back.");
    }
    static QString Navy() { return tr("Navy: today's sunrise and sunset at your position."); }

    static QString HeadingMarks() { return sharedTexts::tr(sharedTexts::MarksOnTheCalendar); }
    static QString MarkNewMoon() { return QCoreApplication::translate(skyNames::Context, skyNames::NewMoon); }
    static QString MarkFullMoon() { return QCoreApplication::translate(skyNames::Context, skyNames::FullMoon); }
    static QString MarkSeason() { return QCoreApplication::translate(skyNames::Context, skyNames::Season); }
    static QString MarkEvents() { return tr("A day with your own events"); }
    static QString MarkSolarEclipse() { return QCoreApplication::translate(skyNames::Context, skyNames::SolarEclipse); }
    static QString MarkLunarEclipse() { return QCoreApplication::translate(skyNames::Context, skyNames::LunarEclipse); }
    static QString MarkToday() { return tr("Today: bold maroon on pale yellow"); }
    static QString MarksWhen()
    {
        return tr("Each mark stands on its day in your time zone; the Day panel tells its time.");
    }
    static QString KeysMarks() { return tr("Marks on the calendar, on or off"); }

    static QString HeadingFiles() { return tr("Where the settings live"); }
    static QString SettingsFile() { return tr("Position, time zone, 24-hour time and hints: %1"); }
    static QString StateFile() { return tr("The window's place, view and week numbers: %1"); }
    static QString NoStateFile() { return tr("The window's place and view are not kept."); }

    static QString HeadingKeys() { return tr("Keyboard shortcuts"); }
    static QString KeysAbout() { return tr("This box"); }
    static QString KeysCalendar() { return tr("Arrows, Page Up, Page Down"); }
    static QString KeysCalendarWhat() { return tr("in a calendar: the day, the month"); }
    static QString KeysYearField() { return tr("Enter, Escape"); }
    static QString KeysYearFieldWhat() { return tr("in the year field: show the year, close the field"); }
};
