// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/DaySky.h"
#include "daypanel/SkyWarmUp.h"
#include <QtTest>

// The idle preparation of the days shown works on the days the grid shows once it has moved whole. A grid moving to
// another year moves its first calendar first and asks for the preparation then, when its days span both years.
class TestSkyWarmUp : public QObject
{
    Q_OBJECT
private slots:
    void testPreparesTheDaysShownAtLast_data();
    void testPreparesTheDaysShownAtLast();
};

void TestSkyWarmUp::testPreparesTheDaysShownAtLast_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("2026 to 1700") << 2026 << 1700;
    QTest::newRow("2026 to 3000") << 2026 << 3000;
    QTest::newRow("2026 to 2027") << 2026 << 2027;
}

void TestSkyWarmUp::testPreparesTheDaysShownAtLast()
{
    QFETCH(int, from);
    QFETCH(int, to);
    const auto yearShown = [](int year) {
        return std::pair{QDate(year, 1, 1).addDays(-7), QDate(year, 12, 31).addDays(7)};
    };
    // The first calendar shows the new year, the others still the old one.
    std::pair<QDate, QDate> shown{QDate(std::min(from, to), 1, 1), QDate(std::max(from, to), 12, 31)};
    SkyCalculator sky;
    SkyWarmUp warmUp(
        sky, [&shown] { return shown; }, nullptr);
    warmUp.prepare();
    QVERIFY(warmUp.running());
    shown = yearShown(to);
    QTRY_VERIFY_WITH_TIMEOUT(!warmUp.running(), 60000);
    QVERIFY2(!sky.prepareStep(shown.first, shown.second), "the year shown was not prepared");
}

QTEST_GUILESS_MAIN(TestSkyWarmUp)
#include "TestSkyWarmUp.moc"
