// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TumEdit.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

int umEditTextLeft(TumEditAlignment alignment, int clientWidth, int textWidth, int leftMargin)
{
    switch (alignment) {
    case taRightJustify:
        return clientWidth - textWidth - leftMargin - 1;
    case taCenter:
        return (clientWidth - textWidth) / 2;
    case taLeftJustify:
        break;
    }
    return leftMargin;
}

TumEdit::TumEdit(QWidget* parent) : QLineEdit(parent) {}

void TumEdit::setAlignment(TumEditAlignment alignment)
{
    if (FAlignment == alignment)
        return;
    FAlignment = alignment;
    update();
}

void TumEdit::focusInEvent(QFocusEvent* event)
{
    FFocused = true;
    QLineEdit::focusInEvent(event);
    update();
}

void TumEdit::focusOutEvent(QFocusEvent* event)
{
    FFocused = false;
    QLineEdit::focusOutEvent(event);
    update();
}

void TumEdit::paintEvent(QPaintEvent* event)
{
    if (FFocused || FAlignment == taLeftJustify) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);

    const QRect client = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    // QLineEdit keeps 2 px between the contents edge and the text on top of the text margins.
    const int leftMargin = textMargins().left() + 2;
    const QString shown = displayText();
    const QFontMetrics metrics(font());
    const int x =
        client.left() + umEditTextLeft(FAlignment, client.width(), metrics.horizontalAdvance(shown), leftMargin);
    const int baseline = client.top() + (client.height() - metrics.height()) / 2 + metrics.ascent();

    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setClipRect(client);
    painter.drawText(x, baseline, shown);
}
