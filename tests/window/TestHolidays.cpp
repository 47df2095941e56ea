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
    void testKeptChoiceDrawnNamedAndSwitchedOff();
};

void TestHolidays::testFirstStartChoosesFromTheZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("note");
    QTest::newRow("Sydney: New South Wales") << QByteArray("Australia/Sydney") << true << "Australia"
                                             << "New South Wales"
                                             << "Chosen from the time zone Australia/Sydney";
    QTest::newRow("Tokyo: Japan, no regions") << QByteArray("Asia/Tokyo") << true << "Japan"
                                              << "Whole country"
                                              << "Chosen from the time zone Asia/Tokyo";
    QTest::newRow("Chicago: the United States, region left to the user")
        << QByteArray("America/Chicago") << true << "United States of America"
        << "Whole country"
        << "Chosen from the time zone America/Chicago; choose your region";
    QTest::newRow("UTC: none") << QByteArray("UTC") << false << ""
                               << ""
                               << "";
}

void TestHolidays::testFirstStartChoosesFromTheZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(bool, shown);
    QFETCH(QString, country);
    QFETCH(QString, region);
    QFETCH(QString, note);
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    FakeScreens screens;
    App app;
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
