// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/ConvertError.h"
#include "runtime/FormatSettings.h"
#include "runtime/NumberText.h"
#include <QtTest>
#include <clocale>
#include <limits>

namespace {

FormatSettings plainC()
{
    return FormatSettings();
}

// Decimal comma, thousands dot.
FormatSettings german()
{
    FormatSettings settings;
    settings.dateSeparator = QLatin1Char('.');
    settings.decimalSeparator = QLatin1Char(',');
    settings.thousandSeparator = QLatin1Char('.');
    return settings;
}

// Decimal comma, thousands no-break space.
FormatSettings french()
{
    FormatSettings settings = german();
    settings.thousandSeparator = QChar(0x00a0);
    return settings;
}

FormatSettings settingsNamed(const QString& name)
{
    if (name == QLatin1String("german"))
        return german();
    if (name == QLatin1String("french"))
        return french();
    return plainC();
}

// QCOMPARE on doubles allows a relative 1e-12; a rounded value must be the very double its decimal text reads as.
QString exactly(double value)
{
    return QString::number(value, 'g', 17);
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void testFloatToStr_data();
    void testFloatToStr();
    void testFormatFloat_data();
    void testFormatFloat();
    void testPad3_data();
    void testPad3();
    void testStrToInt_data();
    void testStrToInt();
    void testStrToIntRefuses_data();
    void testStrToIntRefuses();
    void testStrToFloat_data();
    void testStrToFloat();
    void testStrToFloatRefuses_data();
    void testStrToFloatRefuses();
    void testParseFieldNumber_data();
    void testParseFieldNumber();
    void testParseFieldNumberRefuses_data();
    void testParseFieldNumberRefuses();
    void testFieldText_data();
    void testFieldText();
    void testFieldTextReadsBack_data();
    void testFieldTextReadsBack();
    void testRoundTo2_data();
    void testRoundTo2();
    void testNotANumberNeverCrashes_data();
    void testNotANumberNeverCrashes();
    void testReadsPointWhateverTheCLocale_data();
    void testReadsPointWhateverTheCLocale();
};

void TestNumberText::testFloatToStr_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("16") << "c" << 16.0 << "16";
    QTest::newRow("-1") << "c" << -1.0 << "-1";
    QTest::newRow("0") << "c" << 0.0 << "0";
    QTest::newRow("negative zero") << "c" << -0.0 << "0";
    QTest::newRow("2.5") << "c" << 2.5 << "2.5";
    QTest::newRow("0.1") << "c" << 0.1 << "0.1";
    QTest::newRow("0.1 + 0.2") << "c" << 0.1 + 0.2 << "0.3";
    QTest::newRow("-17.25") << "c" << -17.25 << "-17.25";
    QTest::newRow("366 days") << "c" << 366.0 << "366";
    QTest::newRow("2958465 days") << "c" << 2958465.0 << "2958465";
    QTest::newRow("15 digits") << "c" << 123456789012345.0 << "123456789012345";
    QTest::newRow("1E15") << "c" << 1e15 << "1E15";
    QTest::newRow("1E20") << "c" << 1e20 << "1E20";
    QTest::newRow("-2.5E100") << "c" << -2.5e100 << "-2.5E100";
    QTest::newRow("0.0001") << "c" << 0.0001 << "0.0001";
    QTest::newRow("1E-5") << "c" << 0.00001 << "1E-5";
    QTest::newRow("german 2,5") << "german" << 2.5 << "2,5";
    QTest::newRow("german 16") << "german" << 16.0 << "16";
}

void TestNumberText::testFloatToStr()
{
    QFETCH(QString, settings);
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(rt::floatToStr(value, settingsNamed(settings)), expected);
}

void TestNumberText::testFormatFloat_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("00: 5") << "c"
                           << "00" << 5.0 << "05";
    QTest::newRow("00: -1") << "c"
                            << "00" << -1.0 << "-01";
    QTest::newRow("00: 0") << "c"
                           << "00" << 0.0 << "00";
    QTest::newRow("00: 31") << "c"
                            << "00" << 31.0 << "31";
    QTest::newRow("00: 123 keeps all digits") << "c"
                                              << "00" << 123.0 << "123";
    QTest::newRow("00: 7.6 rounds") << "c"
                                    << "00" << 7.6 << "08";
    QTest::newRow("00: -0.4 has no minus") << "c"
                                           << "00" << -0.4 << "00";
    QTest::newRow("0: 3.5 half away") << "c"
                                      << "0" << 3.5 << "4";
    QTest::newRow("0: -3.5 half away") << "c"
                                       << "0" << -3.5 << "-4";
    QTest::newRow("0: 2.5 half away, not to even") << "c"
                                                   << "0" << 2.5 << "3";
    QTest::newRow("0: 9.5") << "c"
                            << "0" << 9.5 << "10";
    QTest::newRow("0: 3.49") << "c"
                             << "0" << 3.49 << "3";
    QTest::newRow("0: -5") << "c"
                           << "0" << -5.0 << "-5";
    QTest::newRow("00.00: 29.567") << "c"
                                   << "00.00" << 29.567 << "29.57";
    QTest::newRow("00.00: 5") << "c"
                              << "00.00" << 5.0 << "05.00";
    QTest::newRow("00.00: -95.224") << "c"
                                    << "00.00" << -95.224 << "-95.22";
    QTest::newRow("0.00: 1.005 as it reads") << "c"
                                             << "0.00" << 1.005 << "1.01";
    QTest::newRow("0.00: 2.675 as it reads") << "c"
                                             << "0.00" << 2.675 << "2.68";
    QTest::newRow("0.00: 0.125") << "c"
                                 << "0.00" << 0.125 << "0.13";
    QTest::newRow("0.00: 1e15") << "c"
                                << "0.00" << 1e15 << "1000000000000000.00";
    QTest::newRow("german 00.00: 29.567") << "german"
                                          << "00.00" << 29.567 << "29,57";
}

void TestNumberText::testFormatFloat()
{
    QFETCH(QString, settings);
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(rt::formatFloat(pattern, value, settingsNamed(settings)), expected);
}

void TestNumberText::testPad3_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("5") << 5 << "005";
    QTest::newRow("65") << 65 << "065";
    QTest::newRow("123") << 123 << "123";
    QTest::newRow("366") << 366 << "366";
    QTest::newRow("1234") << 1234 << "1234";
    QTest::newRow("0") << 0 << "000";
    QTest::newRow("-5") << -5 << "-005";
}

void TestNumberText::testPad3()
{
    QFETCH(int, value);
    QFETCH(QString, expected);

    QCOMPARE(rt::pad3(value), expected);
}

void TestNumberText::testStrToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("2147483647") << "2147483647" << 2147483647;
    QTest::newRow("-2147483648") << "-2147483648" << -2147483647 - 1;
    QTest::newRow("blanks around 12") << " 12 " << 12;
    QTest::newRow("leading zeros 05") << "05" << 5;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("-1") << "-1" << -1;
    QTest::newRow("0") << "0" << 0;
}

void TestNumberText::testStrToInt()
{
    QFETCH(QString, text);
    QFETCH(int, expected);

    QCOMPARE(rt::strToInt(text), expected);
    QCOMPARE(rt::tryStrToInt(text), std::optional<int>(expected));
}

void TestNumberText::testStrToIntRefuses_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("2147483648") << "2147483648";
    QTest::newRow("-2147483649") << "-2147483649";
    QTest::newRow("twenty digits") << "99999999999999999999";
    QTest::newRow("1a") << "1a";
    QTest::newRow("a1") << "a1";
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "  ";
    QTest::newRow("1.5") << "1.5";
    QTest::newRow("1 2") << "1 2";
    QTest::newRow("sign only") << "-";
    QTest::newRow("1e3") << "1e3";
}

void TestNumberText::testStrToIntRefuses()
{
    QFETCH(QString, text);

    QCOMPARE(rt::tryStrToInt(text), std::optional<int>());
    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::strToInt(text));
    try {
        rt::strToInt(text);
    } catch (const ConvertError& error) {
        QCOMPARE(error.text, QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestNumberText::testStrToFloat_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("-5") << "c"
                        << "-5" << -5.0;
    QTest::newRow("3.5 with blanks") << "c"
                                     << " 3.5 " << 3.5;
    QTest::newRow("29.567 kept as is") << "c"
                                       << "29.567" << 29.567;
    QTest::newRow(".5") << "c"
                        << ".5" << 0.5;
    QTest::newRow("exponent 1e5") << "c"
                                  << "1e5" << 100000.0;
    QTest::newRow("exponent 2.5E-2") << "c"
                                     << "2.5E-2" << 0.025;
    QTest::newRow("german 3,5") << "german"
                                << "3,5" << 3.5;
    QTest::newRow("german -9,5") << "german"
                                 << "-9,5" << -9.5;
}

void TestNumberText::testStrToFloat()
{
    QFETCH(QString, settings);
    QFETCH(QString, text);
    QFETCH(double, expected);

    QCOMPARE(rt::strToFloat(text, settingsNamed(settings)), expected);
}

void TestNumberText::testStrToFloatRefuses_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "c"
                           << "";
    QTest::newRow("letters") << "c"
                             << "abc";
    QTest::newRow("comma in C") << "c"
                                << "3,5";
    QTest::newRow("two points") << "c"
                                << "1.2.3";
    QTest::newRow("inf") << "c"
                         << "inf";
    QTest::newRow("nan") << "c"
                         << "nan";
    QTest::newRow("overflow 1e999") << "c"
                                    << "1e999";
    QTest::newRow("hemisphere letter") << "c"
                                       << "N29.57";
    QTest::newRow("german point") << "german"
                                  << "3.5";
}

void TestNumberText::testStrToFloatRefuses()
{
    QFETCH(QString, settings);
    QFETCH(QString, text);

    QCOMPARE(rt::tryStrToFloat(text, settingsNamed(settings)), std::optional<double>());
    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::strToFloat(text, settingsNamed(settings)));
}

void TestNumberText::testParseFieldNumber_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("-5") << "c"
                        << "-5" << -5.0;
    QTest::newRow("3.5") << "c"
                         << "3.5" << 3.5;
    QTest::newRow("blanks around 3.456 rounds") << "c"
                                                << "  3.456 " << 3.46;
    QTest::newRow("29.567") << "c"
                            << "29.567" << 29.57;
    QTest::newRow("-95.224") << "c"
                             << "-95.224" << -95.22;
    QTest::newRow("2.345 rounds up as it reads") << "c"
                                                 << "2.345" << 2.35;
    QTest::newRow("empty is 0") << "c"
                                << "" << 0.0;
    QTest::newRow("blank is 0") << "c"
                                << "   " << 0.0;
    QTest::newRow("thousands comma removed") << "c"
                                             << "1,234.5" << 1234.5;
    QTest::newRow("plus sign") << "c"
                               << "+9.5" << 9.5;
    QTest::newRow("51360700029346.016 rounds too") << "c"
                                                   << "51360700029346.016" << 51360700029346.02;
    QTest::newRow("german 3,5") << "german"
                                << "3,5" << 3.5;
    QTest::newRow("german 1.234,5") << "german"
                                    << "1.234,5" << 1234.5;
    QTest::newRow("german -5,75") << "german"
                                  << "-5,75" << -5.75;
    QTest::newRow("french 3,5") << "french"
                                << "3,5" << 3.5;
    QTest::newRow("french 3.5 reads the point too") << "french"
                                                    << "3.5" << 3.5;
    QTest::newRow("french 1 234,5") << "french" << QString::fromUtf8("1\u00a0234,5") << 1234.5;
}

void TestNumberText::testParseFieldNumber()
{
    QFETCH(QString, settings);
    QFETCH(QString, text);
    QFETCH(double, expected);

    const std::optional<double> value = rt::parseFieldNumber(text, settingsNamed(settings));
    QVERIFY(value.has_value());
    QCOMPARE(exactly(*value), exactly(expected));
}

void TestNumberText::testParseFieldNumberRefuses_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("text");

    QTest::newRow("hemisphere letter N29.57") << "c"
                                              << "N29.57";
    QTest::newRow("exponent 1e5") << "c"
                                  << "1e5";
    QTest::newRow("letters") << "c"
                             << "abc";
    QTest::newRow("two points") << "c"
                                << "1.2.3";
    QTest::newRow("sign only") << "c"
                               << "-";
    QTest::newRow("point only") << "c"
                                << ".";
    QTest::newRow("inner blank") << "c"
                                 << "1 2";
    QTest::newRow("inf") << "c"
                         << "inf";
    QTest::newRow("nan") << "c"
                         << "nan";
    QTest::newRow("400 digits") << "c" << QString(400, QLatin1Char('9'));
    QTest::newRow("german 1e5") << "german"
                                << "1e5";
}

void TestNumberText::testParseFieldNumberRefuses()
{
    QFETCH(QString, settings);
    QFETCH(QString, text);

    QCOMPARE(rt::parseFieldNumber(text, settingsNamed(settings)), std::optional<double>());
}

void TestNumberText::testFieldText_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0 is empty") << "c" << 0.0 << "";
    QTest::newRow("0.001 rounds to empty") << "c" << 0.001 << "";
    QTest::newRow("-0.001 rounds to empty") << "c" << -0.001 << "";
    QTest::newRow("4.5") << "c" << 4.5 << "4.5";
    QTest::newRow("-5") << "c" << -5.0 << "-5";
    QTest::newRow("10") << "c" << 10.0 << "10";
    QTest::newRow("9.5") << "c" << 9.5 << "9.5";
    QTest::newRow("5.75") << "c" << 5.75 << "5.75";
    QTest::newRow("3.456") << "c" << 3.456 << "3.46";
    QTest::newRow("3.004") << "c" << 3.004 << "3";
    QTest::newRow("1234.5 without thousands") << "c" << 1234.5 << "1234.5";
    QTest::newRow("1.005 as it reads") << "c" << 1.005 << "1.01";
    QTest::newRow("1e20") << "c" << 1e20 << "100000000000000000000";
    QTest::newRow("german 4,5") << "german" << 4.5 << "4,5";
    QTest::newRow("german -3,5") << "german" << -3.5 << "-3,5";
    QTest::newRow("german 1234,5") << "german" << 1234.5 << "1234,5";
}

void TestNumberText::testFieldText()
{
    QFETCH(QString, settings);
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(rt::fieldText(value, settingsNamed(settings)), expected);
}

void TestNumberText::testFieldTextReadsBack_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<double>("value");

    QTest::newRow("-5") << "c" << -5.0;
    QTest::newRow("3.5") << "c" << 3.5;
    QTest::newRow("12.75") << "c" << 12.75;
    QTest::newRow("0") << "c" << 0.0;
    QTest::newRow("1234.56") << "c" << 1234.56;
    QTest::newRow("german 1234,56") << "german" << 1234.56;
    QTest::newRow("51360700029346.02") << "c" << 51360700029346.02;
    QTest::newRow("german -9,5") << "german" << -9.5;
}

void TestNumberText::testFieldTextReadsBack()
{
    QFETCH(QString, settings);
    QFETCH(double, value);

    const FormatSettings used = settingsNamed(settings);
    QCOMPARE(rt::parseFieldNumber(rt::fieldText(value, used), used), std::optional<double>(value));
}

void TestNumberText::testRoundTo2_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("29.567") << 29.567 << 29.57;
    QTest::newRow("-29.567") << -29.567 << -29.57;
    QTest::newRow("0.125 half away") << 0.125 << 0.13;
    QTest::newRow("-0.125 half away") << -0.125 << -0.13;
    QTest::newRow("1.005 as it reads") << 1.005 << 1.01;
    QTest::newRow("1.0049") << 1.0049 << 1.0;
    QTest::newRow("2.5 unchanged") << 2.5 << 2.5;
    QTest::newRow("1e20 unchanged") << 1e20 << 1e20;
    QTest::newRow("0.004") << 0.004 << 0.0;
    QTest::newRow("0.005") << 0.005 << 0.01;
    QTest::newRow("99.995 carries") << 99.995 << 100.0;
    QTest::newRow("51360700029346.016, past 2^52 hundredths") << 51360700029346.016 << 51360700029346.02;
    QTest::newRow("-70000000000000.375 half away") << -70000000000000.375 << -70000000000000.38;
}

void TestNumberText::testRoundTo2()
{
    QFETCH(double, value);
    QFETCH(double, expected);

    QCOMPARE(exactly(rt::roundTo2(value)), exactly(expected));
}

void TestNumberText::testNotANumberNeverCrashes_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("NaN") << NaN;
    QTest::newRow("+inf") << Inf;
    QTest::newRow("-inf") << -Inf;
    QTest::newRow("largest double") << std::numeric_limits<double>::max();
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min();
}

void TestNumberText::testNotANumberNeverCrashes()
{
    QFETCH(double, value);

    QVERIFY(!rt::floatToStr(value, rt::formatSettings()).isEmpty());
    QVERIFY(!rt::formatFloat(QStringLiteral("00"), value, rt::formatSettings()).isEmpty());
    QVERIFY(!rt::formatFloat(QStringLiteral("00.00"), value, rt::formatSettings()).isEmpty());
    const QString text = rt::fieldText(value, rt::formatSettings());
    if (!std::isfinite(value))
        QCOMPARE(text, QString());
    const double rounded = rt::roundTo2(value);
    QVERIFY(std::isnan(value) ? std::isnan(rounded) : rounded == rt::roundTo2(rounded));
}

// A Qt program takes its C locale from the system; a decimal-comma system must not stop "29.57" from reading.
void TestNumberText::testReadsPointWhateverTheCLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("29.57") << "29.57" << 29.57;
    QTest::newRow("-5.5") << "-5.5" << -5.5;
    QTest::newRow("1,234.5") << "1,234.5" << 1234.5;
}

void TestNumberText::testReadsPointWhateverTheCLocale()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    const QByteArray previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"};
    bool switched = false;
    for (const char* name : commaLocales) {
        if (std::setlocale(LC_NUMERIC, name)) {
            switched = true;
            break;
        }
    }
    if (!switched)
        QSKIP("no decimal-comma C locale installed");
    const std::optional<double> field = rt::parseFieldNumber(text, plainC());
    const std::optional<double> plain = rt::tryStrToFloat(QString(text).remove(QLatin1Char(',')), plainC());
    std::setlocale(LC_NUMERIC, previous.constData());
    QCOMPARE(field, std::optional<double>(expected));
    QCOMPARE(plain, std::optional<double>(expected));
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "TestNumberText.moc"
