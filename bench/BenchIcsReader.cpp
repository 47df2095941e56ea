// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/EventDays.h"
#include "calendars/IcsReader.h"
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The reading of a calendar file, paid on the worker thread at each change of the file or of the year shown, and
// the grid's question for each day it paints.
namespace {
const DayRange Year2026{QDate(2025, 10, 31), QDate(2027, 3, 3)};

// A calendar of single events, one a day in turn, plus a daily rule from long ago the range must skip to.
QByteArray calendarOf(int events)
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Bench\r\n"
                      "BEGIN:VEVENT\r\nUID:daily\r\nDTSTART:19900101T080000Z\r\nRRULE:FREQ=DAILY\r\n"
                      "SUMMARY:Daily\r\nEND:VEVENT\r\n";
    for (int i = 0; i < events; ++i)
        text += "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) +
                "\r\nDTSTART:" + QDate(2026, 1, 1).addDays(i % 365).toString(QStringLiteral("yyyyMMdd")).toLatin1() +
                "T120000Z\r\nDURATION:PT1H\r\nSUMMARY:Event " + QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
    return text + "END:VCALENDAR\r\n";
}

void BM_ReadCalendar(benchmark::State& run)
{
    const QByteArray text = calendarOf(static_cast<int>(run.range(0)));
    const IcsReader reader(QTimeZone("Europe/Berlin"));
    qsizetype days = 0;
    for (auto _ : run) {
        const IcsRead read = reader.readText(text, QStringLiteral("bench.ics"), Year2026);
        days = read.events.size();
        benchmark::DoNotOptimize(days);
    }
    run.counters["days"] = double(days);
    run.counters["MB"] = double(text.size()) / (1024 * 1024);
}
BENCHMARK(BM_ReadCalendar)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

qint64 statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// A large calendar as a mail program exports it: every event with a description and an alarm the reading does
// not use. Its file read, in time and in the memory the process grows by at its peak (VmHWM, reset before each
// read), against the file's size.
void BM_ReadLargeFile(benchmark::State& run)
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Large\r\n";
    const QByteArray extra = "DESCRIPTION:" + QByteArray(300, 'x') +
                             "\r\nBEGIN:VALARM\r\nTRIGGER:-PT15M\r\nACTION:DISPLAY\r\nEND:VALARM\r\n";
    for (int i = 0; i < run.range(0); ++i)
        text += "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) +
                "\r\nDTSTART:" + QDate(2026, 1, 1).addDays(i % 365).toString(QStringLiteral("yyyyMMdd")).toLatin1() +
                "T120000Z\r\nSUMMARY:Event " + QByteArray::number(i) + "\r\n" + extra + "END:VEVENT\r\n";
    text += "END:VCALENDAR\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.ics"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();
    const double megabytes = double(text.size()) / (1024 * 1024);
    text = QByteArray();
    const IcsReader reader(QTimeZone("Europe/Berlin"));
    qint64 grownKb = 0;
    for (auto _ : run) {
        QFile peak(QStringLiteral("/proc/self/clear_refs"));
        if (peak.open(QIODevice::WriteOnly))
            peak.write("5");
        peak.close();
        const qint64 before = statusKb("VmRSS:");
        const IcsRead read = reader.read(path, Year2026);
        benchmark::DoNotOptimize(read.events.size());
        grownKb = std::max(grownKb, statusKb("VmHWM:") - before);
    }
    run.counters["MB"] = megabytes;
    run.counters["peakGrowthMB"] = double(grownKb) / 1024;
}
BENCHMARK(BM_ReadLargeFile)->Arg(132000)->Iterations(3)->Unit(benchmark::kMillisecond);

// A year's 12 months of 42 cells, each asking whether its day has events.
void BM_PaintQuestions(benchmark::State& run)
{
    EventDays days;
    days.replace(QStringLiteral("bench.ics"),
                 IcsReader(QTimeZone("UTC")).readText(calendarOf(10000), QStringLiteral("bench.ics"), Year2026).events);
    for (auto _ : run)
        for (int cell = 0; cell < 12 * 42; ++cell)
            benchmark::DoNotOptimize(days.has(QDate(2026, 1, 1).addDays(cell - 6)));
}
BENCHMARK(BM_PaintQuestions)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
