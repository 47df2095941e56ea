// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar/SpokenTime.h"
#include "shared/CalendarTexts.h"
#include <QRegularExpression>

namespace {
constexpr int MinutesPerDay = 24 * 60;
} // namespace

QString spokenSunTime(int eventKind, const QString& shown)
{
    static const QRegularExpression time(QStringLiteral("^(-?)(\\d{1,2}):(\\d\\d)([AP]?)$"));
    const QRegularExpressionMatch match = time.match(shown);
    if (!match.hasMatch())
        return shown;
    const bool twelveHour = !match.captured(4).isEmpty();
    const int hours = match.captured(2).toInt();
    // The hour alone carries the sign ("-1:30A" is half past eleven the evening before).
    int minutes = (match.captured(1).isEmpty() ? hours : -hours) * 60 + match.captured(3).toInt();
    if (twelveHour && eventKind == 2)
        minutes += 12 * 60;
    const int dayOffset = minutes >= 0 ? minutes / MinutesPerDay : -((MinutesPerDay - 1 - minutes) / MinutesPerDay);
    minutes -= dayOffset * MinutesPerDay;
    const int hour = minutes / 60;
    const QString minuteText = QStringLiteral("%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
    QString spoken;
    if (twelveHour) {
        const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
        spoken = QStringLiteral("%1:%2 %3")
                     .arg(clockHour)
                     .arg(minuteText, hour < 12 ? texts::SpokenAm() : texts::SpokenPm());
    } else {
        spoken = QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minuteText);
    }
    if (dayOffset == 1)
        spoken += texts::SpokenNextDay();
    else if (dayOffset == -1)
        spoken += texts::SpokenPreviousDay();
    else if (dayOffset != 0)
        spoken += dayOffset > 0 ? texts::SpokenDaysLater(dayOffset) : texts::SpokenDaysEarlier(-dayOffset);
    return spoken;
}
