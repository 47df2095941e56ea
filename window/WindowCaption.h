// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/CalendarArithmetic.h"
#include "runtime/DateValue.h"
#include <QString>
#include <optional>

// What the main window's caption names: today's figures, or a clicked day's figures and span, and which of the two
// it shows, so a new day moves the right one.
class WindowCaption
{
public:
    const JulianState& julian() const { return Julian; }
    // The day-of-year figure last computed ("24.125").
    QString figure() const { return julianText(Julian.JulianYear, Julian.JulianDayOfYear); }

    // Today's own caption; no span starts from its figures.
    QString today(TDateTime now);
    // A clicked day's caption, when the click changes it (before the first activation it does not).
    std::optional<QString> dayClicked(const QString& dateText, TDateTime date, bool firstActivationDone, TDateTime now);
    // Today became another day: today's caption follows it; a day click's figures and span stay and only the date
    // named as today moves.
    QString todayMoved(const QString& shown, TDateTime previous, TDateTime now);

    // Forgets a first click waiting for its second: the next click starts a span again.
    void clearPendingSpan() { Julian.SpanStartText.clear(); }

private:
    JulianState Julian;
    bool m_followsToday = true;
};
