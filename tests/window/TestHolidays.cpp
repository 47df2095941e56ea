// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TMonthCalendar.h"
#include "dialog/HolidaysRow.h"
#include "shared/WindowState.h"
#include "support/AppFixture.h"
#include "system/Screens.h"
#include "yourholidays/ShownHolidays.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>

namespace {
struct FakeScreens : Screens
{
    QList<QRect> geometries() const override { return {QRect(0, 0, 1024, 768)}; }
};

bool holidayDrawn(TMonthCalendar* month, const QDate& day)
{
    for (const DayContent& cell : month->picture().days)
        if (cell.inMonth && cell.date == day)
            return cell.holiday;
    return false;
}
} // namespace

class TestHolidays : public QObject
{
    Q_OBJECT
private slots:
    void testFirstStartChoosesFromTheZone_data();
    void testFirstStartChoosesFromTheZone();
    void testFirstStartFollowsThePlace();
    void testKeptChoiceDrawnNamedAndSwitchedOff();
};

void TestHolidays::testFirstStartChoosesFromTheZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QByteArray>("place"); // the settings' longitude and latitude lines; the fixture's own when empty
    QTest::newRow("Sydney: New South Wales") << QByteArray("Australia/Sydney") << true << "Australia"
                                             << "New South Wales"
                                             << "Chosen from the time zone Australia/Sydney" << QByteArray();
    QTest::newRow("Tokyo: Japan, no regions") << QByteArray("Asia/Tokyo") << true << "Japan"
                                              << "Whole country"
                                              << "Chosen from the time zone Asia/Tokyo" << QByteArray();
    QTest::newRow("Chicago at Chicago's own place: the United States, region left to the user")
        << QByteArray("America/Chicago") << true << "United States of America"
        << "Whole country"
        << "Chosen from the time zone America/Chicago; choose your region"
        << QByteArray("W\xB0"
                      "87.65\r\nN\xB0"
                      "41.85");
    QTest::newRow("Chicago's zone in Houston: Texas")
        << QByteArray("America/Chicago") << true << "United States of America"
        << "Texas"
        << "Chosen from your place and the time zone America/Chicago"
        << QByteArray("W\xB0"
                      "95.37\r\nN\xB0"
                      "29.76");
    // The shipped sample's place lies in Texas too, but it is nobody's.
    QTest::newRow("Chicago's zone at the sample's place: the user chooses")
        << QByteArray("America/Chicago") << true << "United States of America"
        << "Whole country"
        << "Chosen from the time zone America/Chicago; choose your region" << QByteArray();
    QTest::newRow("Berlin's zone in Munich: Bavaria") << QByteArray("Europe/Berlin") << true << "Germany"
                                                      << "Bayern"
                                                      << "Chosen from your place and the time zone Europe/Berlin"
                                                      << QByteArray("E\xB0"
                                                                    "11.58\r\nN\xB0"
                                                                    "48.14");
    QTest::newRow("UTC: none") << QByteArray("UTC") << false << ""
                               << ""
                               << "" << QByteArray();
}

void TestHolidays::testFirstStartChoosesFromTheZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(bool, shown);
    QFETCH(QString, country);
    QFETCH(QString, region);
    QFETCH(QString, note);
    QFETCH(QByteArray, place);
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    FakeScreens screens;
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), "00\r\n" +
                                                              (place.isEmpty() ? QByteArray("W\xB0"
                                                                                            "97.45\r\nN\xB0"
                                                                                            "30.15")
                                                                               : place) +
                                                              "\r\n-6\r\n");
    app.world.clock.zone = zone;
    app.calendar->keepStateIn(path, screens);
    // The dialog opened before the choice, made off the interface thread, came: it shows the choice once it comes.
    QWidget dialog;
    HolidaysRow row(&dialog);
    app.calendar->followHolidays(row);
    app.activate();
    QTRY_COMPARE(app.calendar->holidays().shown(), shown);
    QTRY_COMPARE(row.findChild<QCheckBox*>(HolidaysNames::Shown)->isChecked(), shown);
    QCOMPARE(row.note(), note);
    if (shown) {
        QCOMPARE(row.findChild<QComboBox*>(HolidaysNames::Country)->currentText(), country);
        QCOMPARE(row.findChild<QComboBox*>(HolidaysNames::Region)->currentText(), region);
    }
    // Not the user's choice yet: the state file holds no holidays when the window is left.
    app.calendar->close();
    QVERIFY(!windowstate::read(path).holidays);
}

// A person in Munich whose zone names all of Germany gives their place after the first start: Bavaria's holidays
// follow, until they choose holidays of their own.
void TestHolidays::testFirstStartFollowsThePlace()
{
    QTemporaryDir folder;
    FakeScreens screens;
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), QByteArray("00\r\nE\xB0"
                                                                     "13.37\r\nN\xB0"
                                                                     "52.50\r\n1\r\n"));
    app.world.clock.zone = "Europe/Berlin";
    app.calendar->keepStateIn(folder.filePath("dorvane-state.ini"), screens);
    app.activate();
    QTRY_COMPARE(app.calendar->holidays().area(), QStringLiteral("DE"));
    app.folder.write("00\r\nE\xB0"
                     "11.58\r\nN\xB0"
                     "48.14\r\n1\r\n");
    app.activate();
    QTRY_COMPARE(app.calendar->holidays().area(), QStringLiteral("DE-BY"));
    app.calendar->setHolidays({true, QStringLiteral("DE-BE"), false, false});
    app.folder.write("00\r\nE\xB0"
                     "9.99\r\nN\xB0"
                     "53.55\r\n1\r\n");
    app.activate();
    QTest::qWait(200);
    QCOMPARE(app.calendar->holidays().area(), QStringLiteral("DE-BE"));
}

void TestHolidays::testKeptChoiceDrawnNamedAndSwitchedOff()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    WindowState kept;
    kept.holidays = WindowState::Holidays{true, QStringLiteral("DE-BY"), false, false};
    QVERIFY(windowstate::write(path, kept));
    FakeScreens screens;
    App app(QDateTime(QDate(2026, 5, 15), QTime(10, 30)));
    app.calendar->keepStateIn(path, screens);
    app.activate();
    const QDate epiphany(2026, 1, 6);
    QTRY_VERIFY(holidayDrawn(app.month(1), epiphany));
    QVERIFY(!holidayDrawn(app.month(1), epiphany.addDays(1)));
    // Named to a screen reader in the data's best language for the run's locale.
    QVERIFY2(app.month(1)->spokenDay(epiphany).contains(QStringLiteral("Epiphany")),
             qPrintable(app.month(1)->spokenDay(epiphany)));
    QVERIFY(app.calendar->holidays().idle());

    QWidget dialog;
    HolidaysRow row(&dialog);
    app.calendar->followHolidays(row);
    QCOMPARE(row.findChild<QComboBox*>(HolidaysNames::Region)->currentText(),
             QStringLiteral("Bayern")); // as the data names it in English
    QVERIFY(row.note().isEmpty());
    row.findChild<QCheckBox*>(HolidaysNames::Shown)->click();
    QVERIFY(!holidayDrawn(app.month(1), epiphany));
    QVERIFY(!app.calendar->holidays().shown());
    app.calendar->close();
    const auto written = windowstate::read(path).holidays;
    QVERIFY(written && !written->shown && written->area == QStringLiteral("DE-BY"));
}

QTEST_MAIN(TestHolidays)
#include "TestHolidays.moc"
