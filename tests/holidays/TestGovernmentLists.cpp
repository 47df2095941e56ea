// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/CountryHolidays.h"
#include <QtTest>

// The public holidays of eight countries and some of their regions in 2025 to 2027, written from the lists their
// governments publish, against the days the program shows. Where the data set differs, the row says how: `lacks`
// (government days the data does not have) and `adds` (days the data has beyond the list), each explained beside it.
class TestGovernmentLists : public QObject
{
    Q_OBJECT

private slots:
    void testPublicHolidays_data();
    void testPublicHolidays();
};

namespace {
QSet<QDate> daysOf(int year, const QString& monthDays)
{
    QSet<QDate> days;
    for (const QString& monthDay : monthDays.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        days.insert(QDate(year, monthDay.left(2).toInt(), monthDay.mid(3).toInt()));
    return days;
}

QString listed(QList<QDate> days)
{
    std::sort(days.begin(), days.end());
    QStringList texts;
    for (const QDate& day : days)
        texts.append(day.toString(Qt::ISODate));
    return texts.join(QLatin1Char(' '));
}
} // namespace

void TestGovernmentLists::testPublicHolidays_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("government");
    QTest::addColumn<QString>("lacks");
    QTest::addColumn<QString>("adds");

    // Germany: the federal holidays (Neujahr, Karfreitag, Ostermontag, Tag der Arbeit, Christi Himmelfahrt,
    // Pfingstmontag, Tag der Deutschen Einheit, both Christmas days).
    QTest::newRow("Germany 2025") << "DE" << 2025 << "01-01 04-18 04-21 05-01 05-29 06-09 10-03 12-25 12-26"
                                  << ""
                                  << "";
    QTest::newRow("Germany 2026") << "DE" << 2026 << "01-01 04-03 04-06 05-01 05-14 05-25 10-03 12-25 12-26"
                                  << ""
                                  << "";
    QTest::newRow("Germany 2027") << "DE" << 2027 << "01-01 03-26 03-29 05-01 05-06 05-17 10-03 12-25 12-26"
                                  << ""
                                  << "";
    // Bavaria adds Heilige Drei Könige, Fronleichnam and Allerheiligen; Mariä Himmelfahrt (15 August) is a holiday
    // only in its mainly Catholic communities, so not in the state's list.
    QTest::newRow("Bavaria 2025") << "DE-BY" << 2025
                                  << "01-01 01-06 04-18 04-21 05-01 05-29 06-09 06-19 10-03 11-01 12-25 12-26"
                                  << ""
                                  << "";
    QTest::newRow("Bavaria 2026") << "DE-BY" << 2026
                                  << "01-01 01-06 04-03 04-06 05-01 05-14 05-25 06-04 10-03 11-01 12-25 12-26"
                                  << ""
                                  << "";
    QTest::newRow("Bavaria 2027") << "DE-BY" << 2027
                                  << "01-01 01-06 03-26 03-29 05-01 05-06 05-17 05-27 10-03 11-01 12-25 12-26"
                                  << ""
                                  << "";
    // Berlin adds the Internationaler Frauentag (since 2019) and, once, 8 May 2025 (80 years since the war's end).
    QTest::newRow("Berlin 2025") << "DE-BE" << 2025
                                 << "01-01 03-08 04-18 04-21 05-01 05-08 05-29 06-09 10-03 12-25 12-26"
                                 << ""
                                 << "";
    QTest::newRow("Berlin 2026") << "DE-BE" << 2026 << "01-01 03-08 04-03 04-06 05-01 05-14 05-25 10-03 12-25 12-26"
                                 << ""
                                 << "";
    QTest::newRow("Berlin 2027") << "DE-BE" << 2027 << "01-01 03-08 03-26 03-29 05-01 05-06 05-17 10-03 12-25 12-26"
                                 << ""
                                 << "";

    // The United States: the federal holidays as the Office of Personnel Management lists them, a Saturday's
    // holiday kept on the Friday before and a Sunday's on the Monday after (1 January 2028 on 31 December 2027).
    // The data keeps the day itself as a holiday too, beside the day kept off.
    QTest::newRow("United States 2025") << "US" << 2025
                                        << "01-01 01-20 02-17 05-26 06-19 07-04 09-01 10-13 11-11 11-27 12-25"
                                        << ""
                                        << "";
    QTest::newRow("United States 2026") << "US" << 2026
                                        << "01-01 01-19 02-16 05-25 06-19 07-03 09-07 10-12 11-11 11-26 12-25"
                                        << ""
                                        << "07-04";
    QTest::newRow("United States 2027") << "US" << 2027
                                        << "01-01 01-18 02-15 05-31 06-18 07-05 09-06 10-11 11-11 11-25 12-24 12-31"
                                        << ""
                                        << "06-19 07-04 12-25";
    // Massachusetts adds Patriots' Day (third Monday in April). The data also counts Evacuation Day (17 March) and
    // Bunker Hill Day (17 June), holidays of Suffolk County (Boston) only, as the whole state's.
    QTest::newRow("Massachusetts 2025") << "US-MA" << 2025
                                        << "01-01 01-20 02-17 04-21 05-26 06-19 07-04 09-01 10-13 11-11 11-27 12-25"
                                        << ""
                                        << "03-17 06-17";
    QTest::newRow("Massachusetts 2026") << "US-MA" << 2026
                                        << "01-01 01-19 02-16 04-20 05-25 06-19 07-03 09-07 10-12 11-11 11-26 12-25"
                                        << ""
                                        << "03-17 06-17 07-04";
    QTest::newRow("Massachusetts 2027")
        << "US-MA" << 2027 << "01-01 01-18 02-15 04-19 05-31 06-18 07-05 09-06 10-11 11-11 11-25 12-24 12-31"
        << ""
        << "03-17 06-17 06-19 07-04 12-25";

    // France: the jours fériés of the Code du travail (art. L3133-1); Alsace-Moselle's two more are a region's.
    QTest::newRow("France 2025") << "FR" << 2025 << "01-01 04-21 05-01 05-08 05-29 06-09 07-14 08-15 11-01 11-11 12-25"
                                 << ""
                                 << "";
    QTest::newRow("France 2026") << "FR" << 2026 << "01-01 04-06 05-01 05-08 05-14 05-25 07-14 08-15 11-01 11-11 12-25"
                                 << ""
                                 << "";
    QTest::newRow("France 2027") << "FR" << 2027 << "01-01 03-29 05-01 05-06 05-08 05-17 07-14 08-15 11-01 11-11 12-25"
                                 << ""
                                 << "";

    // The United Kingdom's bank holidays as GOV.UK lists them, a weekend's holiday given as its substitute day only;
    // the data keeps the weekend day itself as well.
    QTest::newRow("England 2025") << "GB-ENG" << 2025 << "01-01 04-18 04-21 05-05 05-26 08-25 12-25 12-26"
                                  << ""
                                  << "";
    QTest::newRow("England 2026") << "GB-ENG" << 2026 << "01-01 04-03 04-06 05-04 05-25 08-31 12-25 12-28"
                                  << ""
                                  << "12-26";
    QTest::newRow("England 2027") << "GB-ENG" << 2027 << "01-01 03-26 03-29 05-03 05-31 08-30 12-27 12-28"
                                  << ""
                                  << "12-25 12-26";
    QTest::newRow("Scotland 2025") << "GB-SCT" << 2025 << "01-01 01-02 04-18 05-05 05-26 08-04 12-01 12-25 12-26"
                                   << ""
                                   << "11-30";
    QTest::newRow("Scotland 2026") << "GB-SCT" << 2026 << "01-01 01-02 04-03 05-04 05-25 08-03 11-30 12-25 12-28"
                                   << ""
                                   << "12-26";
    QTest::newRow("Scotland 2027") << "GB-SCT" << 2027 << "01-01 01-04 03-26 05-03 05-31 08-02 11-30 12-27 12-28"
                                   << ""
                                   << "01-02 12-25 12-26";

    // Japan: the national holidays as the Cabinet Office lists them, with the substitute holidays (a Sunday's holiday
    // moved to the next working day) and the citizens' holiday between two holidays (22 September 2026).
    QTest::newRow("Japan 2025") << "JP" << 2025
                                << "01-01 01-13 02-11 02-23 02-24 03-20 04-29 05-03 05-04 05-05 05-06 07-21 08-11 "
                                   "09-15 09-23 10-13 11-03 11-23 11-24"
                                << ""
                                << "";
    QTest::newRow("Japan 2026") << "JP" << 2026
                                << "01-01 01-12 02-11 02-23 03-20 04-29 05-03 05-04 05-05 05-06 07-20 08-11 09-21 "
                                   "09-22 09-23 10-12 11-03 11-23"
                                << ""
                                << "";
    QTest::newRow("Japan 2027") << "JP" << 2027
                                << "01-01 01-11 02-11 02-23 03-21 03-22 04-29 05-03 05-04 05-05 07-19 08-11 09-20 "
                                   "09-23 10-11 11-03 11-23"
                                << ""
                                << "";

    // Brazil: the national holidays of the federal government's yearly list (Carnival and Corpus Christi are optional
    // days there, bank days in the data). The data adds the Sundays of the general election, which the Electoral
    // Code (art. 380) makes national holidays.
    QTest::newRow("Brazil 2025") << "BR" << 2025 << "01-01 04-18 04-21 05-01 09-07 10-12 11-02 11-15 11-20 12-25"
                                 << ""
                                 << "";
    QTest::newRow("Brazil 2026") << "BR" << 2026 << "01-01 04-03 04-21 05-01 09-07 10-12 11-02 11-15 11-20 12-25"
                                 << ""
                                 << "10-04 10-25";
    QTest::newRow("Brazil 2027") << "BR" << 2027 << "01-01 03-26 04-21 05-01 09-07 10-12 11-02 11-15 11-20 12-25"
                                 << ""
                                 << "";

    // New South Wales: the public holidays of its Public Holidays Act 2010 (Easter Saturday and Sunday included;
    // Australia Day on the Monday when 26 January is a weekend day; an additional day for Christmas and Boxing Day on
    // a weekend). The Act adds no day for Anzac Day on a weekend; the data adds the Monday after.
    QTest::newRow("New South Wales 2025")
        << "AU-NSW" << 2025 << "01-01 01-27 04-18 04-19 04-20 04-21 04-25 06-09 10-06 12-25 12-26"
        << ""
        << "";
    QTest::newRow("New South Wales 2026")
        << "AU-NSW" << 2026 << "01-01 01-26 04-03 04-04 04-05 04-06 04-25 06-08 10-05 12-25 12-26 12-28"
        << ""
        << "04-27";
    QTest::newRow("New South Wales 2027")
        << "AU-NSW" << 2027 << "01-01 01-26 03-26 03-27 03-28 03-29 04-25 06-14 10-04 12-25 12-26 12-27 12-28"
        << ""
        << "04-26";

    // India: the compulsory holidays of the central government's offices (the Department of Personnel and
    // Training's yearly memorandum; each state capital's committee adds three of its own). The data set has only
    // the days of the Gregorian calendar and Good Friday: it lacks every holiday of the Hindu, Jain, Buddhist, Sikh
    // and Islamic calendars. It adds Ambedkar Jayanti (14 April), which the memorandum does not list. For 2027
    // only the days fixed by the Gregorian calendar are written: that year's memorandum was not at hand.
    QTest::newRow("India 2025") << "IN" << 2025
                                << "01-26 03-31 04-10 04-18 05-12 06-07 07-06 08-15 09-05 10-02 10-20 11-05 12-25"
                                << "03-31 04-10 05-12 06-07 07-06 09-05 10-20 11-05"
                                << "04-14";
    QTest::newRow("India 2026") << "IN" << 2026
                                << "01-26 03-21 03-31 04-03 05-01 05-27 06-26 08-15 08-26 10-02 10-20 11-08 11-24 12-25"
                                << "03-21 03-31 05-01 05-27 06-26 08-26 10-20 11-08 11-24"
                                << "04-14";
    QTest::newRow("India 2027") << "IN" << 2027 << "01-26 03-26 08-15 10-02 12-25"
                                << ""
                                << "04-14";
}

void TestGovernmentLists::testPublicHolidays()
{
    QFETCH(QString, area);
    QFETCH(int, year);
    QFETCH(QString, government);
    QFETCH(QString, lacks);
    QFETCH(QString, adds);

    const QSet<QDate> listedDays = daysOf(year, government);
    const QSet<QDate> lacked = daysOf(year, lacks);
    const QSet<QDate> added = daysOf(year, adds);
    QVERIFY2(listedDays.contains(lacked), "a day the data lacks must be one of the government's");
    QVERIFY2(!listedDays.intersects(added), "a day the data adds must not be one of the government's");
    const QSet<QDate> expected = (listedDays - lacked) | added;

    const holidays::YearHolidays shown =
        holidays::holidaysOf(area, year, holidays::Kind::Public, {QStringLiteral("en")});
    QCOMPARE(shown.status, holidays::YearHolidays::Status::Known);
    QList<QDate> days;
    for (const holidays::Holiday& holiday : shown.days) {
        QCOMPARE(holiday.kind, holidays::Kind::Public);
        QVERIFY2(!holiday.name.isEmpty(), qPrintable(holiday.date.toString(Qt::ISODate)));
        if (!days.contains(holiday.date))
            days.append(holiday.date);
    }
    QCOMPARE(listed(days), listed(expected.values()));
}

QTEST_GUILESS_MAIN(TestGovernmentLists)
#include "TestGovernmentLists.moc"
