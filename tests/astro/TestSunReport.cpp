// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/MoonPhase.h"
#include "astro/SunReport.h"
#include <QtTest>
#include <cmath>
#include <optional>

using Messages = QList<QPair<QString, QString>>; // kind ("warning"/"plain"), text

namespace {
Messages readable(const QList<SunReportMessage>& messages)
{
    Messages result;
    for (const SunReportMessage& m : messages)
        result.append({m.kind == SunReportMessage::Warning ? "warning" : "plain", m.text.english()});
    return result;
}
} // namespace

class TestSunReport : public QObject
{
    Q_OBJECT

private slots:
    void testReport_data();
    void testReport();
    void testZeroPositionKeepsEarlierTexts();
    void testADayWithoutAnEventShowsADash_data();
    void testADayWithoutAnEventShowsADash();
    void testMoonPicture_data();
    void testMoonPicture();
    void testMoonPictureOfADay();
    void testMoonPhaseName_data();
    void testMoonPhaseName();
};

void TestSunReport::testReport_data()
{
    QTest::addColumn<double>("latitude");  // north positive
    QTest::addColumn<double>("longitude"); // west positive
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("military");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    QTest::addColumn<Messages>("messages");

    QTest::newRow("21 Jun 2024, 40N 75W, -5h") << 40.0 << 75.0 << -5.0 << 0 << "06/21/2024"
                                               << "4:32A"
                                               << "7:32P" << Messages{};
    QTest::newRow("21 Jun 2024, 40N 75W, -5h, 24-hour") << 40.0 << 75.0 << -5.0 << 1 << "06/21/2024"
                                                        << "04:32"
                                                        << "19:32" << Messages{};
    QTest::newRow("21 Dec 2024, 40N 75W, -5h") << 40.0 << 75.0 << -5.0 << 0 << "12/21/2024"
                                               << "7:19A"
                                               << "4:38P" << Messages{};
    // A day without an event shows a dash, not the text a scan left from an earlier day.
    QTest::newRow("70N 25E, +2h, midsummer: one box per run")
        << 70.0 << -25.0 << 2.0 << 0 << "06/21/2024"
        << "\u2013"
        << "\u2013" << Messages{{"plain", "Sun up or down all day"}, {"plain", "Sun up or down all day"}};
    QTest::newRow("70N 25E, +2h, polar night")
        << 70.0 << -25.0 << 2.0 << 0 << "12/21/2024"
        << "\u2013"
        << "\u2013" << Messages{{"plain", "Sun up or down all day"}, {"plain", "Sun up or down all day"}};

    // Beyond the widest zone an offset is as invalid as no number.
    const QString invalidOffset = "Invalid GMT offset in preferences.";
    QTest::newRow("pole and date line are places")
        << 90.0 << 180.0 << -12.0 << 0 << "03/01/2024"
        << "\u2013"
        << "\u2013" << Messages{{"plain", "Sun up or down all day"}, {"plain", "Sun up or down all day"}};
    QTest::newRow("offset 10^11 runs at Greenwich") << 40.0 << 75.0 << 1e11 << 0 << "06/21/2024"
                                                    << "9:32A"
                                                    << "12:32P" << Messages{{"warning", invalidOffset}};
    QTest::newRow("offset -1e308 runs at Greenwich") << 40.0 << 75.0 << -1e308 << 0 << "06/21/2024"
                                                     << "9:32A"
                                                     << "12:32P" << Messages{{"warning", invalidOffset}};
    QTest::newRow("offset 14.01 runs at Greenwich") << 40.0 << 75.0 << 14.01 << 0 << "06/21/2024"
                                                    << "9:32A"
                                                    << "12:32P" << Messages{{"warning", invalidOffset}};
    QTest::newRow("offset -14 is a zone") << 40.0 << 75.0 << -14.0 << 0 << "06/21/2024"
                                          << "-5:32A"
                                          << "22:32P" << Messages{};
}

void TestSunReport::testADayWithoutAnEventShowsADash_data()
{
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<double>("earlierOffset");
    QTest::addColumn<QString>("date");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    QTest::addColumn<QStringList>("plainBoxes");
    const QString none = "\u2013";
    const QString upOrDown = "Sun up or down all day";
    QTest::newRow("midnight sun after a November day")
        << "11/25/2026" << 1.0 << "05/18/2026" << 2.0 << none << none << QStringList{upOrDown, upOrDown};
    QTest::newRow("polar night after a November day")
        << "11/25/2026" << 1.0 << "12/21/2026" << 1.0 << none << none << QStringList{upOrDown, upOrDown};
    QTest::newRow("no sunrise, but a setting") << "11/25/2026" << 1.0 << "11/26/2026" << 1.0 << none << "0:05P"
                                               << QStringList{"No sunrise this date", "No sunrise this date"};
    QTest::newRow("an ordinary day after midnight sun") << "05/18/2026" << 2.0 << "03/15/2026" << 1.0 << "6:02A"
                                                        << "5:42P" << QStringList{};
    QTest::newRow("an ordinary day after polar night") << "12/21/2026" << 1.0 << "01/16/2026" << 1.0 << "11:01A"
                                                       << "0:36P" << QStringList{};
}

void TestSunReport::testADayWithoutAnEventShowsADash()
{
    QFETCH(QString, earlier);
    QFETCH(double, earlierOffset);
    QFETCH(QString, date);
    QFETCH(double, offset);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QFETCH(QStringList, plainBoxes);
    // Tromsø; the scan state lives on from one report to the next, as in the main window.
    SunState state;
    computeSunReport({69.65, -18.96, earlierOffset, 0, earlier}, state, FormatSettings());
    const SunReportResult result = computeSunReport({69.65, -18.96, offset, 0, date}, state, FormatSettings());
    QCOMPARE(result.sunrise, sunrise);
    QCOMPARE(result.sunset, sunset);
    QStringList texts;
    for (const SunReportMessage& message : result.messages)
        texts.append(message.text.english());
    QCOMPARE(texts, plainBoxes);
}

void TestSunReport::testReport()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, offset);
    QFETCH(int, military);
    QFETCH(QString, date);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QFETCH(Messages, messages);

    SunState state;
    const SunReportResult result =
        computeSunReport({latitude, longitude, offset, military, date}, state, FormatSettings());
    QCOMPARE(result.sunrise, sunrise);
    QCOMPARE(result.sunset, sunset);
    QCOMPARE(readable(result.messages), messages);
    QCOMPARE(state.SunEventKind == 1 || state.SunEventKind == 2, true);
}

void TestSunReport::testZeroPositionKeepsEarlierTexts()
{
    SunState state;
    computeSunReport({40, 75, -5, 0, "06/21/2024"}, state, FormatSettings());
    const SunReportResult result = computeSunReport({0, 75, -5, 0, "12/21/2024"}, state, FormatSettings());
    QCOMPARE(result.sunrise, QString("4:32A"));
    QCOMPARE(result.sunset, QString("7:32P"));
    QVERIFY(result.messages.isEmpty());
}

void TestSunReport::testMoonPicture_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("picture");

    QTest::newRow("just after new moon") << 0.1 << 1 << 28;
    QTest::newRow("first crescent") << 0.3 << 2 << 1;
    QTest::newRow("first quarter (pi/2)") << M_PI / 2 << 15 << 7;
    QTest::newRow("full moon (pi)") << M_PI << 29 << 14;
    QTest::newRow("last quarter (3 pi/2)") << 3 * M_PI / 2 << 42 << 20;
    QTest::newRow("4.7 in the wide last-quarter interval") << 4.7 << 42 << 20;
    QTest::newRow("6.1, before new moon") << 6.1 << 56 << 28;
    QTest::newRow("2 pi, new moon") << 2 * M_PI << 56 << 28;
    QTest::newRow("exactly on bound 1") << 0.267971686242562 << 0 << 0;
    QTest::newRow("exactly on bound 29") << 3.40957168624256 << 0 << 0;
    QTest::newRow("exactly 0") << 0.0 << 0 << 0;
    QTest::newRow("exactly 10") << 10.0 << 0 << 0;
    QTest::newRow("beyond 10") << 12.0 << 0 << 0;
    QTest::newRow("negative") << -1.0 << 0 << 0;
    QTest::newRow("not a number") << std::nan("") << 0 << 0;
}

void TestSunReport::testMoonPicture()
{
    QFETCH(double, phase);
    QFETCH(int, interval);
    QFETCH(int, picture);
    QCOMPARE(moonIntervalFor(phase), interval);
    QCOMPARE(moonPictureFor(phase), picture);
}

void TestSunReport::testMoonPictureOfADay()
{
    // 10/03/2001 at 6:00 PM, the time the report takes: full moon.
    const long double phase = moonPhase(2001, 10, 3, 18, 0, 0, 0);
    QCOMPARE(moonIntervalFor(phase), 29);
    QCOMPARE(moonPictureFor(phase), 14);
    // Just above a bound at full precision is inside, the bound itself is not.
    const long double bound = 0.267971686242562;
    QCOMPARE(moonIntervalFor(bound), 0);
    QCOMPARE(moonIntervalFor(std::nextafter(bound, 1.0L)), 2);
    QCOMPARE(moonIntervalFor(std::nextafter(bound, 0.0L)), 1);
}

void TestSunReport::testMoonPhaseName_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("name");
    QTest::newRow("1, a one-pixel rim") << 1 << "Waxing crescent";
    QTest::newRow("7, right half lit") << 7 << "First quarter";
    QTest::newRow("8") << 8 << "Waxing gibbous";
    QTest::newRow("14, all white") << 14 << "Full moon";
    QTest::newRow("15, lit on the left") << 15 << "Waning gibbous";
    QTest::newRow("20, exact last quarter's picture") << 20 << "Waning gibbous";
    QTest::newRow("21, left half lit") << 21 << "Last quarter";
    QTest::newRow("22") << 22 << "Waning crescent";
    QTest::newRow("28, all black") << 28 << "New moon";
    QTest::newRow("0, no picture") << 0 << "";
    QTest::newRow("29") << 29 << "";
}

void TestSunReport::testMoonPhaseName()
{
    QFETCH(int, picture);
    QFETCH(QString, name);
    QCOMPARE(moonPhaseName(picture).english(), name);
}

QTEST_GUILESS_MAIN(TestSunReport)
#include "TestSunReport.moc"
