// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnDays.h"
#include "paper/ExportCommand.h"
#include "paper/SheetContentOf.h"
#include "paper/SheetMarks.h"
#include "shared/WindowState.h"
#include <QColor>
#include <QFile>
#include <QTemporaryDir>
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

    // The page of the command line marks the holidays the window shows: the region kept in its state, or none chosen
    // yet, the one a first start takes from the machine's zone; switched off, none.
    void testHolidays_data()
    {
        QTest::addColumn<QString>("kept"); // shown/area, "none" for a state without a choice, "Munich" with a place
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("holidays"); // of the days looked at, those printed as holidays
        QTest::newRow("Bavaria kept") << "1/DE-BY"
                                      << ""
                                      << "01-06 12-25";
        QTest::newRow("Berlin kept, Bavaria's zone ignored") << "1/DE-BE"
                                                             << "Europe/Berlin"
                                                             << "03-08 12-25";
        QTest::newRow("switched off") << "0/DE-BY"
                                      << "Europe/Berlin"
                                      << "";
        QTest::newRow("first start in Berlin's zone: the country") << "none"
                                                                   << "Europe/Berlin"
                                                                   << "12-25";
        QTest::newRow("first start in Sydney's zone: New South Wales") << "none"
                                                                       << "Australia/Sydney"
                                                                       << "01-26 12-25";
        QTest::newRow("first start without a zone") << "none"
                                                    << ""
                                                    << "";
        QTest::newRow("first start in Berlin's zone, the place in Munich") << "Munich"
                                                                           << "Europe/Berlin"
                                                                           << "01-06 12-25";
    }
    void testHolidays()
    {
        QFETCH(QString, kept);
        QFETCH(QString, zone);
        QFETCH(QString, holidays);
        QTemporaryDir folder;
        const QString prefs = folder.filePath(QStringLiteral("prefs.cal"));
        if (kept == QLatin1String("Munich")) {
            QFile file(prefs);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("00\r\nE\xB0"
                       "11.58\r\nN\xB0"
                       "48.14\r\n1\r\n");
        } else if (kept != QLatin1String("none")) {
            WindowState state;
            const QStringList parts = kept.split(QLatin1Char('/'));
            state.holidays = WindowState::Holidays{parts[0] == QLatin1String("1"), parts[1], false, false};
            QVERIFY(windowstate::write(windowstate::pathBeside(prefs), state));
        }
        const SheetContent content =
            exportcommand::pageOf(2026, prefs, FormatSettings::fromLocale(QLocale::c()), QLocale::c(), {}, zone);
        QStringList shown;
        for (const char* day : {"01-06", "01-26", "03-08", "07-14", "12-25"})
            if (content.holiday && content.holiday(QDate::fromString(QStringLiteral("2026-") + day, Qt::ISODate)))
                shown << QString::fromLatin1(day);
        QCOMPARE(shown.join(QLatin1Char(' ')), holidays);
    }

    // The command line's page takes the user's days from their file when it is there, and only reads it: each day's
    // occurrences in the year in its category's colour, the earlier first, and the categories used in the user's
    // order for the legend.
    void testOwnDays_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("shown"); // the ranges, then the legend
        QTest::newRow("a yearly day, a range over a month's end, a yearly range over both new years")
            << "days" << 2027
            << QStringList{"2026-12-30 2027-01-02 Winter break #009e73",
                           "2027-03-12 2027-03-12 Anna #cc79a7",
                           "2027-03-28 2027-04-02 Lisbon #0072b2",
                           "2027-12-30 2028-01-02 Winter break #009e73",
                           "Trip #0072b2",
                           "Holiday #009e73",
                           "Birthday #cc79a7"};
        QTest::newRow("a year without the range: its category left out of the legend")
            << "days" << 2026
            << QStringList{"2025-12-30 2026-01-02 Winter break #009e73", "2026-03-12 2026-03-12 Anna #cc79a7",
                           "2026-12-30 2027-01-02 Winter break #009e73", "Holiday #009e73", "Birthday #cc79a7"};
        QTest::newRow("before the yearly days began") << "days" << 2018 << QStringList{};
        QTest::newRow("no file") << "missing" << 2027 << QStringList{};
        QTest::newRow("not a calendar") << "not a calendar" << 2027 << QStringList{};
    }
    void testOwnDays()
    {
        QFETCH(QString, file);
        QFETCH(int, year);
        QTemporaryDir folder;
        const QString path = folder.filePath("your-days.ics");
        if (file == "days") {
            OwnDays days(path, QStringLiteral("Days"), owndays::firstCategories());
            days.load();
            const auto add = [&days](const char* title, const char* category, QDate first, QDate last, bool yearly) {
                OwnDay day;
                day.title = QString::fromUtf8(title);
                day.category = QString::fromUtf8(category);
                day.first = first;
                day.last = last;
                day.yearly = yearly;
                days.add(day);
            };
            add("Lisbon", "trip", QDate(2027, 3, 28), QDate(2027, 4, 2), false);
            add("Anna", "birthday", QDate(2019, 3, 12), QDate(2019, 3, 12), true);
            add("Winter break", "holiday", QDate(2020, 12, 30), QDate(2021, 1, 2), true);
        } else if (file == "not a calendar") {
            QFile text(path);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("shopping list\n");
        }
        const QByteArray before = QFile::exists(path) ? readAll(path) : QByteArray();
        const SheetContent content =
            exportcommand::pageOf(year, QString(), FormatSettings::fromLocale(QLocale::c()), QLocale::c(), path);
        QStringList shown;
        for (const SheetRange& range : content.ranges)
            shown << QStringLiteral("%1 %2 %3 %4")
                         .arg(range.first.toString(Qt::ISODate), range.last.toString(Qt::ISODate), range.title,
                              QColor(range.colour).name());
        for (const SheetCategory& category : content.categories)
            shown << category.name + ' ' + QColor(category.colour).name();
        QTEST(shown, "shown");
        QCOMPARE(QFile::exists(path), file != "missing");
        if (!before.isEmpty())
            QCOMPARE(readAll(path), before);
    }

private:
    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "TestExportCommand.moc"
