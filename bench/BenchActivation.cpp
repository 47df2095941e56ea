// SPDX-License-Identifier: GPL-3.0-or-later
// The window deactivated and activated again with nothing changed, as when the user goes to another application and
// comes back: no day, year or calendar file changed, so nothing needs computing or painting again. Beside it, the
// bare window of the toolkit's calendars and an empty window, measured the same way.
#include "BareYear.h"
#include "BenchMain.h"
#include "BenchWindow.h"
#include <QCoreApplication>
#include <QWindow>

namespace {

// Counts the paint events of every widget of the program.
class PaintCount : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Activates a window as the window system does, and lets the program react (and repaint) until it is done.
bool activate(QWindow* window)
{
    window->requestActivate();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return QGuiApplication::focusWindow() == window;
}

// Round trips away from the window and back, as many as the run asks; the paints of every widget are counted.
void roundTrips(benchmark::State& run, QWidget& window)
{
    window.show();
    // Another application's window: not one of the program's widgets.
    QWindow elsewhere;
    elsewhere.resize(100, 100);
    elsewhere.show();
    QWindow* own = window.windowHandle();
    if (!activate(own) || !activate(&elsewhere) || !activate(own)) {
        run.SkipWithError("the offscreen platform did not activate the windows");
        return;
    }
    PaintCount count;
    qApp->installEventFilter(&count);
    bool activated = true;
    for (auto _ : run) {
        activated &= activate(&elsewhere) && !window.isActiveWindow();
        activated &= activate(own) && window.isActiveWindow();
    }
    qApp->removeEventFilter(&count);
    if (!activated)
        run.SkipWithError("an activation did not arrive");
    run.counters["paints"] = benchmark::Counter(double(count.paints), benchmark::Counter::kAvgIterations);
}

void BM_ActivationUnchanged(benchmark::State& run)
{
    bench::BenchWindow window;
    roundTrips(run, *window.calendar);
    if (!window.world.prompter.boxes.isEmpty())
        run.SkipWithError("an activation opened a box");
}
BENCHMARK(BM_ActivationUnchanged)->Unit(benchmark::kMicrosecond);
// Fixed counts for callgrind: the difference of the two runs' instructions is the cost of 100 round trips (away
// and back), the window's construction left out.
BENCHMARK(BM_ActivationUnchanged)->Iterations(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ActivationUnchanged)->Iterations(120)->Unit(benchmark::kMicrosecond);

// The same for the comparators: the bare window of the toolkit's twelve calendars (1), and an empty window (0), what
// any Qt window pays for an activation.
void BM_ActivationBare(benchmark::State& run)
{
    QWidget window;
    if (run.range(0) == 1)
        bench::buildBareYear(window);
    else
        window.setFixedSize(800, 485);
    roundTrips(run, window);
}
BENCHMARK(BM_ActivationBare)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ActivationBare)->Arg(0)->Arg(1)->Iterations(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ActivationBare)->Arg(0)->Arg(1)->Iterations(120)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
