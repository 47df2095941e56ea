// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TumNumberEdit.h"

#include <QKeyEvent>

QString numberEditAcceptedChars(TumNumberEditKind kind)
{
    switch (kind) {
    case neHex:
        return QStringLiteral("0123456789abcdefABCDEF");
    case neBin:
        return QStringLiteral("01");
    case neDec:
        break;
    }
    return QStringLiteral("0123456789");
}

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

std::optional<qint32> decimalToValue(const QString& text)
{
    int i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulated as a magnitude so that -2147483648 still converts.
    const qint64 limit = negative ? 2147483648LL : 2147483647LL;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < '0' || u > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (u - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -magnitude : magnitude);
}

} // namespace

std::optional<qint32> numberEditTextToValue(TumNumberEditKind kind, const QString& text)
{
    if (text.isEmpty())
        return 0;
    if (kind == neDec)
        return decimalToValue(text);
    const quint32 base = kind == neHex ? 16 : 2;
    quint32 value = 0;
    for (const QChar c : text) {
        const int digit = hexDigit(c);
        if (digit < 0 || static_cast<quint32>(digit) >= base)
            return std::nullopt;
        value = value * base + static_cast<quint32>(digit); // wraps within 32 bits on purpose
    }
    return static_cast<qint32>(value);
}

QString numberEditValueToText(TumNumberEditKind kind, qint32 value)
{
    switch (kind) {
    case neHex:
        return QString::number(static_cast<quint32>(value), 16).toUpper();
    case neBin:
        return QString::number(static_cast<quint32>(value), 2);
    case neDec:
        break;
    }
    return QString::number(value);
}

bool numberEditWithinLimit(TumNumberEditKind kind, const QString& text, qint32 value, qint32 maxValue)
{
    if (maxValue == 0)
        return true;
    if (value < 0 || value > maxValue)
        return false;
    const QString limitText = numberEditValueToText(kind, maxValue);
    if (text.size() > limitText.size())
        return false;
    // Hex limit texts are upper case; typed hex digits may be lower case and must compare as the same digits.
    return text.size() < limitText.size() || text.toUpper() <= limitText;
}

bool numberEditKeyPasses(TumNumberEditKind kind, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const bool control = modifiers & (Qt::ControlModifier | Qt::MetaModifier);
    switch (key) {
    case Qt::Key_Backspace:
        // Ctrl+Backspace makes a delete character, not a backspace.
        return !control;
    // Keys that make no character of their own; their effect on the text goes through the change check.
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
    // Enter and Escape never change the text; the window acts on them.
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    if (control)
        return false;
    if (text.isEmpty())
        return true;
    return text.size() == 1 && numberEditAcceptedChars(kind).contains(text[0]);
}

TumNumberEdit::TumNumberEdit(QWidget* parent) : TumEdit(parent), FAccepted(numberEditAcceptedChars(neDec))
{
    setText(QStringLiteral("0"));
    saveGoodState();
    connect(this, &QLineEdit::textChanged, this, &TumNumberEdit::checkChange);
}

void TumNumberEdit::setKind(TumNumberEditKind kind)
{
    FKind = kind;
    FAccepted = numberEditAcceptedChars(kind);
}

void TumNumberEdit::setMaxValue(qint32 maxValue)
{
    FMaxValue = maxValue;
    if (maxValue != 0 && maxValue < FValue)
        setValue(maxValue);
}

void TumNumberEdit::setValue(qint32 value)
{
    if (value < 0)
        value = 0;
    if (FMaxValue != 0 && value > FMaxValue)
        value = FMaxValue;
    FValue = value;
    setText(numberEditValueToText(FKind, value));
}

void TumNumberEdit::keyPressEvent(QKeyEvent* event)
{
    saveGoodState();
    if (numberEditKeyPasses(FKind, event->key(), event->modifiers(), event->text())) {
        TumEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TumNumberEdit::saveGoodState()
{
    FGoodText = text();
    FGoodValue = FValue;
    FGoodCaret = hasSelectedText() ? selectionStart() : cursorPosition();
}

void TumNumberEdit::checkChange(const QString& text)
{
    if (text.isEmpty()) {
        FValue = 0;
    } else {
        const std::optional<qint32> converted = numberEditTextToValue(FKind, text);
        if (converted && numberEditWithinLimit(FKind, text, *converted, FMaxValue)) {
            FValue = *converted;
            FGoodText = text;
            FGoodValue = FValue;
            FGoodCaret = cursorPosition();
        } else if (!FRestoring) {
            restoreGoodState();
        }
    }
    emit OnChange(this);
}

void TumNumberEdit::restoreGoodState()
{
    const QString goodText = FGoodText;
    const qint32 goodValue = FGoodValue;
    const int goodCaret = FGoodCaret;
    // Putting the text back is itself a change; it is checked (and announced) like any other, but a text that
    // no longer passes (after a change of kind or limit) must not start another restore.
    FRestoring = true;
    setText(goodText);
    FRestoring = false;
    FValue = goodValue;
    setCursorPosition(goodCaret);
    deselect();
    FGoodText = goodText;
    FGoodValue = goodValue;
    FGoodCaret = goodCaret;
}
