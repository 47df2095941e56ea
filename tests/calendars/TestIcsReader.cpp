#include "calendars/IcsReader.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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

QTEST_GUILESS_MAIN(TestIcsReader)
#include "TestIcsReader.moc"
