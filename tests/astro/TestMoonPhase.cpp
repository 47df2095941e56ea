// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/MoonPhase.h"
#include "controls/MoonDrawing.h"
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <climits>
#include <cmath>
#include <limits>

// A moment as the user would write it.
struct Moment
{
    int year, month, day, hour, minute, second, msec;
};
Q_DECLARE_METATYPE(Moment)

namespace {
long double phaseAt(const Moment& m)
{
    return moonPhase(m.year, m.month, m.day, m.hour, m.minute, m.second, m.msec);
}
} // namespace

class TestMoonPhase : public QObject
{
    Q_OBJECT

private slots:
    void testPhase_data();
    void testPhase();
    void testLeapDayIsNotCounted();
    void testNewYearAdvancesMoreThanADay();
    void testLunationBoundaryGivesTwoPi();
    void testWildMomentsStayDefined_data();
    void testWildMomentsStayDefined();
    void testDrawing_data();
    void testDrawing();
    void testDrawingWildValues_data();
    void testDrawingWildValues();
};

void TestMoonPhase::testPhase_data()
{
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<double>("phase");
    QTest::newRow("3 Oct 2001 1:02:13 PM, just after full moon") << Moment{2001, 10, 3, 13, 2, 13, 0} << 3.32852304864;
    QTest::newRow("3 Oct 2001 6:00 PM") << Moment{2001, 10, 3, 18, 0, 0, 0} << 3.37251820069;
    QTest::newRow("1 Jan 1999 6:00 PM, before the epoch") << Moment{1999, 1, 1, 18, 0, 0, 0} << 3.08531315977;
    QTest::newRow("29 Feb 2024 6:00 PM") << Moment{2024, 2, 29, 18, 0, 0, 0} << 4.18699668066;
    QTest::newRow("1 Mar 2024 6:00 PM") << Moment{2024, 3, 1, 18, 0, 0, 0} << 4.18699668066;
}

void TestMoonPhase::testPhase()
{
    QFETCH(Moment, moment);
    QFETCH(double, phase);
    const long double result = phaseAt(moment);
    QVERIFY2(std::fabs(double(result) - phase) < 1e-10, qPrintable(QString::number(double(result), 'g', 15)));
}

void TestMoonPhase::testLeapDayIsNotCounted()
{
    QCOMPARE(double(phaseAt({2024, 2, 29, 18, 0, 0, 0})), double(phaseAt({2024, 3, 1, 18, 0, 0, 0})));
}

void TestMoonPhase::testNewYearAdvancesMoreThanADay()
{
    const long double before = phaseAt({2023, 12, 31, 18, 0, 0, 0});
    const long double after = phaseAt({2024, 1, 1, 18, 0, 0, 0});
    long double step = after - before;
    if (step < 0)
        step += moonTwoPi;
    const double seconds = double(step * 2551682.78L / moonTwoPi);
    QVERIFY2(std::fabs(seconds - 107326.1) < 1e-3, qPrintable(QString::number(seconds, 'f', 4)));
}

void TestMoonPhase::testLunationBoundaryGivesTwoPi()
{
    // 15 Feb 1999 7:33:00 is exactly the model's epoch: no remainder, so the phase is 2 pi, never 0.
    QCOMPARE(double(phaseAt({1999, 2, 15, 7, 33, 0, 0})), 6.283185307179586);
    QVERIFY(phaseAt({1999, 2, 15, 7, 33, 0, 0}) == moonTwoPi);
}

void TestMoonPhase::testWildMomentsStayDefined_data()
{
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<bool>("valid");
    QTest::newRow("year 1") << Moment{1, 1, 1, 0, 0, 0, 0} << true;
    QTest::newRow("year 9999") << Moment{9999, 12, 31, 23, 59, 59, 999} << true;
    QTest::newRow("largest numbers") << Moment{INT_MAX, 12, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX} << true;
    QTest::newRow("smallest numbers") << Moment{INT_MIN, 1, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN} << true;
    QTest::newRow("month 0") << Moment{2024, 0, 1, 0, 0, 0, 0} << false;
    QTest::newRow("month 13") << Moment{2024, 13, 1, 0, 0, 0, 0} << false;
}

void TestMoonPhase::testWildMomentsStayDefined()
{
    QFETCH(Moment, moment);
    QFETCH(bool, valid);
    const long double phase = phaseAt(moment);
    if (valid)
        QVERIFY(phase > 0 && phase <= moonTwoPi);
    else
        QVERIFY(std::isnan(phase));
}

// A 32 x 32 moon, border 2: the disc spans columns 2..29, its centre column is 16. Row 16 crosses the middle.
void TestMoonPhase::testDrawing_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<bool>("southern");
    QTest::addColumn<QString>("litColumns"); // the row through the middle, columns 0..31: '#' lit, '.' dark

    QTest::newRow("new moon (2 pi)") << 6.283185307179586 << false << "................................";
    QTest::newRow("waxing crescent 1.0") << 1.0 << false << "........................######..";
    QTest::newRow("first quarter") << M_PI / 2 << false << "................##############..";
    QTest::newRow("waxing gibbous 2.0") << 2.0 << false << "..........####################..";
    QTest::newRow("full moon") << M_PI << false << "..############################..";
    QTest::newRow("waning gibbous 4.0") << 4.0 << false << "..#######################.......";
    QTest::newRow("last quarter: centre column lit") << 3 * M_PI / 2 << false << "..###############...............";
    QTest::newRow("waning crescent 5.5") << 5.5 << false << "..####..........................";
    QTest::newRow("southern waxing crescent 1.0") << 1.0 << true << "..######........................";
    QTest::newRow("phase above 2 pi reduced") << 1.0 + 2 * M_PI << false << "........................######..";
    QTest::newRow("not a number: full disc") << std::nan("") << false << "..############################..";
}

void TestMoonPhase::testDrawing()
{
    QFETCH(double, phase);
    QFETCH(bool, southern);
    QFETCH(QString, litColumns);

    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        paintMoon(painter, 32, 32, 2, QColor(0, 0, 0), QColor(255, 255, 255), phase, southern);
    }
    QString row;
    for (int x = 0; x < 32; ++x) {
        const QColor c = image.pixelColor(x, 16);
        QVERIFY2(c == Qt::black || c == Qt::white, qPrintable(QString("column %1 is %2").arg(x).arg(c.name())));
        row += c == Qt::white ? '#' : '.';
    }
    QCOMPARE(row, litColumns);
    // The corners are always background.
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(31, 31), QColor(Qt::black));
}

void TestMoonPhase::testDrawingWildValues_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("border");
    QTest::newRow("border larger than half the control") << 32 << 20;
    QTest::newRow("negative border") << 32 << -5;
    QTest::newRow("largest border") << 32 << INT_MAX;
    QTest::newRow("smallest border") << 32 << INT_MIN;
    QTest::newRow("empty control") << 0 << 2;
}

void TestMoonPhase::testDrawingWildValues()
{
    QFETCH(int, size);
    QFETCH(int, border);
    QImage image(32, 32, QImage::Format_RGB32);
    QPainter painter(&image);
    for (double phase : {0.5, 2.0, 4.0, 5.5})
        paintMoon(painter, size, size, border, Qt::black, Qt::white, phase, false);
    QVERIFY(painter.isActive());
}

QTEST_GUILESS_MAIN(TestMoonPhase)
#include "TestMoonPhase.moc"
