// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/CalendarFiles.h"
#include <QAtomicPointer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
QByteArray calendarNamed(const QByteArray& name, const QByteArray& day)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:" + name +
           "\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:" + day +
           "\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QString firstLine(const CalendarFiles& files)
{
    return files.outcomes().value(0).line();
}
} // namespace

class TestCalendarFiles : public QObject
{
    Q_OBJECT
private slots:
    void testDaysFollowEachRead_data();
    void testDaysFollowEachRead();
    void testReadsOffTheWindowThread();
    void testFollowsTheFile_data();
    void testFollowsTheFile();
    void testAnotherYearIsReadAgain();
    void testTheNextYearIsReadAhead();
    void testABurstOfReadsIsToldOnce_data();
    void testABurstOfReadsIsToldOnce();
    void testASlowFileLetsTheOthersShow();
    void testAReadIsToldByWhatItChanged_data();
    void testAReadIsToldByWhatItChanged();
    void testWhatIsReadShowsAtTheNextQuestion();
    void testAChangeDuringABurst_data();
    void testAChangeDuringABurst();
};

void TestCalendarFiles::testReadsOffTheWindowThread()
{
    QSemaphore release;
    QAtomicPointer<QThread> readOn;
    CalendarFiles files;
    files.setRead([&](const QString& path, const DayRange&) {
        readOn.storeRelease(QThread::currentThread());
        release.acquire();
        IcsRead read;
        read.outcome.kind = IcsOutcome::Kind::Read;
        read.outcome.calendarName = QFileInfo(path).baseName();
        return read;
    });
    files.setFiles({QStringLiteral("/nowhere/slow.ics")});
    files.cover(QDate(2026, 1, 1));
    // The window's thread goes on while the read waits.
    QTRY_VERIFY(readOn.loadAcquire() != nullptr);
    QVERIFY(readOn.loadAcquire() != QThread::currentThread());
    QCOMPARE(firstLine(files), QStringLiteral("slow.ics: being read"));
    QVERIFY(files.reading());
    QSignalSpy changed(&files, &CalendarFiles::changed);
    release.release();
    QTRY_COMPARE(firstLine(files), QStringLiteral("slow: 0 events"));
    QCOMPARE(changed.count(), 1);
}

void TestCalendarFiles::testFollowsTheFile_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDate>("marked");
    QTest::newRow("vanished") << "remove"
                              << "cal.ics: the file is gone" << QDate();
    QTest::newRow("saved by rename") << "rename"
                                     << "Renamed: 1 event" << QDate(2026, 5, 6);
    QTest::newRow("written in place") << "write"
                                      << "Rewritten: 1 event" << QDate(2026, 5, 7);
}

void TestCalendarFiles::testFollowsTheFile()
{
    QFETCH(QString, change);
    QFETCH(QString, line);
    QFETCH(QDate, marked);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cal.ics"));
    QVERIFY(writeFile(path, calendarNamed("First", "20260505")));
    CalendarFiles files;
    files.cover(QDate(2026, 6, 1));
    files.setFiles({path});
    QTRY_COMPARE(firstLine(files), QStringLiteral("First: 1 event"));
    QVERIFY(files.days().has(QDate(2026, 5, 5)));

    if (change == QLatin1String("remove")) {
        QVERIFY(QFile::remove(path));
    } else if (change == QLatin1String("rename")) {
        const QString temporary = dir.filePath(QStringLiteral(".cal.ics.swp"));
        QVERIFY(writeFile(temporary, calendarNamed("Renamed", "20260506")));
        QVERIFY(::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) == 0);
    } else {
        QVERIFY(writeFile(path, calendarNamed("Rewritten", "20260507")));
    }
    QTRY_COMPARE(firstLine(files), line);
    QCOMPARE(files.days().has(QDate(2026, 5, 5)), false);
    if (marked.isValid())
        QVERIFY(files.days().has(marked));
}

void TestCalendarFiles::testAnotherYearIsReadAgain()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("years.ics"));
    QVERIFY(writeFile(path, "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20000229\r\n"
                            "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\nSUMMARY:Month end\r\nEND:VEVENT\r\n"
                            "END:VCALENDAR\r\n"));
    CalendarFiles files;
    files.cover(QDate(2026, 1, 1));
    files.setFiles({path});
    QTRY_VERIFY(files.days().has(QDate(2026, 2, 28)));
    QVERIFY(!files.days().has(QDate(2040, 2, 29)));
    // A day the range does not hold moves it to that day's year, and the files are read for it.
    files.cover(QDate(2040, 3, 1));
    QTRY_VERIFY(files.days().has(QDate(2040, 2, 29)));
    QVERIFY(!files.days().has(QDate(2026, 2, 28)));
}

// A step to the next year finds its days already read, and its own next year is read behind it.
void TestCalendarFiles::testTheNextYearIsReadAhead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("years.ics"));
    QVERIFY(writeFile(path, "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20000615\r\n"
                            "RRULE:FREQ=YEARLY\r\nSUMMARY:Midsummer\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"));
    CalendarFiles files;
    files.cover(QDate(2026, 1, 1));
    files.setFiles({path});
    QTRY_VERIFY(!files.reading());
    QVERIFY(files.days().has(QDate(2027, 6, 15)));
    QVERIFY(!files.days().has(QDate(2028, 6, 15)));
    files.followYear(2027);
    QVERIFY(files.reading());
    QVERIFY(files.days().has(QDate(2027, 6, 15)));
    QTRY_VERIFY(files.days().has(QDate(2028, 6, 15)));
    QVERIFY(!files.days().has(QDate(2025, 6, 15)));
    // The year it already reads around asks for nothing.
    QTRY_VERIFY(!files.reading());
    files.followYear(2027);
    QVERIFY(!files.reading());
}

void TestCalendarFiles::testABurstOfReadsIsToldOnce_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("stepYear");
    QTest::newRow("one file") << 1 << false;
    QTest::newRow("100 files listed") << 100 << false;
    QTest::newRow("100 files, a step to another year") << 100 << true;
}

void TestCalendarFiles::testABurstOfReadsIsToldOnce()
{
    // Each tell repaints the whole grid: a burst of reads is told when the last of them is done.
    QFETCH(int, count);
    QFETCH(bool, stepYear);
    CalendarFiles files;
    files.setRead([](const QString& path, const DayRange& range) {
        IcsRead read;
        read.outcome.kind = IcsOutcome::Kind::Read;
        read.outcome.calendarName = QFileInfo(path).baseName();
        read.events.append(
            {range.first.addDays(100), QStringLiteral("Event"), std::nullopt, read.outcome.calendarName});
        return read;
    });
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(QStringLiteral("/nowhere/%1.ics").arg(i));
    files.cover(QDate(2026, 1, 1));
    QSignalSpy changed(&files, &CalendarFiles::changed);
    QElapsedTimer burst;
    burst.start();
    files.setFiles(paths);
    QTRY_VERIFY(!files.reading());
    if (stepYear) {
        changed.clear();
        burst.restart();
        files.cover(QDate(2028, 6, 1));
        QTRY_VERIFY(files.days().has(files.range().first.addDays(100)));
        QTRY_VERIFY(!files.reading());
    }
    const int intervals = int(burst.elapsed() / CalendarFiles::TellEveryMs);
    QCOMPARE(files.outcomes().constLast().line(), QStringLiteral("%1: 0 events").arg(count - 1));
    // The lines of the files waiting (setFiles), then once when the reads are done; one more for each tell's
    // interval the burst outlasted on a slow machine (a sanitizer's build under load).
    const int least = stepYear ? 1 : 2;
    QVERIFY2(changed.count() >= least && changed.count() <= least + intervals,
             qPrintable(QStringLiteral("%1 tells in %2 ms").arg(changed.count()).arg(burst.elapsed())));
}

void TestCalendarFiles::testASlowFileLetsTheOthersShow()
{
    // A file whose read takes long does not hide what the files before it gave.
    QSemaphore release;
    CalendarFiles files;
    files.setRead([&](const QString& path, const DayRange&) {
        if (path.endsWith(QLatin1String("slow.ics")))
            release.acquire();
        IcsRead read;
        read.outcome.kind = IcsOutcome::Kind::Read;
        read.outcome.calendarName = QFileInfo(path).baseName();
        return read;
    });
    files.cover(QDate(2026, 1, 1));
    files.setFiles({QStringLiteral("/nowhere/quick.ics"), QStringLiteral("/nowhere/slow.ics")});
    QSignalSpy changed(&files, &CalendarFiles::changed);
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(firstLine(files), QStringLiteral("quick: 0 events"));
    QVERIFY(files.reading());
    release.release();
    QTRY_VERIFY(!files.reading());
    QTRY_COMPARE(changed.count(), 2);
}

void TestCalendarFiles::testDaysFollowEachRead_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QList<int>>("events");  // how many events each of 1, 2 and 3 May has afterwards
    QTest::addColumn<QList<int>>("changed"); // the days of May whose events the change changed
    // Before each change: file a has one event on 1 May and two on 2 May, file b one on 2 and one on 3 May.
    QTest::newRow("nothing") << "" << QList<int>{1, 3, 1} << QList<int>{};
    QTest::newRow("a read again without 1 May") << "a-1" << QList<int>{0, 3, 1} << QList<int>{1};
    QTest::newRow("a read again, its change found beforehand") << "a-1 found" << QList<int>{0, 3, 1} << QList<int>{1};
    QTest::newRow("a read again, its change found against another read")
        << "a-1 stale" << QList<int>{0, 3, 1} << QList<int>{1};
    QTest::newRow("a read again the same") << "a=" << QList<int>{1, 3, 1} << QList<int>{};
    QTest::newRow("a read again, its days in another order") << "a~" << QList<int>{1, 3, 1} << QList<int>{};
    QTest::newRow("a read again, a title on 2 May renamed") << "a*" << QList<int>{1, 3, 1} << QList<int>{2};
    QTest::newRow("b dropped") << "b-" << QList<int>{1, 2, 0} << QList<int>{2, 3};
    QTest::newRow("a read empty, b dropped") << "a0b-" << QList<int>{0, 0, 0} << QList<int>{1, 2, 3};
    QTest::newRow("b read with 1 May") << "b+1" << QList<int>{2, 3, 1} << QList<int>{1};
    QTest::newRow("all forgotten") << "clear" << QList<int>{0, 0, 0} << QList<int>{1, 2, 3};
}

// A day has events exactly while some file's last read gave it some, whatever was read or dropped before; the days
// told as changed are those whose events differ, and a read giving what the last one gave changes none.
void TestCalendarFiles::testDaysFollowEachRead()
{
    QFETCH(QString, change);
    QFETCH(QList<int>, events);
    QFETCH(QList<int>, changed);
    const auto on = [](int day, const char* title) {
        return CalendarEvent{QDate(2026, 5, day), QString::fromLatin1(title), {}, {}};
    };
    const QList<CalendarEvent> a{on(1, "a1"), on(2, "a2"), on(2, "a2 again")};
    const QList<CalendarEvent> b{on(2, "b2"), on(3, "b3")};
    EventDays days;
    days.replace(QStringLiteral("a"), a);
    days.replace(QStringLiteral("b"), b);
    QCOMPARE(days.takeChanged(), (QList<QDate>{QDate(2026, 5, 1), QDate(2026, 5, 2), QDate(2026, 5, 3)}));
    if (change == QLatin1String("a-1")) {
        days.replace(QStringLiteral("a"), a.mid(1));
    } else if (change == QLatin1String("a-1 found")) {
        days.replace(QStringLiteral("a"), a.mid(1), a, EventDays::changeBetween(a, a.mid(1)));
    } else if (change == QLatin1String("a-1 stale")) {
        // Found against b's events, not the ones a gave: found again.
        days.replace(QStringLiteral("a"), a.mid(1), b, EventDays::changeBetween(b, a.mid(1)));
    } else if (change == QLatin1String("a=")) {
        days.replace(QStringLiteral("a"), a);
    } else if (change == QLatin1String("a~")) {
        days.replace(QStringLiteral("a"), {a[1], a[0], a[2]});
    } else if (change == QLatin1String("a*")) {
        days.replace(QStringLiteral("a"), {a[0], a[1], on(2, "a2 renamed")});
    } else if (change == QLatin1String("b-")) {
        days.remove(QStringLiteral("b"));
    } else if (change == QLatin1String("a0b-")) {
        days.replace(QStringLiteral("a"), {});
        days.remove(QStringLiteral("b"));
    } else if (change == QLatin1String("b+1")) {
        days.replace(QStringLiteral("b"), b + QList<CalendarEvent>{on(1, "b1")});
    } else if (change == QLatin1String("clear")) {
        days.clear();
    }
    for (int day = 1; day <= 3; ++day) {
        QCOMPARE(days.on(QDate(2026, 5, day)).size(), events[day - 1]);
        QCOMPARE(days.has(QDate(2026, 5, day)), events[day - 1] > 0);
    }
    QCOMPARE(days.isEmpty(), events == QList<int>({0, 0, 0}));
    QList<QDate> changedDays;
    for (int day : changed)
        changedDays.append(QDate(2026, 5, day));
    QCOMPARE(days.takeChanged(), changedDays);
    QCOMPARE(days.takeChanged(), QList<QDate>());
}

void TestCalendarFiles::testAReadIsToldByWhatItChanged_data()
{
    QTest::addColumn<QList<QDate>>("days"); // the file's events when read again
    QTest::addColumn<bool>("gone");
    QTest::addColumn<QList<QDate>>("toldDays");
    QTest::addColumn<bool>("toldLines");
    const QDate may(2026, 5, 5), june(2027, 6, 6);
    QTest::newRow("read again, the same") << QList<QDate>{may} << false << QList<QDate>{} << false;
    QTest::newRow("read again, a day more") << QList<QDate>{may, june} << false << QList<QDate>{june} << false;
    QTest::newRow("read again, a day moved") << QList<QDate>{june} << false << QList<QDate>{may, june} << false;
    QTest::newRow("gone") << QList<QDate>{} << true << QList<QDate>{may} << true;
}

// Reading the files again for another year tells only what changed: the days whose events did and whether a line
// did; nothing at all when the reads gave what they gave before.
void TestCalendarFiles::testAReadIsToldByWhatItChanged()
{
    QFETCH(QList<QDate>, days);
    QFETCH(bool, gone);
    QFETCH(QList<QDate>, toldDays);
    QFETCH(bool, toldLines);
    QMutex lock;
    QList<QDate> given{QDate(2026, 5, 5)};
    bool missing = false;
    CalendarFiles files;
    files.setRead([&](const QString&, const DayRange&) {
        const QMutexLocker locked(&lock);
        IcsRead read;
        read.outcome.kind = missing ? IcsOutcome::Kind::Gone : IcsOutcome::Kind::Read;
        read.outcome.calendarName = QStringLiteral("cal");
        for (const QDate& day : std::as_const(given))
            read.events.append({day, QStringLiteral("Event"), std::nullopt, read.outcome.calendarName});
        return read;
    });
    files.cover(QDate(2026, 1, 1));
    files.setFiles({QStringLiteral("/nowhere/cal.ics")});
    QTRY_VERIFY(!files.reading());
    {
        const QMutexLocker locked(&lock);
        given = days;
        missing = gone;
    }
    QSignalSpy changed(&files, &CalendarFiles::changed);
    files.followYear(2027);
    QTRY_VERIFY(!files.reading());
    if (toldDays.isEmpty() && !toldLines) {
        QCOMPARE(changed.count(), 0);
        return;
    }
    QCOMPARE(changed.count(), 1);
    const auto news = changed.at(0).at(0).value<CalendarNews>();
    QCOMPARE(news.days, toldDays);
    QCOMPARE(news.lines, toldLines);
}

// What the worker has read shows at the grid's next question, before the burst is told: a step shows the files
// already read of the new year while a slow one goes on.
void TestCalendarFiles::testWhatIsReadShowsAtTheNextQuestion()
{
    QSemaphore slowStarted, release;
    const QDate day(2026, 3, 3);
    CalendarFiles files;
    files.setRead([&](const QString& path, const DayRange&) {
        IcsRead read;
        read.outcome.kind = IcsOutcome::Kind::Read;
        if (path.endsWith(QLatin1String("slow.ics"))) {
            slowStarted.release();
            release.acquire();
        } else {
            read.events.append({day, QStringLiteral("Quick"), std::nullopt, QStringLiteral("quick")});
        }
        return read;
    });
    // A failed check still lets the slow read end, so that the files' destructor does not wait for ever.
    const auto unblock = qScopeGuard([&release] { release.release(); });
    files.cover(day);
    files.setFiles({QStringLiteral("/nowhere/quick.ics"), QStringLiteral("/nowhere/slow.ics")});
    // Waited for without the event loop: nothing on the window's side has run since.
    QVERIFY(slowStarted.tryAcquire(1, 5000));
    QVERIFY(!files.days().has(day));
    files.cover(day);
    QVERIFY(files.days().has(day));
    QVERIFY(files.reading());
    release.release();
    QTRY_VERIFY(!files.reading());
    QVERIFY(files.days().has(day));
}

void TestCalendarFiles::testAChangeDuringABurst_data()
{
    QTest::addColumn<bool>("stepYear");
    QTest::addColumn<int>("kept");         // files kept of 30
    QTest::addColumn<bool>("chosenAgain"); // the dropped ones chosen again at once
    QTest::newRow("a step to another year") << true << 30 << false;
    QTest::newRow("half the files dropped") << false << 15 << false;
    QTest::newRow("both") << true << 15 << false;
    QTest::newRow("half dropped and chosen again") << false << 15 << true;
}

// A step or a change of the list while the worker reads: every file kept ends read for the year shown, and what a
// dropped file's read gave is forgotten.
void TestCalendarFiles::testAChangeDuringABurst()
{
    QFETCH(bool, stepYear);
    QFETCH(int, kept);
    QFETCH(bool, chosenAgain);
    QAtomicInt reads;
    CalendarFiles files;
    files.setRead([&reads](const QString& path, const DayRange& range) {
        reads.fetchAndAddRelaxed(1);
        QThread::msleep(2);
        IcsRead read;
        read.outcome.kind = IcsOutcome::Kind::Read;
        read.events.append({range.first.addDays(100), QStringLiteral("Event"), std::nullopt, path});
        return read;
    });
    QStringList paths;
    for (int i = 0; i < 30; ++i)
        paths.append(QStringLiteral("/nowhere/%1.ics").arg(i));
    files.cover(QDate(2026, 1, 1));
    const QDate before = files.range().first.addDays(100);
    files.setFiles(paths);
    QTRY_VERIFY(reads.loadRelaxed() >= 5);
    QVERIFY(files.reading());
    if (stepYear)
        files.followYear(2030);
    if (kept < paths.size())
        files.setFiles(paths.mid(0, kept));
    if (chosenAgain) {
        QTRY_VERIFY(reads.loadRelaxed() >= 10);
        files.setFiles(paths);
        kept = paths.size();
    }
    QTRY_VERIFY(!files.reading());
    const QDate after = files.range().first.addDays(100);
    QCOMPARE(files.days().on(after).size(), kept);
    QVERIFY(files.days().has(after));
    if (stepYear)
        QVERIFY(!files.days().has(before));
    QCOMPARE(files.outcomes().size(), kept);
    // Every file dropped at last, the days hold nothing.
    files.setFiles({});
    QVERIFY(!files.days().has(after));
    QVERIFY(files.days().isEmpty());
}

QTEST_GUILESS_MAIN(TestCalendarFiles)
#include "TestCalendarFiles.moc"
