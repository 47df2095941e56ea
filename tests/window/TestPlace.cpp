// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include "toolbar/DayReport.h"
#include <QtTest>

// The report for the user's place: the time zone's offset on the reported day, an unknown zone said once, and the
// moon as seen from the southern hemisphere.
class TestPlace : public QObject
{
    Q_OBJECT
private slots:
    void testZoneReportIsTheDaysFixedOffsetReport_data();
    void testZoneReportIsTheDaysFixedOffsetReport();
    void testUnknownZoneSaidOnceAndLine4Used_data();
    void testUnknownZoneSaidOnceAndLine4Used();
    void testBlankZoneLineIsNoZoneAndSaysNothing_data();
    void testBlankZoneLineIsNoZoneAndSaysNothing();
    void testSouthSeesTheMoonMirrored_data();
    void testSouthSeesTheMoonMirrored();
};

namespace {
QByteArray prefsFile(const QByteArray& longitude, const QByteArray& latitude, const QByteArray& line4,
                     const QByteArray& zone = QByteArray())
{
    QByteArray bytes = "00\r\n" + longitude + "\r\n" + latitude + "\r\n" + line4 + "\r\n";
    return zone.isNull() ? bytes : bytes + zone + "\r\n";
}

// A position line as the file holds it, the degree sign one byte.
QByteArray latin1(const char* text)
{
    return QString::fromUtf8(text).toLatin1();
}

// The disc covers columns 1..15: its mirror maps column c to 16 - c.
QImage mirrored(const QImage& image)
{
    QImage result = image.copy();
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 1; column <= 15; ++column)
            result.setPixel(column, row, image.pixel(16 - column, row));
    }
    return result;
}

QImage moonShown(const App& app)
{
    return app.find<QLabel>(names::Image3)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

struct Times
{
    QString sunrise;
    QString sunset;
};

// The toolbar's times for a day, reported as a click on it would.
Times reportOf(const QByteArray& prefs, const QDate& day)
{
    App app(QDateTime(day, QTime(10, 0)), prefs);
    app.activate();
    app.clickDay(day.month(), day);
    return {app.find<QLabel>(names::Label3)->text(), app.find<QLabel>(names::Label4)->text()};
}
} // namespace

void TestPlace::testZoneReportIsTheDaysFixedOffsetReport_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QByteArray>("longitude");
    QTest::addColumn<QByteArray>("latitude");
    QTest::addColumn<QByteArray>("standard"); // line 4 as a zone's file holds it
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QByteArray>("offset"); // the wall clock's offset that day
    // The zones' offsets on change days and in history are the zone library's tests; these check the report.
    const QByteArray berlinE = latin1("E°13.40"), berlinN = latin1("N°52.52");
    QTest::newRow("Berlin 21 Jun 2026: +2") << QByteArray("Europe/Berlin") << berlinE << berlinN << QByteArray("1")
                                            << QDate(2026, 6, 21) << QByteArray("2");
    QTest::newRow("New York 21 Jun 2026: -4")
        << QByteArray("America/New_York") << latin1("W°74.01") << latin1("N°40.71") << QByteArray("-5")
        << QDate(2026, 6, 21) << QByteArray("-4");
    QTest::newRow("Sydney 21 Dec 2026, southern summer: +11")
        << QByteArray("Australia/Sydney") << latin1("E°151.21") << latin1("S°33.87") << QByteArray("10")
        << QDate(2026, 12, 21) << QByteArray("11");
    QTest::newRow("Kolkata 21 Jun 2026: +5.5") << QByteArray("Asia/Kolkata") << latin1("E°88.37") << latin1("N°22.57")
                                               << QByteArray("5.5") << QDate(2026, 6, 21) << QByteArray("5.5");
}

void TestPlace::testZoneReportIsTheDaysFixedOffsetReport()
{
    QFETCH(QByteArray, zone);
    QFETCH(QByteArray, longitude);
    QFETCH(QByteArray, latitude);
    QFETCH(QByteArray, standard);
    QFETCH(QDate, day);
    QFETCH(QByteArray, offset);
    const Times withZone = reportOf(prefsFile(longitude, latitude, standard, zone), day);
    const Times fixed = reportOf(prefsFile(longitude, latitude, offset), day);
    QVERIFY(!withZone.sunrise.isEmpty());
    QCOMPARE(withZone.sunrise, fixed.sunrise);
    QCOMPARE(withZone.sunset, fixed.sunset);
    // And not merely line 4's report: on a day of daylight saving the zone moves the times.
    if (offset != standard)
        QVERIFY(reportOf(prefsFile(longitude, latitude, standard), day).sunrise != withZone.sunrise);
}

void TestPlace::testUnknownZoneSaidOnceAndLine4Used_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("said");
    QTest::newRow("unknown id") << QByteArray("Mars/Olympus_Mons")
                                << "Unknown time zone Mars/Olympus_Mons in preferences.";
    QTest::newRow("malformed id") << QByteArray("Europe/Berlin; rm -rf")
                                  << "Unknown time zone Europe/Berlin; rm -rf in preferences.";
    QTest::newRow("4,000 characters, cut in the box")
        << QByteArray(4000, 'A') << "Unknown time zone " + QString(64, QLatin1Char('A')) + "... in preferences.";
}

void TestPlace::testUnknownZoneSaidOnceAndLine4Used()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, said);
    const QByteArray austinE = latin1("W°97.45"), austinN = latin1("N°30.15");
    App app(QDateTime(QDate(2026, 6, 21), QTime(10, 0)), prefsFile(austinE, austinN, "-6", zone));
    app.activate();
    app.activate();
    app.ticks(DayReport::ReportHoldTicks + 1);
    QCOMPARE(app.world.prompter.boxes.size(), 1);
    QCOMPARE(app.world.prompter.boxes.first().kind, QStringLiteral("warning"));
    QCOMPARE(app.world.prompter.boxes.first().text, said);
    QCOMPARE(app.preferences->value().zone, QString::fromLatin1(zone));
    // The report goes on with line 4.
    App fixed(QDateTime(QDate(2026, 6, 21), QTime(10, 0)), prefsFile(austinE, austinN, "-6"));
    fixed.activate();
    QCOMPARE(app.find<QLabel>(names::Label3)->text(), fixed.find<QLabel>(names::Label3)->text());
    QCOMPARE(app.find<QLabel>(names::Label4)->text(), fixed.find<QLabel>(names::Label4)->text());
    // It is the file's story, not a day's: clicks on days say nothing more.
    app.clickDay(6, QDate(2026, 6, 3));
    app.clickDay(6, QDate(2026, 6, 4));
    QCOMPARE(app.world.prompter.boxes.size(), 1);
}

void TestPlace::testBlankZoneLineIsNoZoneAndSaysNothing_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("an empty fifth line") << QByteArray("");
    QTest::newRow("blanks") << QByteArray("   ");
    QTest::newRow("a tab") << QByteArray("\t");
}

void TestPlace::testBlankZoneLineIsNoZoneAndSaysNothing()
{
    QFETCH(QByteArray, zone);
    const QByteArray austinE = latin1("W°97.45"), austinN = latin1("N°30.15");
    // 21 June: Austin keeps daylight saving, so a zone taken from anywhere would move the times off line 4's.
    App app(QDateTime(QDate(2026, 6, 21), QTime(10, 0)), prefsFile(austinE, austinN, "-6", zone));
    app.activate();
    app.activate();
    app.ticks(DayReport::ReportHoldTicks + 1);
    QCOMPARE(app.world.prompter.texts(), QStringList());
    App fixed(QDateTime(QDate(2026, 6, 21), QTime(10, 0)), prefsFile(austinE, austinN, "-6"));
    fixed.activate();
    QCOMPARE(app.find<QLabel>(names::Label3)->text(), fixed.find<QLabel>(names::Label3)->text());
    QCOMPARE(app.find<QLabel>(names::Label4)->text(), fixed.find<QLabel>(names::Label4)->text());
}

void TestPlace::testSouthSeesTheMoonMirrored_data()
{
    QTest::addColumn<QDate>("day");
    // A lunation from new moon on, and one day of each quarter of the next.
    for (int d = 0; d < 30; ++d) {
        const QDate day = QDate(2026, 2, 17).addDays(d);
        QTest::addRow("%s", qPrintable(day.toString(QStringLiteral("d MMM yyyy")))) << day;
    }
}

void TestPlace::testSouthSeesTheMoonMirrored()
{
    QFETCH(QDate, day);
    const QByteArray north = prefsFile(latin1("E°13.40"), latin1("N°52.52"), "1");
    const QByteArray equator = prefsFile(latin1("E°13.40"), latin1("N°0.5"), "1");
    // The moon is the sky's at 18:00 of each place's clock: the same clock shows the same moment's moon.
    const QByteArray south = prefsFile(latin1("E°151.21"), latin1("S°33.87"), "1");
    // Today, as the activation reports it.
    App northToday(QDateTime(day, QTime(10, 0)), north);
    App southToday(QDateTime(day, QTime(10, 0)), south);
    App equatorToday(QDateTime(day, QTime(10, 0)), equator);
    for (App* app : {&northToday, &southToday, &equatorToday})
        app->activate();
    const QImage seenNorth = moonShown(northToday);
    QVERIFY(!seenNorth.isNull());
    QCOMPARE(moonShown(equatorToday), seenNorth);
    QCOMPARE(moonShown(southToday), mirrored(seenNorth));
    // The picture is mirrored, the phase is not: a screen reader names the same phase everywhere.
    const QString phase = northToday.find<QLabel>(names::Image3)->accessibleName();
    QCOMPARE(southToday.find<QLabel>(names::Image3)->accessibleName(), phase);
    // A clicked day, a month before today.
    App southClick(QDateTime(day.addMonths(1), QTime(10, 0)), south);
    southClick.activate();
    southClick.clickDay(day.month(), day);
    QCOMPARE(moonShown(southClick), mirrored(seenNorth));
}

QTEST_MAIN(TestPlace)
#include "TestPlace.moc"
