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
// Followed by the full path of prefs.cal.
inline const QString CannotCreateFile = QStringLiteral("Cannot create file ");
// The restart warning's OK button lies this far below the desktop's middle.
constexpr int RestartOkBelowCentre = 30;
} // namespace HomeTexts
