// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanelModel.h"
#include "runtime/FormatSettings.h"
#include <QTest>

// The Day panel's model: which two clicks make the span, and when the place of the preferences is made again.
class TestDayPanelModel : public QObject
{
    Q_OBJECT
private slots:
    void testSpanOfTwoClicks_data();
    void testSpanOfTwoClicks();
    void testPlaceMadeAgainOnlyOnChange_data();
    void testPlaceMadeAgainOnlyOnChange();
};

namespace {
// A click as the caption tells it: the day, the first click waiting before it (0: none), whether one waits after.
struct Click
{
    int day;
    int pendingBefore;
    bool pendingNow;
};
QDate may(int day)
{
    return QDate(2026, 5, day);
}
} // namespace

void TestDayPanelModel::testSpanOfTwoClicks_data()
{
    QTest::addColumn<QList<int>>("clicks"); // day, pending before (0: none), pending now (0 or 1), each click
    QTest::addColumn<int>("from");          // 0: no span
    QTest::addColumn<int>("to");
    QTest::newRow("one click starts a span, none yet") << QList<int>{3, 0, 1} << 0 << 0;
    QTest::newRow("the second click ends it") << QList<int>{3, 0, 1, 17, 3, 0} << 3 << 17;
    QTest::newRow("backwards, as clicked") << QList<int>{17, 0, 1, 3, 17, 0} << 17 << 3;
    QTest::newRow("a third click starts anew, the last span stays")
        << QList<int>{3, 0, 1, 17, 3, 0, 20, 0, 1} << 3 << 17;
    QTest::newRow("a fourth ends the new one") << QList<int>{3, 0, 1, 17, 3, 0, 20, 0, 1, 25, 20, 0} << 20 << 25;
    QTest::newRow("a click that keeps a first waiting makes no span") << QList<int>{3, 0, 1, 5, 3, 1} << 0 << 0;
}

void TestDayPanelModel::testSpanOfTwoClicks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, from);
    QFETCH(int, to);
    DayPanelModel model;
    for (int i = 0; i + 2 < clicks.size(); i += 3) {
        const Click click{clicks[i], clicks[i + 1], clicks[i + 2] != 0};
        model.clicked(may(click.day),
                      click.pendingBefore ? std::optional<QDate>(may(click.pendingBefore)) : std::nullopt,
                      click.pendingNow);
        QCOMPARE(model.day(), may(click.day));
    }
    QCOMPARE(model.spanFrom(), from ? std::optional<QDate>(may(from)) : std::nullopt);
    QCOMPARE(model.spanTo(), to ? std::optional<QDate>(may(to)) : std::nullopt);
    // Opening the panel keeps the day clicked; before any click it opens on today.
    model.opening(may(30));
    QCOMPARE(model.day(), clicks.isEmpty() ? may(30) : may(clicks[clicks.size() - 3]));
}

void TestDayPanelModel::testPlaceMadeAgainOnlyOnChange_data()
{
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("made"); // places made after the second question
    QTest::addColumn<double>("latitudeRead");
    QTest::newRow("nothing changed") << "W\u00b097.45"
                                     << "N\u00b030.15" << -6.0 << "" << 1 << 30.15;
    QTest::newRow("the latitude") << "W\u00b097.45"
                                  << "N\u00b031.00" << -6.0 << "" << 2 << 31.0;
    QTest::newRow("the longitude") << "E\u00b097.45"
                                   << "N\u00b030.15" << -6.0 << "" << 2 << 30.15;
    QTest::newRow("the offset") << "W\u00b097.45"
                                << "N\u00b030.15" << -5.0 << "" << 2 << 30.15;
    QTest::newRow("the zone") << "W\u00b097.45"
                              << "N\u00b030.15" << -6.0 << "America/Chicago" << 2 << 30.15;
    // A line that does not read keeps the position the report last read: the same place as before.
    QTest::newRow("a latitude that does not read") << "W\u00b097.45"
                                                   << "N\u00b0abc" << -6.0 << "" << 1 << 30.15;
}

void TestDayPanelModel::testPlaceMadeAgainOnlyOnChange()
{
    QFETCH(QString, longitude);
    QFETCH(QString, latitude);
    QFETCH(double, offset);
    QFETCH(QString, zone);
    QFETCH(int, made);
    QFETCH(double, latitudeRead);
    const FormatSettings settings = rt::formatSettings();
    DayPanelModel model;
    Preferences first;
    first.PrefsFlags = QStringLiteral("00");
    first.longitude = QStringLiteral("W\u00b097.45");
    first.latitude = QStringLiteral("N\u00b030.15");
    first.gmtOffset = -6;
    model.placeOf(first, settings, 0, 0);
    QCOMPARE(model.placesMade(), 1);
    Preferences second = first;
    second.longitude = longitude;
    second.latitude = latitude;
    second.gmtOffset = offset;
    second.zone = zone;
    // The report last read the first file's position.
    const SkyPlace& place = model.placeOf(second, settings, 30.15, 97.45);
    QCOMPARE(model.placesMade(), made);
    QCOMPARE(place.latitude, latitudeRead);
    QCOMPARE(place.longitudeEast, longitude.startsWith(QLatin1Char('E')) ? 97.45 : -97.45);
}

QTEST_MAIN(TestDayPanelModel)
#include "TestDayPanelModel.moc"
