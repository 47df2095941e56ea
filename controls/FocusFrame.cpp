// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FocusFrame.h"
#include "controls/Colours.h"
#include <QPainter>

void paintFocusFrame(QPainter& painter, const QRect& rect)
{
    if (rect.width() < 4 || rect.height() < 4)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours::Navy, 1));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(colours::Yellow, 1));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.restore();
}

void FramedToolButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    paintFocusFrame(painter, rect());
}
