#include "app/ExportCommand.h"
#include "app/SheetContentOf.h"
#include <QTest>

using exportcommand::Parsed;

class TestExportCommand : public QObject
{
    Q_OBJECT
private slots:
    void testGoodForms_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("png");
        QTest::addColumn<Paper>("paper");
        // The paper the locale gives is Letter in every row here, so a row that ends on A4 chose it.
        QTest::newRow("PDF, the locale's paper")
            << QStringList{"--export", "2027", "year.pdf"} << 2027 << "year.pdf" << false << Paper::Letter;
        QTest::newRow("PNG in capitals, A4 after") << QStringList{"--export", "1601", "/tmp/Y.PNG", "--paper", "a4"}
                                                   << 1601 << "/tmp/Y.PNG" << true << Paper::A4;
        QTest::newRow("paper first, with =")
            << QStringList{"--paper=A4", "--export", "9999", "y.pdf"} << 9999 << "y.pdf" << false << Paper::A4;
        QTest::newRow("paper between the values") << QStringList{"--export", "2030", "--paper", "LETTER", "y.png"}
                                                  << 2030 << "y.png" << true << Paper::Letter;
    }
    void testGoodForms()
    {
        QFETCH(QStringList, arguments);
        const Parsed parsed = exportcommand::parse(arguments, Paper::Letter);
        QCOMPARE(parsed.kind, Parsed::Kind::Export);
        QTEST(parsed.request.year, "year");
        QTEST(parsed.request.file, "file");
        QTEST(parsed.request.format == YearExport::Format::Png, "png");
        QTEST(parsed.request.paper, "paper");
    }

    void testBadForms_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("year before 1601") << QStringList{"--export", "1600", "y.pdf"} << "Not a year";
        QTest::newRow("five digits") << QStringList{"--export", "10000", "y.pdf"} << "Not a year";
        QTest::newRow("a word") << QStringList{"--export", "next", "y.pdf"} << "Not a year";
        QTest::newRow("a sign") << QStringList{"--export", "+2027", "y.pdf"} << "Not a year";
        QTest::newRow("a fraction") << QStringList{"--export", "2027.0", "y.pdf"} << "Not a year";
        QTest::newRow("JPEG") << QStringList{"--export", "2027", "y.jpg"} << ".pdf or .png";
        QTest::newRow("no extension") << QStringList{"--export", "2027", "pdf"} << ".pdf or .png";
        QTest::newRow("B5") << QStringList{"--export", "2027", "y.pdf", "--paper", "b5"} << "paper size";
        QTest::newRow("no file") << QStringList{"--export", "2027"} << "Usage:";
        QTest::newRow("a third value") << QStringList{"--export", "2027", "y.pdf", "z.pdf"} << "Usage:";
        QTest::newRow("paper without a size") << QStringList{"--export", "2027", "y.pdf", "--paper"} << "Usage:";
        QTest::newRow("paper twice") << QStringList{"--paper", "a4", "--export", "2027", "y.pdf", "--paper", "a4"}
                                     << "Usage:";
        QTest::newRow("export twice") << QStringList{"--export", "2027", "--export", "y.pdf"} << "Usage:";
        QTest::newRow("paper alone") << QStringList{"--paper", "a4"} << "Usage:";
        QTest::newRow("another option") << QStringList{"--export", "2027", "y.pdf", "--dpi", "300"} << "Usage:";
    }
    void testBadForms()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        const Parsed parsed = exportcommand::parse(arguments, Paper::A4);
        QCOMPARE(parsed.kind, Parsed::Kind::Wrong);
        QVERIFY2(parsed.error.contains(said), qPrintable(parsed.error));
        QVERIFY(!parsed.error.contains('\n'));
    }

    void testNormalStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("none") << QStringList{};
        QTest::newRow("a style for Qt") << QStringList{"-style", "fusion"};
        QTest::newRow("a year alone") << QStringList{"2027", "y.pdf"};
    }
    void testNormalStart()
    {
        QFETCH(QStringList, arguments);
        QCOMPARE(exportcommand::parse(arguments, Paper::A4).kind, Parsed::Kind::NotAsked);
    }

    void testPlace_data()
    {
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<double>("offset");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("place");
        QTest::newRow("Berlin with its zone") << "E°13.41"
                                              << "N°52.52" << 1.0 << "Europe/Berlin"
                                              << "52.52° N 13.41° E, Europe/Berlin";
        QTest::newRow("Texas, offset only") << "W°97.45"
                                            << "N°30.15" << -6.0 << ""
                                            << "30.15° N 97.45° W, UTC-6";
        QTest::newRow("India, half an hour") << "E°77.21"
                                             << "N°28.61" << 5.5 << ""
                                             << "28.61° N 77.21° E, UTC+5:30";
        QTest::newRow("Sydney, unknown zone") << "E°151.21"
                                              << "S°33.87" << 10.0 << "Nowhere/City"
                                              << "33.87° S 151.21° E, UTC+10";
        QTest::newRow("latitude unreadable") << "E°13.41"
                                             << "N°abc" << 1.0 << "Europe/Berlin"
                                             << "";
    }
    void testPlace()
    {
        QFETCH(QString, longitude);
        QFETCH(QString, latitude);
        QFETCH(double, offset);
        QFETCH(QString, zone);
        const Preferences preferences{"00", longitude, latitude, offset, zone};
        QTEST(sheetPlaceOf(preferences, FormatSettings::fromLocale(QLocale::c())), "place");
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "TestExportCommand.moc"
