// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TCurrencyEdit.h"
#include "runtime/NumberText.h"
#include <cmath>

TCurrencyEdit::TCurrencyEdit(QWidget* parent) : QLineEdit(parent)
{
    showValue();
}

void TCurrencyEdit::setValue(double value)
{
    const double rounded = std::isfinite(value) ? rt::roundTo2(value) : 0.0;
    const QString before = valueText();
    m_value = std::isfinite(rounded) ? rounded : 0.0;
    showValue();
    if (valueText() != before)
        emit changed();
}

QString TCurrencyEdit::valueText() const
{
    return rt::fieldText(m_value, rt::formatSettings());
}

bool TCurrencyEdit::setTextChecked(const QString& text)
{
    const std::optional<double> parsed = rt::parseFieldNumber(text, rt::formatSettings());
    if (!parsed || !std::isfinite(*parsed))
        return false;
    setValue(*parsed);
    return true;
}

void TCurrencyEdit::setDisplayPattern(const QString& pattern)
{
    m_displayPattern = pattern;
    showValue();
}

void TCurrencyEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    showValue();
    emit entered();
}

void TCurrencyEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // What was typed becomes the value; text that is no number gives way to the value held before.
    setTextChecked(text());
    showValue();
}

void TCurrencyEdit::showValue()
{
    const QString shown = hasFocus() ? valueText() : rt::formatFloat(m_displayPattern, m_value, rt::formatSettings());
    if (text() != shown)
        setText(shown);
}
