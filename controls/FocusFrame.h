// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QToolButton>

class QPainter;

// The keyboard focus drawn so that it shows on any background, a texture or a flat face: a navy line with a yellow
// one inside it, along the edge of the control's rectangle.
void paintFocusFrame(QPainter& painter, const QRect& rect);

// A flat toolbar button whose focus the style would draw faintly or not at all over a texture.
class FramedToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit FramedToolButton(QWidget* parent = nullptr) : QToolButton(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
