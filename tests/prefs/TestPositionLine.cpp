// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/PositionLine.h"
#include <QtTest>

// The position lines as the user types them and as a first start writes them.
class TestPositionLine : public QObject
{
    Q_OBJECT

private slots:
    void testDegreeText_data();
    void testDegreeText();
    void testHemisphereMarks_data();
    void testHemisphereMarks();
    void testBeyondTheLimitIsNoPlace_data();
    void testBeyondTheLimitIsNoPlace();
    void testWrittenLineReadsBack_data();
    void testWrittenLineReadsBack();
};

void TestPositionLine::testDegreeText_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");

    QTest::newRow("N°29.57") << QString("N°29.57") << true << 29.57;
    QTest::newRow("W°95.22") << QString("W°95.22") << true << 95.22;
    QTest::newRow("29.57 without a degree sign") << QString("29.57") << true << 29.57;
    QTest::newRow("N29.57 without a degree sign") << QString("N29.57") << false << 0.0;
    QTest::newRow("N°29.567 kept to two decimals") << QString("N°29.567") << true << 29.57;
    QTest::newRow("N° with blanks around") << QString("N°  29.57  ") << true << 29.57;
    QTest::newRow("a decimal comma") << QString("W°95,22") << true << 95.22;
    QTest::newRow("two decimal marks fail") << QString("W°1,095.22") << false << 0.0;
    QTest::newRow("nothing after the degree sign") << QString("N°") << true << 0.0;
    QTest::newRow("empty line") << QString("") << true << 0.0;
    QTest::newRow("letters after the degree sign") << QString("N°abc") << false << 0.0;
    QTest::newRow("degrees and minutes are not read") << QString("N°29°34") << false << 0.0;
    QTest::newRow("a 101st character is not read") << QString("N°29.57" + QString(95, ' ') + "x") << true << 29.57;
    QTest::newRow("the 100th character is read") << QString("N°29.57" + QString(94, ' ') + "x") << false << 0.0;
}

void TestPositionLine::testDegreeText()
{
    QFETCH(QString, line);
    QFETCH(bool, converts);
    QFETCH(double, value);
    const std::optional<double> result = prefs::degreeFieldValue(line, FormatSettings());
    QCOMPARE(result.has_value(), converts);
    if (converts)
        QCOMPARE(*result, value);
}

void TestPositionLine::testHemisphereMarks_data()
{
    QTest::addColumn<QString>("latitudeLine");
    QTest::addColumn<QString>("longitudeLine");
    QTest::addColumn<double>("latitude");  // north positive
    QTest::addColumn<double>("longitude"); // as the field holds it: west positive

    QTest::newRow("N° and W°") << "N°29.57"
                               << "W°95.22" << 29.57 << 95.22;
    QTest::newRow("S° and E°") << "S°33.87"
                               << "E°151.21" << -33.87 << -151.21;
    QTest::newRow("small letters") << "s°33.87"
                                   << "e°151.21" << -33.87 << -151.21;
    QTest::newRow("words and blanks") << "  South °33.87"
                                      << " East°151.21" << -33.87 << -151.21;
    QTest::newRow("S° with a minus sign stays south") << "S°-33.87"
                                                      << "E°-151.21" << -33.87 << -151.21;
    QTest::newRow("N° with a minus sign is taken as typed") << "N°-33.87"
                                                            << "W°-151.21" << -33.87 << -151.21;
    QTest::newRow("no letter") << "°29.57"
                               << "°95.22" << 29.57 << 95.22;
    QTest::newRow("no degree sign: no marking") << "29.57"
                                                << "95.22" << 29.57 << 95.22;
    QTest::newRow("E on a latitude line means nothing") << "E°29.57"
                                                        << "S°95.22" << 29.57 << 95.22;
}

void TestPositionLine::testHemisphereMarks()
{
    QFETCH(QString, latitudeLine);
    QFETCH(QString, longitudeLine);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QCOMPARE(prefs::latitudeOf(latitudeLine, FormatSettings()), std::optional<double>(latitude));
    QCOMPARE(prefs::longitudeWestOf(longitudeLine, FormatSettings()), std::optional<double>(longitude));
}

void TestPositionLine::testBeyondTheLimitIsNoPlace_data()
{
    QTest::addColumn<QString>("latitudeLine");
    QTest::addColumn<QString>("longitudeLine");
    QTest::addColumn<bool>("latitudeRead");
    QTest::addColumn<bool>("longitudeRead");
    const QString huge = "1" + QString(30, '0');
    QTest::newRow("latitude 10^30") << "N°" + huge << "W°75" << false << true;
    QTest::newRow("S°90.01 and E°180.01") << "S°90.01"
                                          << "E°180.01" << false << false;
    QTest::newRow("longitude 10^16") << "N°40"
                                     << "W°10000000000000000" << true << false;
    QTest::newRow("the pole and the date line") << "S°90"
                                                << "E°180" << true << true;
    QTest::newRow("no number") << "N°forty"
                               << "W°y" << false << false;
}

void TestPositionLine::testBeyondTheLimitIsNoPlace()
{
    QFETCH(QString, latitudeLine);
    QFETCH(QString, longitudeLine);
    QFETCH(bool, latitudeRead);
    QFETCH(bool, longitudeRead);
    QCOMPARE(prefs::latitudeOf(latitudeLine, FormatSettings()).has_value(), latitudeRead);
    QCOMPARE(prefs::longitudeWestOf(longitudeLine, FormatSettings()).has_value(), longitudeRead);
}

void TestPositionLine::testWrittenLineReadsBack_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude"); // east positive, as a zone table gives it
    QTest::addColumn<QString>("latitudeText");
    QTest::addColumn<QString>("longitudeText");
    QTest::newRow("Sydney") << -33.8667 << 151.2167 << "S°33.87"
                            << "E°151.22";
    QTest::newRow("New York") << 40.7142 << -74.0064 << "N°40.71"
                              << "W°74.01";
}

void TestPositionLine::testWrittenLineReadsBack()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, latitudeText);
    QFETCH(QString, longitudeText);
    QCOMPARE(prefs::latitudeLine(latitude), latitudeText);
    QCOMPARE(prefs::longitudeLine(longitude), longitudeText);
    QVERIFY(qAbs(*prefs::latitudeOf(latitudeText, FormatSettings()) - latitude) < 0.005);
    QVERIFY(qAbs(*prefs::longitudeWestOf(longitudeText, FormatSettings()) + longitude) < 0.005);
}

QTEST_GUILESS_MAIN(TestPositionLine)
#include "TestPositionLine.moc"
