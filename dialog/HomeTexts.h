// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/SharedTexts.h"
#include <QCoreApplication>
#include <QString>

// The Parameters dialog's control names and the texts it shows, each declared once for the dialog and its tests.

// Every control's objectName: its name in the layout.
namespace HomeNames {
inline constexpr char Home[] = "Home";
inline constexpr char Panel3[] = "Panel3";
inline constexpr char Label2[] = "Label2";
inline constexpr char CurrencyEditN1[] = "CurrencyEditN1";
inline constexpr char Edit1[] = "Edit1";
inline constexpr char Label1[] = "Label1";
inline constexpr char CurrencyEditW2[] = "CurrencyEditW2";
inline constexpr char Edit2[] = "Edit2";
inline constexpr char Label3[] = "Label3";
inline constexpr char CurrencyEditGMT3[] = "CurrencyEditGMT3";
inline constexpr char Label4[] = "Label4";
inline constexpr char ComboBox1[] = "ComboBox1";
inline constexpr char CheckBox1[] = "CheckBox1";
inline constexpr char CheckBox2[] = "CheckBox2";
inline constexpr char Memo1[] = "Memo1";
inline constexpr char Panel2[] = "Panel2";
inline constexpr char Panel1[] = "Panel1";
inline constexpr char SpeedButton54[] = "SpeedButton54";
inline constexpr char PanelZone[] = "PanelZone";
inline constexpr char LabelZone[] = "LabelZone";
inline constexpr char ComboBoxZone[] = "ComboBoxZone";
// Beside the fields: how each reads, and what does not fit.
inline constexpr char PanelReadings[] = "PanelReadings";
inline constexpr char LabelLatitudeReading[] = "LabelLatitudeReading";
inline constexpr char LabelLongitudeReading[] = "LabelLongitudeReading";
inline constexpr char LabelPlaceWarning[] = "LabelPlaceWarning";
inline constexpr char PanelCity[] = "PanelCity";
inline constexpr char LabelCity[] = "LabelCity";
inline constexpr char EditCity[] = "EditCity";
inline constexpr char PanelZoneCity[] = "PanelZoneCity";
inline constexpr char LabelZoneCity[] = "LabelZoneCity";
inline constexpr char ButtonTakeZoneCity[] = "ButtonTakeZoneCity";
inline constexpr char CheckBoxAutostart[] = "CheckBoxAutostart";
} // namespace HomeNames

// The English source of each text, word for word; HomeTexts::tr gives it in the running language.
namespace HomeTexts {
inline constexpr char Context[] = "THome";
inline QString tr(const char* source)
{
    return QCoreApplication::translate(Context, source);
}

inline constexpr char LatitudeCaption[] = QT_TRANSLATE_NOOP("THome", "N°'/ S°'");
inline constexpr char LongitudeCaption[] = QT_TRANSLATE_NOOP("THome", "W°'/ E°'");
inline constexpr char GmtOffsetCaption[] = QT_TRANSLATE_NOOP("THome", "GMT Offset");
inline constexpr char OffsetListCaption[] = QT_TRANSLATE_NOOP("THome", "Offset List");
inline constexpr char MilitaryTimeCaption[] = QT_TRANSLATE_NOOP("THome", "Display military time");
inline constexpr char HintsCaption[] = QT_TRANSLATE_NOOP("THome", "Hints");
inline constexpr char TimeZoneCaption[] = QT_TRANSLATE_NOOP("THome", "Time zone");
// The zone list's empty entry: no zone, the offset is the one chosen from the Offset List.
inline constexpr char NoZoneHint[] = QT_TRANSLATE_NOOP("THome", "Empty: fixed offset from the Offset List");
inline constexpr char CityCaption[] = QT_TRANSLATE_NOOP("THome", "City");
inline constexpr char CityPlaceholder[] = QT_TRANSLATE_NOOP("THome", "Type a city: berl, são p");

// How a position field reads its text, or why it cannot.
inline constexpr char NoPosition[] = QT_TRANSLATE_NOOP("THome", "No position: no sun times");
inline constexpr char NeedsLatitude[] = QT_TRANSLATE_NOOP("THome", "Needs a latitude too");
inline constexpr char NeedsLongitude[] = QT_TRANSLATE_NOOP("THome", "Needs a longitude too");
inline constexpr char NotANumber[] = QT_TRANSLATE_NOOP("THome", "Not a position: type 52.52, 52°31'N or N°52.52");
inline constexpr char LongitudeLetter[] = QT_TRANSLATE_NOOP("THome", "E and W belong to the longitude");
inline constexpr char LatitudeLetter[] = QT_TRANSLATE_NOOP("THome", "N and S belong to the latitude");
inline constexpr char SignAndLetter[] = QT_TRANSLATE_NOOP("THome", "A sign or a letter, not both");
inline constexpr char TwoLetters[] = QT_TRANSLATE_NOOP("THome", "One letter, before or after");
inline constexpr char TooManyParts[] = QT_TRANSLATE_NOOP("THome", "Degrees, minutes, seconds at most");
inline constexpr char FractionNotLast[] = QT_TRANSLATE_NOOP("THome", "Decimals only in the last number");
inline constexpr char MinutesOver59[] = QT_TRANSLATE_NOOP("THome", "Minutes and seconds go to 59");
inline constexpr char LatitudeBeyond[] = QT_TRANSLATE_NOOP("THome", "Latitudes go to 90°");
inline constexpr char LongitudeBeyond[] = QT_TRANSLATE_NOOP("THome", "Longitudes go to 180°");
inline constexpr char FileFormUnreadable[] = QT_TRANSLATE_NOOP("THome", "No number after the degree sign");
// %1 the longitude ("13.40° E"), %2 the offset its sun keeps ("+1"), %3 the offset chosen ("-5").
inline constexpr char OffsetFarFromPosition[] =
    QT_TRANSLATE_NOOP("THome", "At %1 the sun keeps GMT %2, not %3: its times will be off by hours.");
// %1 the zone, %2 the distance in kilometres with the locale's grouping, %3 the zone's city.
inline constexpr char ZoneCityDistance[] = QT_TRANSLATE_NOOP("THome", "%1 — the position is %2 km from %3");
// %1 the zone's city.
inline constexpr char TakeZoneCity[] = QT_TRANSLATE_NOOP("THome", "Take %1");
inline constexpr char SaveCaption[] = QT_TRANSLATE_NOOP("THome", "Save");

// What a screen reader says of each control: its name (the caption it stands beside), then what it does.
inline constexpr char LatitudeName[] = QT_TRANSLATE_NOOP("THome", "Latitude");
inline constexpr char LatitudeDescription[] =
    QT_TRANSLATE_NOOP("THome", "Degrees north, or negative or S for south: 52.52, 52°31'N, N°52.52, or a pasted pair");
inline constexpr char LongitudeName[] = QT_TRANSLATE_NOOP("THome", "Longitude");
inline constexpr char LongitudeDescription[] =
    QT_TRANSLATE_NOOP("THome", "Degrees east, or negative or W for west: 13.40, 13°24'E, W°97.45");
inline constexpr char GmtOffsetDescription[] =
    QT_TRANSLATE_NOOP("THome", "Hours from GMT, east positive: chosen from the Offset List or given by the time zone");
inline constexpr char OffsetListDescription[] = QT_TRANSLATE_NOOP("THome", "Chooses a fixed offset from GMT");
inline constexpr char MilitaryTimeDescription[] =
    QT_TRANSLATE_NOOP("THome", "Shows the sun's times on the 24-hour clock");
inline constexpr char HintsDescription[] =
    QT_TRANSLATE_NOOP("THome", "Shows what the toolbar's buttons do when the pointer rests on them");
inline constexpr char SaveDescription[] =
    QT_TRANSLATE_NOOP("THome", "Saves the parameters and closes the dialog (Enter); Escape closes it without saving");
inline constexpr char TimeZoneDescription[] =
    QT_TRANSLATE_NOOP("THome", "A zone of the system's list gives each day's offset, daylight saving included; type "
                               "part of a name to narrow the list, or choose the empty entry for the fixed offset");
inline constexpr char CityName[] = QT_TRANSLATE_NOOP("THome", "City search");
inline constexpr char CityDescription[] = QT_TRANSLATE_NOOP(
    "THome", "Type the start of a city's name and pick it: it fills the latitude, longitude and time zone");
inline constexpr char TakeZoneCityDescription[] =
    QT_TRANSLATE_NOOP("THome", "Puts the zone's city in the latitude and longitude fields");
// The caption labels: %1 is the name of the field they stand beside.
inline constexpr char CaptionDescription[] = QT_TRANSLATE_NOOP("THome", "Caption of the %1 field");
inline constexpr char StartWithDesktopDescription[] =
    QT_TRANSLATE_NOOP("THome", "Dorvane starts hidden behind its tray icon when you log in");

// Followed by the full path of prefs.cal.
inline constexpr char CannotCreateFile[] = QT_TRANSLATE_NOOP("THome", "Cannot create file ");
} // namespace HomeTexts
