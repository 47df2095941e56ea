// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The comparator's window: the least a Qt program needs to show Dorvane's twelve coloured month calendars, with the
// toolkit's own calendar.
#include <QCalendarWidget>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace bench {

inline void buildBareYear(QWidget& window)
{
    window.setFixedSize(800, 485);
    window.setAutoFillBackground(true);
    QPalette windowColours = window.palette();
    windowColours.setColor(QPalette::Window, QColor(0, 0, 255));
    window.setPalette(windowColours);
    QFont small = window.font();
    small.setPixelSize(11);
    window.setFont(small);

    static const int lefts[4] = {0, 199, 398, 597};
    static const int tops[3] = {0, 143, 286};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            auto* month = new QCalendarWidget(&window);
            month->setGeometry(lefts[column], tops[row], 197, 153);
            month->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
            // Navy text; the navigation bar takes the highlight colours, blue with a yellow title.
            QPalette colours = month->palette();
            colours.setColor(QPalette::Text, QColor(0, 0, 128));
            colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
            colours.setColor(QPalette::Highlight, QColor(0, 0, 255));
            colours.setColor(QPalette::HighlightedText, QColor(255, 255, 0));
            month->setPalette(colours);
        }
    }
}

} // namespace bench
