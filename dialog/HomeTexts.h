#pragma once
#include <QString>

// The texts the Parameters dialog shows, word for word.
namespace HomeTexts {
inline const QString Caption = QStringLiteral("Parameters");
inline const QString LatitudeCaption = QStringLiteral("N\u00B0'/ S\u00B0'");
inline const QString LongitudeCaption = QStringLiteral("W\u00B0'/ E\u00B0'");
inline const QString GmtOffsetCaption = QStringLiteral("GMT Offset");
inline const QString OffsetListCaption = QStringLiteral("Offset List");
inline const QString MilitaryTimeCaption = QStringLiteral("Display military time");
inline const QString HintsCaption = QStringLiteral("Hints");
inline const QString TimeZoneCaption = QStringLiteral("Time zone");
// The zone list's empty entry: no zone, the offset is the one chosen from the Offset List.
inline const QString NoZoneHint = QStringLiteral("Empty: fixed offset from the Offset List");
inline const QString SaveCaption = QStringLiteral("Save");
inline const QString RestartMessage = QStringLiteral("The program must be restarted for this option to take effect.");

// What a screen reader says of each control: its name (the caption it stands beside), then what it does.
inline const QString LatitudeName = QStringLiteral("Latitude");
inline const QString LatitudeDescription =
    QStringLiteral("N or S, the degree sign and decimal degrees, for example N\u00B030.15");
inline const QString LongitudeName = QStringLiteral("Longitude");
inline const QString LongitudeDescription =
    QStringLiteral("W or E, the degree sign and decimal degrees, for example W\u00B097.45");
inline const QString GmtOffsetDescription =
    QStringLiteral("Hours from GMT, east positive: chosen from the Offset List or given by the time zone");
inline const QString OffsetListDescription = QStringLiteral("Chooses a fixed offset from GMT");
inline const QString MilitaryTimeDescription =
    QStringLiteral("Shows the sun's times on the 24-hour clock; turning it off takes effect at the next start");
inline const QString HintsDescription =
    QStringLiteral("Shows what the toolbar's buttons do when the pointer rests on them");
inline const QString SaveDescription =
    QStringLiteral("Saves the parameters and closes the dialog (Enter); Escape closes it without saving");
inline const QString TimeZoneDescription =
    QStringLiteral("A zone of the system's list gives each day's offset, daylight saving included; type part of a "
                   "name to narrow the list, or choose the empty entry for the fixed offset");
// The caption labels: %1 is the name of the field they stand beside.
inline const QString CaptionDescription = QStringLiteral("Caption of the %1 field");

// Followed by the full path of prefs.cal.
inline const QString CannotCreateFile = QStringLiteral("Cannot create file ");
// The restart warning's OK button lies this far below the desktop's middle.
constexpr int RestartOkBelowCentre = 30;
} // namespace HomeTexts
