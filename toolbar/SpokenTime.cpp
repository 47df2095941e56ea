// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar/SpokenTime.h"
#include "runtime/TextShapes.h"
#include "shared/CalendarTexts.h"

namespace {
constexpr int MinutesPerDay = 24 * 60;
} // namespace

QString spokenSunTime(int eventKind, const QString& shown)
{
    const QStringView text(shown);
    if (!shapes::isSunTime(text))
        return shown;
    const qsizetype sign = text.startsWith(u'-') ? 1 : 0;
    const qsizetype hourDigits = shapes::digitsFrom(text, sign);
    const qsizetype colon = sign + hourDigits;
    // After the minutes, an A or P makes it a 12-hour time (or nothing, or the line feed the shape lets end it).
    const bool twelveHour = colon + 3 < text.size() && text[colon + 3] != u'\n';
    const int hours = text.mid(sign, hourDigits).toInt();
    // The hour alone carries the sign ("-1:30A" is half past eleven the evening before).
    int minutes = (sign == 0 ? hours : -hours) * 60 + text.mid(colon + 1, 2).toInt();
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
