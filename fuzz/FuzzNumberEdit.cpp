// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric field's rules for the three kinds and any MaxValue, checked against a plain reading of the rules,
// then the field itself driven by texts, keys, paste and undo: whatever happens, it holds a good text.
#include "FuzzSupport.h"
#include "controls/TumNumberEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace {

// The rules read as written: decimal is an optional sign and digits within 32 bits signed; hex and binary take
// their digits only, wrapping within 32 bits.
std::optional<qint32> expectedValue(TumNumberEditKind kind, const QString& text)
{
    if (text.isEmpty())
        return 0;
    if (kind == neDec) {
        QString digits = text;
        bool negative = false;
        if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
            negative = digits.startsWith(QLatin1Char('-'));
            digits.remove(0, 1);
        }
        if (digits.isEmpty())
            return std::nullopt;
        qint64 value = 0;
        for (const QChar c : digits) {
            if (c.unicode() < '0' || c.unicode() > '9')
                return std::nullopt;
            value = value * 10 + (c.unicode() - '0');
            if (value > 2147483648LL)
                return std::nullopt;
        }
        value = negative ? -value : value;
        if (value > 2147483647LL)
            return std::nullopt;
        return qint32(value);
    }
    const QString digitsOfKind = numberEditAcceptedChars(kind);
    quint64 value = 0;
    for (const QChar c : text) {
        if (!digitsOfKind.contains(c))
            return std::nullopt;
        value = (value * (kind == neHex ? 16 : 2) + quint64(QString(c).toUInt(nullptr, 16))) & 0xFFFFFFFFu;
    }
    return qint32(quint32(value));
}

void checkRules(TumNumberEditKind kind, const QString& text, qint32 value, qint32 maxValue)
{
    const std::optional<qint32> read = numberEditTextToValue(kind, text);
    FUZZ_CHECK(read == expectedValue(kind, text), text);

    // The kind's text of any value reads back as that value, and lower-case hex reads as upper case.
    const QString own = numberEditValueToText(kind, value);
    FUZZ_CHECK(numberEditTextToValue(kind, own) == value, own);
    FUZZ_CHECK(own.size() <= 32 && !own.isEmpty(), own);
    if (kind == neHex)
        FUZZ_CHECK(numberEditTextToValue(kind, own.toLower()) == value, own);

    const bool within = numberEditWithinLimit(kind, text, read.value_or(value), maxValue);
    if (maxValue == 0) {
        FUZZ_CHECK(within, text);
    } else if (within) {
        FUZZ_CHECK(read.value_or(value) >= 0 && read.value_or(value) <= maxValue, text);
        FUZZ_CHECK(text.size() <= numberEditValueToText(kind, maxValue).size(), text);
    }
    // A value within the limit, written in its own form, always passes.
    if (maxValue > 0 && value >= 0 && value <= maxValue)
        FUZZ_CHECK(numberEditWithinLimit(kind, own, value, maxValue), own);
    // Leading zeros count: one more digit than the limit's text never passes.
    if (maxValue > 0)
        FUZZ_CHECK(!numberEditWithinLimit(kind, QStringLiteral("0") + numberEditValueToText(kind, maxValue), maxValue,
                                          maxValue),
                   numberEditValueToText(kind, maxValue));
}

void checkKeyRule(TumNumberEditKind kind, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (!numberEditKeyPasses(kind, key, modifiers, text))
        return;
    // A character that passes is a digit of the kind, or none at all; a control shortcut makes no character.
    if (key != Qt::Key_Backspace)
        FUZZ_CHECK(text.isEmpty() || (text.size() == 1 && numberEditAcceptedChars(kind).contains(text.at(0))) ||
                       (key >= Qt::Key_Escape && key <= Qt::Key_PageDown) || key == Qt::Key_Delete ||
                       key == Qt::Key_Insert,
                   text);
}

// The field holds a good text: empty with value 0, or a text of the kind within the limit, with its value.
void checkField(const TumNumberEdit& edit, const QString& step)
{
    const QString text = edit.text();
    if (text.isEmpty()) {
        FUZZ_CHECK(edit.Value() == 0, step);
        return;
    }
    const std::optional<qint32> read = numberEditTextToValue(edit.Kind(), text);
    FUZZ_CHECK(read.has_value(), step + QStringLiteral(" left ") + text);
    FUZZ_CHECK(*read == edit.Value(), step + QStringLiteral(" left ") + text);
    FUZZ_CHECK(numberEditWithinLimit(edit.Kind(), text, *read, edit.MaxValue()),
               step + QStringLiteral(" left ") + text);
}

TumNumberEdit* field = nullptr;

void driveField(FuzzedDataProvider& data, TumNumberEditKind kind, qint32 maxValue, qint32 value, bool utf8)
{
    field->setKind(kind);
    // A negative limit refuses every text but the empty one, so the field is only driven with real limits.
    field->setMaxValue(0);
    field->setText(QString());
    field->setMaxValue(maxValue < 0 ? 0 : maxValue);
    field->setValue(value);
    checkField(*field, QStringLiteral("setValue"));

    for (int step = 0; step < 16 && data.remaining_bytes() > 0; ++step) {
        switch (data.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
            field->setText(fuzzText(data, 40, utf8));
            break;
        case 1: {
            const int key = data.ConsumeBool() ? data.ConsumeIntegral<int>()
                                               : data.ConsumeIntegralInRange<int>(Qt::Key_Space, Qt::Key_ydiaeresis);
            const auto modifiers = Qt::KeyboardModifiers(data.ConsumeIntegral<uint32_t>() & 0x1e000000u);
            QKeyEvent press(QEvent::KeyPress, key, modifiers, fuzzText(data, 2, utf8));
            QCoreApplication::sendEvent(field, &press);
            break;
        }
        case 2:
            field->setCursorPosition(data.ConsumeIntegralInRange<int>(-2, 50));
            break;
        case 3:
            field->setSelection(data.ConsumeIntegralInRange<int>(-2, 50), data.ConsumeIntegralInRange<int>(-50, 50));
            break;
        case 4:
            QGuiApplication::clipboard()->setText(fuzzText(data, 20, utf8));
            field->paste();
            break;
        case 5:
            data.ConsumeBool() ? field->undo() : field->redo();
            break;
        case 6:
            data.ConsumeBool() ? field->backspace() : field->del();
            break;
        default:
            field->setValue(data.ConsumeIntegral<qint32>());
            break;
        }
        checkField(*field, QStringLiteral("step ") + QString::number(step));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the run ends with exit(), and Qt's input devices must not be torn down by static cleanup.
    new QApplication(*argc, *argv);
    field = new TumNumberEdit;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const auto kind = TumNumberEditKind(data.ConsumeIntegralInRange<int>(0, 2));
    const bool utf8 = data.ConsumeBool();
    qint32 maxValue = data.ConsumeIntegral<qint32>();
    // Small limits are where the length and ordering rules bite.
    if (data.ConsumeBool())
        maxValue = maxValue % 5000;
    const qint32 value = data.ConsumeIntegral<qint32>();
    const int key = data.ConsumeIntegral<int>();
    const auto modifiers = Qt::KeyboardModifiers(data.ConsumeIntegral<uint32_t>() & 0x1e000000u);
    const QString keyText = fuzzText(data, 3, utf8);
    const QString text = fuzzText(data, 40, utf8);

    checkRules(kind, text, value, maxValue);
    checkKeyRule(kind, key, modifiers, keyText);
    driveField(data, kind, maxValue, value, utf8);
    return 0;
}
