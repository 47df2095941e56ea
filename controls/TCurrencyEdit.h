// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLineEdit>

// A numeric field holding a value rounded to two decimals. While not focused it shows the value with its display
// pattern ("0" shows 3.5 as "4"); its text form, what is saved, keeps the value ("3.5").
class TCurrencyEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TCurrencyEdit(QWidget* parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    // The text form: at most two decimals, no thousands separator, "-" for negatives, empty for 0.
    QString valueText() const;
    // Applies the field's number rule; false (value unchanged) when the text is not a number.
    bool setTextChecked(const QString& text);

    QString displayPattern() const { return m_displayPattern; }
    void setDisplayPattern(const QString& pattern);

signals:
    void changed(); // only when the text form changes
    void entered(); // the field received the focus

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showValue();

    double m_value = 0;
    QString m_displayPattern = QStringLiteral("0");
};
