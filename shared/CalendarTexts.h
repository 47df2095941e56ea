// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/SkyNames.h"
#include "controls/SharedTexts.h"
#include <QCoreApplication>
#include <QString>

// What the main window shows and says, word for word, named by kind first (Message, Label, Menu, Tip, Hint, Name,
// Description, Spoken, Design) and translated where used; the English text is the source. Patterns are date
// formats the program reads back, never translated.
class CalendarTexts
{
    Q_DECLARE_TR_FUNCTIONS(TCalendar)
public:
    static QString MessageYearOutOfRange() { return tr("Year must be between 1700 and 3000"); }

    // What the layout shows until the first fill and report.
    static QString DesignTitle() { return tr("Date Panel"); }
    static QString DesignSunrise() { return tr("0:00A"); }
    static QString DesignSunset() { return tr("0:00P"); }

    static QString LabelYear() { return tr("YR:"); }
    static QString LabelOk() { return tr("OK"); }
    static QString LabelJanPrefix() { return tr("Jan "); }

    static QString MenuTray() { return tr("Tray"); }
    static QString MenuShow() { return tr("Show"); }
    static QString MenuHide() { return tr("Hide"); }
    static QString MenuParameters() { return sharedTexts::tr(sharedTexts::Parameters); }
    static QString MenuDayPanel() { return tr("Day panel"); }
    static QString MenuYearChart() { return tr("Daylight of the year"); }
    static QString MenuMarks() { return sharedTexts::tr(sharedTexts::MarksOnTheCalendar); }
    static QString MenuStartWithDesktop() { return sharedTexts::tr(sharedTexts::StartWithDesktop); }
    static QString MenuQuit() { return tr("Quit"); }
    // %1: the desktop's autostart entry, %2: why the system refused.
    static QString MessageCannotStartWithDesktop() { return tr("Cannot write %1:\n%2"); }
    static QString MessageCannotStopStartingWithDesktop() { return tr("Cannot remove %1:\n%2"); }
    static QString TipTray() { return tr("Dorvane\nToday: "); }

    static QString HintSunrise() { return QCoreApplication::translate(skyNames::Context, skyNames::Sunrise); }
    static QString HintSunset() { return QCoreApplication::translate(skyNames::Context, skyNames::Sunset); }
    static QString HintMoon() { return tr("Moon phase"); }
    static QString HintOnTop() { return tr("Always on top"); }
    static QString HintTray() { return tr("Tray"); }
    static QString HintWeekNumbers() { return tr("Display week number"); }
    static QString HintPrevious() { return tr("Previous"); }
    static QString HintYear() { return tr("Back to today"); }
    static QString HintNext() { return tr("Next"); }
    static QString HintView() { return tr("Full or compact view"); }
    static QString HintCompactSize() { return tr("Compact size"); }
    static QString HintYearEntry() { return tr("Enter a year"); }
    static QString HintClose() { return sharedTexts::tr(sharedTexts::Close); }
    static QString HintParameters() { return sharedTexts::tr(sharedTexts::Parameters); }
    // A hint followed by its shortcut: "%1 (%2)".
    static QString HintWithKeys() { return sharedTexts::tr(sharedTexts::WithBracketed); }

    // What a screen reader says of each control.
    static QString NamePrevious() { return tr("Previous year or month"); }
    static QString NameYear() { return tr("Back to today"); }
    static QString NameNext() { return tr("Next year or month"); }
    static QString NameView() { return tr("Full or compact view"); }
    static QString NameCompactSize() { return tr("Compact size"); }
    static QString NameYearEntry() { return tr("Enter a year"); }
    static QString NameClose() { return sharedTexts::tr(sharedTexts::Close); }
    static QString NameWeekNumbers() { return sharedTexts::tr(sharedTexts::WeekNumbers); }
    static QString NameParameters() { return sharedTexts::tr(sharedTexts::Parameters); }
    static QString NameOnTop() { return tr("Always on top"); }
    static QString NameTray() { return tr("Tray"); }
    static QString NameToolbar() { return tr("Toolbar"); }
    static QString NameYearPanel() { return tr("Year entry"); }
    static QString NameYearField() { return tr("Year"); }
    static QString NameNoEvent() { return tr("%1: none"); }
    static QString DescriptionPrevious()
    {
        return tr("Shows the previous year, or the previous month in the compact view");
    }
    static QString DescriptionYear()
    {
        return tr("Shows today's year again; in the compact view, January or today's month in turn");
    }
    static QString DescriptionNext() { return tr("Shows the next year, or the next month in the compact view"); }
    static QString DescriptionView()
    {
        return tr("Switches between the twelve months and the compact view of one to three months");
    }
    static QString DescriptionCompactSize() { return tr("Shows one, two or three months in turn in the compact view"); }
    static QString DescriptionYearEntry() { return tr("Opens a field to type a year from 1700 to 3000"); }
    static QString DescriptionClose() { return tr("Closes Dorvane"); }
    static QString DescriptionWeekNumbers() { return tr("Shows or hides the week numbers in all calendars"); }
    static QString DescriptionParameters()
    {
        return tr("Opens the Parameters dialog: position, time zone, 24-hour time and hints");
    }
    static QString DescriptionOnTop() { return tr("Keeps the window above all others, or lets it go back among them"); }
    static QString DescriptionTray() { return tr("Hides the window behind its icon in the notification area"); }
    static QString DescriptionWithKeys() { return sharedTexts::tr(sharedTexts::WithBracketed); }
    static QString DescriptionSunriseIcon() { return tr("Sunrise icon"); }
    static QString DescriptionSunsetIcon() { return tr("Sunset icon"); }
    static QString DescriptionSunrise() { return tr("Sunrise at your position on the day shown"); }
    static QString DescriptionSunset() { return tr("Sunset at your position on the day shown"); }
    static QString DescriptionMoon() { return tr("Moon phase on the day shown"); }
    static QString DescriptionCalendar()
    {
        return tr(
            "Month calendar: the arrow keys move the day, Page Up and Page Down the month; Enter or a click shows "
            "the day's figures");
    }
    static QString DescriptionTitle() { return tr("Title of month calendar %1"); }
    static QString DescriptionToolbar() { return tr("Sun and moon of the day shown, and the commands"); }
    static QString DescriptionYearPanel() { return tr("Type a year from 1700 to 3000"); }
    static QString DescriptionYearLabel() { return tr("Label of the year field"); }
    static QString DescriptionYearField()
    {
        return tr("A year from 1700 to 3000: Enter shows it, Escape closes the field");
    }
    static QString DescriptionOk() { return tr("Shows the year typed (Enter)"); }

    // A sun time as a screen reader says it.
    static QString SpokenAm() { return tr("AM"); }
    static QString SpokenPm() { return tr("PM"); }
    static QString SpokenNextDay() { return tr(", next day"); }
    static QString SpokenPreviousDay() { return tr(", previous day"); }
    static QString SpokenDaysLater(int days) { return tr(", %n day(s) later", nullptr, days); }
    static QString SpokenDaysEarlier(int days) { return tr(", %n day(s) earlier", nullptr, days); }

    static inline const QString PatternMonthTitle = QStringLiteral("mmmm yyyy");
    static inline const QString PatternSunDate = QStringLiteral("mm/dd/yyyy");
    static inline const QString PatternShortDate = QStringLiteral("m/d/yy");
    static inline const QString PatternYear = QStringLiteral("yyyy");
    static inline const QString PatternMonthYear = QStringLiteral("mmm yyyy");
};
using texts = CalendarTexts;
