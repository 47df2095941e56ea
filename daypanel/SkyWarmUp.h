// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QObject>
#include <functional>
#include <utility>

class QTimer;
class SkyCalculator;

// Prepares the sky of the days the grid shows while the window is idle, in slices of a few steps, so that a click on
// any of them tells its day at the cost of a neighbouring day's. Runs only while the Day panel is open.
class SkyWarmUp : public QObject
{
    Q_OBJECT
public:
    // shownDays: the first and last day the grid shows.
    using ShownDays = std::function<std::pair<QDate, QDate>()>;
    SkyWarmUp(SkyCalculator& sky, ShownDays shownDays, QObject* parent);

    // The days shown are prepared next; the steps already done for them are kept. They are read when the steps run:
    // the grid moves to another year one calendar after the other, and in between its days span both years.
    void prepare();
    void stop();
    bool running() const;

private:
    void step();

    SkyCalculator& m_sky;
    ShownDays m_shownDays;
    QTimer* m_timer;
};
