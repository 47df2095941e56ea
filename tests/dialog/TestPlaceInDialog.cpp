// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TCurrencyEdit.h"
#include "dialog/CityRow.h"
#include "dialog/HomeTexts.h"
#include "dialog/THome.h"
#include "places/CitySources.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

namespace {
const QByteArray Austin("10\r\nW\xB0"
                        "97.45\r\nN\xB0"
                        "30.15\r\n-6\r\n");
// Berlin's position with no zone.
const QByteArray BerlinNoZone("00\r\nE\xB0"
                              "13.40\r\nN\xB0"
                              "52.52\r\n1\r\n");
} // namespace

// The position as the Parameters dialog checks it while the user types, picks a city or a zone.
class TestPlaceInDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void testReadingBesideTheField_data();
    void testReadingBesideTheField();
    void testHalfAHundredthRoundsAwayFromZeroAsTyped_data();
    void testHalfAHundredthRoundsAwayFromZeroAsTyped();
    void testPastedPairFillsBothFields();
    void testPairTypedGoesOnInTheLongitude();
    void testZoneFarFromThePositionNamesItsCity();
    void testZoneCityNamedFromFiftyKilometres_data();
    void testZoneCityNamedFromFiftyKilometres();
    void testOffsetFarFromThePositionIsSaid();
    void testSameZoneAgainAfterClearingFillsItsCity();
    void testCityTypedAndPicked();
    void testNothingIsWrittenUntilSave();
    void testCitiesLoadOnlyOnceTheDialogShows();

private:
    QLineEdit* edit(const char* name) const { return home->findChild<QLineEdit*>(name); }
    QString label(const char* name) const { return home->findChild<QLabel*>(name)->text(); }
    bool saveOffered() const { return home->findChild<QToolButton*>(HomeNames::SpeedButton54)->isEnabled(); }
    void open(const QByteArray& file);
    void chooseZone(const QString& zoneId);

    std::unique_ptr<FakeWorld> world;
    std::unique_ptr<TempPrefsDir> dir;
    std::unique_ptr<BoxGate> gate;
    std::unique_ptr<PrefsStore> store;
    std::unique_ptr<THome> home;
};

void TestPlaceInDialog::init()
{
    world = std::make_unique<FakeWorld>();
    // Winter: New York at -5, Berlin at +1.
    world->clock.set(2024, 1, 15);
    dir = std::make_unique<TempPrefsDir>();
    gate = std::make_unique<BoxGate>(world->services);
    store = std::make_unique<PrefsStore>(dir->path(), rt::formatSettings());
    home = std::make_unique<THome>(world->services, *gate, *store);
    home->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestPlaceInDialog::cleanup()
{
    home.reset();
    store.reset();
    gate.reset();
    dir.reset();
    world.reset();
}

void TestPlaceInDialog::open(const QByteArray& file)
{
    dir->write(file);
    QVERIFY(store->load(nullptr));
    home->show();
}

void TestPlaceInDialog::chooseZone(const QString& zoneId)
{
    auto* zone = home->findChild<QComboBox*>(HomeNames::ComboBoxZone);
    const int index = zone->findText(zoneId, Qt::MatchExactly);
    QVERIFY(index >= 0);
    zone->setCurrentIndex(index);
    emit zone->activated(index);
}

void TestPlaceInDialog::testReadingBesideTheField_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("latitudeSays");
    QTest::addColumn<QString>("longitudeSays");
    QTest::addColumn<bool>("save");

    QTest::newRow("as read from the file") << ""
                                           << ""
                                           << "30.15° N"
                                           << "97.45° W" << true;
    QTest::newRow("a map's decimals") << "52.52"
                                      << "13.405"
                                      << "52.52° N"
                                      << "13.41° E" << true;
    QTest::newRow("letters after, degrees and minutes") << "52°31'N"
                                                        << "13°24'E"
                                                        << "52.52° N"
                                                        << "13.40° E" << true;
    QTest::newRow("the latitude's letter in the longitude") << "52.52"
                                                            << "N 13.4"
                                                            << "52.52° N"
                                                            << "N and S belong to the latitude" << false;
    QTest::newRow("beyond the pole") << "91"
                                     << "13.4"
                                     << "Latitudes go to 90°"
                                     << "13.40° E" << false;
    QTest::newRow("a word") << "Berlin"
                            << "13.4"
                            << "Not a position: type 52.52, 52°31'N or N°52.52"
                            << "13.40° E" << false;
    QTest::newRow("60 minutes") << "52°60'"
                                << "13.4"
                                << "Minutes and seconds go to 59"
                                << "13.40° E" << false;
    QTest::newRow("the latitude emptied") << " "
                                          << "W°97.45"
                                          << "Needs a latitude too"
                                          << "97.45° W" << false;
    QTest::newRow("both emptied") << " "
                                  << " "
                                  << "No position: no sun times"
                                  << "" << true;
}

void TestPlaceInDialog::testReadingBesideTheField()
{
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QString, latitudeSays);
    QFETCH(QString, longitudeSays);
    QFETCH(bool, save);
    open(Austin);
    if (!latitude.isEmpty())
        edit(HomeNames::Edit1)->setText(latitude.trimmed());
    if (!longitude.isEmpty())
        edit(HomeNames::Edit2)->setText(longitude.trimmed());
    QCOMPARE(label(HomeNames::LabelLatitudeReading), latitudeSays);
    QCOMPARE(label(HomeNames::LabelLongitudeReading), longitudeSays);
    QCOMPARE(saveOffered(), save);
    // Save pressed anyway (Enter) writes nothing while a field does not read.
    home->SpeedButton54Click();
    if (!save)
        QCOMPARE(dir->read(), Austin);
    QVERIFY(world->prompter.boxes.size() <= 1);
}

void TestPlaceInDialog::testHalfAHundredthRoundsAwayFromZeroAsTyped_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("13,405 E with a decimal comma") << "de_DE"
                                                   << "13,405 E" << QString::fromUtf8("13,41° E")
                                                   << QByteArray("E\xB0"
                                                                 "13.41");
    QTest::newRow("13,404 E stays down") << "de_DE"
                                         << "13,404 E" << QString::fromUtf8("13,40° E")
                                         << QByteArray("E\xB0"
                                                       "13.40");
    QTest::newRow("-13,405 away from zero") << "es_ES"
                                            << "-13,405" << QString::fromUtf8("13,41° W")
                                            << QByteArray("W\xB0"
                                                          "13.41");
    QTest::newRow("13.405 E with a decimal point") << "en_US"
                                                   << "13.405 E" << QString::fromUtf8("13.41° E")
                                                   << QByteArray("E\xB0"
                                                                 "13.41");
    QTest::newRow("13.405 E where the point groups thousands") << "de_DE"
                                                               << "13.405 E" << QString::fromUtf8("13,41° E")
                                                               << QByteArray("E\xB0"
                                                                             "13.41");
    QTest::newRow("1.005, held a hair below in binary") << "en_US"
                                                        << "1.005" << QString::fromUtf8("1.01° E")
                                                        << QByteArray("E\xB0"
                                                                      "1.01");
    QTest::newRow("13°24'18\" E, a half in seconds") << "en_US"
                                                     << "13°24'18\" E" << QString::fromUtf8("13.41° E")
                                                     << QByteArray("E\xB0"
                                                                   "13.41");
}

// What the field says and what Save writes for a typed half hundredth, whatever the locale's decimal mark.
void TestPlaceInDialog::testHalfAHundredthRoundsAwayFromZeroAsTyped()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, says);
    QFETCH(QByteArray, saved);
    const FormatSettings before = rt::formatSettings();
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale(locale)));
    open(Austin);
    edit(HomeNames::Edit2)->setText(typed);
    const QString shown = label(HomeNames::LabelLongitudeReading);
    home->SpeedButton54Click();
    rt::setFormatSettings(before);
    QCOMPARE(shown, says);
    QCOMPARE(dir->read().split('\r').value(1).trimmed(), saved);
}

void TestPlaceInDialog::testPastedPairFillsBothFields()
{
    open(Austin);
    QApplication::clipboard()->setText("52.5200, 13.4050");
    edit(HomeNames::Edit1)->selectAll();
    edit(HomeNames::Edit1)->paste();
    QCOMPARE(edit(HomeNames::Edit1)->text(), QString("52.5200"));
    QCOMPARE(edit(HomeNames::Edit2)->text(), QString("13.4050"));
    QCOMPARE(label(HomeNames::LabelLongitudeReading), QString("13.41° E"));
    home->SpeedButton54Click();
    QCOMPARE(dir->read(), QByteArray("10\r\nE\xB0"
                                     "13.41\r\nN\xB0"
                                     "52.52\r\n-6\r\n"));
}

void TestPlaceInDialog::testPairTypedGoesOnInTheLongitude()
{
    open(Austin);
    home->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));
    edit(HomeNames::Edit1)->setFocus();
    edit(HomeNames::Edit1)->selectAll();
    // Key by key, wherever the focus goes, as a person types.
    for (const QChar c : QString("-33.87, 151.21"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QCOMPARE(edit(HomeNames::Edit1)->text(), QString("-33.87"));
    QCOMPARE(edit(HomeNames::Edit2)->text(), QString("151.21"));
    QCOMPARE(label(HomeNames::LabelLatitudeReading), QString("33.87° S"));
}

void TestPlaceInDialog::testZoneFarFromThePositionNamesItsCity()
{
    open(BerlinNoZone);
    QVERIFY(home->findChild<QToolButton*>(HomeNames::ButtonTakeZoneCity)->isHidden());
    chooseZone("America/New_York");
    const QString line = label(HomeNames::LabelZoneCity);
    QVERIFY2(line.startsWith("America/New_York — the position is 6,3") && line.endsWith(" km from New York"),
             qPrintable(line));
    auto* take = home->findChild<QToolButton*>(HomeNames::ButtonTakeZoneCity);
    QVERIFY(!take->isHidden());
    QCOMPARE(take->text(), QString("Take New York"));
    take->click();
    QCOMPARE(edit(HomeNames::Edit1)->text(), QString("N°40.71"));
    QCOMPARE(edit(HomeNames::Edit2)->text(), QString("W°74.01"));
    QCOMPARE(label(HomeNames::LabelZoneCity), QString());
    QVERIFY(take->isHidden());
}

void TestPlaceInDialog::testZoneCityNamedFromFiftyKilometres_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<bool>("named");
    // North of the zone's city, Berlin at 52°30'N 13°22'E: a hundredth of a degree is 1.1 km.
    QTest::newRow("22 km") << "N°52.70" << false;
    QTest::newRow("44 km") << "N°52.90" << false;
    QTest::newRow("56 km") << "N°53.00" << true;
    QTest::newRow("122 km") << "N°53.60" << true;
    QTest::newRow("389 km") << "N°56.00" << true;
}

void TestPlaceInDialog::testZoneCityNamedFromFiftyKilometres()
{
    QFETCH(QString, latitude);
    QFETCH(bool, named);
    open(BerlinNoZone);
    chooseZone("Europe/Berlin");
    edit(HomeNames::Edit2)->setText(QString::fromUtf8("E°13.37"));
    edit(HomeNames::Edit1)->setText(latitude);
    const QString line = label(HomeNames::LabelZoneCity);
    QVERIFY2(line.endsWith(" km from Berlin") == named, qPrintable(line));
    QCOMPARE(home->findChild<QToolButton*>(HomeNames::ButtonTakeZoneCity)->isHidden(), !named);
}

void TestPlaceInDialog::testOffsetFarFromThePositionIsSaid()
{
    open(BerlinNoZone);
    QCOMPARE(label(HomeNames::LabelPlaceWarning), QString());
    chooseZone("America/New_York");
    QCOMPARE(label(HomeNames::LabelPlaceWarning),
             QString("At 13.40° E the sun keeps GMT +1, not -5: its times will be off by hours."));
    // Still saved when the user wants it so.
    QVERIFY(saveOffered());
    // Paris with India's fixed offset, no zone.
    chooseZone("");
    home->findChild<QComboBox*>(HomeNames::ComboBox1)->setCurrentIndex(74);
    edit(HomeNames::Edit2)->setText("2.35");
    QCOMPARE(label(HomeNames::LabelPlaceWarning),
             QString("At 2.35° E the sun keeps GMT 0, not +5.5: its times will be off by hours."));
}

void TestPlaceInDialog::testSameZoneAgainAfterClearingFillsItsCity()
{
    open(QByteArray("00\r\nE\xB0"
                    "13.40\r\nN\xB0"
                    "52.52\r\n1\r\nEurope/Berlin\r\n"));
    edit(HomeNames::Edit1)->clear();
    edit(HomeNames::Edit2)->clear();
    chooseZone("Europe/Berlin");
    // The zone table's Berlin.
    QCOMPARE(edit(HomeNames::Edit1)->text(), QString("N°52.50"));
    QCOMPARE(edit(HomeNames::Edit2)->text(), QString("E°13.37"));
}

void TestPlaceInDialog::testCityTypedAndPicked()
{
    open(Austin);
    home->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));
    QLineEdit* city = edit(HomeNames::EditCity);
    city->setFocus();
    QTest::keyClicks(city, "berl");
    QTest::keyClick(city, Qt::Key_Return);
    QCOMPARE(city->text(), QString("Berlin, Germany"));
    QCOMPARE(home->zone(), QString("Europe/Berlin"));
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), 1.0);
    // The database's Berlin, or the zone table's where the build has no database.
    const bool database = places::haveLocationsDatabase();
    QCOMPARE(edit(HomeNames::Edit1)->text(), QString(database ? "N°52.52" : "N°52.50"));
    QCOMPARE(edit(HomeNames::Edit2)->text(), QString(database ? "E°13.40" : "E°13.37"));
    // The next Enter saves.
    QTest::keyClick(city, Qt::Key_Return);
    QCOMPARE(dir->read(), database ? QByteArray("10\r\nE\xB0"
                                                "13.40\r\nN\xB0"
                                                "52.52\r\n1\r\nEurope/Berlin\r\n")
                                   : QByteArray("10\r\nE\xB0"
                                                "13.37\r\nN\xB0"
                                                "52.50\r\n1\r\nEurope/Berlin\r\n"));
}

void TestPlaceInDialog::testNothingIsWrittenUntilSave()
{
    open(Austin);
    edit(HomeNames::Edit1)->setText("N52.52");
    chooseZone("Europe/Berlin");
    edit(HomeNames::EditCity)->setText("xqzw");
    home->reject();
    QCOMPARE(dir->read(), Austin);
    QVERIFY(world->prompter.boxes.isEmpty());
}

void TestPlaceInDialog::testCitiesLoadOnlyOnceTheDialogShows()
{
    dir->write(Austin);
    auto* cities = home->findChild<CityRow*>(HomeNames::PanelCity);
    QVERIFY(cities);
    QVERIFY(!cities->loadingStarted());
    home->show();
    QVERIFY(cities->loadingStarted());
}

QTEST_MAIN(TestPlaceInDialog)
#include "TestPlaceInDialog.moc"
