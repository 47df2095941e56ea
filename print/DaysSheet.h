// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "print/SheetContent.h"
#include <QList>
#include <QRectF>

class QPainter;

// The pages after the year's: the user's marked days of the year by month, in columns, each month's name over its
// days and each day with its category's colour, its dates and its title. As many pages as the days fill, none
// without marked days.
class DaysSheet
{
public:
    explicit DaysSheet(SheetContent content);

    int pageCount(const QSizeF& target) const;
    // Draws page (0 to pageCount - 1) in the painter's own coordinates onto the target.
    void paint(QPainter& painter, const QRectF& target, int page) const;

    // A line of a column: a month's name, or one of its days (an index into the content's ranges).
    struct Line
    {
        int month = 1;
        int range = -1; // -1: the month's name
        double top = 0; // in page units, from the top of the column
    };
    using Column = QList<Line>;
    // The columns of every page in order, for a page that many units high.
    QList<Column> columnsFor(double pageHeight) const;

private:
    // The month a range is listed under: its first, or January for one that began the year before.
    int monthOf(const SheetRange& range) const;

    SheetContent m_content;
};

// Dates of a range as the locale writes a day and its month: "12 March", "12–15 March", "28 March – 2 April", with
// the years only for a range over the new year ("28 December 2026 – 2 January 2027"); "March 12–15" in the US.
QString dayRangeText(const QDate& first, const QDate& last, const QLocale& locale);
