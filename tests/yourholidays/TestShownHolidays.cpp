// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourholidays/ShownHolidays.h"
#include <QSignalSpy>
#include <QTest>

using Status = holidays::YearHolidays::Status;
Q_DECLARE_METATYPE(holidays::Kinds)

class TestShownHolidays : public QObject
{
    Q_OBJECT
private slots:
    void testDayNamedOnceRead_data();
    void testDayNamedOnceRead();
    void testNothingReadWhileNoneShown();
    void testAnotherChoiceDropsAReadUnderWay();
};

void TestShownHolidays::testDayNamedOnceRead_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<holidays::Kinds>("kinds");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("names");
    const holidays::Kinds publicOnly(holidays::Kind::Public);
    QTest::newRow("Epiphany in Bavaria, in English") << "DE-BY" << publicOnly << QStringList{"en"} << QDate(2026, 1, 6)
                                                     << int(Status::Known) << QStringList{"Epiphany"};
    QTest::newRow("Epiphany in Bavaria, in the country's German")
        << "DE-BY" << publicOnly << QStringList{"ja"} << QDate(2026, 1, 6) << int(Status::Known)
        << QStringList{QString::fromUtf8("Heilige Drei Könige")};
    QTest::newRow("no Epiphany in Berlin")
        << "DE-BE" << publicOnly << QStringList{"en"} << QDate(2026, 1, 6) << int(Status::Known) << QStringList{};
    QTest::newRow("a year before the data's")
        << "DE" << publicOnly << QStringList{"en"} << QDate(1969, 12, 25) << int(Status::NotKnown) << QStringList{};
    QTest::newRow("a country the data lacks")
        << "XX" << publicOnly << QStringList{"en"} << QDate(2026, 12, 25) << int(Status::NoData) << QStringList{};
}

void TestShownHolidays::testDayNamedOnceRead()
{
    QFETCH(QString, area);
    QFETCH(holidays::Kinds, kinds);
    QFETCH(QStringList, languages);
    QFETCH(QDate, day);
    QFETCH(int, status);
    QFETCH(QStringList, names);
    ShownHolidays shown;
    QSignalSpy ready(&shown, &ShownHolidays::yearReady);
    shown.choose(area, kinds, languages);
    // Asked first, the year is not known yet: the window never waits for the file.
    QVERIFY(shown.namesOn(day).isEmpty());
    QVERIFY(!shown.statusOf(day.year()));
    QTRY_COMPARE(ready.size(), 1);
    QCOMPARE(ready.at(0).at(0).toInt(), day.year());
    QCOMPARE(shown.namesOn(day), names);
    QCOMPARE(int(*shown.statusOf(day.year())), status);
    QVERIFY(shown.idle());
}

void TestShownHolidays::testNothingReadWhileNoneShown()
{
    ShownHolidays shown;
    QSignalSpy ready(&shown, &ShownHolidays::yearReady);
    QVERIFY(shown.namesOn(QDate(2026, 12, 25)).isEmpty());
    QVERIFY(!shown.statusOf(2026));
    QVERIFY(shown.idle());
    QTest::qWait(20);
    QCOMPARE(ready.size(), 0);
}

void TestShownHolidays::testAnotherChoiceDropsAReadUnderWay()
{
    ShownHolidays shown;
    QSignalSpy ready(&shown, &ShownHolidays::yearReady);
    shown.choose(QStringLiteral("DE-BY"), holidays::Kind::Public, {QStringLiteral("en")});
    shown.namesOn(QDate(2026, 1, 6));
    // Switched to Berlin before Bavaria's year came: Bavaria's Epiphany must never show for Berlin.
    shown.choose(QStringLiteral("DE-BE"), holidays::Kind::Public, {QStringLiteral("en")});
    shown.namesOn(QDate(2026, 1, 6));
    QTRY_VERIFY(shown.idle());
    QCOMPARE(ready.size(), 1);
    QVERIFY(shown.namesOn(QDate(2026, 1, 6)).isEmpty());
    QCOMPARE(shown.namesOn(QDate(2026, 3, 8)), QStringList{"International Women's Day"});
}

QTEST_GUILESS_MAIN(TestShownHolidays)
#include "TestShownHolidays.moc"
