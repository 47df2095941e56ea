// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TMoon.h"
#include "runtime/DateText.h"
#include "shared/CalendarTexts.h"
#include "support/Fakes.h"
#include "toolbar/DayReport.h"
#include <QtTest>

// The day report without a window: the hold countdown, military time, and what a report leaves unsaid.
class TestDayReport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void testHoldThenOneReportThenIdle();
    void testMilitaryTimeFollowsEachReading();
    void testWithoutTheFlagTheLocalesClockStands_data();
    void testWithoutTheFlagTheLocalesClockStands();
    void testAutomaticReportLeavesSaidMessagesUnsaid_data();
    void testAutomaticReportLeavesSaidMessagesUnsaid();
    void testMoonPictureIsTheMoonControlsAtSixInTheEvening();
    void testOneBoxListsWhatIsWrongWithTheFile_data();
    void testOneBoxListsWhatIsWrongWithTheFile();
    void testALineThatDoesNotConvertKeepsTheLastPosition_data();
    void testALineThatDoesNotConvertKeepsTheLastPosition();

private:
    std::unique_ptr<FakeWorld> world;
    std::unique_ptr<BoxGate> gate;
};

namespace {
// 70 N 25 E: the sun stays up through the June days.
const Preferences Polar{"00", QStringLiteral("E\u00B025"), QStringLiteral("N\u00B070"), 2};
const Preferences Austin{"00", QStringLiteral("W\u00B097.45"), QStringLiteral("N\u00B030.15"), -6};
TDateTime day(int y, int m, int d)
{
    return rt::encodeDate(y, m, d);
}
} // namespace

Q_DECLARE_METATYPE(Preferences)

void TestDayReport::init()
{
    world = std::make_unique<FakeWorld>();
    gate = std::make_unique<BoxGate>(world->services);
}

void TestDayReport::testHoldThenOneReportThenIdle()
{
    DayReport report;
    // Before any report the countdown stands at 0: the first tick has today's report to bring.
    QVERIFY(report.counting());
    report.report(Austin, day(2024, 1, 10), true, FormatSettings());
    QCOMPARE(report.countdown(), DayReport::ReportHoldTicks);
    for (int tick = 1; tick <= 300; ++tick)
        QVERIFY(!report.tick());
    QVERIFY(report.tick());
    QVERIFY(report.counting());
    // Today's report runs now; ticks inside it (a box it opens) start nothing.
    report.report(Austin, day(2024, 5, 15), false, FormatSettings());
    QVERIFY(!report.tick());
    report.reportDone();
    QVERIFY(!report.counting());
    for (int tick = 0; tick < 1000; ++tick)
        QVERIFY(!report.tick());
    QCOMPARE(report.countdown(), DayReport::CountdownIdle);
    QVERIFY(!report.counting());
}

// A reading applies the file's clock at once, turning 24-hour time off as well as on.
void TestDayReport::testMilitaryTimeFollowsEachReading()
{
    DayReport report;
    const QString twelveHour = report.report(Austin, day(2024, 6, 1), true, FormatSettings()).sunset;
    QCOMPARE(twelveHour, QStringLiteral("7:27P")); // -6 h: the zone's standard time
    report.readMilitaryTime(true);
    QVERIFY(report.militaryTime());
    QCOMPARE(report.report(Austin, day(2024, 6, 1), true, FormatSettings()).sunset, QStringLiteral("19:27"));
    report.readMilitaryTime(false);
    QVERIFY(!report.militaryTime());
    QCOMPARE(report.report(Austin, day(2024, 6, 1), true, FormatSettings()).sunset, twelveHour);
}

void TestDayReport::testWithoutTheFlagTheLocalesClockStands_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QString>("sunset");
    QTest::newRow("C, no flag: 12 hours as always") << "C" << false << "7:27P";
    QTest::newRow("C, flag") << "C" << true << "19:27";
    QTest::newRow("American English, no flag") << "en_US" << false << "7:27P";
    QTest::newRow("American English, flag") << "en_US" << true << "19:27";
    QTest::newRow("German, no flag: the locale's 24 hours") << "de_DE" << false << "19:27";
    QTest::newRow("French, no flag") << "fr_FR" << false << "19:27";
    QTest::newRow("Spanish, flag") << "es_ES" << true << "19:27";
    QTest::newRow("Korean: AM/PM before the hour") << "ko_KR" << false << "7:27P";
    QTest::newRow("Japanese: 24 hours, one-digit hour") << "ja_JP" << false << "19:27";
}

void TestDayReport::testWithoutTheFlagTheLocalesClockStands()
{
    QFETCH(QString, locale);
    QFETCH(bool, flag);
    QFETCH(QString, sunset);
    DayReport report;
    report.readMilitaryTime(flag);
    const FormatSettings settings = FormatSettings::fromLocale(QLocale(locale));
    QCOMPARE(report.report(Austin, day(2024, 6, 1), true, settings).sunset, sunset);
    // The flag itself stays as read: turning it off still takes effect at the next start only.
    QCOMPARE(report.militaryTime(), flag);
}

void TestDayReport::testAutomaticReportLeavesSaidMessagesUnsaid_data()
{
    QTest::addColumn<Preferences>("first");
    QTest::addColumn<Preferences>("second");
    QTest::addColumn<int>("secondDay"); // of June 2024
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<bool>("said");
    const Preferences badLatitude{"00", QStringLiteral("E\u00B025"), QStringLiteral("N\u00B0x"), 2};
    QTest::newRow("automatic, same day and preferences: unsaid") << Polar << Polar << 21 << false << false;
    QTest::newRow("asked for by a click: said again") << Polar << Polar << 21 << true << true;
    QTest::newRow("automatic, another day: said") << Polar << Polar << 22 << false << true;
    QTest::newRow("automatic, another offset: said")
        << Polar << Preferences{"00", Polar.longitude, Polar.latitude, 3} << 21 << false << true;
    QTest::newRow("bad latitude, another day: unsaid") << badLatitude << badLatitude << 22 << false << false;
}

void TestDayReport::testAutomaticReportLeavesSaidMessagesUnsaid()
{
    QFETCH(Preferences, first);
    QFETCH(Preferences, second);
    QFETCH(int, secondDay);
    QFETCH(bool, byUser);
    QFETCH(bool, said);
    DayReport report;
    const DayReport::Shown shown = report.report(first, day(2024, 6, 21), false, FormatSettings());
    QVERIFY(!shown.boxes.isEmpty());
    for (const DayReport::Box& box : shown.boxes)
        gate->say(box.kind, box.messages);
    const qsizetype before = world->prompter.boxes.size();
    QVERIFY(before > 0);
    for (const DayReport::Box& box : report.report(second, day(2024, 6, secondDay), byUser, FormatSettings()).boxes)
        gate->say(box.kind, box.messages);
    QCOMPARE(world->prompter.boxes.size() > before, said);
}

void TestDayReport::testMoonPictureIsTheMoonControlsAtSixInTheEvening()
{
    // The moon as it is at 18:00 of the place's clock, from published moments (UT): Austin's 18:00 is 00:00 or
    // 23:00 UT. The mean-lunation model showed a gibbous moon on the full moon of 1 February 2026.
    struct Row
    {
        TDateTime date;
        int picture;
    };
    const Row rows[] = {
        {day(2024, 1, 25), 14}, // full 17:54
        {day(2024, 5, 23), 14}, // full 13:53
        {day(2024, 10, 2), 28}, // new 18:49
        {day(2026, 2, 1), 14},  // full 22:09
        {day(2024, 2, 2), 20},  // last quarter 23:18: its picture is 20, the quarter pictures lie on the waning side
    };
    DayReport report;
    for (const Row& row : rows)
        QCOMPARE(report.report(Austin, row.date, true, FormatSettings()).moonPicture, row.picture);
}

void TestDayReport::testOneBoxListsWhatIsWrongWithTheFile_data()
{
    QTest::addColumn<Preferences>("preferences");
    QTest::addColumn<bool>("secondByUser");
    QTest::addColumn<QStringList>("first");  // box texts, warnings marked "!"
    QTest::addColumn<QStringList>("second"); // the same day reported again
    QTest::addColumn<bool>("dayTold");       // the day's sky in words elsewhere (the Day panel open)
    const QString ns = "!Invalid N/S degrees in preferences.";
    const QString we = "Invalid W/E degrees in preferences.";
    const QString offset = "Invalid GMT offset in preferences.";
    const QString zone = "Unknown time zone Nowhere/City in preferences.";
    const Preferences threeFaults{"00", "W\u00B0x", "N\u00B0y", 0, "Nowhere/City"};
    const Preferences farOffset{"00", Polar.longitude, Polar.latitude, 1e11, "Nowhere/City"};
    QTest::newRow("three faults: one box, the zone said once")
        << threeFaults << true << QStringList{ns + '\n' + we + '\n' + zone} << QStringList{ns + '\n' + we} << false;
    QTest::newRow("three faults, then an automatic report")
        << threeFaults << false << QStringList{ns + '\n' + we + '\n' + zone} << QStringList{} << false;
    QTest::newRow("the file's box before the day's")
        << farOffset << true << QStringList{'!' + offset + '\n' + zone, "Sun up or down all day"}
        << QStringList{'!' + offset, "Sun up or down all day"} << false;
    QTest::newRow("the day told elsewhere: the file's box alone")
        << farOffset << true << QStringList{'!' + offset + '\n' + zone} << QStringList{'!' + offset} << true;
}

void TestDayReport::testOneBoxListsWhatIsWrongWithTheFile()
{
    QFETCH(Preferences, preferences);
    QFETCH(bool, secondByUser);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(bool, dayTold);
    // What the boxes the report asks for show, through the gate that remembers what was said.
    const auto texts = [this](const DayReport::Shown& shown) {
        world->prompter.boxes.clear();
        for (const DayReport::Box& box : shown.boxes)
            gate->say(box.kind, box.messages);
        QStringList result;
        for (const FakePrompter::Box& box : world->prompter.boxes)
            result.append((box.kind == QLatin1String("warning") ? "!" : "") + box.text);
        return result;
    };
    DayReport report;
    QCOMPARE(texts(report.report(preferences, day(2024, 6, 21), true, FormatSettings(), dayTold)), first);
    QCOMPARE(texts(report.report(preferences, day(2024, 6, 21), secondByUser, FormatSettings(), dayTold)), second);
}

void TestDayReport::testALineThatDoesNotConvertKeepsTheLastPosition_data()
{
    QTest::addColumn<QString>("latitudeLine");
    QTest::addColumn<QString>("longitudeLine");
    QTest::addColumn<double>("latitude");  // north positive
    QTest::addColumn<double>("longitude"); // west positive
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("warnings");
    const QString ns = "Invalid N/S degrees in preferences.";
    const QString we = "Invalid W/E degrees in preferences.";
    const QString huge = "1" + QString(30, '0');
    // The report before each row was at 40 N 75 W, its sunrise 4:32A.
    QTest::newRow("both convert") << "S°33.87"
                                  << "E°151.21" << -33.87 << -151.21 << "another"
                                  << "";
    QTest::newRow("bad latitude goes on with the last one") << "N°forty"
                                                            << "W°75" << 40.0 << 75.0 << "4:32A" << ns;
    QTest::newRow("both bad: latitude warned first") << "N°x"
                                                     << "W°y" << 40.0 << 75.0 << "4:32A" << ns + '\n' + we;
    QTest::newRow("latitude 10^30 keeps the last one") << "N°" + huge << "W°75" << 40.0 << 75.0 << "4:32A" << ns;
    QTest::newRow("S°90.01 keeps the last one, sign included") << "S°90.01"
                                                               << "W°75" << 40.0 << 75.0 << "4:32A" << ns;
    QTest::newRow("E°180.01 keeps the last longitude") << "N°40"
                                                       << "E°180.01" << 40.0 << 75.0 << "4:32A" << we;
}

void TestDayReport::testALineThatDoesNotConvertKeepsTheLastPosition()
{
    QFETCH(QString, latitudeLine);
    QFETCH(QString, longitudeLine);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, sunrise);
    QFETCH(QString, warnings);
    DayReport report;
    report.report(Preferences{"00", "W°75", "N°40", -5}, day(2024, 6, 21), true, FormatSettings());
    const DayReport::Shown shown =
        report.report(Preferences{"00", longitudeLine, latitudeLine, -5}, day(2024, 6, 21), true, FormatSettings());
    QCOMPARE(report.latitude(), latitude);
    QCOMPARE(report.longitude(), longitude);
    if (sunrise == "another")
        QVERIFY(shown.sunrise != "4:32A");
    else
        QCOMPARE(shown.sunrise, sunrise);
    QString said;
    for (const DayReport::Box& box : shown.boxes) {
        if (box.kind != BoxGate::Box::Warning)
            continue;
        for (const BoxGate::Message& message : box.messages)
            said += (said.isEmpty() ? QString() : QStringLiteral("\n")) + message.text;
    }
    QCOMPARE(said, warnings);
}

QTEST_MAIN(TestDayReport)
#include "TestDayReport.moc"
