// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/CountryHolidays.h"
#include "holidays/HolidayIndex.h"
#include <QDirIterator>
#include <QtTest>

using holidays::CountryHolidays;
using holidays::Kind;
using holidays::YearHolidays;

// The shipped files and their reader: every country of the index readable for 1970 to 2100, the data under 3 MB,
// years outside said to be unknown, names in the best language, the kinds asked for, and any damaged file refused.
class TestHolidayFiles : public QObject
{
    Q_OBJECT

private slots:
    void testShippedData();
    void testYearsOutsideTheData_data();
    void testYearsOutsideTheData();
    void testNames_data();
    void testNames();
    void testKinds();
    void testHolidayOfSeveralDays();
    void testDamagedFile_data();
    void testDamagedFile();
    void testOnlyCountryCodesAreRead_data();
    void testOnlyCountryCodesAreRead();
};

namespace {
// A small country file: New Year every year, a moving day (day 100 of 2020, none in 2021, day 95 of 2022), one
// bank day in 2021 and a region that drops New Year and adds its own day.
const QByteArray GoodFile = "# a comment\n"
                            "V\t1\t2020\t2022\t1.0\tZZ\n"
                            "L\txx\n"
                            "N\t0\ten=New Year\txx=Newyear\n"
                            "N\t1\ten=Moving Day\n"
                            "N\t2\ten=Region Day\n"
                            "H\t0\tp\t0\t0101:2020-2022\n"
                            "H\t1\to\t1\t~2020:2s002n 0704:2021\n"
                            "H\t2\tb\t2\t0229:2020\n"
                            "C\t0,1\n"
                            "R\tZZ-A\t0\t2\n";

QStringList datesOf(const YearHolidays& holidays)
{
    QStringList dates;
    for (const holidays::Holiday& holiday : holidays.days)
        dates.append(holiday.date.toString(Qt::ISODate));
    return dates;
}
} // namespace

void TestHolidayFiles::testShippedData()
{
    qint64 size = 0;
    QDirIterator files(QStringLiteral(HOLIDAY_FILES), QDir::Files);
    while (files.hasNext())
        size += QFileInfo(files.next()).size();
    QVERIFY2(size > 0 && size < 3 * 1000 * 1000, qPrintable(QString::number(size)));

    const QList<holidays::Country> countries = holidays::countries({QStringLiteral("en")});
    QVERIFY2(countries.size() >= 190, qPrintable(QString::number(countries.size())));
    for (const holidays::Country& country : countries) {
        const CountryHolidays data = CountryHolidays::read(country.code);
        QVERIFY2(data.isValid(), qPrintable(country.code));
        QVERIFY2(!country.name.isEmpty(), qPrintable(country.code));
        QVERIFY(data.firstYear() <= 1970 && data.lastYear() >= 2100);
        for (const holidays::Region& region : country.regions)
            QVERIFY2(data.hasArea(region.code), qPrintable(region.code));
    }
}

void TestHolidayFiles::testYearsOutsideTheData_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<YearHolidays::Status>("status");
    QTest::addColumn<QString>("firstDay");

    QTest::newRow("1969, before the data") << 1969 << YearHolidays::Status::NotKnown << "";
    QTest::newRow("1970, its first year") << 1970 << YearHolidays::Status::Known << "1970-01-01";
    QTest::newRow("2100, its last year") << 2100 << YearHolidays::Status::Known << "2100-01-01";
    QTest::newRow("2101, after the data") << 2101 << YearHolidays::Status::NotKnown << "";
}

void TestHolidayFiles::testYearsOutsideTheData()
{
    QFETCH(int, year);
    QFETCH(YearHolidays::Status, status);
    QFETCH(QString, firstDay);
    for (const QString& area : {QStringLiteral("DE"), QStringLiteral("DE-BY"), QStringLiteral("JP")}) {
        const YearHolidays shown = holidays::holidaysOf(area, year, Kind::Public, {});
        QCOMPARE(shown.status, status);
        QCOMPARE(datesOf(shown).value(0), firstDay);
    }
}

void TestHolidayFiles::testNames_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("name");

    QTest::newRow("German user, German day") << "DE" << QDate(2025, 1, 1) << QStringList{"de-de", "de"} << "Neujahr";
    QTest::newRow("French user, German day") << "DE" << QDate(2025, 1, 1) << QStringList{"fr"} << "Nouvel An";
    QTest::newRow("Austrian German finds German")
        << "DE" << QDate(2025, 5, 1) << QStringList{"de-at"} << "Tag der Arbeit";
    QTest::newRow("language without names: the country's")
        << "DE" << QDate(2025, 5, 29) << QStringList{"pl"} << "Christi Himmelfahrt";
    QTest::newRow("Japanese: country's own from the data's jp")
        << "JP" << QDate(2025, 1, 1) << QStringList{"ja"} << "元日";
    QTest::newRow("American English") << "US" << QDate(2025, 9, 1) << QStringList{"en-us", "en"} << "Labor Day";
    QTest::newRow("substitute day named so")
        << "GB-ENG" << QDate(2026, 12, 28) << QStringList{"en"} << "Boxing Day (substitute day)";
    QTest::newRow("region's own day") << "DE-BY" << QDate(2025, 1, 6) << QStringList{"en"} << "Epiphany";
}

void TestHolidayFiles::testNames()
{
    QFETCH(QString, area);
    QFETCH(QDate, day);
    QFETCH(QStringList, languages);
    QFETCH(QString, name);
    const YearHolidays shown = holidays::holidaysOf(area, day.year(), Kind::Public, languages);
    QStringList names;
    for (const holidays::Holiday& holiday : shown.days)
        if (holiday.date == day)
            names.append(holiday.name);
    QCOMPARE(names, QStringList{name});
}

void TestHolidayFiles::testKinds()
{
    const CountryHolidays data = CountryHolidays::fromText(GoodFile);
    QVERIFY(data.isValid());
    const holidays::Kinds all = Kind::Public | Kind::Bank | Kind::Observance;
    QCOMPARE(datesOf(data.year(2020, QString(), all, {})), (QStringList{"2020-01-01", "2020-04-09"}));
    QCOMPARE(datesOf(data.year(2021, QString(), all, {})), (QStringList{"2021-01-01", "2021-07-04"}));
    QCOMPARE(datesOf(data.year(2022, QString(), Kind::Observance, {})), QStringList{"2022-04-05"});
    QCOMPARE(datesOf(data.year(2020, QStringLiteral("ZZ-A"), all, {})), (QStringList{"2020-02-29", "2020-04-09"}));
    QCOMPARE(datesOf(data.year(2020, QStringLiteral("ZZ-A"), Kind::Bank, {})), QStringList{"2020-02-29"});
    QCOMPARE(data.year(2020, QStringLiteral("ZZ"), Kind::Public, {}).days.value(0).name, QStringLiteral("Newyear"));
    QCOMPARE(data.year(2020, QStringLiteral("ZZ-B"), all, {}).status, YearHolidays::Status::NoData);

    // In the shipped data: Bavaria's bank days are Christmas Eve and New Year's Eve.
    QCOMPARE(datesOf(holidays::holidaysOf(QStringLiteral("DE-BY"), 2025, Kind::Bank, {})),
             (QStringList{"2025-12-24", "2025-12-31"}));
}

// The data's holidays that last several days mark each of their days: the Emirates' Eid al-Fitr of 2025, three
// days from 1 Shawwal (30 March), as the government gave them.
void TestHolidayFiles::testHolidayOfSeveralDays()
{
    const auto datesNamed = [](const QString& area, const QString& name) {
        QStringList dates;
        for (const holidays::Holiday& holiday :
             holidays::holidaysOf(area, 2025, Kind::Public, {QStringLiteral("en")}).days)
            if (holiday.name == name)
                dates.append(holiday.date.toString(Qt::ISODate));
        return dates;
    };
    QCOMPARE(datesNamed(QStringLiteral("AE"), QStringLiteral("End of Ramadan (Eid al-Fitr)")),
             (QStringList{"2025-03-30", "2025-03-31", "2025-04-01"}));
}

void TestHolidayFiles::testDamagedFile_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");

    QTest::newRow("no version line") << QByteArray("V\t1\t2020\t2022\t1.0\tZZ\n") << QByteArray();
    QTest::newRow("another format") << QByteArray("V\t1\t") << QByteArray("V\t2\t");
    QTest::newRow("last year before first") << QByteArray("2020\t2022") << QByteArray("2022\t2020");
    QTest::newRow("not a country code") << QByteArray("1.0\tZZ") << QByteArray("1.0\t../ZZ");
    QTest::newRow("name out of order") << QByteArray("N\t1\t") << QByteArray("N\t7\t");
    QTest::newRow("name without language") << QByteArray("en=Moving Day") << QByteArray("Moving Day");
    QTest::newRow("unknown kind") << QByteArray("H\t0\tp\t") << QByteArray("H\t0\tx\t");
    QTest::newRow("name id out of range") << QByteArray("H\t0\tp\t0\t") << QByteArray("H\t0\tp\t9\t");
    QTest::newRow("run beyond the last year") << QByteArray("0101:2020-2022") << QByteArray("0101:2020-2023");
    QTest::newRow("no such date") << QByteArray("0704:2021") << QByteArray("0431:2021");
    QTest::newRow("29 February of a common year") << QByteArray("0229:2020") << QByteArray("0229:2021");
    QTest::newRow("day 367") << QByteArray("~2020:2s002n") << QByteArray("~2020:a72s");
    QTest::newRow("day 366 of a common year") << QByteArray("~2020:2s002n") << QByteArray("~2021:a6");
    QTest::newRow("half a day code") << QByteArray("~2020:2s002n") << QByteArray("~2020:2s0");
    QTest::newRow("capital digit") << QByteArray("~2020:2s002n") << QByteArray("~2020:2S002n");
    QTest::newRow("sequence past the data") << QByteArray("~2020:2s002n") << QByteArray("~2021:2s002n");
    QTest::newRow("holiday id out of range") << QByteArray("C\t0,1") << QByteArray("C\t0,5");
    QTest::newRow("negative id") << QByteArray("C\t0,1") << QByteArray("C\t0,-1");
    QTest::newRow("region of another country") << QByteArray("R\tZZ-A") << QByteArray("R\tYY-A");
    QTest::newRow("region before the country's set") << QByteArray("C\t0,1\n") << QByteArray();
    QTest::newRow("unknown line") << QByteArray("L\txx\n") << QByteArray("Q\txx\n");
    QTest::newRow("cut short") << QByteArray("C\t0,1\nR\tZZ-A\t0\t2\n") << QByteArray();
}

void TestHolidayFiles::testDamagedFile()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QByteArray text = GoodFile;
    QVERIFY(text.contains(from));
    text.replace(from, to);
    const CountryHolidays data = CountryHolidays::fromText(text);
    QVERIFY(!data.isValid());
    QCOMPARE(data.year(2021, QString(), Kind::Public, {}).status, YearHolidays::Status::NoData);
    QVERIFY(data.year(2021, QString(), Kind::Public, {}).days.isEmpty());

    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("ZZ.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    QCOMPARE(holidays::holidaysOf(QStringLiteral("ZZ"), 2021, Kind::Public, {}, folder.path()).status,
             YearHolidays::Status::NoData);
}

void TestHolidayFiles::testOnlyCountryCodesAreRead_data()
{
    QTest::addColumn<QString>("area");
    QTest::newRow("the good file") << "ZZ";
    QTest::newRow("lower case") << "zz";
    QTest::newRow("a path") << "..";
    QTest::newRow("empty") << "";
    QTest::newRow("another country's file name") << "YY";
}

void TestHolidayFiles::testOnlyCountryCodesAreRead()
{
    QFETCH(QString, area);
    QTemporaryDir folder;
    for (const QString& name : {QStringLiteral("ZZ.txt"), QStringLiteral("zz.txt"), QStringLiteral("...txt"),
                                QStringLiteral(".txt"), QStringLiteral("YY.txt")}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(GoodFile);
    }
    // YY.txt holds ZZ's data: a file must be the country it is read for.
    const bool readable = area == QStringLiteral("ZZ");
    QCOMPARE(CountryHolidays::read(area, folder.path()).isValid(), readable);
    QCOMPARE(holidays::holidaysOf(area, 2021, Kind::Public, {}, folder.path()).status,
             readable ? YearHolidays::Status::Known : YearHolidays::Status::NoData);
}

QTEST_GUILESS_MAIN(TestHolidayFiles)
#include "TestHolidayFiles.moc"
