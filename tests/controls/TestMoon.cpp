// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MoonPictures.h"
#include "controls/TMoon.h"
#include "runtime/ConvertError.h"
#include "support/Fakes.h"
#include <QBitmap>
#include <QtTest>
#include <cmath>

class TestMoon : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testCreatedState();
    void testSettersSwitchMode();
    void testCustomTimePhase_data();
    void testCustomTimePhase();
    void testTwoDigitYearTakesClockCentury();
    void testSystemTimeReadsTheClock();
    void testPhaseAngleModeReturnsStoredPhase();
    void testUnconvertibleCustomTime();
    void testPainting_data();
    void testPainting();
    void testPaintingUnconvertibleTimeDoesNotThrow();
    void testMoonPictures_data();
    void testMoonPictures();
    void testNoPictureOutsideRange();

private:
    FakeClock clock;
};

void TestMoon::init()
{
    clock.set(2024, 5, 15, 10, 30, 0);
}

void TestMoon::testCreatedState()
{
    TMoon moon(clock);
    QCOMPARE(moon.size(), QSize(32, 32));
    QCOMPARE(moon.BackgroundColor(), QColor(0, 0, 0));
    QCOMPARE(moon.BorderSize(), 2);
    QCOMPARE(moon.CustomTime(), QString("5/15/24 10:30:00 AM"));
    QCOMPARE(moon.Hemisphere(), heNorthern);
    QCOMPARE(moon.MoonColor(), QColor(255, 255, 255));
    QCOMPARE(double(moon.Phase()), 0.0);
    QCOMPARE(moon.MoonDisplayType(), mdtUseSystemTime);
}

void TestMoon::testSettersSwitchMode()
{
    TMoon moon(clock);
    moon.setCustomTime("10/3/01 1:02:13 PM");
    QCOMPARE(moon.MoonDisplayType(), mdtUseCustomTime);
    moon.setPhase(3.3285272346711317L);
    QCOMPARE(moon.MoonDisplayType(), mdtUsePhaseAngle);
    QCOMPARE(moon.CustomTime(), QString("10/3/01 1:02:13 PM"));
    moon.setBackgroundColor(QColor(1, 2, 3));
    moon.setBorderSize(-4);
    moon.setHemisphere(heSouthern);
    moon.setMoonColor(QColor(4, 5, 6));
    QCOMPARE(moon.MoonDisplayType(), mdtUsePhaseAngle);
    moon.setMoonDisplayType(mdtUseSystemTime);
    QCOMPARE(moon.MoonDisplayType(), mdtUseSystemTime);
    QCOMPARE(moon.BackgroundColor(), QColor(1, 2, 3));
    QCOMPARE(moon.BorderSize(), -4);
    QCOMPARE(moon.Hemisphere(), heSouthern);
    QCOMPARE(moon.MoonColor(), QColor(4, 5, 6));
}

void TestMoon::testCustomTimePhase_data()
{
    QTest::addColumn<QString>("customTime");
    QTest::addColumn<double>("phase");
    QTest::newRow("10/3/01 1:02:13 PM, the layout's time") << "10/3/01 1:02:13 PM" << 3.32852304864;
    QTest::newRow("10/03/2001 6:00:00 PM, as the report asks") << "10/03/2001 6:00:00 PM" << 3.37251820069;
    QTest::newRow("01/01/1999 6:00:00 PM, before the epoch") << "01/01/1999 6:00:00 PM" << 3.08531315977;
    QTest::newRow("02/29/2024 6:00:00 PM") << "02/29/2024 6:00:00 PM" << 4.18699668066;
}

void TestMoon::testCustomTimePhase()
{
    QFETCH(QString, customTime);
    QFETCH(double, phase);
    TMoon moon(clock);
    moon.setCustomTime(customTime);
    const long double result = moon.CalculatePhase();
    QVERIFY2(std::fabs(double(result) - phase) < 1e-10, qPrintable(QString::number(double(result), 'g', 15)));
    QVERIFY(moon.Phase() == result);
    QCOMPARE(moon.MoonDisplayType(), mdtUseCustomTime);
    QCOMPARE(moon.CustomTime(), customTime);
}

void TestMoon::testTwoDigitYearTakesClockCentury()
{
    TMoon moon(clock);
    moon.setCustomTime("10/3/1901 1:02:13 PM");
    const long double in1901 = moon.CalculatePhase();

    clock.set(1950, 6, 1);
    moon.setCustomTime("10/3/01 1:02:13 PM");
    QVERIFY(moon.CalculatePhase() == in1901);

    clock.set(2024, 6, 1);
    QVERIFY(std::fabs(double(moon.CalculatePhase()) - 3.32852304864) < 1e-10);
}

void TestMoon::testSystemTimeReadsTheClock()
{
    TMoon moon(clock);
    clock.set(2001, 10, 3, 13, 2, 13);
    const long double result = moon.CalculatePhase();
    QVERIFY(std::fabs(double(result) - 3.32852304864) < 1e-10);
    QVERIFY(moon.Phase() == result);
    QCOMPARE(moon.MoonDisplayType(), mdtUseSystemTime);
    QCOMPARE(moon.CustomTime(), QString("10/3/01 1:02:13 PM"));

    // The text written back converts to the same moment.
    moon.setCustomTime(moon.CustomTime());
    QVERIFY(moon.CalculatePhase() == result);
}

void TestMoon::testPhaseAngleModeReturnsStoredPhase()
{
    TMoon moon(clock);
    moon.setCustomTime("10/3/01 1:02:13 PM");
    moon.setPhase(7.5L);
    QVERIFY(moon.CalculatePhase() == 7.5L);
    QVERIFY(moon.Phase() == 7.5L);
    QCOMPARE(moon.CustomTime(), QString("10/3/01 1:02:13 PM"));
}

void TestMoon::testUnconvertibleCustomTime()
{
    TMoon moon(clock);
    moon.setPhase(1.25L);
    moon.setCustomTime("not a time");
    QVERIFY_THROWS_EXCEPTION(ConvertError, moon.CalculatePhase());
    QVERIFY(moon.Phase() == 1.25L);
    QCOMPARE(moon.MoonDisplayType(), mdtUseCustomTime);
}

void TestMoon::testPainting_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<int>("hemisphere");
    QTest::addColumn<QString>("litColumns"); // middle row of the 32 x 32 control: '#' moon colour, '.' background

    QTest::newRow("full moon") << M_PI << int(heNorthern) << "..############################..";
    QTest::newRow("first quarter, north: right half")
        << M_PI / 2 << int(heNorthern) << "................##############..";
    QTest::newRow("first quarter, south: left half")
        << M_PI / 2 << int(heSouthern) << "..###############...............";
    QTest::newRow("new moon") << 2 * M_PI << int(heNorthern) << "................................";
}

void TestMoon::testPainting()
{
    QFETCH(double, phase);
    QFETCH(int, hemisphere);
    QFETCH(QString, litColumns);

    TMoon moon(clock);
    moon.setBackgroundColor(QColor(0, 0, 128));
    moon.setMoonColor(QColor(255, 255, 0));
    moon.setHemisphere(THemisphere(hemisphere));
    moon.setPhase(phase);
    const QImage image = moon.grab().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QString row;
    for (int x = 0; x < 32; ++x)
        row += image.pixelColor(x, 16) == QColor(255, 255, 0) ? '#' : '.';
    QCOMPARE(row, litColumns);
    QCOMPARE(image.pixelColor(0, 0), QColor(0, 0, 128));
}

void TestMoon::testPaintingUnconvertibleTimeDoesNotThrow()
{
    TMoon moon(clock);
    moon.setPhase(M_PI);
    moon.setCustomTime("13/45/xx");
    const QImage image = moon.grab().toImage();
    // Drawn with the phase held before: full moon.
    QCOMPARE(image.pixelColor(16, 16), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(5, 16), QColor(255, 255, 255));
}

void TestMoon::testMoonPictures_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QColor>("centre");
    QTest::addColumn<QColor>("left");  // column 1, the disc's left edge, of the middle row
    QTest::addColumn<QColor>("right"); // column 14 of the middle row

    const QColor white(255, 255, 255), black(0, 0, 0);
    QTest::newRow("1, thin waxing crescent") << 1 << black << black << black;
    QTest::newRow("4, waxing crescent") << 4 << black << black << white;
    QTest::newRow("7, first quarter") << 7 << QColor() << black << white;
    QTest::newRow("11, waxing gibbous") << 11 << white << black << white;
    QTest::newRow("14, full") << 14 << white << white << white;
    QTest::newRow("18, waning gibbous") << 18 << white << white << black;
    QTest::newRow("21, last quarter") << 21 << QColor() << white << black;
    QTest::newRow("25, waning crescent") << 25 << black << white << black;
    QTest::newRow("28, new") << 28 << black << black << black;
}

void TestMoon::testMoonPictures()
{
    QFETCH(int, n);
    QFETCH(QColor, centre);
    QFETCH(QColor, left);
    QFETCH(QColor, right);

    const QPixmap picture = moonPicture(n);
    QCOMPARE(picture.size(), QSize(16, 16));
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    // The grey background, bottom row included, is transparent; the disc is not.
    QCOMPARE(qAlpha(image.pixel(0, 15)), 0);
    QCOMPARE(qAlpha(image.pixel(15, 15)), 0);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(8, 7)), 255);
    if (centre.isValid())
        QCOMPARE(image.pixelColor(8, 7), centre);
    QCOMPARE(image.pixelColor(1, 7), left);
    QCOMPARE(image.pixelColor(14, 7), right);
}

void TestMoon::testNoPictureOutsideRange()
{
    QVERIFY(moonPicture(0).isNull());
    QVERIFY(moonPicture(29).isNull());
    QCOMPARE(initialMoonPicture().size(), QSize(16, 16));
}

QTEST_MAIN(TestMoon)
#include "TestMoon.moc"
