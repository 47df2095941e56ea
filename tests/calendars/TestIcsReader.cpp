// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/CalendarFiles.h"
#include "calendars/IcsReader.h"
#include "calendars/RuleCheck.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <sys/stat.h>

namespace {
const DayRange Year2026{QDate(2025, 11, 1), QDate(2027, 1, 31)};

QString sample(const QString& name)
{
    return QStringLiteral(CALENDAR_DATA "/") + name;
}

// A day's events as the panel would list them: "19:00 Yoga (Personal); all day Christmas (Holidays)".
QString dayText(const IcsRead& read, const QDate& day)
{
    QStringList parts;
    for (const CalendarEvent& event : read.events)
        if (event.day == day)
            parts.append((event.start ? event.start->toString(QStringLiteral("HH:mm")) : QStringLiteral("all day")) +
                         QLatin1Char(' ') + event.title + QStringLiteral(" (") + event.calendarName + QLatin1Char(')'));
    return parts.join(QStringLiteral("; "));
}

QByteArray manyEvents(int count)
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Many\r\n";
    for (int i = 0; i < count; ++i) {
        const QDate day = QDate(2026, 1, 1).addDays(i % 365);
        text += "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) +
                "\r\nDTSTART:" + day.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "T120000Z\r\nSUMMARY:Event " +
                QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
    }
    return text + "END:VCALENDAR\r\n";
}

QByteArray repeated(const QByteArray& line, int times)
{
    QByteArray text;
    text.reserve(line.size() * times);
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

const QByteArray OneEvent = "BEGIN:VEVENT\r\nUID:one\r\nDTSTART;VALUE=DATE:20260304\r\nSUMMARY:Plain\r\nEND:VEVENT\r\n";

// The files that crashed the reader, froze it or filled memory, each written as a user might have found it.
QByteArray hostileText(const QString& kind)
{
    const QByteArray begin = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", end = "END:VCALENDAR\r\n";
    if (kind == QLatin1String("unclosed alarms"))
        return begin + "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20260304\r\nSUMMARY:Alarmed\r\n" +
               repeated("BEGIN:VALARM\r\n", 300000) + end;
    if (kind == QLatin1String("closed nests"))
        return begin + repeated("BEGIN:X-A\r\n", 1000000) + repeated("END:X-A\r\n", 1000000) + OneEvent + end;
    if (kind == QLatin1String("secondly rules")) {
        QByteArray text = begin;
        for (int i = 0; i < 3000; ++i)
            text += "BEGIN:VEVENT\r\nUID:s" + QByteArray::number(i) +
                    "\r\nDTSTART:20260101T000000Z\r\nRRULE:FREQ=SECONDLY;BYMONTH=12;COUNT=5\r\n"
                    "SUMMARY:Seconds\r\nEND:VEVENT\r\n";
        return text + end;
    }
    if (kind == QLatin1String("30 February"))
        return begin +
               "BEGIN:VEVENT\r\nUID:f\r\nDTSTART;VALUE=DATE:20260130\r\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30\r\n"
               "SUMMARY:Never\r\nEND:VEVENT\r\n" +
               end;
    if (kind == QLatin1String("rules no step can meet"))
        return begin +
               "BEGIN:VEVENT\r\nUID:d\r\nDTSTART;VALUE=DATE:20260130\r\n"
               "RRULE:FREQ=SECONDLY;BYHOUR=5;BYMINUTE=0;BYSECOND=0\r\nSUMMARY:All day\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:l\r\nDTSTART:20260130T000000Z\r\nRRULE:FREQ=SECONDLY;BYSECOND=60\r\n"
               "SUMMARY:Leap\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:m\r\nDTSTART:20260130T000000Z\r\nRRULE:FREQ=HOURLY;BYDAY=1MO\r\n"
               "SUMMARY:First Monday\r\nEND:VEVENT\r\n" +
               end;
    if (kind == QLatin1String("zone changing every minute"))
        return begin +
               "BEGIN:VTIMEZONE\r\nTZID:Busy\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
               "RRULE:FREQ=MINUTELY\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0000\r\nEND:STANDARD\r\n"
               "END:VTIMEZONE\r\nBEGIN:VEVENT\r\nUID:z\r\nDTSTART;TZID=Busy:20260304T120000\r\n"
               "SUMMARY:Zoned\r\nEND:VEVENT\r\n" +
               end;
    if (kind == QLatin1String("40 MB of X lines"))
        return begin + repeated("X:1\r\n", 8 * 1024 * 1024) + OneEvent + end;
    if (kind == QLatin1String("lines before 20,000 events")) {
        QByteArray text = manyEvents(20000);
        text.insert(text.indexOf("BEGIN:VEVENT"), repeated("X:1\r\n", 1000000));
        return text;
    }
    // A rule that may match, and so is expanded, whose every step searches a day of seconds: only the file's
    // deadline ends it.
    QByteArray text = begin;
    for (int i = 0; i < 3000; ++i)
        text += "BEGIN:VEVENT\r\nUID:h" + QByteArray::number(i) +
                "\r\nDTSTART:20260101T050000Z\r\nRRULE:FREQ=SECONDLY;BYHOUR=5;BYMINUTE=0;BYSECOND=0\r\n"
                "SUMMARY:Daily second\r\nEND:VEVENT\r\n";
    return text + end;
}

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

// The reading of one file in a process of its own, which prints what it read: its line, its days and, for a read,
// the growth of its memory at the peak. "quit" starts the read on the worker and ends the program while it runs.
int readInChild()
{
    const QString mode = qEnvironmentVariable("ICS_CHILD_MODE"), path = qEnvironmentVariable("ICS_CHILD_PATH");
    if (mode == QLatin1String("bytes")) {
        const FileBytes file = readRegularFile(path, 1024);
        IcsOutcome outcome;
        outcome.kind = file.kind;
        outcome.fileName = QFileInfo(path).fileName();
        outcome.calendarName = QString::fromLatin1(file.bytes);
        printf("%s\n", qPrintable(outcome.line()));
        return 0;
    }
    if (mode == QLatin1String("quit")) {
        {
            CalendarFiles files;
            files.cover(QDate(2026, 6, 1));
            files.setFiles({path});
            QThread::msleep(500);
            printf("%s\n", files.reading() ? "reading" : "read");
        }
        printf("ended\n");
        return 0;
    }
    IcsLimits limits;
    if (qEnvironmentVariableIsSet("ICS_CHILD_MILLIS"))
        limits.maxMillisPerFile = qEnvironmentVariableIntValue("ICS_CHILD_MILLIS");
    // The peak counted from here on.
    QFile peak(QStringLiteral("/proc/self/clear_refs"));
    if (peak.open(QIODevice::WriteOnly))
        peak.write("5");
    peak.close();
    const qint64 before = statusKb("VmRSS:");
    const IcsRead read = IcsReader(QTimeZone("UTC"), limits).read(path, Year2026);
    printf("%s\n%lld\n%lld\n", qPrintable(read.outcome.line()), qlonglong(read.events.size()),
           qlonglong(statusKb("VmHWM:") - before));
    return 0;
}

struct ChildRead
{
    bool ended = false;
    QStringList lines;
};

ChildRead runChild(const QString& mode, const QString& path, int limitMs, int millisPerFile = -1)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ICS_CHILD_MODE"), mode);
    environment.insert(QStringLiteral("ICS_CHILD_PATH"), path);
    if (millisPerFile >= 0)
        environment.insert(QStringLiteral("ICS_CHILD_MILLIS"), QString::number(millisPerFile));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    ChildRead result;
    result.ended =
        child.waitForFinished(limitMs) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    if (child.state() != QProcess::NotRunning) {
        child.kill();
        child.waitForFinished();
    }
    result.lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return result;
}

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}
} // namespace

class TestIcsReader : public QObject
{
    Q_OBJECT
private slots:
    void testDays_data();
    void testDays();
    void testOutcomes_data();
    void testOutcomes();
    void testHostileFiles_data();
    void testHostileFiles();
    void testRangeLimitsTheDays();
    void testMovedInstanceFarFromItsRule();
    void testRuleCost_data();
    void testRuleCost();
    void testWhatTheReadingLeavesOut_data();
    void testWhatTheReadingLeavesOut();
    void testHostileFileInAChild_data();
    void testHostileFileInAChild();
    void testQuittingWhileReading_data();
    void testQuittingWhileReading();
    void testOpenedFileIsLookedAt_data();
    void testOpenedFileIsLookedAt();
};

void TestIcsReader::testDays_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("expected");

    const QByteArray berlin = "Europe/Berlin";
    QTest::newRow("weekly, first instance, UTC time in Berlin")
        << "weekly.ics" << berlin << QDate(2026, 1, 5) << "19:00 Yoga (Personal)";
    QTest::newRow("weekly, EXDATE leaves 19 Jan out") << "weekly.ics" << berlin << QDate(2026, 1, 19) << "";
    QTest::newRow("weekly, the moved instance leaves 26 Jan") << "weekly.ics" << berlin << QDate(2026, 1, 26) << "";
    QTest::newRow("weekly, and shows on 27 Jan at its new time")
        << "weekly.ics" << berlin << QDate(2026, 1, 27) << "08:00 Yoga (moved) (Personal)";
    QTest::newRow("weekly, none after COUNT") << "weekly.ics" << berlin << QDate(2026, 2, 16) << "";
    QTest::newRow("DURATION, UTC") << "weekly.ics" << QByteArray("UTC") << QDate(2026, 3, 10)
                                   << "09:00 Dentist (Personal)";
    QTest::newRow("all day, last of three")
        << "holidays.ics" << berlin << QDate(2026, 12, 26) << "all day Christmas (Holidays)";
    QTest::newRow("all day, DTEND not included") << "holidays.ics" << berlin << QDate(2026, 12, 27) << "";
    QTest::newRow("all day in New York too")
        << "holidays.ics" << QByteArray("America/New_York") << QDate(2026, 12, 25) << "all day Christmas (Holidays)";
    QTest::newRow("yearly from 2020, in the margin after the year")
        << "holidays.ics" << berlin << QDate(2027, 1, 1) << "all day New Year (Holidays)";
    QTest::newRow("RDATE list") << "holidays.ics" << berlin << QDate(2026, 7, 1)
                                << "all day First of the month (Holidays)";
    QTest::newRow("New York late evening is the next day in Berlin")
        << "zones.ics" << berlin << QDate(2026, 4, 16) << "03:00 Call with New York (zones)";
    QTest::newRow("and not its own day") << "zones.ics" << berlin << QDate(2026, 4, 15) << "";
    QTest::newRow("New York in New York")
        << "zones.ics" << QByteArray("America/New_York") << QDate(2026, 4, 15) << "21:00 Call with New York (zones)";
    QTest::newRow("VTIMEZONE of the file, winter")
        << "zones.ics" << berlin << QDate(2026, 1, 21) << "02:00 Winter call (zones)";
    QTest::newRow("floating time stays on the wall clock")
        << "zones.ics" << QByteArray("Asia/Tokyo") << QDate(2026, 6, 1) << "23:30 Late film (zones)";
    QTest::newRow("over midnight, first day")
        << "zones.ics" << QByteArray("UTC") << QDate(2026, 7, 1) << "22:00 Night shift (zones)";
    QTest::newRow("over midnight, a whole day")
        << "zones.ics" << QByteArray("UTC") << QDate(2026, 7, 2) << "all day Night shift (zones)";
    QTest::newRow("damaged file keeps what reads")
        << "damaged.ics" << berlin << QDate(2026, 2, 2) << "all day Still read (damaged)";
    QTest::newRow("endless daily rule from 1900")
        << "endless.ics" << berlin << QDate(2026, 6, 15) << "all day Daily (endless)";
}

void TestIcsReader::testDays()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, zone);
    QFETCH(QDate, day);
    QFETCH(QString, expected);
    const IcsRead read = IcsReader(QTimeZone(zone)).read(sample(file), Year2026);
    QCOMPARE(read.outcome.kind, IcsOutcome::Kind::Read);
    QCOMPARE(dayText(read, day), expected);
}

void TestIcsReader::testOutcomes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line");
    QTest::newRow("calendar name") << "holidays.ics"
                                   << "Holidays: 3 events";
    QTest::newRow("moved instance not counted") << "weekly.ics"
                                                << "Personal: 2 events";
    QTest::newRow("base name without one") << "zones.ics"
                                           << "zones: 4 events";
    QTest::newRow("rules cut") << "endless.ics"
                               << "endless: 3 events, not all of their days shown";
    QTest::newRow("text file") << "notes.ics"
                               << "notes.ics: not an iCalendar file";
    QTest::newRow("missing") << "old.ics"
                             << "old.ics: the file is gone";
    QTest::newRow("folder") << ""
                            << "data: not a file";
}

void TestIcsReader::testOutcomes()
{
    QFETCH(QString, file);
    QFETCH(QString, line);
    const QString path = file.isEmpty() ? QStringLiteral(CALENDAR_DATA) : sample(file);
    QCOMPARE(IcsReader(QTimeZone("UTC")).read(path, Year2026).outcome.line(), line);
}

void TestIcsReader::testHostileFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("days");
    QTest::newRow("65 MB") << "large"
                           << "big.ics: larger than 64 MB, not read" << 0;
    QTest::newRow("100,000 events") << "many"
                                    << "Many: 100000 events" << 100000;
    QTest::newRow("named pipe, never opened") << "pipe"
                                              << "big.ics: not a file" << 0;
    QTest::newRow("calendar cut short") << "cut"
                                        << "big: 1 event" << 1;
}

void TestIcsReader::testHostileFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, line);
    QFETCH(int, days);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ics"));
    if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("large"))
            QVERIFY(file.resize(65 * 1024 * 1024));
        else if (kind == QLatin1String("many"))
            file.write(manyEvents(100000));
        else
            file.write("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20260303\r\nSUMMARY:Cut\r\nRRULE:FR");
    }
    const IcsRead read = IcsReader(QTimeZone("UTC")).read(path, Year2026);
    QCOMPARE(read.outcome.line(), line);
    QCOMPARE(read.events.size(), days);
}

void TestIcsReader::testRangeLimitsTheDays()
{
    // Every instance of an endless rule lies within the range asked for, and the caps hold.
    IcsLimits limits;
    limits.maxInstancesPerEvent = 50;
    const DayRange march{QDate(2026, 3, 1), QDate(2026, 3, 31)};
    const IcsRead read = IcsReader(QTimeZone("UTC"), limits).read(sample(QStringLiteral("endless.ics")), march);
    QVERIFY(read.outcome.cut);
    QVERIFY(!read.events.isEmpty());
    for (const CalendarEvent& event : read.events)
        QVERIFY2(march.contains(event.day), qPrintable(event.day.toString()));
    QCOMPARE(dayText(read, QDate(2026, 3, 31)), QStringLiteral("all day Daily (endless)"));

    // The days of a file stop at their cap; its events are still all counted.
    limits.maxDays = 100;
    const IcsRead many = IcsReader(QTimeZone("UTC"), limits).readText(manyEvents(300), "many.ics", Year2026);
    QCOMPARE(many.outcome.line(), QStringLiteral("Many: 300 events, not all of their days shown"));
    QCOMPARE(many.events.size(), 100);

    // A reader told to stop, as at the program's end, reads no further batch of a large file.
    const std::atomic<bool> stop(true);
    IcsReader stopped(QTimeZone("UTC"));
    stopped.stopWhen(&stop);
    QVERIFY(stopped.readText(manyEvents(5000), "many.ics", Year2026).events.isEmpty());
}

void TestIcsReader::testMovedInstanceFarFromItsRule()
{
    // Thousands of events between a rule and the instance it moves: the two are still read together.
    QByteArray text = manyEvents(5000);
    text.insert(text.indexOf("BEGIN:VEVENT"), "BEGIN:VEVENT\r\nUID:rule\r\nDTSTART;VALUE=DATE:20260302\r\n"
                                              "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Rule\r\nEND:VEVENT\r\n");
    text.insert(text.lastIndexOf("END:VCALENDAR"), "BEGIN:VEVENT\r\nUID:rule\r\nRECURRENCE-ID;VALUE=DATE:20260309\r\n"
                                                   "DTSTART;VALUE=DATE:20260311\r\nSUMMARY:Moved\r\nEND:VEVENT\r\n");
    const IcsRead read = IcsReader(QTimeZone("UTC")).readText(text, "far.ics", Year2026);
    QCOMPARE(read.outcome.line(), QStringLiteral("Many: 5001 events"));
    QVERIFY(!dayText(read, QDate(2026, 3, 9)).contains(QLatin1String("Rule")));
    QVERIFY(dayText(read, QDate(2026, 3, 11)).startsWith(QLatin1String("all day Moved (Many)")));
    QVERIFY(dayText(read, QDate(2026, 3, 16)).startsWith(QLatin1String("all day Rule (Many)")));
}

void TestIcsReader::testRuleCost_data()
{
    QTest::addColumn<QByteArray>("rule");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("verdict"); // 0 expanded, 1 never matches, 2 too costly, 3 a zone's rule
    QTest::addColumn<bool>("allDay");
    const QDate january(2026, 1, 1);
    QTest::newRow("seconds, only in December")
        << QByteArray("FREQ=SECONDLY;BYMONTH=12;COUNT=5") << january << 2 << false;
    QTest::newRow("seconds, only on Mondays") << QByteArray("FREQ=SECONDLY;BYDAY=MO") << january << 2 << false;
    QTest::newRow("seconds, one hour a day") << QByteArray("FREQ=SECONDLY;BYHOUR=5") << january << 0 << false;
    QTest::newRow("minutes, only on Mondays") << QByteArray("FREQ=MINUTELY;BYDAY=MO") << january << 0 << false;
    QTest::newRow("minutes, only in December") << QByteArray("FREQ=MINUTELY;BYMONTH=12") << january << 2 << false;
    QTest::newRow("hours, only in December") << QByteArray("FREQ=HOURLY;BYMONTH=12") << january << 0 << false;
    QTest::newRow("30 February") << QByteArray("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30") << january << 1 << false;
    QTest::newRow("31 April, daily") << QByteArray("FREQ=DAILY;BYMONTH=4;BYMONTHDAY=31") << january << 1 << false;
    QTest::newRow("29 February over 2100")
        << QByteArray("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29") << QDate(2097, 1, 1) << 0 << false;
    QTest::newRow("last day of each month") << QByteArray("FREQ=MONTHLY;BYMONTHDAY=-1") << january << 0 << false;
    QTest::newRow("31st of the months that have one")
        << QByteArray("FREQ=MONTHLY;BYMONTHDAY=31") << january << 0 << false;
    QTest::newRow("366th day of leap years") << QByteArray("FREQ=YEARLY;BYYEARDAY=366") << january << 0 << false;
    QTest::newRow("weekly on two days") << QByteArray("FREQ=WEEKLY;BYDAY=MO,WE") << january << 0 << false;
    QTest::newRow("second Sunday of March") << QByteArray("FREQ=MONTHLY;BYMONTH=3;BYDAY=2SU") << january << 0 << false;
    // An all-day event steps its hours without the day moving: libical would search for ever.
    QTest::newRow("all day, seconds at five")
        << QByteArray("FREQ=SECONDLY;BYHOUR=5;BYMINUTE=0;BYSECOND=0") << january << 2 << true;
    QTest::newRow("all day, minutes at :03") << QByteArray("FREQ=MINUTELY;BYMINUTE=3") << january << 2 << true;
    QTest::newRow("all day, every 24 hours") << QByteArray("FREQ=HOURLY;INTERVAL=24") << january << 0 << true;
    QTest::newRow("all day, hourly on Mondays") << QByteArray("FREQ=HOURLY;BYDAY=MO") << january << 2 << true;
    QTest::newRow("all day, daily at five") << QByteArray("FREQ=DAILY;BYHOUR=5") << january << 0 << true;
    QTest::newRow("hourly on the last day of the month")
        << QByteArray("FREQ=HOURLY;BYMONTHDAY=-1") << january << 1 << false;
    QTest::newRow("daily on the first Monday") << QByteArray("FREQ=DAILY;BYDAY=1MO") << january << 1 << false;
    QTest::newRow("daily on the last day of the year")
        << QByteArray("FREQ=DAILY;BYYEARDAY=-1") << january << 1 << false;
    QTest::newRow("weekly on Mondays, an ordinal ignored")
        << QByteArray("FREQ=WEEKLY;BYDAY=1MO") << january << 0 << false;
    QTest::newRow("daily on the 15th or the last day")
        << QByteArray("FREQ=DAILY;BYMONTHDAY=-1,15") << january << 0 << false;
    QTest::newRow("hourly on Mondays or the first Tuesday")
        << QByteArray("FREQ=HOURLY;BYDAY=MO,1TU") << january << 0 << false;
    QTest::newRow("every second, only the 60th") << QByteArray("FREQ=SECONDLY;BYSECOND=60") << january << 1 << false;
    QTest::newRow("minutes named, the 60th second")
        << QByteArray("FREQ=MINUTELY;BYMINUTE=0;BYSECOND=60") << january << 1 << false;
    QTest::newRow("every minute, the 60th second") << QByteArray("FREQ=MINUTELY;BYSECOND=60") << january << 0 << false;
    QTest::newRow("zone: last Sunday of March")
        << QByteArray("FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU") << january << 3 << false;
    QTest::newRow("zone: by day of month")
        << QByteArray("FREQ=YEARLY;BYMONTH=10;BYMONTHDAY=8,9,10,11,12,13,14;BYDAY=SU") << january << 3 << false;
}

void TestIcsReader::testRuleCost()
{
    QFETCH(QByteArray, rule);
    QFETCH(QDate, start);
    QFETCH(int, verdict);
    QFETCH(bool, allDay);
    if (verdict == 3) {
        QVERIFY(isZoneRule(rule));
        // The same rule every minute, in two months, or never matching, is no zone's.
        QVERIFY(!isZoneRule("FREQ=MINUTELY"));
        QVERIFY(!isZoneRule("FREQ=YEARLY;BYMONTH=3,10;BYDAY=-1SU"));
        QVERIFY(!isZoneRule("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30"));
        QVERIFY(!isZoneRule("FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU;BYHOUR=1,2,3"));
        return;
    }
    QCOMPARE(int(checkRule(rule, start, allDay)), verdict);
}

void TestIcsReader::testWhatTheReadingLeavesOut_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("millis");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("day"); // 4 March 2026
    QTest::newRow("alarm, notes and own lines of an event")
        << QByteArray("X-OWN:1\r\nBEGIN:VTODO\r\nSUMMARY:Todo\r\nDTSTART;VALUE=DATE:20260304\r\nEND:VTODO\r\n"
                      "BEGIN:VEVENT\r\nUID:a\r\nDESCRIPTION:a long\r\n text\r\nDTSTART;VALUE=DATE:20260304\r\n"
                      "BEGIN:VALARM\r\nSUMMARY:Alarm\r\nTRIGGER:-PT5M\r\nEND:VALARM\r\nSUMMARY:Kept\r\n  "
                      "whole\r\nEND:VEVENT\r\n")
        << -1 << "Test: 1 event"
        << "all day Kept whole (Test)";
    QTest::newRow("nested deeper than any calendar")
        << QByteArray(OneEvent + repeated("BEGIN:X-A\r\n", 20) + repeated("END:X-A\r\n", 20)) << -1
        << "Test: 1 event, not all of their days shown"
        << "all day Plain (Test)";
    QTest::newRow("a zone changing every minute is a zone without changes")
        << QByteArray("BEGIN:VTIMEZONE\r\nTZID:Busy\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                      "RRULE:FREQ=MINUTELY\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                      "END:VTIMEZONE\r\nBEGIN:VEVENT\r\nUID:z\r\nDTSTART;TZID=Busy:20260304T230000\r\n"
                      "SUMMARY:Zoned\r\nEND:VEVENT\r\n")
        << -1 << "Test: 1 event, not all of their days shown"
        << "22:00 Zoned (Test)";
    QTest::newRow("a rule that never matches gives its start")
        << QByteArray("BEGIN:VEVENT\r\nUID:f\r\nDTSTART;VALUE=DATE:20260304\r\n"
                      "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30\r\nSUMMARY:Never\r\nEND:VEVENT\r\n")
        << -1 << "Test: 1 event, not all of their days shown"
        << "all day Never (Test)";
    QTest::newRow("a rule libical will not expand gives its start")
        << QByteArray("BEGIN:VEVENT\r\nUID:y\r\nDTSTART;VALUE=DATE:20260304\r\n"
                      "RRULE:FREQ=DAILY;BYYEARDAY=5\r\nSUMMARY:Refused\r\nEND:VEVENT\r\n")
        << -1 << "Test: 1 event, not all of their days shown"
        << "all day Refused (Test)";
    QTest::newRow("no time left") << QByteArray(OneEvent) << 0 << "Test: 0 events, not all of their days shown"
                                  << "";
}

void TestIcsReader::testWhatTheReadingLeavesOut()
{
    QFETCH(QByteArray, body);
    QFETCH(int, millis);
    QFETCH(QString, line);
    QFETCH(QString, day);
    IcsLimits limits;
    if (millis >= 0)
        limits.maxMillisPerFile = millis;
    const QByteArray text = "BEGIN:VCALENDAR\r\nX-WR-CALNAME:Test\r\n" + body + "END:VCALENDAR\r\n";
    const IcsRead read = IcsReader(QTimeZone("UTC"), limits).readText(text, "test.ics", Year2026);
    QCOMPARE(read.outcome.line(), line);
    QCOMPARE(dayText(read, QDate(2026, 3, 4)), day);
}

void TestIcsReader::testHostileFileInAChild_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("millisPerFile");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("days");
    const QString cut = QStringLiteral(", not all of their days shown");
    QTest::newRow("300,000 unclosed alarms") << "unclosed alarms" << -1 << "hostile: 1 event" + cut << 1;
    QTest::newRow("a million closed nests") << "closed nests" << -1 << "hostile: 1 event" + cut << 1;
    QTest::newRow("3,000 rules in seconds") << "secondly rules" << -1 << "hostile: 3000 events" + cut << 3000;
    QTest::newRow("30 February yearly") << "30 February" << -1 << "hostile: 1 event" + cut << 1;
    QTest::newRow("rules libical never meets") << "rules no step can meet" << -1 << "hostile: 3 events" + cut << 3;
    QTest::newRow("zone changing every minute") << "zone changing every minute" << -1 << "hostile: 1 event" + cut << 1;
    QTest::newRow("40 MB of X lines") << "40 MB of X lines" << -1 << "hostile: 1 event" << 1;
    QTest::newRow("a million lines before 20,000 events")
        << "lines before 20,000 events" << -1 << "Many: 20000 events" << 20000;
    QTest::newRow("rules only the deadline ends") << "deadline" << 500 << "" << -1;
}

void TestIcsReader::testHostileFileInAChild()
{
    QFETCH(QString, kind);
    QFETCH(int, millisPerFile);
    QFETCH(QString, line);
    QFETCH(int, days);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.ics"));
    const QByteArray text = hostileText(kind);
    QVERIFY(writeFile(path, text));
    // Far longer than a sound read takes, far shorter than the crash, the hang or the minute it replaced.
    const ChildRead child = runChild(QStringLiteral("read"), path, 20000, millisPerFile);
    QVERIFY2(child.ended, qPrintable(child.lines.join(QLatin1Char('|'))));
    QCOMPARE(child.lines.size(), 3);
    if (line.isEmpty())
        QVERIFY2(child.lines[0].endsWith(QLatin1String(", not all of their days shown")), qPrintable(child.lines[0]));
    else
        QCOMPARE(child.lines[0], line);
    if (days >= 0)
        QCOMPARE(child.lines[1].toInt(), days);
        // The memory a read takes stays near the file's size: the text itself and what its events give. The address
        // sanitizer keeps freed blocks and their shadow, so there only the plain build's figure means anything.
#if !defined(__SANITIZE_ADDRESS__)
    const qint64 grownKb = child.lines[2].toLongLong();
    QVERIFY2(grownKb < 2 * text.size() / 1024 + 16 * 1024, qPrintable(QString::number(grownKb)));
#endif
}

void TestIcsReader::testQuittingWhileReading_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"unclosed alarms", "closed nests", "secondly rules", "zone changing every minute",
                             "40 MB of X lines", "lines before 20,000 events", "deadline"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestIcsReader::testQuittingWhileReading()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.ics"));
    QVERIFY(writeFile(path, hostileText(kind)));
    // The end waits for the read only to its next step: far less than the file's deadline.
    const ChildRead child = runChild(QStringLiteral("quit"), path, 8000);
    QVERIFY2(child.ended, qPrintable(child.lines.join(QLatin1Char('|'))));
    QCOMPARE(child.lines.value(1), QStringLiteral("ended"));
}

void TestIcsReader::testOpenedFileIsLookedAt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("line");
    QTest::newRow("FIFO") << "fifo"
                          << "cal.ics: not a file";
    QTest::newRow("FIFO with a writer waiting") << "fifo writer"
                                                << "cal.ics: not a file";
    QTest::newRow("device") << "device"
                            << "null: not a file";
    QTest::newRow("link to a file") << "link"
                                    << "BEGIN:VCALENDAR: 0 events";
    QTest::newRow("too large") << "large"
                               << "cal.ics: larger than 64 MB, not read";
    QTest::newRow("missing") << "missing"
                             << "cal.ics: the file is gone";
}

void TestIcsReader::testOpenedFileIsLookedAt()
{
    QFETCH(QString, kind);
    QFETCH(QString, line);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("cal.ics"));
    const QByteArray name = QFile::encodeName(path);
    QProcess writer;
    if (kind.startsWith(QLatin1String("fifo"))) {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        // A writer blocked in its open until a reader comes.
        if (kind == QLatin1String("fifo writer"))
            writer.start(QStringLiteral("sh"),
                         {QStringLiteral("-c"), QStringLiteral("exec sleep 30 > '%1'").arg(path)});
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/null");
    } else if (kind == QLatin1String("link")) {
        QVERIFY(writeFile(dir.filePath(QStringLiteral("real.ics")), "BEGIN:VCALENDAR"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.ics")), path));
    } else if (kind == QLatin1String("large")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(2048));
    }
    // A hang here was the fault: the child has a time limit.
    const ChildRead child = runChild(QStringLiteral("bytes"), path, 10000);
    if (writer.state() != QProcess::NotRunning) {
        writer.kill();
        writer.waitForFinished();
    }
    QVERIFY(child.ended);
    QCOMPARE(child.lines.value(0), line);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("ICS_CHILD_MODE"))
        return readInChild();
    TestIcsReader test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "TestIcsReader.moc"
