// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/ExportCommand.h"
#include "paper/SheetContentOf.h"
#include "paper/SheetMarks.h"
#include <QTest>

using exportcommand::Parsed;
Q_DECLARE_METATYPE(Preferences)

class TestExportCommand : public QObject
{
    Q_OBJECT
private slots:
    // The outcome as a user would read it: what is written, a normal start, or the start of the one error line.
    void testParse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outcome");
        // The locale's paper is Letter in every row, so a row that ends on A4 chose it.
        QTest::newRow("PDF") << QStringList{"--export", "2027", "y.pdf"} << "2027 PDF Letter y.pdf";
        QTest::newRow("PNG in capitals, A4")
            << QStringList{"--export", "1601", "/t/Y.PNG", "--paper", "a4"} << "1601 PNG A4 /t/Y.PNG";
        QTest::newRow("paper first, with =")
            << QStringList{"--paper=A4", "--export", "9999", "y.pdf"} << "9999 PDF A4 y.pdf";
        QTest::newRow("no arguments") << QStringList{} << "normal start";
        QTest::newRow("1600") << QStringList{"--export", "1600", "y.pdf"} << "Not a year";
        QTest::newRow("a sign") << QStringList{"--export", "+2027", "y.pdf"} << "Not a year";
        QTest::newRow("JPEG") << QStringList{"--export", "2027", "y.jpg"} << "Not a .pdf or .png";
        QTest::newRow("B5") << QStringList{"--export", "2027", "y.pdf", "--paper", "b5"} << "Not a paper size";
        QTest::newRow("no file") << QStringList{"--export", "2027"} << "Usage:";
        QTest::newRow("paper alone") << QStringList{"--paper", "a4"} << "Usage:";
        QTest::newRow("another option") << QStringList{"--export", "2027", "y.pdf", "--dpi", "300"} << "Usage:";
    }
    void testParse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outcome);
        const Parsed parsed = exportcommand::parse(arguments, Paper::Letter);
        QString got = QStringLiteral("normal start");
        if (parsed.kind == Parsed::Kind::Export) {
            const auto& request = parsed.request;
            got = QStringLiteral("%1 %2 %3 %4")
                      .arg(request.year)
                      .arg(request.format == YearExport::Format::Png ? "PNG" : "PDF",
                           request.paper == Paper::A4 ? "A4" : "Letter", request.file);
        } else if (parsed.kind == Parsed::Kind::Wrong) {
            QVERIFY(!parsed.error.contains('\n'));
            got = parsed.error.left(outcome.size());
        }
        QCOMPARE(got, outcome);
    }

    void testPlace_data()
    {
        QTest::addColumn<Preferences>("preferences");
        QTest::addColumn<QString>("place");
        QTest::newRow("Berlin, its zone")
            << Preferences{"00", "E°13.41", "N°52.52", 1, "Europe/Berlin"} << "52.52° N 13.41° E, Europe/Berlin";
        QTest::newRow("Delhi, an offset")
            << Preferences{"00", "E°77.21", "N°28.61", 5.5, "Nowhere/City"} << "28.61° N 77.21° E, UTC+5:30";
        QTest::newRow("no latitude") << Preferences{"00", "E°13.41", "N°abc", 1, "Europe/Berlin"} << "";
    }
    void testPlace()
    {
        QFETCH(Preferences, preferences);
        QTEST(sheetPlaceOf(preferences, FormatSettings::fromLocale(QLocale::c())), "place");
    }

    // The page starts its weeks where the window's calendars do.
    void testFirstDay_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("firstDay");
        QTest::newRow("C, the locale's") << "C" << int(weeks::FirstDay::Locale) << int(Qt::Sunday);
        QTest::newRow("German, the locale's") << "de_DE" << int(weeks::FirstDay::Locale) << int(Qt::Monday);
        QTest::newRow("German, Saturday") << "de_DE" << int(weeks::FirstDay::Saturday) << int(Qt::Saturday);
    }
    void testFirstDay()
    {
        QFETCH(QString, locale);
        QFETCH(int, chosen);
        const SheetContent content = sheetContentOf(2027, {}, FormatSettings::fromLocale(QLocale(locale)),
                                                    QLocale(locale), weeks::FirstDay(chosen), weeks::Numbering::Iso);
        QTEST(int(content.firstDay), "firstDay");
    }

    // A page's marks: the year's sky at Greenwich and the days of a calendar file, each on its own day only.
    void testPageMarks_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("marks");
        QTest::newRow("full moon") << QDate(2026, 1, 3) << "full";
        QTest::newRow("new moon") << QDate(2026, 1, 18) << "new";
        QTest::newRow("March equinox") << QDate(2026, 3, 20) << "season";
        QTest::newRow("June solstice") << QDate(2026, 6, 21) << "season";
        QTest::newRow("the day after a solstice") << QDate(2026, 6, 22) << "";
        QTest::newRow("an event's middle day") << QDate(2026, 12, 25) << "event";
        QTest::newRow("an event's end, not included") << QDate(2026, 12, 27) << "";
        QTest::newRow("a yearly event") << QDate(2026, 1, 1) << "event";
    }
    void testPageMarks()
    {
        QFETCH(QDate, day);
        QFETCH(QString, marks);
        static const auto page = sheetMarksOf(
            yearMarksOf(2026, SkyPlace{51.48, 0, [](double) { return 0.0; }}),
            eventsOfFiles({QStringLiteral(QT_TESTCASE_SOURCEDIR "/../calendars/data/holidays.ics")}, 2026));
        const SheetDayMarks shown = page(day);
        QStringList kinds;
        if (shown.fullMoon)
            kinds << QStringLiteral("full");
        if (shown.newMoon)
            kinds << QStringLiteral("new");
        if (shown.season)
            kinds << QStringLiteral("season");
        if (shown.event)
            kinds << QStringLiteral("event");
        QCOMPARE(kinds.join(QLatin1Char(' ')), marks);
        QCOMPARE(shown.event, !shown.eventTitles.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "TestExportCommand.moc"
