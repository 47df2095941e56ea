// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/TumEdit.h"

#include <QString>
#include <optional>

enum TumNumberEditKind { neDec, neHex, neBin };

// The characters the keyboard may enter for a kind.
QString numberEditAcceptedChars(TumNumberEditKind kind);
// The value of a text of the kind; empty reads as 0. Decimal fails outside the 32-bit signed range;
// hex and binary wrap within 32 bits. Any character that is not a digit of the kind fails.
std::optional<qint32> numberEditTextToValue(TumNumberEditKind kind, const QString& text);
// Decimal with a "-" for negatives; hex (upper case) and binary read the 32 bits unsigned, no leading zeros.
QString numberEditValueToText(TumNumberEditKind kind, qint32 value);
// The upper-limit rule: maxValue 0 means no limit; otherwise the value must lie in 0..maxValue and the text
// must not be longer than maxValue's own text, nor sort after it when as long (so leading zeros count).
bool numberEditWithinLimit(TumNumberEditKind kind, const QString& text, qint32 value, qint32 maxValue);
// The keystroke filter: backspace, editing keys without a character and the kind's digits pass;
// every other character, the minus sign and Ctrl shortcuts (clipboard, select all, undo) are dropped.
bool numberEditKeyPasses(TumNumberEditKind kind, int key, Qt::KeyboardModifiers modifiers, const QString& text);

// An edit field that only ever holds a whole number of its kind: keystrokes are filtered, and every change of the
// text is converted and checked, a refused change bringing back the last good text.
class TumNumberEdit : public TumEdit
{
    Q_OBJECT
public:
    explicit TumNumberEdit(QWidget* parent = nullptr);

    TumNumberEditKind Kind() const { return FKind; }
    void setKind(TumNumberEditKind kind);
    qint32 MaxValue() const { return FMaxValue; }
    void setMaxValue(qint32 maxValue);
    qint32 Value() const { return FValue; }
    void setValue(qint32 value);

signals:
    // After every change of the text, once it has been checked (a refused change included).
    void OnChange(QObject* sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void saveGoodState();
    void checkChange(const QString& text);
    void restoreGoodState();

    TumNumberEditKind FKind = neDec;
    QString FAccepted;
    qint32 FMaxValue = 0;
    qint32 FValue = 0;
    QString FGoodText;
    qint32 FGoodValue = 0;
    int FGoodCaret = 0;
    bool FRestoring = false;
};
