// SPDX-License-Identifier: GPL-3.0-or-later
// Which reminders are due at a moment and when the next falls due; what their notification says.
#include "owndays/ReminderSchedule.h"
#include "owndays/ReminderTexts.h"
#include <QTest>
#include <ctime>

namespace {
QDateTime at(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

OwnDay remindedDay(QDate first, QDate last, bool yearly, int daysBefore, QTime time = QTime(9, 0))
{
    OwnDay day;
    day.uid = QStringLiteral("day");
    day.title = QStringLiteral("Dentist");
    day.first = first;
    day.last = last;
    day.yearly = yearly;
    day.reminder = {true, daysBefore, time};
    return day;
}

// The process's local zone for a test's time, as the program's own clock would have it.
class LocalZone
{
public:
    explicit LocalZone(const QByteArray& zone) : m_before(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        ::tzset();
    }
    ~LocalZone()
    {
        qputenv("TZ", m_before);
        ::tzset();
    }

private:
    QByteArray m_before;
};
} // namespace

class TestReminderSchedule : public QObject
{
    Q_OBJECT
private slots:
    void testDue_data();
    void testDue();
    void testSoonestFirst();
    void testTimeTheClockSkips();
    void testBody_data();
    void testBody();
};

void TestReminderSchedule::testDue_data()
{
    QTest::addColumn<OwnDay>("day");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDate>("toldFor"); // the occurrence told now; none when nothing is due
    QTest::addColumn<QDateTime>("next");

    const QDate jan4(2027, 1, 4);
    const OwnDay onTheDay = remindedDay(jan4, jan4, false, 0);
    const OwnDay twoBefore = remindedDay(jan4, jan4, false, 2);
    const OwnDay week = remindedDay(jan4, QDate(2027, 1, 8), false, 1);
    QTest::newRow("on the day at 09:00, at 08:59: next at 09:00")
        << onTheDay << at(2027, 1, 4, 8, 59) << QDate() << at(2027, 1, 4, 9);
    QTest::newRow("on the day at 09:00, at 09:00: told") << onTheDay << at(2027, 1, 4, 9) << jan4 << at(2027, 1, 4, 10);
    QTest::newRow("two days before, half an hour before its moment: next at its moment")
        << twoBefore << at(2027, 1, 2, 8, 30) << QDate() << at(2027, 1, 2, 9);
    QTest::newRow("two days before, at its moment: told")
        << twoBefore << at(2027, 1, 2, 9) << jan4 << at(2027, 1, 2, 10);
    QTest::newRow("missed while not running, the day still ahead: told at the start")
        << twoBefore << at(2027, 1, 3, 12) << jan4 << at(2027, 1, 3, 13);
    QTest::newRow("missed, the day is today: told")
        << twoBefore << at(2027, 1, 4, 23, 59) << jan4 << at(2027, 1, 5, 0, 59);
    QTest::newRow("missed for a day already past: never told")
        << twoBefore << at(2027, 1, 5, 8) << QDate() << at(2027, 1, 5, 9);
    QTest::newRow("missed, a range under way: told") << week << at(2027, 1, 6, 7) << jan4 << at(2027, 1, 6, 8);
    QTest::newRow("missed, a range over: never told")
        << week << at(2027, 1, 9, 0, 1) << QDate() << at(2027, 1, 9, 1, 1);

    OwnDay told = twoBefore;
    told.acknowledged = QDateTime(QDate(2027, 1, 2), QTime(9, 0, 5), Qt::UTC);
    QTest::newRow("told already: not again") << told << at(2027, 1, 3, 12) << QDate() << at(2027, 1, 3, 13);
    QTest::newRow("told, the clock set back before its moment: not again, nothing to wait for")
        << told << at(2027, 1, 2, 8, 30) << QDate() << at(2027, 1, 2, 9, 30);
    OwnDay toldBefore = twoBefore;
    toldBefore.acknowledged = at(2027, 1, 1, 9);
    QTest::newRow("told before its moment (a reminder since moved): told")
        << toldBefore << at(2027, 1, 2, 9, 30) << jan4 << at(2027, 1, 2, 10, 30);
    OwnDay off = twoBefore;
    off.reminder.on = false;
    QTest::newRow("reminder off: nothing") << off << at(2027, 1, 3, 12) << QDate() << at(2027, 1, 3, 13);

    OwnDay yearly = remindedDay(QDate(2020, 3, 10), QDate(2020, 3, 10), true, 0);
    yearly.acknowledged = at(2026, 3, 10, 9);
    QTest::newRow("yearly, last year's told: this year's is told")
        << yearly << at(2027, 3, 10, 9) << QDate(2027, 3, 10) << at(2027, 3, 10, 10);
    yearly.acknowledged = at(2027, 3, 10, 9, 0, 30);
    QTest::newRow("yearly, this year's told: next year's is the next")
        << yearly << at(2028, 3, 10, 8, 30) << QDate() << at(2028, 3, 10, 9);
    QTest::newRow("yearly, before its first year: nothing")
        << remindedDay(QDate(2030, 3, 10), QDate(2030, 3, 10), true, 0) << at(2027, 3, 10, 9) << QDate()
        << at(2027, 3, 10, 10);

    OwnDay newYear = remindedDay(QDate(2020, 12, 30), QDate(2021, 1, 2), true, 3, QTime(18, 0));
    newYear.acknowledged = at(2025, 12, 27, 18);
    QTest::newRow("yearly over New Year, missed, under way in the new year: told for last year's start")
        << newYear << at(2027, 1, 1, 10) << QDate(2026, 12, 30) << at(2027, 1, 1, 11);

    OwnDay leap = remindedDay(QDate(2024, 2, 29), QDate(2024, 2, 29), true, 1);
    leap.acknowledged = at(2024, 2, 28, 9);
    QTest::newRow("29 February, the day before in a leap year: told")
        << leap << at(2028, 2, 28, 9) << QDate(2028, 2, 29) << at(2028, 2, 28, 10);
    QTest::newRow("29 February in a common year: nothing on the 27th")
        << leap << at(2027, 2, 27, 9, 30) << QDate() << at(2027, 2, 27, 10, 30);
    QTest::newRow("29 February, the leap year's moment is the next")
        << leap << at(2028, 2, 28, 8, 15) << QDate() << at(2028, 2, 28, 9);
}

void TestReminderSchedule::testDue()
{
    QFETCH(OwnDay, day);
    QFETCH(QDateTime, now);
    QFETCH(QDate, toldFor);
    QFETCH(QDateTime, next);
    const ReminderSchedule schedule = ReminderSchedule::at({day}, now);
    QCOMPARE(schedule.due.size(), toldFor.isValid() ? 1 : 0);
    if (toldFor.isValid()) {
        QCOMPARE(schedule.due[0].start, toldFor);
        QCOMPARE(schedule.due[0].due, day.reminderDue(toldFor));
    }
    QCOMPARE(schedule.next, next);
}

// Several due at once come the soonest day first; a day with two years' reminders due is told once, for the
// sooner.
void TestReminderSchedule::testSoonestFirst()
{
    OwnDay later = remindedDay(QDate(2027, 1, 9), QDate(2027, 1, 9), false, 7);
    later.uid = QStringLiteral("later");
    OwnDay sooner = remindedDay(QDate(2027, 1, 5), QDate(2027, 1, 5), false, 1);
    sooner.uid = QStringLiteral("sooner");
    // A yearly range a year long, reminded a year before: two years' reminders are due at once.
    OwnDay long_ = remindedDay(QDate(2026, 1, 6), QDate(2027, 1, 5), true, 365);
    long_.uid = QStringLiteral("long");
    OwnDay notYet = remindedDay(QDate(2027, 1, 4), QDate(2027, 1, 4), false, 0, QTime(12, 0));
    const ReminderSchedule schedule = ReminderSchedule::at({later, notYet, sooner, long_}, at(2027, 1, 4, 10));
    QStringList told;
    for (const DueReminder& reminder : schedule.due)
        told.append(reminder.day.uid + QLatin1Char(' ') + reminder.start.toString(Qt::ISODate));
    QCOMPARE(told, (QStringList{"long 2026-01-06", "sooner 2027-01-05", "later 2027-01-09"}));
    QCOMPARE(schedule.next, at(2027, 1, 4, 11));
}

// 02:30 on the day summer time begins is never on the clock: the reminder comes when the clock reaches 03:00.
void TestReminderSchedule::testTimeTheClockSkips()
{
    const LocalZone berlin("Europe/Berlin");
    const OwnDay day = remindedDay(QDate(2027, 3, 28), QDate(2027, 3, 28), false, 0, QTime(2, 30));
    const QDateTime before(QDate(2027, 3, 28), QTime(1, 59));
    QVERIFY(before.isValid());
    QCOMPARE(ReminderSchedule::at({day}, before).next, QDateTime(QDate(2027, 3, 28), QTime(3, 0)));
    const ReminderSchedule schedule = ReminderSchedule::at({day}, QDateTime(QDate(2027, 3, 28), QTime(3, 0)));
    QCOMPARE(schedule.due.size(), 1);
    QCOMPARE(schedule.due[0].due, QDateTime(QDate(2027, 3, 28), QTime(3, 0)));
}

void TestReminderSchedule::testBody_data()
{
    QTest::addColumn<OwnDay>("day");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("body");
    OwnDay day = remindedDay(QDate(2027, 1, 7), QDate(2027, 1, 7), false, 3);
    day.note = QStringLiteral("  Bring the forms\n");
    QTest::newRow("in three days, with a note")
        << day << day.first << QDate(2027, 1, 4) << "In 3 days: Thursday, 7 January 2027\nBring the forms";
    day.note.clear();
    QTest::newRow("tomorrow") << day << day.first << QDate(2027, 1, 6) << "Tomorrow: Thursday, 7 January 2027";
    const OwnDay week = remindedDay(QDate(2027, 1, 4), QDate(2027, 1, 8), false, 0);
    QTest::newRow("a range under way") << week << week.first << QDate(2027, 1, 6)
                                       << "Under way: Monday, 4 January 2027 – Friday, 8 January 2027";
    const OwnDay yearly = remindedDay(QDate(2020, 12, 30), QDate(2021, 1, 2), true, 1);
    QTest::newRow("yearly: this year's dates") << yearly << QDate(2027, 12, 30) << QDate(2027, 12, 29)
                                               << "Tomorrow: Thursday, 30 December 2027 – Sunday, 2 January 2028";
}

void TestReminderSchedule::testBody()
{
    QFETCH(OwnDay, day);
    QFETCH(QDate, start);
    QFETCH(QDate, today);
    QFETCH(QString, body);
    const DueReminder reminder{day, start, day.reminderDue(start)};
    QCOMPARE(ReminderTexts::body(reminder, today, QLocale::c()), body);
}

QTEST_GUILESS_MAIN(TestReminderSchedule)
#include "TestReminderSchedule.moc"
