// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/CalendarFiles.h"
#include <QAtomicPointer>
#include <QDir>
#include <QFile>
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
    void testReadsOffTheWindowThread();
    void testFollowsTheFile_data();
    void testFollowsTheFile();
    void testAnotherYearIsReadAgain();
    void testABurstOfReadsIsToldOnce_data();
    void testABurstOfReadsIsToldOnce();
    void testASlowFileLetsTheOthersShow();
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
    files.setFiles(paths);
    QTRY_VERIFY(!files.reading());
    if (stepYear) {
        changed.clear();
        files.cover(QDate(2028, 6, 1));
        QTRY_VERIFY(files.days().has(QDate(2028, 1, 1).addDays(-CalendarFiles::MarginDays + 100)));
        QTRY_VERIFY(!files.reading());
    }
    QCOMPARE(files.outcomes().constLast().line(), QStringLiteral("%1: 0 events").arg(count - 1));
    // The lines of the files waiting (setFiles), then once when the reads are done; one more at most if the
    // machine was so slow that the burst outlasted a tell's interval.
    QVERIFY2(changed.count() >= (stepYear ? 1 : 2) && changed.count() <= (stepYear ? 2 : 3),
             qPrintable(QString::number(changed.count())));
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

QTEST_GUILESS_MAIN(TestCalendarFiles)
#include "TestCalendarFiles.moc"
