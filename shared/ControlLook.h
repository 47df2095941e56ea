// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/Colours.h"
#include <QString>
#include <QWidget>

// What a screen reader says of a control: its name, then what it is for.
inline void describe(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

// A label's or a button's letters in one colour.
inline void setTextColour(QWidget* control, const QColor& colour)
{
    colours::paint(control, QPalette::WindowText, colour);
    colours::paint(control, QPalette::ButtonText, colour);
}
