#pragma once
#include <QDate>
#include <QObject>

class QTimer;
class SkyCalculator;

// Prepares the sky of the days the grid shows while the window is idle, in slices of a few steps, so that a click on
// any of them tells its day at the cost of a neighbouring day's. Runs only while the Day panel is open.
class SkyWarmUp : public QObject
{
    Q_OBJECT
public:
    SkyWarmUp(SkyCalculator& sky, QObject* parent);

    // The days from..to are prepared next; the steps already done for them are kept.
    void prepare(const QDate& from, const QDate& to);
    void stop();
    bool running() const;

private:
    void step();

    SkyCalculator& m_sky;
    QTimer* m_timer;
    QDate m_from, m_to;
};
