// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/DateValue.h"
#include "year/YearGrid.h"
#include <array>

class QLabel;
class QWidget;

// The twelve titles over the month calendars (Panel30 .. Panel41): "k mmmm yyyy", navy with yellow letters. What
// each names is told to the year grid, which answers whether a clicked day is in the titled month.
class MonthTitles
{
public:
    MonthTitles(grid::YearGrid& grid, QWidget* parent);

    void setTitle(int k, TDateTime date);
    // The first title follows the first calendar: written again when its date or its text changed.
    void followFirst(TDateTime calendar1);
    // In the compact view titles 5 to 7 would show through the toolbar.
    void setCompact(bool compact);

private:
    grid::YearGrid& m_grid;
    std::array<QLabel*, grid::Calendars> m_title{};
    TDateTime m_firstSource = -1e9;
    QString m_firstShown;
};
