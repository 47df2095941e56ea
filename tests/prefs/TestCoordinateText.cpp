// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/CoordinateText.h"
#include <QtTest>

using coordinate::Axis;
using coordinate::Reading;
using coordinate::Refusal;

Q_DECLARE_METATYPE(coordinate::Axis)
Q_DECLARE_METATYPE(coordinate::Refusal)

namespace {
FormatSettings pointLocale()
{
    return FormatSettings();
}

FormatSettings commaLocale()
{
    FormatSettings settings;
    settings.decimalSeparator = QLatin1Char(',');
    settings.thousandSeparator = QLatin1Char('.');
    return settings;
}

FormatSettings localeNamed(const QString& name)
{
    return name == QLatin1String("comma") ? commaLocale() : pointLocale();
}
} // namespace

// Coordinates typed as people write them, how each reads, and the line Save makes of it.
class TestCoordinateText : public QObject
{
    Q_OBJECT
private slots:
    void testForms_data();
    void testForms();
    void testPairs_data();
    void testPairs();
    void testUntouchedFileLinesKeepTheirOldMeaning();
    void testDescription();
};

void TestCoordinateText::testForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Axis>("axis");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<double>("degrees"); // north and east positive
    QTest::addColumn<QString>("saved");

    const Axis lat = Axis::Latitude;
    const Axis lon = Axis::Longitude;
    const Refusal ok = Refusal::None;
    // Accepted, as a map reader means them.
    QTest::newRow("file form N°52.52 saved as typed") << "N°52.52" << lat << "point" << ok << 52.52 << "N°52.52";
    QTest::newRow("file form W°97.45") << "W°97.45" << lon << "point" << ok << -97.45 << "W°97.45";
    QTest::newRow("file form keeps three decimals as typed")
        << "N°30.155" << lat << "point" << ok << 30.16 << "N°30.155";
    QTest::newRow("file form with a comma, point locale") << "W°95,22" << lon << "point" << ok << -95.22 << "W°95,22";
    QTest::newRow("file form South°33.87") << "South°33.87" << lat << "point" << ok << -33.87 << "South°33.87";
    QTest::newRow("plain 52.52 is north") << "52.52" << lat << "point" << ok << 52.52 << "N°52.52";
    QTest::newRow("plain 13.40 is east, not west") << "13.40" << lon << "point" << ok << 13.40 << "E°13.40";
    QTest::newRow("-74.01 is west") << "-74.01" << lon << "point" << ok << -74.01 << "W°74.01";
    QTest::newRow("-33.87 is south") << "-33.87" << lat << "point" << ok << -33.87 << "S°33.87";
    QTest::newRow("+ sign") << "+52.52" << lat << "point" << ok << 52.52 << "N°52.52";
    QTest::newRow("Unicode minus") << "\u221274.01" << lon << "point" << ok << -74.01 << "W°74.01";
    QTest::newRow("N52.52") << "N52.52" << lat << "point" << ok << 52.52 << "N°52.52";
    QTest::newRow("N 52.52") << "N 52.52" << lat << "point" << ok << 52.52 << "N°52.52";
    QTest::newRow("52.52N") << "52.52N" << lat << "point" << ok << 52.52 << "N°52.52";
    QTest::newRow("13.40 E") << "13.40 E" << lon << "point" << ok << 13.40 << "E°13.40";
    QTest::newRow("lower-case w before") << "w 97.45" << lon << "point" << ok << -97.45 << "W°97.45";
    QTest::newRow("word South after") << "33.87 South" << lat << "point" << ok << -33.87 << "S°33.87";
    QTest::newRow("52°31'N") << "52°31'N" << lat << "point" << ok << 52 + 31 / 60.0 << "N°52.52";
    QTest::newRow("52 31 12 N") << "52 31 12 N" << lat << "point" << ok << 52 + 31 / 60.0 + 12 / 3600.0 << "N°52.52";
    QTest::newRow("52°31.2' decimal minutes") << "52°31.2'" << lat << "point" << ok << 52.52 << "N°52.52";
    QTest::newRow("52°31'12\" with seconds")
        << "52°31'12\"" << lat << "point" << ok << 52 + 31 / 60.0 + 12 / 3600.0 << "N°52.52";
    QTest::newRow("primes ′ ″ and W after") << "74°0′23″W" << lon << "point" << ok << -(74 + 23 / 3600.0) << "W°74.01";
    QTest::newRow("two apostrophes for seconds")
        << "52 31' 12''" << lat << "point" << ok << 52 + 31 / 60.0 + 12 / 3600.0 << "N°52.52";
    QTest::newRow("º for the degree sign") << "52º31'" << lat << "point" << ok << 52 + 31 / 60.0 << "N°52.52";
    QTest::newRow("N°52°31' after the file's letter")
        << "N°52°31'" << lat << "point" << ok << 52 + 31 / 60.0 << "N°52.52";
    QTest::newRow("comma locale: 52,52") << "52,52" << lat << "comma" << ok << 52.52 << "N°52.52";
    QTest::newRow("comma locale: 13,405 E") << "13,405 E" << lon << "comma" << ok << 13.405 << "E°13.41";
    QTest::newRow("comma locale: a point still reads") << "13.40" << lon << "comma" << ok << 13.40 << "E°13.40";
    QTest::newRow("comma locale: file form stays") << "N°52,52" << lat << "comma" << ok << 52.52 << "N°52,52";
    QTest::newRow("90 exactly") << "90" << lat << "point" << ok << 90.0 << "N°90.00";
    QTest::newRow("-180 exactly") << "-180" << lon << "point" << ok << -180.0 << "W°180.00";
    QTest::newRow("blanks around") << "  52.52  " << lat << "point" << ok << 52.52 << "N°52.52";
    // Refused, each with its reason.
    QTest::newRow("letters only") << "Berlin" << lat << "point" << Refusal::NotANumber << 0.0 << "";
    QTest::newRow("E in the latitude field") << "52.52 E" << lat << "point" << Refusal::WrongLetter << 0.0 << "";
    QTest::newRow("N in the longitude field") << "N 13.4" << lon << "point" << Refusal::WrongLetter << 0.0 << "";
    QTest::newRow("file form with the other axis's letter")
        << "E°13.40" << lat << "point" << Refusal::WrongLetter << 0.0 << "";
    QTest::newRow("a sign and a letter") << "-33.87 S" << lat << "point" << Refusal::SignAndLetter << 0.0 << "";
    QTest::newRow("letters before and after") << "N 52 N" << lat << "point" << Refusal::TwoLetters << 0.0 << "";
    QTest::newRow("four parts") << "52 31 12 4" << lat << "point" << Refusal::TooManyParts << 0.0 << "";
    QTest::newRow("decimals before minutes") << "52.5 30" << lat << "point" << Refusal::FractionNotLast << 0.0 << "";
    QTest::newRow("60 minutes") << "52°60'" << lat << "point" << Refusal::MinutesOver59 << 0.0 << "";
    QTest::newRow("61 seconds") << "52 10 61" << lat << "point" << Refusal::MinutesOver59 << 0.0 << "";
    QTest::newRow("91 north") << "91" << lat << "point" << Refusal::BeyondLimit << 0.0 << "";
    QTest::newRow("180°30' west") << "180°30'W" << lon << "point" << Refusal::BeyondLimit << 0.0 << "";
    QTest::newRow("point locale: a decimal comma alone")
        << "52,52" << lat << "point" << Refusal::NotANumber << 0.0 << "";
    QTest::newRow("minutes before degrees") << "31' 52°" << lat << "point" << Refusal::NotANumber << 0.0 << "";
    QTest::newRow("file form, no number after °")
        << "N°abc" << lat << "point" << Refusal::FileFormUnreadable << 0.0 << "";
    QTest::newRow("the degree sign alone") << "°" << lat << "point" << Refusal::NotANumber << 0.0 << "";
    QTest::newRow("the file's letter and sign alone") << "N°" << lat << "point" << Refusal::NotANumber << 0.0 << "";
    QTest::newRow("W° with a blank, comma locale") << "W° " << lon << "comma" << Refusal::NotANumber << 0.0 << "";
    QTest::newRow("two points") << "52.5.2" << lat << "point" << Refusal::FractionNotLast << 0.0 << "";
}

void TestCoordinateText::testForms()
{
    QFETCH(QString, text);
    QFETCH(Axis, axis);
    QFETCH(QString, locale);
    QFETCH(Refusal, refusal);
    QFETCH(double, degrees);
    QFETCH(QString, saved);

    const Reading reading = coordinate::readTyped(text, axis, localeNamed(locale));
    QCOMPARE(reading.refusal, refusal);
    QCOMPARE(reading.read(), refusal == Refusal::None);
    if (reading.read())
        QVERIFY2(qAbs(reading.degrees - degrees) < 1e-9, qPrintable(QString::number(reading.degrees, 'f', 6)));
    QCOMPARE(coordinate::lineFor(reading, text, axis), saved);
}

void TestCoordinateText::testPairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("pair");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");

    QTest::newRow("a map's pair") << "52.5200, 13.4050"
                                  << "point" << true << "52.5200"
                                  << "13.4050";
    QTest::newRow("no blank after the comma") << "-33.87,151.21"
                                              << "point" << true << "-33.87"
                                              << "151.21";
    QTest::newRow("semicolon") << "40.71; -74.01"
                               << "point" << true << "40.71"
                               << "-74.01";
    QTest::newRow("letters after, no separator") << "52°31'N 13°24'E"
                                                 << "point" << true << "52°31'N"
                                                 << "13°24'E";
    QTest::newRow("letters before, no separator") << "N 52.52 E 13.40"
                                                  << "point" << true << "N 52.52"
                                                  << "E 13.40";
    QTest::newRow("longitude first, by its letter") << "13.40 E, 52.52 N"
                                                    << "point" << true << "52.52 N"
                                                    << "13.40 E";
    QTest::newRow("comma locale: semicolon") << "52,52; 13,40"
                                             << "comma" << true << "52,52"
                                             << "13,40";
    QTest::newRow("comma locale: comma and blank") << "52,52, 13,40"
                                                   << "comma" << true << "52,52"
                                                   << "13,40";
    QTest::newRow("comma locale: one decimal comma is no pair") << "52,52"
                                                                << "comma" << false << ""
                                                                << "";
    QTest::newRow("one number") << "52.52"
                                << "point" << false << ""
                                << "";
    QTest::newRow("file form with a comma is no pair") << "W°95,22"
                                                       << "point" << false << ""
                                                       << "";
    QTest::newRow("degrees and minutes are no pair") << "52 31 N"
                                                     << "point" << false << ""
                                                     << "";
    QTest::newRow("three parts") << "1, 2, 3"
                                 << "point" << false << ""
                                 << "";
}

void TestCoordinateText::testPairs()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, pair);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);

    const std::optional<coordinate::PairTexts> split = coordinate::splitPair(text, localeNamed(locale));
    QCOMPARE(split.has_value(), pair);
    if (split) {
        QCOMPARE(split->latitude, latitude);
        QCOMPARE(split->longitude, longitude);
    }
}

void TestCoordinateText::testUntouchedFileLinesKeepTheirOldMeaning()
{
    // A line a text editor wrote without a degree sign reads as the report reads it: west positive.
    const Reading west = coordinate::readAsFileLine("13.40", Axis::Longitude, pointLocale());
    QVERIFY(west.read() && west.fileForm);
    QCOMPARE(west.degrees, -13.40);
    QCOMPARE(coordinate::lineFor(west, "13.40", Axis::Longitude), QString("13.40"));
    QCOMPARE(coordinate::readAsFileLine("N52.52", Axis::Latitude, pointLocale()).refusal, Refusal::FileFormUnreadable);
    QCOMPARE(coordinate::readAsFileLine("", Axis::Latitude, pointLocale()).kind, Reading::Kind::Empty);
}

void TestCoordinateText::testDescription()
{
    QCOMPARE(coordinate::describe(52.52, Axis::Latitude, pointLocale()), QString("52.52° N"));
    QCOMPARE(coordinate::describe(-74.006, Axis::Longitude, pointLocale()), QString("74.01° W"));
    QCOMPARE(coordinate::describe(-33.87, Axis::Latitude, commaLocale()), QString("33,87° S"));
    QCOMPARE(coordinate::describe(13.405, Axis::Longitude, commaLocale()), QString("13,41° E"));
}

QTEST_GUILESS_MAIN(TestCoordinateText)
#include "TestCoordinateText.moc"
