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
inline const QString SaveCaption = QStringLiteral("Save");
inline const QString RestartMessage = QStringLiteral("The program must be restarted for this option to take effect.");
// Followed by the full path of prefs.cal.
inline const QString CannotOpenFile = QStringLiteral("Cannot open file ");
inline const QString CannotCreateFile = QStringLiteral("Cannot create file ");
// Controls whose hints stay on when "Hints" is off: the month calendars' Julian-date hint always shows.
inline const QString AlwaysHintedName = QStringLiteral("MonthCalendar");
} // namespace HomeTexts
