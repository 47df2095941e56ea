#pragma once
#include <QString>

// What the main window shows and says, word for word.
namespace texts {
inline const QString YearOutOfRange = QStringLiteral("Year must be between 1700 and 3000");
inline const QString DesignTitle = QStringLiteral("Date Panel");
inline const QString SunriseDesign = QStringLiteral("0:00A");
inline const QString SunsetDesign = QStringLiteral("0:00P");
inline const QString YearLabel = QStringLiteral("YR:");
inline const QString Ok = QStringLiteral("OK");
inline const QString Tray = QStringLiteral("Tray");
inline const QString TrayShow = QStringLiteral("Show");
inline const QString TrayHide = QStringLiteral("Hide");
inline const QString TrayParameters = QStringLiteral("Parameters");
inline const QString TrayQuit = QStringLiteral("Quit");
inline const QString TrayTip = QStringLiteral("Dorvane\nToday: ");
inline const QString JanPrefix = QStringLiteral("Jan ");

inline const QString HintSunrise = QStringLiteral("Sunrise");
inline const QString HintSunset = QStringLiteral("Sunset");
inline const QString HintMoon = QStringLiteral("Moon phase");
inline const QString HintOnTop = QStringLiteral("Always on top");
inline const QString HintTray = QStringLiteral("Tray");
inline const QString HintWeekNumbers = QStringLiteral("Display week number");
inline const QString HintPrevious = QStringLiteral("Previous");
inline const QString HintYear = QStringLiteral("Back to today");
inline const QString HintNext = QStringLiteral("Next");
inline const QString HintView = QStringLiteral("Full or compact view");
inline const QString HintCompactSize = QStringLiteral("Compact size");
inline const QString HintYearEntry = QStringLiteral("Enter a year");
inline const QString HintClose = QStringLiteral("Close");
inline const QString HintParameters = QStringLiteral("Parameters");

inline const QString PatternMonthTitle = QStringLiteral("mmmm yyyy");
inline const QString PatternSunDate = QStringLiteral("mm/dd/yyyy");
inline const QString PatternShortDate = QStringLiteral("m/d/yy");
inline const QString PatternYear = QStringLiteral("yyyy");
inline const QString PatternMonthYear = QStringLiteral("mmm yyyy");
} // namespace texts
