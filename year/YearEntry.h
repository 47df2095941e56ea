// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shared/PointerPlacement.h"
#include <QFrame>

class BoxGate;
class QLabel;
class QToolButton;
class TumNumberEdit;

// The panel a year is typed into (Panel25), built the first time it is opened. OK or Enter tells the year typed,
// if it is one the calendars can show; an empty field just closes the panel, and Escape too.
class YearEntry : public QFrame
{
    Q_OBJECT
public:
    // The years the panel accepts.
    static constexpr int FirstYear = 1700;
    static constexpr int LastYear = 3000;

    // tabAfter: the control the Tab order reaches the field from.
    YearEntry(BoxGate& gate, QWidget* window, QWidget* tabAfter);

    // Shown over the calendars, the year kept from the last use selected so that typing replaces it.
    void open();
    // The panel's part of where the pointer goes.
    void placePointer(pointer::Geometry& geometry) const;

    void SpeedButton54Click();
    void umNumberEdit1KeyDown(int& key);
    void umNumberEdit1Click();

signals:
    // OK or Enter, before the field is read.
    void confirming();
    // A year in range was confirmed; the panel closes after.
    void yearEntered(int year);
    // Closed by OK (with or without a year), or by Escape.
    void closed();
    void escaped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BoxGate& m_gate;
    QLabel* m_label1 = nullptr;
    TumNumberEdit* m_umNumberEdit1 = nullptr;
    QFrame* m_panel29 = nullptr;
    QToolButton* m_speedButton54 = nullptr;
};
