// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnDays.h"
#include "owndays/ReminderSchedule.h"
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <unistd.h>

// The user's marked days with a large file: what a mark, an undo and a save cost the window's thread, what the
// grid's questions cost a painted year, and what a look of the reminders costs.
namespace {
constexpr int MarkedDays = 10000;
const QDate FirstDay(2020, 1, 1);
constexpr int DaysSpread = 11 * 365; // 2020 to 2030

// Six in ten single days, three in ten ranges of 2 to 14 days, one in ten yearly (birthdays and 3-day feasts);
// every fifth with a reminder.
OwnDay markedDay(int i)
{
    OwnDay day;
    day.uid = QStringLiteral("bench-%1@dorvane").arg(i);
    day.title = QStringLiteral("Day %1").arg(i);
    day.category = owndays::firstCategories()[i % 5].key;
    day.first = FirstDay.addDays((qint64(i) * 7919) % DaysSpread);
    const int kind = i % 10;
    day.last = kind >= 6 && kind <= 8     ? day.first.addDays(1 + i % 13)
               : kind == 9 && i % 20 == 9 ? day.first.addDays(2)
                                          : day.first;
    day.yearly = kind == 9;
    if (i % 5 == 0)
        day.reminder = {true, i % 4, QTime(9, 0)};
    day.note = i % 3 == 0 ? QStringLiteral("A note of a few words for day %1").arg(i) : QString();
    day.modified = QDateTime(QDate(2025, 1, 1), QTime(12, 0), Qt::UTC);
    return day;
}

// The file written once per process, as a save of this program would write it; each run loads its own copy.
const QByteArray& fileText()
{
    static const QByteArray text = [] {
        OwnCalendarDocument document =
            OwnCalendarDocument::fresh(QStringLiteral("Your days"), owndays::firstCategories());
        for (int i = 0; i < MarkedDays; ++i) {
            const OwnDay day = markedDay(i);
            document.blocks.append({eventBlock(day, QByteArray(), document.categories), day.uid, day});
        }
        return document.text();
    }();
    return text;
}

struct Model
{
    QTemporaryDir folder;
    std::unique_ptr<OwnDays> days;

    Model()
    {
        const QString path = folder.filePath(QStringLiteral("days.ics"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(fileText());
        file.close();
        days = std::make_unique<OwnDays>(path, QStringLiteral("Your days"), owndays::firstCategories());
        days->load();
    }
};

// The saves under way end and reach the disk before the timed change, as they have long done by a person's next
// click: otherwise the timed change waits for the worker or the disk to finish the others.
void settle(OwnDays& days)
{
    days.finishSaving();
    ::sync();
}

OwnDay newMark(int n)
{
    OwnDay day;
    day.title = QStringLiteral("New mark %1").arg(n);
    day.category = QStringLiteral("trip");
    day.first = day.last = QDate(2026, 5, 1).addDays(n % 300);
    return day;
}

void BM_Load(benchmark::State& run)
{
    const Model model;
    for (auto _ : run)
        benchmark::DoNotOptimize(model.days->load());
    run.counters["days"] = model.days->count();
    run.counters["MB"] = double(fileText().size()) / (1024 * 1024);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// A day marked: added, indexed and its save handed to the worker (the disk's part is not the window's thread's).
void BM_MarkOneDay(benchmark::State& run)
{
    const Model model;
    int n = 0;
    for (auto _ : run) {
        model.days->add(newMark(n++));
        run.PauseTiming();
        settle(*model.days);
        model.days->undo();
        settle(*model.days);
        run.ResumeTiming();
    }
    run.counters["days"] = model.days->count();
}
BENCHMARK(BM_MarkOneDay)->Unit(benchmark::kMillisecond);

void BM_UndoOne(benchmark::State& run)
{
    const Model model;
    int n = 0;
    for (auto _ : run) {
        run.PauseTiming();
        model.days->add(newMark(n++));
        settle(*model.days);
        run.ResumeTiming();
        model.days->undo();
        run.PauseTiming();
        settle(*model.days);
        run.ResumeTiming();
    }
}
BENCHMARK(BM_UndoOne)->Unit(benchmark::kMillisecond);

// The whole file written again on the window's thread, as closing the window does.
void BM_Save(benchmark::State& run)
{
    const Model model;
    for (auto _ : run)
        benchmark::DoNotOptimize(model.days->saveAgain());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// A reminder told: one day's stamp kept in the file.
void BM_Acknowledge(benchmark::State& run)
{
    const Model model;
    QDateTime when(QDate(2026, 1, 1), QTime(9, 0), Qt::UTC);
    for (auto _ : run) {
        when = when.addSecs(1);
        model.days->acknowledge(QStringLiteral("bench-0@dorvane"), when);
        run.PauseTiming();
        settle(*model.days);
        run.ResumeTiming();
    }
}
BENCHMARK(BM_Acknowledge)->Unit(benchmark::kMillisecond);

// The whole file's bytes made: what the window's thread would pay for each save were it to hand the worker bytes
// instead of the document, which is shared and copied in no time.
void BM_FileBytes(benchmark::State& run)
{
    const OwnCalendarDocument document = OwnCalendarDocument::parse(fileText(), owndays::firstCategories());
    for (auto _ : run)
        benchmark::DoNotOptimize(document.text().size());
}
BENCHMARK(BM_FileBytes)->Unit(benchmark::kMillisecond);

// A year's 12 months of 42 cells, each asking for the days on it.
void BM_OnForAYear(benchmark::State& run)
{
    const Model model;
    qsizetype found = 0;
    for (auto _ : run) {
        found = 0;
        for (int month = 1; month <= 12; ++month) {
            const QDate gridStart = QDate(2026, month, 1).addDays(-6);
            for (int cell = 0; cell < 42; ++cell)
                found += model.days->on(gridStart.addDays(cell)).size();
        }
        benchmark::DoNotOptimize(found);
    }
    run.counters["found"] = double(found);
}
BENCHMARK(BM_OnForAYear)->Unit(benchmark::kMicrosecond);

// One look of the reminders: the days with one, and which are due.
void BM_RemindersLook(benchmark::State& run)
{
    const Model model;
    const QDateTime now(QDate(2026, 6, 15), QTime(10, 0));
    qsizetype due = 0;
    for (auto _ : run) {
        due = ReminderSchedule::at(model.days->withReminders(), now).due.size();
        benchmark::DoNotOptimize(due);
    }
    run.counters["due"] = double(due);
}
BENCHMARK(BM_RemindersLook)->Unit(benchmark::kMicrosecond);

void BM_All(benchmark::State& run)
{
    const Model model;
    for (auto _ : run)
        benchmark::DoNotOptimize(model.days->all().size());
}
BENCHMARK(BM_All)->Unit(benchmark::kMillisecond);
} // namespace

// The model watches its file, which needs an application object.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
