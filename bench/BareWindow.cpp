// SPDX-License-Identifier: GPL-3.0-or-later
// The comparator for Dorvane's start-up, memory and idle figures: the least a Qt program needs to show the same
// twelve coloured month calendars and run the same 10 ms timer; with --no-timer, the same window that never wakes.
#include "BareYear.h"
#include "Harness.h"
#include <QTimer>

namespace {
class Idle : public QObject
{
    Q_OBJECT
public slots:
    void tick() {}
};
} // namespace

int main(int argc, char** argv)
{
    const bench::Options options = bench::parseOptions(argc, argv);
    QApplication application(argc, argv);

    QWidget window;
    bench::buildBareYear(window);

    Idle idle;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, &idle, &Idle::tick);
    if (!options.noTimer)
        timer.start();

    bench::FirstPaintWatch watch(&window, options);
    window.show();
    window.activateWindow();
    const int result = application.exec();
    watch.report();
    return result;
}

#include "BareWindow.moc"
