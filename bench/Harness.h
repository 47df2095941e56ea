// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the start-up programs (Dorvane and the bare comparator) so both are measured the same way:
//   --quit-at-first-paint   quit from the main window's first paint
//   --run-seconds N         run the event loop N seconds after the first paint, then quit
//   --print-rss             print VmHWM, VmRSS and RssAnon just before quitting
//   --hide                  hide the window right after its first paint, as in the tray
//   --no-timer              (the bare window) run without its 10 ms timer
// At exit each program prints the CPU it used and the times it went to sleep voluntarily (its wake-ups: the
// voluntary context switches of all its threads) from SettleMs after its first paint to the end, for the idle figures.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace bench {

// Past the start-up and Dorvane's one return to today's report, 300 ticks after the first one.
constexpr int SettleMs = 4000;

struct Options
{
    bool quitAtFirstPaint = false;
    int runSeconds = -1;
    bool printRss = false;
    bool hide = false;
    bool noTimer = false;
};

inline Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--quit-at-first-paint"))
            options.quitAtFirstPaint = true;
        else if (!std::strcmp(argv[i], "--run-seconds") && i + 1 < argc)
            options.runSeconds = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--print-rss"))
            options.printRss = true;
        else if (!std::strcmp(argv[i], "--hide"))
            options.hide = true;
        else if (!std::strcmp(argv[i], "--no-timer"))
            options.noTimer = true;
    }
    return options;
}

// Microseconds of user plus system time used by this process so far.
inline long long cpuMicros()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

inline QByteArray statusField(const char* name, const QString& path = QStringLiteral("/proc/self/status"))
{
    QFile status(path);
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(int(std::strlen(name))).simplified();
    return {};
}

// Voluntary context switches of every thread of this process: each is a sleep, so each return from one is a wake-up.
inline long long voluntarySwitches()
{
    long long total = 0;
    const QStringList threads = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& thread : threads)
        total += statusField("voluntary_ctxt_switches:", QStringLiteral("/proc/self/task/%1/status").arg(thread))
                     .toLongLong();
    return total;
}

class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget* window, const Options& options) : m_options(options) { window->installEventFilter(this); }

    // Called on the way out: the memory figures and the CPU used since the first paint.
    void report() const
    {
        if (m_options.printRss)
            std::printf("VmHWM_kB=%s VmRSS_kB=%s RssAnon_kB=%s\n",
                        statusField("VmHWM:").split(' ').value(0).constData(),
                        statusField("VmRSS:").split(' ').value(0).constData(),
                        statusField("RssAnon:").split(' ').value(0).constData());
        if (m_settled)
            std::printf("idle_cpu_us=%lld idle_wall_us=%lld idle_wakeups=%lld\n", cpuMicros() - m_cpuSettled,
                        m_sinceSettled.nsecsElapsed() / 1000, voluntarySwitches() - m_switchesSettled);
        std::fflush(stdout);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            if (m_options.hide)
                QTimer::singleShot(0, watched, [watched] { static_cast<QWidget*>(watched)->hide(); });
            if (m_options.quitAtFirstPaint) {
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            } else if (m_options.runSeconds >= 0) {
                QTimer::singleShot(SettleMs, Qt::PreciseTimer, this, [this] {
                    m_settled = true;
                    m_cpuSettled = cpuMicros();
                    m_switchesSettled = voluntarySwitches();
                    m_sinceSettled.start();
                });
                QTimer::singleShot(m_options.runSeconds * 1000, Qt::PreciseTimer, qApp, &QCoreApplication::quit);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Options m_options;
    bool m_painted = false;
    bool m_settled = false;
    long long m_cpuSettled = 0;
    long long m_switchesSettled = 0;
    QElapsedTimer m_sinceSettled;
};

} // namespace bench
