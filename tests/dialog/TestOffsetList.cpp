// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TCurrencyEdit.h"
#include "dialog/HomeTexts.h"
#include "dialog/THome.h"
#include "prefs/OffsetList.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include <QComboBox>
#include <QtTest>

class TestOffsetList : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void testEntry_data();
    void testEntry();
    void testNinetyThreeEntries();
    void testTypingChoosesNothing();
    void testChoosingTheOffsetAlreadyHeldChangesNothing();

private:
    std::unique_ptr<FakeWorld> world;
    std::unique_ptr<TempPrefsDir> dir;
    std::unique_ptr<BoxGate> gate;
    std::unique_ptr<PrefsStore> store;
    std::unique_ptr<THome> home;
};

void TestOffsetList::init()
{
    world = std::make_unique<FakeWorld>();
    dir = std::make_unique<TempPrefsDir>();
    gate = std::make_unique<BoxGate>(world->services);
    store = std::make_unique<PrefsStore>(dir->path(), rt::formatSettings());
    home = std::make_unique<THome>(world->services, *gate, *store);
}

void TestOffsetList::cleanup()
{
    home.reset();
    dir.reset();
    world.reset();
}

void TestOffsetList::testEntry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("saved");

    QTest::newRow("Eastern         (-5:00)") << 0 << QStringLiteral("Eastern         (-5:00)") << -5.0 << "-5"
                                             << "-5";
    QTest::newRow("Central          (-6:00)") << 1 << QStringLiteral("Central          (-6:00)") << -6.0 << "-6"
                                              << "-6";
    QTest::newRow("Mountain      (-7:00)") << 2 << QStringLiteral("Mountain      (-7:00)") << -7.0 << "-7"
                                           << "-7";
    QTest::newRow("Pacific          (-8:00)") << 3 << QStringLiteral("Pacific          (-8:00)") << -8.0 << "-8"
                                              << "-8";
    QTest::newRow("Eastern DT   (-4:00)") << 4 << QStringLiteral("Eastern DT   (-4:00)") << -4.0 << "-4"
                                          << "-4";
    QTest::newRow("Central DT    (-5:00)") << 5 << QStringLiteral("Central DT    (-5:00)") << -5.0 << "-5"
                                           << "-5";
    QTest::newRow("Mountain DT(-6:00)") << 6 << QStringLiteral("Mountain DT(-6:00)") << -6.0 << "-6"
                                        << "-6";
    QTest::newRow("Pacific DT    (-7:00)") << 7 << QStringLiteral("Pacific DT    (-7:00)") << -7.0 << "-7"
                                           << "-7";
    QTest::newRow("Arizona      (-07:00)") << 8 << QStringLiteral("Arizona      (-07:00)") << -7.0 << "-7"
                                           << "-7";
    QTest::newRow("Alaska       (-9:00)") << 9 << QStringLiteral("Alaska       (-9:00)") << -9.0 << "-9"
                                          << "-9";
    QTest::newRow("Hawaii       (-10:00)") << 10 << QStringLiteral("Hawaii       (-10:00)") << -10.0 << "-10"
                                           << "-10";
    QTest::newRow("GMT (-12:00)") << 11 << QStringLiteral("GMT (-12:00)") << -12.0 << "-12"
                                  << "-12";
    QTest::newRow("GMT (-11:00)") << 12 << QStringLiteral("GMT (-11:00)") << -11.0 << "-11"
                                  << "-11";
    QTest::newRow("GMT (-10:00)") << 13 << QStringLiteral("GMT (-10:00)") << -10.0 << "-10"
                                  << "-10";
    QTest::newRow("GMT (-9:00)") << 14 << QStringLiteral("GMT (-9:00)") << -9.0 << "-9"
                                 << "-9";
    QTest::newRow("GMT (-8:00)") << 15 << QStringLiteral("GMT (-8:00)") << -8.0 << "-8"
                                 << "-8";
    QTest::newRow("GMT (-7:00)") << 16 << QStringLiteral("GMT (-7:00)") << -7.0 << "-7"
                                 << "-7";
    QTest::newRow("GMT (-6:00)") << 17 << QStringLiteral("GMT (-6:00)") << -6.0 << "-6"
                                 << "-6";
    QTest::newRow("GMT (-5:00)") << 18 << QStringLiteral("GMT (-5:00)") << -5.0 << "-5"
                                 << "-5";
    QTest::newRow("GMT (-4:00)") << 19 << QStringLiteral("GMT (-4:00)") << -4.0 << "-4"
                                 << "-4";
    QTest::newRow("GMT (-3:00)") << 20 << QStringLiteral("GMT (-3:00)") << -3.0 << "-3"
                                 << "-3";
    QTest::newRow("GMT (-2:00)") << 21 << QStringLiteral("GMT (-2:00)") << -2.0 << "-2"
                                 << "-2";
    QTest::newRow("GMT (-1:00)") << 22 << QStringLiteral("GMT (-1:00)") << -1.0 << "-1"
                                 << "-1";
    QTest::newRow("GMT (0:00)") << 23 << QStringLiteral("GMT (0:00)") << 0.0 << "0"
                                << "";
    QTest::newRow("GMT (+1:00)") << 24 << QStringLiteral("GMT (+1:00)") << 1.0 << "1"
                                 << "1";
    QTest::newRow("GMT (+2:00)") << 25 << QStringLiteral("GMT (+2:00)") << 2.0 << "2"
                                 << "2";
    QTest::newRow("GMT (+3:00)") << 26 << QStringLiteral("GMT (+3:00)") << 3.0 << "3"
                                 << "3";
    QTest::newRow("GMT (+4:00)") << 27 << QStringLiteral("GMT (+4:00)") << 4.0 << "4"
                                 << "4";
    QTest::newRow("GMT (+5:00)") << 28 << QStringLiteral("GMT (+5:00)") << 5.0 << "5"
                                 << "5";
    QTest::newRow("GMT (+6:00)") << 29 << QStringLiteral("GMT (+6:00)") << 6.0 << "6"
                                 << "6";
    QTest::newRow("GMT (+7:00)") << 30 << QStringLiteral("GMT (+7:00)") << 7.0 << "7"
                                 << "7";
    QTest::newRow("GMT (+8:00)") << 31 << QStringLiteral("GMT (+8:00)") << 8.0 << "8"
                                 << "8";
    QTest::newRow("GMT (+9:00)") << 32 << QStringLiteral("GMT (+9:00)") << 9.0 << "9"
                                 << "9";
    QTest::newRow("GMT (+10:00)") << 33 << QStringLiteral("GMT (+10:00)") << 10.0 << "10"
                                  << "10";
    QTest::newRow("GMT (+11:00)") << 34 << QStringLiteral("GMT (+11:00)") << 11.0 << "11"
                                  << "11";
    QTest::newRow("International Dateline (-12:00) Eniwetok, Kwajalein")
        << 35 << QStringLiteral("International Dateline (-12:00) Eniwetok, Kwajalein") << -12.0 << "-12"
        << "-12";
    QTest::newRow("Samoa (-11:00) Midway Island, Samoa")
        << 36 << QStringLiteral("Samoa (-11:00) Midway Island, Samoa") << -11.0 << "-11"
        << "-11";
    QTest::newRow("Pacific (-08:00) Pacific Time (Canada); Tijuana")
        << 37 << QStringLiteral("Pacific (-08:00) Pacific Time (Canada); Tijuana") << -8.0 << "-8"
        << "-8";
    QTest::newRow("Mountain (-07:00) Mountain Time (Canada)")
        << 38 << QStringLiteral("Mountain (-07:00) Mountain Time (Canada)") << -7.0 << "-7"
        << "-7";
    QTest::newRow("Central (-06:00) Central Time (Canada)")
        << 39 << QStringLiteral("Central (-06:00) Central Time (Canada)") << -6.0 << "-6"
        << "-6";
    QTest::newRow("Canada Central (-06:00) Saskatchewan")
        << 40 << QStringLiteral("Canada Central (-06:00) Saskatchewan") << -6.0 << "-6"
        << "-6";
    QTest::newRow("Mexico (-06:00) Mexico City, Tegucigalpa")
        << 41 << QStringLiteral("Mexico (-06:00) Mexico City, Tegucigalpa") << -6.0 << "-6"
        << "-6";
    QTest::newRow("Eastern (-05:00) Eastern Time (Canada)")
        << 42 << QStringLiteral("Eastern (-05:00) Eastern Time (Canada)") << -5.0 << "-5"
        << "-5";
    QTest::newRow("US Eastern (-05:00) Indiana (East)")
        << 43 << QStringLiteral("US Eastern (-05:00) Indiana (East)") << -5.0 << "-5"
        << "-5";
    QTest::newRow("SA Pacific (-05:00) Bogota, Lima, Quito")
        << 44 << QStringLiteral("SA Pacific (-05:00) Bogota, Lima, Quito") << -5.0 << "-5"
        << "-5";
    QTest::newRow("Atlantic (-04:00) Atlantic Time (Canada)")
        << 45 << QStringLiteral("Atlantic (-04:00) Atlantic Time (Canada)") << -4.0 << "-4"
        << "-4";
    QTest::newRow("SA Western (-04:00) Caracas, La Paz")
        << 46 << QStringLiteral("SA Western (-04:00) Caracas, La Paz") << -4.0 << "-4"
        << "-4";
    QTest::newRow("Pacific SA (-04:00) Santiago")
        << 47 << QStringLiteral("Pacific SA (-04:00) Santiago") << -4.0 << "-4"
        << "-4";
    QTest::newRow("Newfoundland (-03:30) Newfoundland")
        << 48 << QStringLiteral("Newfoundland (-03:30) Newfoundland") << -3.0 << "-3"
        << "-3";
    QTest::newRow("E. South America (-03:00) Brasilia")
        << 49 << QStringLiteral("E. South America (-03:00) Brasilia") << -3.0 << "-3"
        << "-3";
    QTest::newRow("SA Eastern (-03:00) Buenos Aires, Georgetown")
        << 50 << QStringLiteral("SA Eastern (-03:00) Buenos Aires, Georgetown") << -3.0 << "-3"
        << "-3";
    QTest::newRow("Mid-Atlantic (-02:00) Mid-Atlantic")
        << 51 << QStringLiteral("Mid-Atlantic (-02:00) Mid-Atlantic") << -2.0 << "-2"
        << "-2";
    QTest::newRow("Azores (-01:00) Azores, Cape Verde Is.")
        << 52 << QStringLiteral("Azores (-01:00) Azores, Cape Verde Is.") << -1.0 << "-1"
        << "-1";
    QTest::newRow("GMT (0.00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London")
        << 53 << QStringLiteral("GMT (0.00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London") << 0.0 << "0"
        << "";
    QTest::newRow("Greenwich (0:00) Casablanca, Monrovia")
        << 54 << QStringLiteral("Greenwich (0:00) Casablanca, Monrovia") << 0.0 << "0"
        << "";
    QTest::newRow("Central Europe (+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague")
        << 55 << QStringLiteral("Central Europe (+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague") << 1.0
        << "1"
        << "1";
    QTest::newRow("Central European (+01:00) Sarajevo, Skopje, Sofija, Warsaw, Zagreb")
        << 56 << QStringLiteral("Central European (+01:00) Sarajevo, Skopje, Sofija, Warsaw, Zagreb") << 1.0 << "1"
        << "1";
    QTest::newRow("Romance (+01:00) Brussels, Copenhagen, Madrid, Paris, Vilnius")
        << 57 << QStringLiteral("Romance (+01:00) Brussels, Copenhagen, Madrid, Paris, Vilnius") << 1.0 << "1"
        << "1";
    QTest::newRow("W. Europe (+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna")
        << 58 << QStringLiteral("W. Europe (+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna") << 1.0 << "1"
        << "1";
    QTest::newRow("E. Europe (+02:00) Bucharest") << 59 << QStringLiteral("E. Europe (+02:00) Bucharest") << 2.0 << "2"
                                                  << "2";
    QTest::newRow("Egypt (+02:00) Cairo") << 60 << QStringLiteral("Egypt (+02:00) Cairo") << 2.0 << "2"
                                          << "2";
    QTest::newRow("FLE (+02:00) Helsinki, Riga, Tallinn")
        << 61 << QStringLiteral("FLE (+02:00) Helsinki, Riga, Tallinn") << 2.0 << "2"
        << "2";
    QTest::newRow("GTB (+02:00) Athens, Istanbul, Minsk")
        << 62 << QStringLiteral("GTB (+02:00) Athens, Istanbul, Minsk") << 2.0 << "2"
        << "2";
    QTest::newRow("Israel (+02:00) Jerusalem") << 63 << QStringLiteral("Israel (+02:00) Jerusalem") << 2.0 << "2"
                                               << "2";
    QTest::newRow("South Africa (+02:00) Harare, Pretoria")
        << 64 << QStringLiteral("South Africa (+02:00) Harare, Pretoria") << 2.0 << "2"
        << "2";
    QTest::newRow("Russian (+03:00) Moscow, St. Petersburg, Volgograd")
        << 65 << QStringLiteral("Russian (+03:00) Moscow, St. Petersburg, Volgograd") << 3.0 << "3"
        << "3";
    QTest::newRow("Arab (+03:00) Baghdad, Kuwait, Riyadh")
        << 66 << QStringLiteral("Arab (+03:00) Baghdad, Kuwait, Riyadh") << 3.0 << "3"
        << "3";
    QTest::newRow("E. Africa (+03:00) Nairobi") << 67 << QStringLiteral("E. Africa (+03:00) Nairobi") << 3.0 << "3"
                                                << "3";
    QTest::newRow("Iran (+03:30) Tehran") << 68 << QStringLiteral("Iran (+03:30) Tehran") << 3.5 << "4"
                                          << "3.5";
    QTest::newRow("Arabian (+04:00) Abu Dhabi, Muscat")
        << 69 << QStringLiteral("Arabian (+04:00) Abu Dhabi, Muscat") << 4.0 << "4"
        << "4";
    QTest::newRow("Caucasus (+04:00) Baku, Tbilisi")
        << 70 << QStringLiteral("Caucasus (+04:00) Baku, Tbilisi") << 4.0 << "4"
        << "4";
    QTest::newRow("Afghanistan (+04:30) Kabul") << 71 << QStringLiteral("Afghanistan (+04:30) Kabul") << 4.5 << "5"
                                                << "4.5";
    QTest::newRow("Ekaterinburg (+05:00) Ekaterinburg")
        << 72 << QStringLiteral("Ekaterinburg (+05:00) Ekaterinburg") << 5.0 << "5"
        << "5";
    QTest::newRow("West Asia (+05:00) Islamabad, Karachi, Tashkent")
        << 73 << QStringLiteral("West Asia (+05:00) Islamabad, Karachi, Tashkent") << 5.0 << "5"
        << "5";
    QTest::newRow("India (+05:30) Bombay, Calcutta, Madras, New Delhi")
        << 74 << QStringLiteral("India (+05:30) Bombay, Calcutta, Madras, New Delhi") << 5.5 << "6"
        << "5.5";
    QTest::newRow("Central Asia (+06:00) Astana, Almaty, Dhaka")
        << 75 << QStringLiteral("Central Asia (+06:00) Astana, Almaty, Dhaka") << 6.0 << "6"
        << "6";
    QTest::newRow("Sri Lanka (+06:00) Colombo") << 76 << QStringLiteral("Sri Lanka (+06:00) Colombo") << 6.0 << "6"
                                                << "6";
    QTest::newRow("SE Asia (+07:00) Bangkok, Hanoi, Jakarta")
        << 77 << QStringLiteral("SE Asia (+07:00) Bangkok, Hanoi, Jakarta") << 7.0 << "7"
        << "7";
    QTest::newRow("China  (+08:00) Beijing, Chongqing, Hong Kong, Urumqi")
        << 78 << QStringLiteral("China  (+08:00) Beijing, Chongqing, Hong Kong, Urumqi") << 8.0 << "8"
        << "8";
    QTest::newRow("Singapore  (+08:00) Singapore")
        << 79 << QStringLiteral("Singapore  (+08:00) Singapore ") << 8.0 << "8"
        << "8";
    QTest::newRow("Taipei (+08:00) Taipei") << 80 << QStringLiteral("Taipei (+08:00) Taipei ") << 8.0 << "8"
                                            << "8";
    QTest::newRow("W. Australia (+08:00) Perth") << 81 << QStringLiteral("W. Australia (+08:00) Perth") << 8.0 << "8"
                                                 << "8";
    QTest::newRow("Korea (+09:00) Seoul") << 82 << QStringLiteral("Korea (+09:00) Seoul") << 9.0 << "9"
                                          << "9";
    QTest::newRow("Tokyo (+09:00) Osaka, Sapporo, Tokyo")
        << 83 << QStringLiteral("Tokyo (+09:00) Osaka, Sapporo, Tokyo") << 9.0 << "9"
        << "9";
    QTest::newRow("Yakutsk (+09:00) Yakutsk") << 84 << QStringLiteral("Yakutsk (+09:00) Yakutsk") << 9.0 << "9"
                                              << "9";
    QTest::newRow("AUS Central (+09:30) Darwin") << 85 << QStringLiteral("AUS Central (+09:30) Darwin") << 9.5 << "10"
                                                 << "9.5";
    QTest::newRow("Cen. Australia (+09:30) Adelaide")
        << 86 << QStringLiteral("Cen. Australia (+09:30) Adelaide") << 9.5 << "10"
        << "9.5";
    QTest::newRow("AUS Eastern (+10:00) Canberra, Melbourne, Sydney")
        << 87 << QStringLiteral("AUS Eastern (+10:00) Canberra, Melbourne, Sydney") << 10.0 << "10"
        << "10";
    QTest::newRow("E. Australia (+10:00) Brisbane")
        << 88 << QStringLiteral("E. Australia (+10:00) Brisbane") << 10.0 << "10"
        << "10";
    QTest::newRow("Tasmania (+10:00) Hobart") << 89 << QStringLiteral("Tasmania (+10:00) Hobart") << 10.0 << "10"
                                              << "10";
    QTest::newRow("Vladivostok (+10:00) Vladivostok")
        << 90 << QStringLiteral("Vladivostok (+10:00) Vladivostok") << 10.0 << "10"
        << "10";
    QTest::newRow("West Pacific (+10:00) Guam, Port Moresby")
        << 91 << QStringLiteral("West Pacific (+10:00) Guam, Port Moresby") << 10.0 << "10"
        << "10";
    QTest::newRow("Central Pacific (+11:00) Magadan, Solomon Is., New Caledonia")
        << 92 << QStringLiteral("Central Pacific (+11:00) Magadan, Solomon Is., New Caledonia") << 11.0 << "11"
        << "11";
}

void TestOffsetList::testEntry()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(double, hours);
    QFETCH(QString, shown);
    QFETCH(QString, saved);

    QCOMPARE(home->findChild<QComboBox*>(HomeNames::ComboBox1)->itemText(index), text);
    home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->setValue(99);
    home->FormActivate();
    home->findChild<QComboBox*>(HomeNames::ComboBox1)->setCurrentIndex(index);
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), hours);
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->text(), shown);
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->valueText(), saved);
    QVERIFY(home->paramsChanged());
}

void TestOffsetList::testNinetyThreeEntries()
{
    QCOMPARE(home->findChild<QComboBox*>(HomeNames::ComboBox1)->count(), 93);
    QCOMPARE(home->findChild<QComboBox*>(HomeNames::ComboBox1)->currentIndex(), -1);
    QVERIFY(!OffsetList::hoursAt(-1).has_value());
    QVERIFY(!OffsetList::hoursAt(93).has_value());
}

void TestOffsetList::testTypingChoosesNothing()
{
    home->show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));
    home->findChild<QComboBox*>(HomeNames::ComboBox1)->setCurrentIndex(74);
    home->FormActivate();
    QTest::keyClicks(home->findChild<QComboBox*>(HomeNames::ComboBox1)->lineEdit(), "Tokyo");
    QTest::keyClick(home->findChild<QComboBox*>(HomeNames::ComboBox1)->lineEdit(), Qt::Key_Return);
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), 5.5);
    QVERIFY(!home->paramsChanged());
    QCOMPARE(home->findChild<QComboBox*>(HomeNames::ComboBox1)->count(), 93);
}

void TestOffsetList::testChoosingTheOffsetAlreadyHeldChangesNothing()
{
    home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->setValue(-5);
    home->FormActivate();
    home->findChild<QComboBox*>(HomeNames::ComboBox1)->setCurrentIndex(18); // "GMT (-5:00)"
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), -5.0);
    QVERIFY(!home->paramsChanged());
}

QTEST_MAIN(TestOffsetList)
#include "TestOffsetList.moc"
