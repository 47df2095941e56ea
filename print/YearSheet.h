// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "drawing/DayContent.h"
#include "print/SheetContent.h"
#include <QHash>
#include <QRectF>

class QPainter;

// One landscape page of a year: the year and the place in the header, the twelve months in four columns and three
// rows with week numbers and tinted weekends, each day's marks, and a legend in the footer. Drawn in the painter's
// own coordinates onto a target rectangle of any size, text as text, so a PDF keeps it as vector text.
class YearSheet
{
public:
    explicit YearSheet(SheetContent content);

    void paint(QPainter& painter, const QRectF& target) const;

    // Where a day of the year lies on a target of that size (a day outside the year: an empty rectangle).
    QRectF dayRect(const QDate& date, const QRectF& target) const;
    // The column (0 to 6) of a day in its month's grid: 0 is the content's first day of the week.
    int columnOf(const QDate& date) const;

private:
    struct Layout;
    Layout layoutFor(const QRectF& target) const;
    QRectF monthRect(const Layout& layout, int month) const;
    // Returns the kinds of marks it drew, for the legend.
    // The marks drawn, and whether a holiday was (holidays set, never cleared).
    DayMarkSet paintMonth(QPainter& painter, const Layout& layout, int month, bool& holidays) const;
    void paintLegend(QPainter& painter, const Layout& layout, DayMarkSet drawn, bool holidays) const;

    SheetContent m_content;
    QHash<QDate, DayBars> m_bars; // the year's marked ranges, laid once
};
