#include "app/GridRules.h"
#include "app/CalendarTexts.h"
#include "runtime/DateText.h"
#include <algorithm>

namespace grid {

Placement placeGridYear(int source, TDateTime calendar1, const QString& yearStartText, TDateTime now)
{
    if (source == 1)
        return Placement{calendar1, yearStartText};
    const TDateTime from = source == 2 ? calendar1 : now;
    return Placement{rt::encodeDate(rt::yearOf(from), 1, 1), rt::formatDateTime(QStringLiteral("01/01/yyyy"), from)};
}

TDateTime calendarDate(TDateTime calendar1, int k)
{
    return rt::incMonth(calendar1, k - 1);
}

QString titleText(int k, TDateTime date)
{
    return QString::number(k) + QLatin1Char(' ') + rt::formatDateTime(texts::PatternMonthTitle, date);
}

QString titleMonthLetters(int k, const QString& title)
{
    return title.mid(k >= 10 ? 3 : 2, 3);
}

const CompactLayout& compactLayout(int months)
{
    static const CompactLayout layouts[3] = {
        {198, 203, 205, 142, 203, 0, 27, 104, 131, 165, -1, 639, 266, 349, -1, true},
        {199, 402, 398, 142, 397, 33, 62, 141, 173, 207, -1, 287, 238, 347, 317, false},
        {198, 600, 595, 142, 810, 130, 159, 238, 270, 304, 356, 382, 333, 442, 412, false},
    };
    return layouts[std::clamp(months, 1, 3) - 1];
}

} // namespace grid
