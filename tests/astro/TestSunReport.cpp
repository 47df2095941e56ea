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
        result.append({m.kind == SunReportMessage::Warning ? "warning" : "plain", m.text});
    return result;
}
} // namespace

class TestSunReport : public QObject
{
    Q_OBJECT

private slots:
    void testDegreeText_data();
    void testDegreeText();
    void testHemisphereMarks_data();
    void testHemisphereMarks();
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

void TestSunReport::testDegreeText_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");

    QTest::newRow("N°29.57") << QString("N°29.57") << true << 29.57;
    QTest::newRow("W°95.22") << QString("W°95.22") << true << 95.22;
    QTest::newRow("29.57 without a degree sign") << QString("29.57") << true << 29.57;
    QTest::newRow("N29.57 without a degree sign") << QString("N29.57") << false << 0.0;
    QTest::newRow("N°29.567 kept to two decimals") << QString("N°29.567") << true << 29.57;
    QTest::newRow("N° with blanks around") << QString("N°  29.57  ") << true << 29.57;
    QTest::newRow("a decimal comma") << QString("W°95,22") << true << 95.22;
    QTest::newRow("two decimal marks fail") << QString("W°1,095.22") << false << 0.0;
    QTest::newRow("nothing after the degree sign") << QString("N°") << true << 0.0;
    QTest::newRow("empty line") << QString("") << true << 0.0;
    QTest::newRow("letters after the degree sign") << QString("N°abc") << false << 0.0;
    QTest::newRow("degrees and minutes are not read") << QString("N°29°34") << false << 0.0;
    QTest::newRow("a 101st character is not read") << QString("N°29.57" + QString(95, ' ') + "x") << true << 29.57;
    QTest::newRow("the 100th character is read") << QString("N°29.57" + QString(94, ' ') + "x") << false << 0.0;
}

void TestSunReport::testDegreeText()
{
    QFETCH(QString, line);
    QFETCH(bool, converts);
    QFETCH(double, value);
    const std::optional<double> result = degreeFieldValue(line);
    QCOMPARE(result.has_value(), converts);
    if (converts)
        QCOMPARE(*result, value);
}

void TestSunReport::testHemisphereMarks_data()
{
    QTest::addColumn<QString>("latitudeLine");
    QTest::addColumn<QString>("longitudeLine");
    QTest::addColumn<double>("latitude");  // north positive
    QTest::addColumn<double>("longitude"); // as the field holds it: west positive

    QTest::newRow("N° and W°") << "N°29.57"
                               << "W°95.22" << 29.57 << 95.22;
    QTest::newRow("S° and E°") << "S°33.87"
                               << "E°151.21" << -33.87 << -151.21;
    QTest::newRow("small letters") << "s°33.87"
                                   << "e°151.21" << -33.87 << -151.21;
    QTest::newRow("words and blanks") << "  South °33.87"
                                      << " East°151.21" << -33.87 << -151.21;
    QTest::newRow("S° with a minus sign stays south") << "S°-33.87"
                                                      << "E°-151.21" << -33.87 << -151.21;
    QTest::newRow("N° with a minus sign is taken as typed") << "N°-33.87"
                                                            << "W°-151.21" << -33.87 << -151.21;
    QTest::newRow("no letter") << "°29.57"
                               << "°95.22" << 29.57 << 95.22;
    QTest::newRow("no degree sign: no marking") << "29.57"
                                                << "95.22" << 29.57 << 95.22;
    QTest::newRow("E on a latitude line means nothing") << "E°29.57"
                                                        << "S°95.22" << 29.57 << 95.22;
}

void TestSunReport::testHemisphereMarks()
{
    QFETCH(QString, latitudeLine);
    QFETCH(QString, longitudeLine);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    SunState state;
    const SunReportResult result =
        computeSunReport({longitudeLine, latitudeLine, 1.0, 2.0, -5.0, 0, "06/21/2024"}, state);
    QCOMPARE(result.latitudeField, latitude);
    QCOMPARE(result.longitudeField, longitude);
}

void TestSunReport::testReport_data()
{
    QTest::addColumn<QString>("latitudeLine");
    QTest::addColumn<QString>("longitudeLine");
    QTest::addColumn<double>("previousLatitude");
    QTest::addColumn<double>("previousLongitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("military");
    QTest::addColumn<QString>("date");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    QTest::addColumn<Messages>("messages");

    QTest::newRow("21 Jun 2024, N°40 W°75, -5h")
        << "N°40"
        << "W°75" << 0.0 << 0.0 << -5.0 << 0 << "06/21/2024" << 40.0 << 75.0 << "4:32A"
        << "7:32P" << Messages{};
    QTest::newRow("21 Jun 2024, N°40 W°75, -5h, 24-hour")
        << "N°40"
        << "W°75" << 0.0 << 0.0 << -5.0 << 1 << "06/21/2024" << 40.0 << 75.0 << "04:32"
        << "19:32" << Messages{};
    QTest::newRow("21 Dec 2024, N°40 W°75, -5h")
        << "N°40"
        << "W°75" << 0.0 << 0.0 << -5.0 << 0 << "12/21/2024" << 40.0 << 75.0 << "7:19A"
        << "4:38P" << Messages{};
    QTest::newRow("bad latitude goes on with the previous value")
        << "N°forty"
        << "W°75" << 40.0 << 0.0 << -5.0 << 0 << "06/21/2024" << 40.0 << 75.0 << "4:32A"
        << "7:32P" << Messages{{"warning", "Invalid N/S degrees in preferences."}};
    QTest::newRow("both bad: latitude warned first")
        << "N°x"
        << "W°y" << 40.0 << 75.0 << -5.0 << 0 << "06/21/2024" << 40.0 << 75.0 << "4:32A"
        << "7:32P"
        << Messages{{"warning", "Invalid N/S degrees in preferences."},
                    {"warning", "Invalid W/E degrees in preferences."}};
    // A day without an event shows a dash, not the text a scan left from an earlier day.
    QTest::newRow("70N 25E, +2h, midsummer: one box per run")
        << "N°70"
        << "E°25" << 0.0 << 0.0 << 2.0 << 0 << "06/21/2024" << 70.0 << -25.0 << "\u2013"
        << "\u2013" << Messages{{"plain", "Sun up or down all day"}, {"plain", "Sun up or down all day"}};
    QTest::newRow("bad longitude, then polar night")
        << "N°70"
        << "E°?" << 0.0 << -25.0 << 2.0 << 0 << "12/21/2024" << 70.0 << -25.0 << "\u2013"
        << "\u2013"
        << Messages{{"warning", "Invalid W/E degrees in preferences."},
                    {"plain", "Sun up or down all day"},
                    {"plain", "Sun up or down all day"}};

    // Beyond the poles, the date line or the widest zone a number is as invalid as no number.
    const QString huge = "1" + QString(30, '0');
    const QString invalidNS = "Invalid N/S degrees in preferences.";
    const QString invalidWE = "Invalid W/E degrees in preferences.";
    const QString invalidOffset = "Invalid GMT offset in preferences.";
    QTest::newRow("latitude 10^30 keeps the previous one")
        << "N°" + huge << "W°75" << 40.0 << 0.0 << -5.0 << 0 << "06/21/2024" << 40.0 << 75.0 << "4:32A"
        << "7:32P" << Messages{{"warning", invalidNS}};
    QTest::newRow("latitude S°90.01") << "S°90.01"
                                      << "W°75" << 40.0 << 0.0 << -5.0 << 0 << "06/21/2024" << 40.0 << 75.0 << "4:32A"
                                      << "7:32P" << Messages{{"warning", invalidNS}};
    QTest::newRow("longitude 10^16 keeps the previous one")
        << "N°40"
        << "W°10000000000000000" << 0.0 << 75.0 << -5.0 << 0 << "06/21/2024" << 40.0 << 75.0 << "4:32A"
        << "7:32P" << Messages{{"warning", invalidWE}};
    QTest::newRow("longitude E°180.01") << "N°40"
                                        << "E°180.01" << 0.0 << 75.0 << -5.0 << 0 << "06/21/2024" << 40.0 << 75.0
                                        << "4:32A"
                                        << "7:32P" << Messages{{"warning", invalidWE}};
    QTest::newRow("pole and date line are places")
        << "N°90"
        << "W°180" << 1.0 << 2.0 << -12.0 << 0 << "03/01/2024" << 90.0 << 180.0 << "\u2013"
        << "\u2013" << Messages{{"plain", "Sun up or down all day"}, {"plain", "Sun up or down all day"}};
    QTest::newRow("offset 10^11 runs at Greenwich")
        << "N°40"
        << "W°75" << 0.0 << 0.0 << 1e11 << 0 << "06/21/2024" << 40.0 << 75.0 << "9:32A"
        << "12:32P" << Messages{{"warning", invalidOffset}};
    QTest::newRow("offset -1e308 runs at Greenwich")
        << "N°40"
        << "W°75" << 0.0 << 0.0 << -1e308 << 0 << "06/21/2024" << 40.0 << 75.0 << "9:32A"
        << "12:32P" << Messages{{"warning", invalidOffset}};
    QTest::newRow("offset 14.01 runs at Greenwich")
        << "N°40"
        << "W°75" << 0.0 << 0.0 << 14.01 << 0 << "06/21/2024" << 40.0 << 75.0 << "9:32A"
        << "12:32P" << Messages{{"warning", invalidOffset}};
    QTest::newRow("all three bad, in line order")
        << "N°" + huge << "W°" + huge << 40.0 << 75.0 << 1e11 << 0 << "06/21/2024" << 40.0 << 75.0 << "9:32A"
        << "12:32P" << Messages{{"warning", invalidNS}, {"warning", invalidWE}, {"warning", invalidOffset}};
    QTest::newRow("offset -14 is a zone")
        << "N°40"
        << "W°75" << 0.0 << 0.0 << -14.0 << 0 << "06/21/2024" << 40.0 << 75.0 << "-5:32A"
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
    computeSunReport({"E°18.96", "N°69.65", 0, 0, earlierOffset, 0, earlier}, state);
    const SunReportResult result = computeSunReport({"E°18.96", "N°69.65", 0, 0, offset, 0, date}, state);
    QCOMPARE(result.sunrise, sunrise);
    QCOMPARE(result.sunset, sunset);
    QStringList texts;
    for (const SunReportMessage& message : result.messages)
        texts.append(message.text);
    QCOMPARE(texts, plainBoxes);
}

void TestSunReport::testReport()
{
    QFETCH(QString, latitudeLine);
    QFETCH(QString, longitudeLine);
    QFETCH(double, previousLatitude);
    QFETCH(double, previousLongitude);
    QFETCH(double, offset);
    QFETCH(int, military);
    QFETCH(QString, date);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QFETCH(Messages, messages);

    SunState state;
    const SunReportResult result = computeSunReport(
        {longitudeLine, latitudeLine, previousLatitude, previousLongitude, offset, military, date}, state);
    QCOMPARE(result.latitudeField, latitude);
    QCOMPARE(result.longitudeField, longitude);
    QCOMPARE(result.sunrise, sunrise);
    QCOMPARE(result.sunset, sunset);
    QCOMPARE(readable(result.messages), messages);
    QCOMPARE(state.SunEventKind == 1 || state.SunEventKind == 2, true);
}

void TestSunReport::testZeroPositionKeepsEarlierTexts()
{
    SunState state;
    computeSunReport({"W°75", "N°40", 0, 0, -5, 0, "06/21/2024"}, state);
    const SunReportResult result = computeSunReport({"W°75", "N°", 40, 75, -5, 0, "12/21/2024"}, state);
    QCOMPARE(result.latitudeField, 0.0);
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
    QCOMPARE(moonPhaseName(picture), name);
}

QTEST_GUILESS_MAIN(TestSunReport)
#include "TestSunReport.moc"
