// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/CalendarEvent.h"
#include "owndays/OwnDay.h"
#include "prefs/Preferences.h"
#include "print/SheetContent.h"
#include "runtime/FormatSettings.h"
#include <functional>

// The header's place line of a printed year: the position of the preferences as the toolbar reads it and the zone
// ("52.52° N 13.41° E, Europe/Berlin", "30.15° N 97.45° W, UTC-6"); empty when a position line gives no number.
QString sheetPlaceOf(const Preferences& preferences, const FormatSettings& settings);

// A year's page for the preferences and the chosen week rules, in the locale's names; the locale's first day of
// the week is the one the settings give, as the window's calendars take it. No marks.
SheetContent sheetContentOf(int year, const Preferences& preferences, const FormatSettings& settings,
                            const QLocale& locale, weeks::FirstDay firstDay, weeks::Numbering numbering);

// What a year's page takes from the window's choices besides the preferences.
struct PageChoices
{
    weeks::FirstDay firstDay = weeks::FirstDay::Locale;
    weeks::Numbering numbering = weeks::Numbering::Iso;
    bool skyMarksShown = true;
    // The days of the user's calendars; none when empty.
    std::function<QList<CalendarEvent>(const QDate&)> events;
    // The user's marked days that meet [from, to] and their categories; none when empty, and the year is one page.
    // Initialised here, so that a brace list may stop before them (-Wmissing-field-initializers).
    std::function<QList<OwnDay>(const QDate& from, const QDate& to)> ownDays{};
    QList<Category> categories{};
    // Whether a day is a holiday of the region the grid shows; none when empty.
    std::function<bool(const QDate&)> holiday{};
};

// The year's page as the window prints it and the command line writes it: the place line, the week rules, the
// marks the grid shows and the user's marked days. The sky's marks fall on the days of the zone's clock, so a position
// line that does not read empties the place line but takes no moon or season off the page, as it takes none off the
// grid.
SheetContent yearPageOf(int year, const Preferences& preferences, const FormatSettings& settings, const QLocale& locale,
                        const PageChoices& choices);
