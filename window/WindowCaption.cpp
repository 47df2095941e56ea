// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowCaption.h"
#include "runtime/DateText.h"

QString WindowCaption::today(TDateTime now)
{
    ::CalcJulianDate(Julian, rt::formatDateTime(QStringLiteral("mm/dd/yy"), now, rt::formatSettings()), rt::dateOf(now),
                     false, now, rt::formatSettings());
    m_followsToday = true;
    return captionHead(now, Julian.JulianYear, Julian.JulianDayOfYear, rt::formatSettings());
}

std::optional<QString> WindowCaption::dayClicked(const QString& dateText, TDateTime date, bool firstActivationDone,
                                                 TDateTime now)
{
    std::optional<QString> caption =
        ::CalcJulianDate(Julian, dateText, date, firstActivationDone, now, rt::formatSettings());
    if (caption)
        m_followsToday = false;
    return caption;
}

QString WindowCaption::todayMoved(const QString& shown, TDateTime previous, TDateTime now)
{
    return m_followsToday ? today(now) : captionMovedToToday(shown, previous, now, rt::formatSettings());
}
