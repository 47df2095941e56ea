#pragma once
#include "prefs/Preferences.h"
#include "print/SheetContent.h"
#include "runtime/FormatSettings.h"

// The header's place line of a printed year: the position of the preferences as the toolbar reads it and the zone
// ("52.52° N 13.41° E, Europe/Berlin", "30.15° N 97.45° W, UTC-6"); empty when a position line gives no number.
QString sheetPlaceOf(const Preferences& preferences, const FormatSettings& settings);

// A year's page for the preferences and the chosen week rules, in the locale's names; the locale's first day of
// the week is the one the settings give, as the window's calendars take it. No marks.
SheetContent sheetContentOf(int year, const Preferences& preferences, const FormatSettings& settings,
                            const QLocale& locale, weeks::FirstDay firstDay, weeks::Numbering numbering);
