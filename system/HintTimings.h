// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QProxyStyle>

// Hints show 15 ms after the pointer rests and hide after 3 s, quicker than the toolkit's own pauses.
class HintTimings : public QObject
{
public:
    static constexpr int ShowPauseMs = 15;
    static constexpr int HidePauseMs = 3000;

    // The filter belongs to its owner, so nothing of it outlives the application.
    explicit HintTimings(QObject* owner) : QObject(owner) {}

    // Installs the pauses on the whole application.
    static void install(QApplication& application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class HintStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
