// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLineEdit>

enum TumEditAlignment { taLeftJustify, taRightJustify, taCenter };

// Left edge of the text the field paints itself while unfocused; all values in pixels.
int umEditTextLeft(TumEditAlignment alignment, int clientWidth, int textWidth, int leftMargin);

// A single-line edit field whose text is shown right-aligned or centred while it does not have the focus;
// with the focus it edits as a plain left-aligned field.
class TumEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TumEdit(QWidget* parent = nullptr);

    TumEditAlignment Alignment() const { return FAlignment; }
    void setAlignment(TumEditAlignment alignment);
    using QLineEdit::setAlignment;

    bool focusFlag() const { return FFocused; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TumEditAlignment FAlignment = taLeftJustify;
    bool FFocused = false;
};
