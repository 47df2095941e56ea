// SPDX-License-Identifier: GPL-3.0-or-later
#include "year/MonthTitles.h"
#include "controls/Colours.h"
#include "runtime/FormatSettings.h"
#include "shared/CalendarNames.h"
#include "shared/CalendarTexts.h"
#include <QLabel>

MonthTitles::MonthTitles(grid::YearGrid& grid, QWidget* parent) : m_grid(grid)
{
    static const int lefts[3][4] = {{40, 239, 438, 637}, {40, 239, 431, 630}, {40, 239, 438, 637}};
    static const int tops[3] = {7, 150, 294};
    QFont bold = parent->font();
    bold.setBold(true);
    // Narrow enough that the longest title ("11 November 2024") fits its 112-pixel panel.
    bold.setPixelSize(10);
    for (int n = 1; n <= grid::Calendars; ++n) {
        const int row = (n - 1) / 4, column = (n - 1) % 4;
        auto* title = new QLabel(texts::DesignTitle(), parent);
        title->setObjectName(names::TitlePanel(n));
        title->setGeometry(lefts[row][column], tops[row], 112, 16);
        title->setAlignment(Qt::AlignCenter);
        title->setAutoFillBackground(true);
        title->setFont(bold);
        colours::paint(title, QPalette::Window, colours::Navy);
        colours::paint(title, QPalette::WindowText, colours::Yellow);
        title->setAccessibleDescription(texts::DescriptionTitle().arg(n));
        m_title[n - 1] = title;
    }
}

void MonthTitles::setTitle(int k, TDateTime date)
{
    QLabel* label = m_title[k - 1];
    const QString text = grid::titleText(k, date, rt::formatSettings());
    if (label->text() != text)
        label->setText(text);
    m_grid.titled(k, date);
}

void MonthTitles::followFirst(TDateTime calendar1)
{
    if (calendar1 != m_firstSource || m_title[0]->text() != m_firstShown) {
        setTitle(1, calendar1);
        m_firstSource = calendar1;
        m_firstShown = m_title[0]->text();
    }
}

void MonthTitles::setCompact(bool compact)
{
    for (int n = 5; n <= 7; ++n)
        m_title[n - 1]->setVisible(!compact);
}
