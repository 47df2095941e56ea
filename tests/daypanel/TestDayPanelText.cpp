// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanelText.h"
#include "shared/MarkWords.h"
#include "shared/SkyPlaceOf.h"
#include "translations/Translations.h"
#include <QtTest>

// The Day panel's lines for a few telling days, written as a reader in Britain would see them; the times were
// taken from PyEphem, the counts by hand.
namespace {
const QLocale British(QLocale::English, QLocale::UnitedKingdom);

struct Where
{
    double latitude, longitudeWest;
    QString zone;
    double offset;
};

QString lineOf(const QList<PanelLine>& lines, const QString& name)
{
    for (const PanelLine& line : lines)
        if (line.name == name)
            return line.text;
    return QStringLiteral("(no line %1)").arg(name);
}
} // namespace
Q_DECLARE_METATYPE(Where)

class TestDayPanelText : public QObject
{
    Q_OBJECT

private slots:
    void testLines_data();
    void testLines();
    void testSpanInWords_data();
    void testSpanInWords();
    void testCopyIsEveryLine();
    void testHolidayLines_data();
    void testHolidayLines();
    void testADayOfManyEventsListsTheFirst_data();
    void testADayOfManyEventsListsTheFirst();
    void testTheHourAgreesInSpanish_data();
    void testTheHourAgreesInSpanish();
};

void TestDayPanelText::testHolidayLines_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("holidays");
    QTest::addColumn<bool>("notKnown");
    QTest::addColumn<QStringList>("expected"); // the lines after the date's, as "name: text"
    QTest::newRow("no holiday") << QDate(2026, 3, 18) << QStringList{} << false
                                << QStringList{"Day of year: 77 of 365"};
    QTest::newRow("one holiday") << QDate(2026, 1, 6) << QStringList{"Epiphany"} << false
                                 << QStringList{"Holidays: Epiphany", "Day of year: 6 of 365"};
    QTest::newRow("two on one day, in the data's order")
        << QDate(2026, 4, 5) << QStringList{"Easter Sunday", "Children's Day"} << false
        << QStringList{"Holidays: Easter Sunday; Children's Day", "Day of year: 95 of 365"};
    QTest::newRow("a year the data does not hold")
        << QDate(2101, 1, 1) << QStringList{} << true
        << QStringList{"Holidays: Holidays are not known for 2101", "Day of year: 1 of 365"};
}

void TestDayPanelText::testHolidayLines()
{
    QFETCH(QDate, day);
    QFETCH(QStringList, holidays);
    QFETCH(bool, notKnown);
    QFETCH(QStringList, expected);
    Preferences preferences;
    preferences.gmtOffset = 1;
    DayPanelInput input;
    input.place = skyPlaceOf(preferences, 52.52, -13.40);
    SkyCalculator calculator;
    input.sky = calculator.dayAt(day, input.place);
    input.locale = British;
    input.holidays = holidays;
    input.holidaysNotKnown = notKnown;
    const QList<PanelLine> lines = dayPanelLines(input);
    QCOMPARE(lines.first().name, QStringLiteral("Date"));
    QStringList after;
    for (qsizetype i = 1; i <= expected.size() && i < lines.size(); ++i)
        after.append(lines[i].name + QStringLiteral(": ") + lines[i].text);
    QCOMPARE(after, expected);
}

void TestDayPanelText::testLines_data()
{
    QTest::addColumn<Where>("where");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("military");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    const Where berlin{52.52, -13.40, QStringLiteral("Europe/Berlin"), 1};
    const Where hammerfest{70.66, -23.68, QString(), 2};
    const Where berlinFixed{52.52, -13.40, QString(), 1};
    const QDate dst(2026, 3, 29); // clocks go forward at 02:00: the day has 23 hours
    QTest::newRow("DST day, sunrise in summer time") << berlin << dst << true << "Sunrise"
                                                     << "06:48, 29/03/2026";
    QTest::newRow("DST day, sunset in summer time") << berlin << dst << true << "Sunset"
                                                    << "19:35, 29/03/2026";
    QTest::newRow("DST day, 12-hour clock") << berlin << dst << false << "Sunset"
                                            << "7:35 PM, 29/03/2026";
    QTest::newRow("DST day, day length is the sun's") << berlin << dst << true << "Day length"
                                                      << "12 h 47 min";
    QTest::newRow("DST day, ISO week") << berlin << dst << true << "ISO week"
                                       << "13";
    QTest::newRow("DST day, Sunday week") << berlin << dst << true << "Span week (Sun to Sat)"
                                          << "14";
    QTest::newRow("DST day, day of year") << berlin << dst << true << "Day of year"
                                          << "88 of 365";
    QTest::newRow("midnight sun, said") << hammerfest << QDate(2024, 6, 21) << true << "Sun"
                                        << "Midnight sun: above the horizon all day";
    QTest::newRow("midnight sun, no sunrise") << hammerfest << QDate(2024, 6, 21) << true << "Sunrise"
                                              << "none: midnight sun, up all day";
    QTest::newRow("midnight sun, whole day") << hammerfest << QDate(2024, 6, 21) << true << "Day length"
                                             << "24 h 00 min";
    QTest::newRow("midnight sun, no change") << hammerfest << QDate(2024, 6, 21) << true << "Change from day before"
                                             << "no change";
    QTest::newRow("polar night") << hammerfest << QDate(2024, 12, 21) << true << "Sun"
                                 << "Polar night: below the horizon all day";
    QTest::newRow("no moonrise") << berlinFixed << QDate(1950, 5, 5) << true << "Moonrise"
                                 << "none this day";
    QTest::newRow("full moon of 1 Feb 2026") << berlin << QDate(2026, 2, 1) << true << "Moon phase at 18:00"
                                             << "Full moon";
    // PyEphem: 22:09:10 UT; libnova's moon, its series cut for speed, comes some 30 s later, rounded to 23:10.
    // PyEphem: 22:09:10 UT.
    QTest::newRow("next full moon") << berlin << QDate(2026, 1, 20) << true << "Next full moon"
                                    << "23:09, 01/02/2026";
    QTest::newRow("a full moon's own day") << berlin << QDate(2026, 2, 1) << true << "Marked"
                                           << "full moon at 23:09";
    // PyEphem: 08:24:31 UT.
    QTest::newRow("the June solstice, 12-hour clock") << berlin << QDate(2026, 6, 21) << false << "Marked"
                                                      << "June solstice at 10:24 AM";
    // PyEphem, Berlin on 21 June 2024 (summer time): the sun's centre at -6, -4 and +6 degrees, its directions.
    const QDate june(2024, 6, 21);
    QTest::newRow("blue hour, morning") << berlin << june << true << "Blue hour, morning"
                                        << "03:53 to 04:14";
    QTest::newRow("golden hour, morning") << berlin << june << true << "Golden hour, morning"
                                          << "04:14 to 05:39";
    QTest::newRow("golden hour, evening") << berlin << june << true << "Golden hour, evening"
                                          << "20:37 to 22:03";
    QTest::newRow("blue hour, evening, 12-hour clock") << berlin << june << false << "Blue hour, evening"
                                                       << "10:03 PM to 10:24 PM";
    QTest::newRow("sunrise direction") << berlin << june << true << "Sunrise direction"
                                       << "48°";
    QTest::newRow("sunset direction") << berlin << june << true << "Sunset direction"
                                      << "312°";
    QTest::newRow("the sun's height at noon") << berlin << june << true << "Sun's height at noon"
                                              << "60.9°";
    QTest::newRow("moonset direction") << berlin << june << true << "Moonset direction"
                                       << "221°";
    // Hammerfest: the summer sun stays above -4 degrees, the winter sun below it.
    QTest::newRow("midnight sun, golden light at the day's start")
        << hammerfest << june << true << "Golden hour, morning"
        << "until 02:15";
    QTest::newRow("midnight sun, golden light at the day's end") << hammerfest << june << true << "Golden hour, evening"
                                                                 << "from 22:39";
    // Civil dusk, PyEphem 12:11:24 UT: the sun grazes -6 degrees, so the program's seconds later round up.
    // One blue stretch when the sun stays between -6 and -4 degrees: PyEphem 10:35:40 to 14:11:24; the sun grazes
    // -6 degrees, so the program's seconds later round up.
    QTest::newRow("polar night, one blue stretch") << hammerfest << QDate(2024, 12, 21) << true << "Blue hour, morning"
                                                   << "10:36 to 14:12";
    QTest::newRow("polar night, no blue evening") << hammerfest << QDate(2024, 12, 21) << true << "Blue hour, evening"
                                                  << "none this day";
    QTest::newRow("polar night, no golden hour") << hammerfest << QDate(2024, 12, 21) << true << "Golden hour, evening"
                                                 << "none this day";
    // PyEphem: in Bergen (UTC+2) the sun sets through -4 degrees at 00:06:16 and -6 at 01:14:02, the tail of the
    // night before, and through +6 at 21:49:17; in Tromsoe (UTC+1) it peaks below +6, rising through -4 at 10:29:53 and
    // setting through it at 12:54:57.
    const Where bergen{60.39, -5.32, QString(), 2};
    const Where tromso{69.65, -18.96, QString(), 1};
    QTest::newRow("golden evening over midnight") << bergen << june << true << "Golden hour, evening"
                                                  << "until 00:06; from 21:49";
    QTest::newRow("blue evening after midnight") << bergen << june << true << "Blue hour, evening"
                                                 << "00:06 to 01:14";
    QTest::newRow("winter sun below 6 degrees") << tromso << QDate(2024, 12, 21) << true << "Golden hour, morning"
                                                << "10:30 to 12:55";
    QTest::newRow("winter sun below 6, no golden evening")
        << tromso << QDate(2024, 12, 21) << true << "Golden hour, evening"
        << "none this day";
    QTest::newRow("golden all day near the pole at the equinox")
        << Where{88, 0, QString(), 0} << QDate(2024, 3, 20) << true << "Golden hour, morning"
        << "all day";
    QTest::newRow("midnight sun, no sunrise direction") << hammerfest << june << true << "Sunrise direction"
                                                        << "none: midnight sun, up all day";
    // PyEphem: the full moon of 17 October 2024 at 11:26:21 UT, 357,367 km away; that of 15 November at 21:28:29 UT,
    // 361,873 km, beyond the 360,000 km of a supermoon.
    QTest::newRow("a supermoon") << berlin << QDate(2024, 10, 17) << true << "Marked"
                                 << "full moon at 13:26, a supermoon, 357,400 km away";
    QTest::newRow("a full moon a little farther") << berlin << QDate(2024, 11, 15) << true << "Marked"
                                                  << "full moon at 22:28";
    // The eclipses of 2026 at Berlin's clock: the partial phase of 12 August, 85 % at its greatest, as PyEphem sees it
    // (tools/eclipseReference.py); the lunar eclipses' phases within a minute of the canon's (3 March: 08:44, 09:50,
    // 11:04, 11:33, 12:03, 13:17, 14:23 UT; 28 August: 01:23, 02:33, 04:12, 05:52, 07:02 UT).
    QTest::newRow("a total solar eclipse elsewhere") << berlin << QDate(2026, 8, 12) << true << "Marked"
                                                     << "new moon at 19:37; total solar eclipse at 19:46";
    QTest::newRow("its partial phase here")
        << berlin << QDate(2026, 8, 12) << true << "Solar eclipse"
        << "partial here, 85% of the sun covered; 19:15 to 20:59, greatest at 20:08; the sun sets during it";
    QTest::newRow("an annular eclipse in Antarctica") << berlin << QDate(2026, 2, 17) << true << "Solar eclipse"
                                                      << "not seen here";
    QTest::newRow("a total lunar eclipse by day")
        << berlin << QDate(2026, 3, 3) << true << "Lunar eclipse"
        << "penumbral 09:44 to 15:23; partial 10:50 to 14:18; total 12:04 to 13:03; greatest at 12:34; not seen "
           "here: the moon is below the horizon";
    QTest::newRow("a partial lunar eclipse at dawn")
        << berlin << QDate(2026, 8, 28) << true << "Lunar eclipse"
        << "penumbral 03:24 to 09:02; partial 04:33 to 07:52; greatest at 06:13; the moon sets during it";
    QTest::newRow("no eclipse at a full moon") << berlin << QDate(2024, 10, 17) << true << "Lunar eclipse"
                                               << "(no line Lunar eclipse)";
    QTest::newRow("the year's nearest moon")
        << berlin << QDate(2026, 12, 24) << true << "Marked"
        << "full moon at 02:28, a supermoon, 356,700 km away; the year's nearest moon at 09:32, 356,700 km away";
    QTest::newRow("a day without marks") << berlin << QDate(2026, 1, 20) << true << "Marked"
                                         << "(no line Marked)";
}

void TestDayPanelText::testLines()
{
    QFETCH(Where, where);
    QFETCH(QDate, day);
    QFETCH(bool, military);
    QFETCH(QString, line);
    QFETCH(QString, expected);
    Preferences preferences;
    preferences.zone = where.zone;
    preferences.gmtOffset = where.offset;
    DayPanelInput input;
    input.place = skyPlaceOf(preferences, where.latitude, where.longitudeWest);
    SkyCalculator calculator;
    input.sky = calculator.dayAt(day, input.place);
    input.military = military;
    input.locale = British;
    QCOMPARE(lineOf(dayPanelLines(input), line), expected);
}

void TestDayPanelText::testSpanInWords_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("span");
    QTest::addColumn<QString>("weeks");
    QTest::newRow("1 to 15 March") << QDate(2026, 3, 1) << QDate(2026, 3, 15) << "14 days from 1 to 15 March 2026"
                                   << "2 weeks";
    QTest::newRow("clicked backwards") << QDate(2026, 3, 15) << QDate(2026, 3, 1) << "14 days from 1 to 15 March 2026"
                                       << "2 weeks";
    QTest::newRow("one day") << QDate(2026, 3, 1) << QDate(2026, 3, 2) << "1 day from 1 to 2 March 2026"
                             << "1 day";
    QTest::newRow("same day") << QDate(2026, 3, 1) << QDate(2026, 3, 1) << "0 days from 1 to 1 March 2026"
                              << "0 days";
    QTest::newRow("across months") << QDate(2026, 2, 20) << QDate(2026, 3, 9)
                                   << "17 days from 20 February to 9 March 2026"
                                   << "2 weeks and 3 days";
    QTest::newRow("across years, leap day")
        << QDate(2023, 12, 31) << QDate(2024, 3, 1) << "61 days from 31 December 2023 to 1 March 2024"
        << "8 weeks and 5 days";
}

void TestDayPanelText::testSpanInWords()
{
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QString, span);
    QFETCH(QString, weeks);
    QCOMPARE(spanInWords(first, second, British), span);
    QCOMPARE(weeksInWords(static_cast<int>(std::abs(first.daysTo(second)))), weeks);
}

void TestDayPanelText::testCopyIsEveryLine()
{
    const QList<PanelLine> lines{{QStringLiteral("Sunrise"), QStringLiteral("06:48")},
                                 {QStringLiteral("Span"), QStringLiteral("1 day")}};
    QCOMPARE(dayPanelText(lines), QStringLiteral("Sunrise: 06:48\nSpan: 1 day\n"));
}

void TestDayPanelText::testADayOfManyEventsListsTheFirst_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<QStringList>("lastLines");
    QTest::newRow("none") << 0 << QStringList{};
    QTest::newRow("a full list") << 10
                                 << QStringList{"Event: 9:00 AM Event 9 (Work)", "Event: 9:00 AM Event 10 (Work)"};
    QTest::newRow("one more than the list") << 11 << QStringList{"Event: 9:00 AM Event 10 (Work)", "Event: and 1 more"};
    QTest::newRow("100,000 on one day") << 100000
                                        << QStringList{"Event: 9:00 AM Event 10 (Work)", "Event: and 99,990 more"};
}

void TestDayPanelText::testADayOfManyEventsListsTheFirst()
{
    QFETCH(int, events);
    QFETCH(QStringList, lastLines);
    QLocale::setDefault(British);
    Preferences preferences;
    preferences.gmtOffset = 1;
    DayPanelInput input;
    input.place = skyPlaceOf(preferences, 52.52, -13.40);
    SkyCalculator calculator;
    input.sky = calculator.dayAt(QDate(2026, 3, 29), input.place);
    input.locale = British;
    for (int i = 1; i <= events; ++i)
        input.events.append({input.sky.day, QStringLiteral("Event %1").arg(i), QTime(9, 0), QStringLiteral("Work")});
    const QList<PanelLine> lines = dayPanelLines(input);
    QStringList texts;
    for (const PanelLine& line : lines)
        texts.append(line.name == QLatin1String("Event") ? line.name + QStringLiteral(": ") + line.text : line.name);
    QCOMPARE(texts.mid(texts.size() - lastLines.size()), lastLines);
    QCOMPARE(texts.filter(QStringLiteral("Event: ")).size(), std::min(events, DayPanelEventsShown + 1));
    QLocale::setDefault(QLocale::c());
}

void TestDayPanelText::testTheHourAgreesInSpanish_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QTime>("ut");
    QTest::addColumn<bool>("military");
    QTest::addColumn<QString>("said");
    QTest::newRow("one o'clock") << "es" << QTime(1, 5) << true << "luna nueva a la 01:05";
    QTest::newRow("two o'clock") << "es" << QTime(2, 5) << true << "luna nueva a las 02:05";
    QTest::newRow("midnight") << "es" << QTime(0, 30) << true << "luna nueva a las 00:30";
    QTest::newRow("thirteen o'clock") << "es" << QTime(13, 5) << true << "luna nueva a las 13:05";
    QTest::newRow("one in the afternoon, 12-hour")
        << "es" << QTime(13, 5) << false << QString::fromUtf8("luna nueva a la 1:05 P.\u00a0M.");
    QTest::newRow("noon, 12-hour") << "es" << QTime(12, 5) << false
                                   << QString::fromUtf8("luna nueva a las 12:05 P.\u00a0M.");
    QTest::newRow("German, one o'clock") << "de" << QTime(1, 5) << true << "Neumond um 01:05";
    QTest::newRow("German, two o'clock") << "de" << QTime(2, 5) << true << "Neumond um 02:05";
    QTest::newRow("French, midnight") << "fr" << QTime(0, 30) << true << "nouvelle lune à 00:30";
    QTest::newRow("French, two o'clock") << "fr" << QTime(2, 5) << true << "nouvelle lune à 02:05";
    QTest::newRow("English, two o'clock") << "en" << QTime(2, 5) << true << "new moon at 02:05";
}

// Spanish says "a la 1:05" but "a las 2:05": the hour the clock shows picks the form.
void TestDayPanelText::testTheHourAgreesInSpanish()
{
    QFETCH(QString, language);
    QFETCH(QTime, ut);
    QFETCH(bool, military);
    const auto catalogue =
        l10n::catalogue(QLatin1String(l10n::ProgramFolder), QLatin1String(l10n::ProgramPrefix), language);
    QVERIFY(catalogue);
    QCoreApplication::installTranslator(catalogue.get());
    Preferences preferences;
    YearMark mark;
    mark.ut = QDateTime(QDate(2026, 12, 9), ut, Qt::UTC).toMSecsSinceEpoch() / 86400000.0 + 2440587.5;
    const QString said = markwords::markAt(mark, skyPlaceOf(preferences, 0, 0), military, QLocale(language));
    QCoreApplication::removeTranslator(catalogue.get());
    QTEST(said, "said");
}

QTEST_GUILESS_MAIN(TestDayPanelText)
#include "TestDayPanelText.moc"
