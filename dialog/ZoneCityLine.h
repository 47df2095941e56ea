// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFrame>

class QLabel;
class QToolButton;

// Below the rows: how far the position is from the chosen zone's city, and a button that takes the city instead.
class ZoneCityLine : public QFrame
{
    Q_OBJECT
public:
    explicit ZoneCityLine(QWidget* parent);

    // The line and the button's text; an empty text hides both.
    void showDistance(const QString& text, const QString& buttonText);

    QLabel* label() const { return m_label; }
    QToolButton* button() const { return m_button; }

signals:
    void takeClicked();

private:
    QLabel* m_label = nullptr;
    QToolButton* m_button = nullptr;
};
