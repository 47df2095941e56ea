// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"
#include "runtime/DateValue.h"
#include "runtime/FormatSettings.h"
#include "support/DateShown.h"
#include <QtTest>
#include <limits>

namespace {

FormatSettings english()
{
    FormatSettings settings;
    settings.shortMonthNames =
        QStringList{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    settings.longMonthNames = QStringList{"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    return settings;
}

FormatSettings german()
{
    FormatSettings settings;
    settings.dateSeparator = QLatin1Char('.');
    settings.decimalSeparator = QLatin1Char(',');
    settings.thousandSeparator = QLatin1Char('.');
    settings.shortMonthNames =
        QStringList{"Jan.", "Feb.", "März", "Apr.", "Mai", "Juni", "Juli", "Aug.", "Sep.", "Okt.", "Nov.", "Dez."};
    settings.longMonthNames = QStringList{"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                          "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    return settings;
}

// Day-first order with a dot, as a European short date format would have it.
FormatSettings dayFirst()
{
    FormatSettings settings = german();
    settings.shortDateFormat = QStringLiteral("dd/mm/yyyy");
    return settings;
}

// AM/PM texts with a blank inside, as Portuguese writes them.
FormatSettings portugueseTimes()
{
    FormatSettings settings = english();
    settings.timeAMString = QString::fromUtf8("da manhã");
    settings.timePMString = QStringLiteral("da tarde");
    return settings;
}

FormatSettings settingsNamed(const QString& name)
{
    if (name == QLatin1String("german"))
        return german();
    if (name == QLatin1String("day first"))
        return dayFirst();
    if (name == QLatin1String("portuguese times"))
        return portugueseTimes();
    return english();
}

TDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0)
{
    return rt::combine(rt::encodeDate(year, month, day), rt::encodeTime(hour, minute, second, msec));
}

} // namespace

class TestDateText : public QObject
{
    Q_OBJECT

private slots:
    void testFormatDateTime_data();
    void testFormatDateTime();
    void testFormatNeverCrashes_data();
    void testFormatNeverCrashes();
    void testStrToDate_data();
    void testStrToDate();
    void testStrToDateRefuses_data();
    void testStrToDateRefuses();
    void testStrToDateTime_data();
    void testStrToDateTime();
    void testStrToDateTimeRefuses_data();
    void testStrToDateTimeRefuses();
    void testDateTimeToStrRoundTrip_data();
    void testDateTimeToStrRoundTrip();
    void testSettingsFromLocale_data();
    void testSettingsFromLocale();
};

void TestDateText::testFormatDateTime_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const TDateTime march5 = at(2024, 3, 5, 13, 2, 13);
    QTest::newRow("m/d/yy") << "english"
                            << "m/d/yy" << march5 << "3/5/24";
    QTest::newRow("mm/dd/yyyy") << "english"
                                << "mm/dd/yyyy" << march5 << "03/05/2024";
    QTest::newRow("mmmm yyyy") << "english"
                               << "mmmm yyyy" << march5 << "March 2024";
    QTest::newRow("mmm yyyy") << "english"
                              << "mmm yyyy" << march5 << "Mar 2024";
    QTest::newRow("(m) mmm dd, yyyy") << "english"
                                      << "(m) mmm dd, yyyy" << march5 << "(3) Mar 05, 2024";
    QTest::newRow("m.d.yyyy") << "english"
                              << "m.d.yyyy" << march5 << "3.5.2024";
    QTest::newRow("yyyy") << "english"
                          << "yyyy" << march5 << "2024";
    QTest::newRow("literal 01/01/2026 gives itself") << "english"
                                                     << "01/01/2026" << march5 << "01/01/2026";
    QTest::newRow("two-digit month and day in December") << "english"
                                                         << "m/d/yy" << at(1999, 12, 31) << "12/31/99";
    QTest::newRow("yy of 2005 keeps its zero") << "english"
                                               << "m/d/yy" << at(2005, 1, 9) << "1/9/05";
    QTest::newRow("1 Jan 1601") << "english"
                                << "mm/dd/yyyy" << at(1601, 1, 1) << "01/01/1601";
    QTest::newRow("31 Dec 9999") << "english"
                                 << "mmmm dd, yyyy" << at(9999, 12, 31) << "December 31, 9999";
    QTest::newRow("29 Dec 1899 06:00") << "english"
                                       << "mm/dd/yyyy hh:nn" << -1.25 << "12/29/1899 06:00";
    QTest::newRow("long time afternoon") << "english"
                                         << "h:nn:ss AMPM" << march5 << "1:02:13 PM";
    QTest::newRow("long time midnight") << "english"
                                        << "h:nn:ss AMPM" << at(2024, 3, 5) << "12:00:00 AM";
    QTest::newRow("long time noon") << "english"
                                    << "h:nn:ss AMPM" << at(2024, 3, 5, 12) << "12:00:00 PM";
    QTest::newRow("24-hour without AMPM") << "english"
                                          << "hh:nn" << march5 << "13:02";
    QTest::newRow("quoted text copied without quotes") << "english"
                                                       << "'Year' yyyy" << march5 << "Year 2024";
    QTest::newRow("german: / becomes .") << "german"
                                         << "m/d/yy" << march5 << "3.5.24";
    QTest::newRow("german: mm/dd/yyyy") << "german"
                                        << "mm/dd/yyyy" << march5 << "03.05.2024";
    QTest::newRow("german: literal 01/01/2026") << "german"
                                                << "01/01/2026" << march5 << "01.01.2026";
    QTest::newRow("german: mmmm yyyy") << "german"
                                       << "mmmm yyyy" << march5 << "März 2024";
    QTest::newRow("german: (m) mmm dd, yyyy") << "german"
                                              << "(m) mmm dd, yyyy" << at(2024, 10, 5) << "(10) Okt. 05, 2024";
    QTest::newRow("german: m.d.yyyy keeps its dots") << "german"
                                                     << "m.d.yyyy" << march5 << "3.5.2024";
}

void TestDateText::testFormatDateTime()
{
    QFETCH(QString, settings);
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(rt::formatDateTime(pattern, value, settingsNamed(settings)), expected);
}

void TestDateText::testFormatNeverCrashes_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("+inf") << std::numeric_limits<double>::infinity();
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
    QTest::newRow("-1e300") << -1e300;
}

void TestDateText::testFormatNeverCrashes()
{
    QFETCH(double, value);

    const QString text = rt::formatDateTime(QStringLiteral("(m) mmm dd, yyyy h:nn:ss AMPM"), value, english());
    QVERIFY(!text.isEmpty());
    QVERIFY(!rt::dateTimeToStr(value, english()).isEmpty());
    // Settings without month names (as an unset locale would leave them) give empty names, not a crash.
    QVERIFY(!rt::formatDateTime(QStringLiteral("mmmm yyyy"), value, FormatSettings()).isEmpty());
}

void TestDateText::testStrToDate_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clockYear");
    QTest::addColumn<QString>("expected");

    QTest::newRow("5/3/24 in 2026 is 3 May 2024") << "english"
                                                  << "5/3/24" << 2026 << "2024-05-03";
    QTest::newRow("12/31/99 in 2026 is 2099") << "english"
                                              << "12/31/99" << 2026 << "2099-12-31";
    QTest::newRow("12/31/99 in 1999 is 1999") << "english"
                                              << "12/31/99" << 1999 << "1999-12-31";
    QTest::newRow("1/1/00 in 2026") << "english"
                                    << "1/1/00" << 2026 << "2000-01-01";
    QTest::newRow("one-digit year 1/1/7") << "english"
                                          << "1/1/7" << 2026 << "2007-01-01";
    QTest::newRow("four-digit year") << "english"
                                     << "3/5/2024" << 2026 << "2024-03-05";
    QTest::newRow("four-digit year of another century") << "english"
                                                        << "3/5/1924" << 2026 << "1924-03-05";
    QTest::newRow("mm/dd/yyyy") << "english"
                                << "03/05/2024" << 2026 << "2024-03-05";
    QTest::newRow("29 Feb 2024") << "english"
                                 << "2/29/2024" << 2026 << "2024-02-29";
    QTest::newRow("29 Feb of a two-digit leap year") << "english"
                                                     << "2/29/24" << 2026 << "2024-02-29";
    QTest::newRow("1 Jan 1601") << "english"
                                << "1/1/1601" << 2026 << "1601-01-01";
    QTest::newRow("31 Dec 9999") << "english"
                                 << "12/31/9999" << 2026 << "9999-12-31";
    QTest::newRow("blanks around") << "english"
                                   << "  3/5/24 " << 2026 << "2024-03-05";
    QTest::newRow("month and day only: clock year") << "english"
                                                    << "3/5" << 2026 << "2026-03-05";
    QTest::newRow("german: dot separator") << "german"
                                           << "3.5.24" << 2026 << "2024-03-05";
    QTest::newRow("german: slash still read") << "german"
                                              << "3/5/24" << 2026 << "2024-03-05";
    QTest::newRow("day-first format") << "day first"
                                      << "5.3.2024" << 2026 << "2024-03-05";
}

void TestDateText::testStrToDate()
{
    QFETCH(QString, settings);
    QFETCH(QString, text);
    QFETCH(int, clockYear);
    QFETCH(QString, expected);

    const TDateTime value = rt::strToDate(text, clockYear, settingsNamed(settings));
    QCOMPARE(shown(value), expected + QStringLiteral(" 00:00:00.000"));
}

void TestDateText::testStrToDateRefuses_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("month 13") << "13/1/24";
    QTest::newRow("30 Feb") << "2/30/24";
    QTest::newRow("29 Feb 2023") << "2/29/23";
    QTest::newRow("day 0") << "1/0/24";
    QTest::newRow("year 0000") << "1/1/0000";
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("one number") << "2024";
    QTest::newRow("four parts") << "1/2/3/4";
    QTest::newRow("empty part") << "1//24";
    QTest::newRow("negative month") << "-1/2/24";
    QTest::newRow("letters in day") << "3/5x/24";
    QTest::newRow("month name") << "Mar/5/24";
    QTest::newRow("with a time") << "3/5/24 6:00";
    QTest::newRow("huge year") << "1/1/999999999";
    QTest::newRow("too many digits") << "1/1/99999999999999999999";
}

void TestDateText::testStrToDateRefuses()
{
    QFETCH(QString, text);

    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::strToDate(text, 2026, english()));
    try {
        rt::strToDate(text, 2026, english());
    } catch (const ConvertError& error) {
        QCOMPARE(error.text, QStringLiteral("'%1' is not a valid date").arg(text));
    }
}

void TestDateText::testStrToDateTime_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("m/d/yy + 6:00:00 PM") << "english"
                                         << "3/5/24 6:00:00 PM"
                                         << "2024-03-05 18:00:00.000";
    QTest::newRow("mm/dd/yyyy + 6:00:00 PM") << "english"
                                             << "03/05/2024 6:00:00 PM"
                                             << "2024-03-05 18:00:00.000";
    QTest::newRow("1:02:13 PM") << "english"
                                << "10/3/01 1:02:13 PM"
                                << "2001-10-03 13:02:13.000";
    QTest::newRow("12:00:00 AM is midnight") << "english"
                                             << "3/5/24 12:00:00 AM"
                                             << "2024-03-05 00:00:00.000";
    QTest::newRow("12:30 PM is half past noon") << "english"
                                                << "3/5/24 12:30 PM"
                                                << "2024-03-05 12:30:00.000";
    QTest::newRow("12:30 AM") << "english"
                              << "3/5/24 12:30 AM"
                              << "2024-03-05 00:30:00.000";
    QTest::newRow("11:59:59 PM") << "english"
                                 << "3/5/24 11:59:59 PM"
                                 << "2024-03-05 23:59:59.000";
    QTest::newRow("lower-case pm, no blank") << "english"
                                             << "3/5/24 6:15pm"
                                             << "2024-03-05 18:15:00.000";
    QTest::newRow("24-hour") << "english"
                             << "3/5/24 18:45"
                             << "2024-03-05 18:45:00.000";
    QTest::newRow("milliseconds") << "english"
                                  << "3/5/24 6:00:00.5 PM"
                                  << "2024-03-05 18:00:00.500";
    QTest::newRow("date only is midnight") << "english"
                                           << "3/5/24"
                                           << "2024-03-05 00:00:00.000";
    QTest::newRow("before 1900 counts forward") << "english"
                                                << "12/29/1899 6:00 AM"
                                                << "1899-12-29 06:00:00.000";
    QTest::newRow("german: dot separator") << "german"
                                           << "3.5.24 6:00:00 PM"
                                           << "2024-03-05 18:00:00.000";
    QTest::newRow("PM text with a blank inside") << "portuguese times"
                                                 << "3/5/24 6:00:00 da tarde"
                                                 << "2024-03-05 18:00:00.000";
    QTest::newRow("AM text with a blank inside") << "portuguese times"
                                                 << "3/5/24 12:30 da manhã"
                                                 << "2024-03-05 00:30:00.000";
}

void TestDateText::testStrToDateTime()
{
    QFETCH(QString, settings);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(shown(rt::strToDateTime(text, 2026, settingsNamed(settings))), expected);
}

void TestDateText::testStrToDateTimeRefuses_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("13 PM") << "3/5/24 13:00 PM";
    QTest::newRow("0 AM") << "3/5/24 0:30 AM";
    QTest::newRow("24:00") << "3/5/24 24:00";
    QTest::newRow("minute 60") << "3/5/24 6:60";
    QTest::newRow("unknown suffix") << "3/5/24 6:00 XM";
    QTest::newRow("words for a time") << "3/5/24 six";
    QTest::newRow("hour only") << "3/5/24 6";
    QTest::newRow("bad date with a time") << "2/30/24 6:00:00 PM";
    QTest::newRow("time only") << "6:00:00 PM";
    QTest::newRow("empty") << "";
}

void TestDateText::testStrToDateTimeRefuses()
{
    QFETCH(QString, text);

    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::strToDateTime(text, 2026, english()));
}

void TestDateText::testDateTimeToStrRoundTrip_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("3 Oct 2001 1:02:13 PM") << "english" << at(2001, 10, 3, 13, 2, 13) << "10/3/01 1:02:13 PM";
    QTest::newRow("5 Mar 2024 6 PM") << "english" << at(2024, 3, 5, 18) << "3/5/24 6:00:00 PM";
    QTest::newRow("midnight") << "english" << at(2024, 3, 5) << "3/5/24 12:00:00 AM";
    QTest::newRow("noon") << "english" << at(2024, 3, 5, 12) << "3/5/24 12:00:00 PM";
    QTest::newRow("last second of the day") << "english" << at(2026, 12, 31, 23, 59, 59) << "12/31/26 11:59:59 PM";
    QTest::newRow("german separator") << "german" << at(2024, 3, 5, 18) << "3.5.24 6:00:00 PM";
    QTest::newRow("PM text with a blank inside")
        << "portuguese times" << at(2024, 3, 5, 18) << "3/5/24 6:00:00 da tarde";
    QTest::newRow("AM text with a blank inside")
        << "portuguese times" << at(2024, 3, 5, 9, 5) << "3/5/24 9:05:00 da manhã";
}

void TestDateText::testDateTimeToStrRoundTrip()
{
    QFETCH(QString, settings);
    QFETCH(double, value);
    QFETCH(QString, text);

    const FormatSettings used = settingsNamed(settings);
    QCOMPARE(rt::dateTimeToStr(value, used), text);
    const int year = rt::yearOf(value);
    QCOMPARE(shown(rt::strToDateTime(text, year, used)), shown(value));
}

void TestDateText::testSettingsFromLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("dateSeparator");
    QTest::addColumn<QString>("decimalSeparator");
    QTest::addColumn<QString>("march");

    QTest::newRow("English (US)") << QLocale(QLocale::English, QLocale::UnitedStates) << "/"
                                  << "."
                                  << "March";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "."
                            << ","
                            << "März";
    QTest::newRow("Portuguese (AM/PM with blanks)") << QLocale(QLocale::Portuguese, QLocale::Portugal) << "/"
                                                    << ","
                                                    << "março";
    QTest::newRow("Arabic (direction marks around /)")
        << QLocale(QLocale::Arabic, QLocale::Egypt) << "/" << QString::fromUtf8("٫") << QString::fromUtf8("مارس");
    QTest::newRow("Dutch") << QLocale(QLocale::Dutch, QLocale::Netherlands) << "-"
                           << ","
                           << "maart";
}

void TestDateText::testSettingsFromLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, dateSeparator);
    QFETCH(QString, decimalSeparator);
    QFETCH(QString, march);

    const FormatSettings settings = FormatSettings::fromLocale(locale);
    QCOMPARE(QString(settings.dateSeparator), dateSeparator);
    QCOMPARE(QString(settings.decimalSeparator), decimalSeparator);
    QVERIFY(settings.thousandSeparator != settings.decimalSeparator);
    QCOMPARE(settings.longMonthNames.size(), 12);
    QCOMPARE(settings.shortMonthNames.size(), 12);
    QCOMPARE(settings.longMonthNames.at(2), march);
    QVERIFY(!settings.timeAMString.isEmpty());
    QVERIFY(!settings.timePMString.isEmpty());
    // Whatever the locale, the program's own date texts must read back.
    const TDateTime value = at(2024, 3, 5, 18);
    QCOMPARE(shown(rt::strToDateTime(rt::dateTimeToStr(value, settings), 2024, settings)), shown(value));
}

QTEST_GUILESS_MAIN(TestDateText)
#include "TestDateText.moc"
