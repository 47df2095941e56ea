// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/HolidaysRow.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(HolidaysRow::Choice)

namespace {
QList<holidays::Country> someCountries()
{
    holidays::Country germany{QStringLiteral("DE"), QStringLiteral("Germany"), {QStringLiteral("de")}, {}, {}};
    germany.regions = {{QStringLiteral("DE-BY"), QStringLiteral("Bavaria"), {}},
                       {QStringLiteral("DE-BE"), QStringLiteral("Berlin"), {}}};
    const holidays::Country japan{QStringLiteral("JP"), QStringLiteral("Japan"), {QStringLiteral("ja")}, {}, {}};
    return {japan, germany};
}

HolidaysRow::Choice choice(bool shown, const char* area, bool bank = false, bool observances = false)
{
    return {shown, QLatin1String(area), bank, observances};
}
} // namespace

class TestHolidaysRow : public QObject
{
    Q_OBJECT
private slots:
    void testChoiceShownAndRead_data();
    void testChoiceShownAndRead();
    void testTheUsersChoiceReplacesTheZonesNote();
};

void TestHolidaysRow::testChoiceShownAndRead_data()
{
    QTest::addColumn<HolidaysRow::Choice>("shown");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QStringList>("regions");
    QTest::newRow("a region of Germany, bank holidays")
        << choice(true, "DE-BY", true) << "Germany" << QStringList{"Whole country", "Bavaria", "Berlin"};
    QTest::newRow("the whole of Germany")
        << choice(true, "DE") << "Germany" << QStringList{"Whole country", "Bavaria", "Berlin"};
    QTest::newRow("Japan, which has no regions, observances")
        << choice(true, "JP", false, true) << "Japan" << QStringList{"Whole country"};
    QTest::newRow("switched off, Japan kept") << choice(false, "JP") << "Japan" << QStringList{"Whole country"};
    QTest::newRow("a country the data does not have") << choice(false, "") << "" << QStringList{"Whole country"};
}

void TestHolidaysRow::testChoiceShownAndRead()
{
    QFETCH(HolidaysRow::Choice, shown);
    QFETCH(QString, country);
    QFETCH(QStringList, regions);
    QWidget dialog;
    HolidaysRow row(&dialog, someCountries);
    QSignalSpy chosen(&row, &HolidaysRow::chosen);
    // A kept choice of a country since gone from the data reads as none, never as the list's first country.
    row.showChoice(shown.area.isEmpty() ? choice(false, "FR") : shown);
    auto* countries = row.findChild<QComboBox*>(HolidaysNames::Country);
    auto* regionList = row.findChild<QComboBox*>(HolidaysNames::Region);
    // Listed by name, whatever the data's order.
    QCOMPARE(countries->itemText(0), QStringLiteral("Germany"));
    QCOMPARE(countries->currentText(), country);
    QStringList listed;
    for (int i = 0; i < regionList->count(); ++i)
        listed.append(regionList->itemText(i));
    QCOMPARE(listed, regions);
    QCOMPARE(regionList->isEnabled(), regions.size() > 1);
    QVERIFY(row.choice() == shown);
    QCOMPARE(chosen.size(), 0);
}

void TestHolidaysRow::testTheUsersChoiceReplacesTheZonesNote()
{
    QWidget dialog;
    HolidaysRow row(&dialog, someCountries);
    QSignalSpy chosen(&row, &HolidaysRow::chosen);
    row.showChoice(choice(true, "DE-BE"), QStringLiteral("Chosen from the time zone Europe/Berlin"));
    auto* note = row.findChild<QLabel*>(HolidaysNames::FromZone);
    QVERIFY(!note->isHidden());
    QCOMPARE(row.note(), QStringLiteral("Chosen from the time zone Europe/Berlin"));
    // Another country lists its regions afresh and starts on the whole country.
    row.findChild<QComboBox*>(HolidaysNames::Country)->setCurrentIndex(1);
    QCOMPARE(chosen.size(), 1);
    QVERIFY(chosen.at(0).at(0).value<HolidaysRow::Choice>() == choice(true, "JP"));
    QVERIFY(note->isHidden());
    row.findChild<QCheckBox*>(HolidaysNames::Shown)->click();
    QVERIFY(chosen.last().at(0).value<HolidaysRow::Choice>() == choice(false, "JP"));
}

QTEST_MAIN(TestHolidaysRow)
#include "TestHolidaysRow.moc"
