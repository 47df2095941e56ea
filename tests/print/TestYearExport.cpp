// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/YearExport.h"
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The files are read back as a viewer reads them: a PDF by poppler's tools, a PNG as a picture.
class TestYearExport : public QObject
{
    Q_OBJECT
private slots:
    void testDefaultPaper_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Paper>("paper");
        QTest::newRow("United States") << "en_US" << Paper::Letter;
        QTest::newRow("United Kingdom") << "en_GB" << Paper::A4;
        QTest::newRow("no country") << "C" << Paper::A4;
    }
    void testDefaultPaper()
    {
        QFETCH(QString, locale);
        QTEST(paper::defaultFor(QLocale(locale)), "paper");
    }

    void testFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Paper>("paper");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("page"); // pdfinfo's pages and size, or the picture's pixels and dots per inch
        QTest::addColumn<QStringList>("words");
        // 1 January 2027 is a Friday of ISO week 53 of 2026. A4 is 297 x 210 mm, Letter 11 x 8.5 in.
        QTest::newRow("PDF, A4, English")
            << "y.pdf" << Paper::A4 << 0 << "en_US"
            << "1 page, 842 x 595 pts (A4)" << QStringList{"2027", "January", "December", "Mon", "53", "New moon"};
        QTest::newRow("PDF, Letter, German")
            << "y.pdf" << Paper::Letter << 0 << "de_DE"
            << "1 page, 792 x 612 pts (letter)" << QStringList{"Januar", "Dezember", "Mo", "53", "13.41° E"};
        QTest::newRow("PNG, Letter") << "y.PNG" << Paper::Letter << 150 << "en_US"
                                     << "1650 x 1275 at 150" << QStringList{};
        QTest::newRow("PNG, A4") << "y.png" << Paper::A4 << 200 << "en_US"
                                 << "2339 x 1654 at 200" << QStringList{};
    }
    void testFile()
    {
        QFETCH(QString, name);
        QFETCH(Paper, paper);
        QFETCH(int, dpi);
        QFETCH(QString, locale);
        QFETCH(QStringList, words);
        SheetContent content;
        content.year = 2027;
        content.place = QStringLiteral("Berlin, 52.52° N 13.41° E, Europe/Berlin");
        content.locale = QLocale(locale);
        QTemporaryDir folder;
        const QString file = folder.filePath(name);
        QVERIFY(YearExport::write(content, file, paper, dpi).written);
        const auto poppler = [&file](const QString& tool, const QStringList& more) {
            QProcess process;
            process.start(tool, QStringList{file} + more);
            process.waitForFinished(60000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        const QImage image(file);
        const QString info = poppler("pdfinfo", {});
        const QRegularExpressionMatch pdf =
            QRegularExpression("Pages: +(\\d+)\\n(?:.*\\n)*Page size: +(.*)\\n").match(info);
        QTEST(image.isNull() ? QString("%1 page, %2").arg(pdf.captured(1), pdf.captured(2))
                             : QString("%1 x %2 at %3")
                                   .arg(image.width())
                                   .arg(image.height())
                                   .arg(qRound(image.dotsPerMeterX() * 0.0254)),
              "page");
        const QString text = poppler("pdftotext", {"-"});
        for (const QString& word : words)
            QVERIFY2(text.contains(word), qPrintable(word));
    }

    // The marked days follow the year on a page of their own, in a PDF and on a printer, by month; the printer's
    // chosen pages alone are printed. Without marked days the year is one page.
    void testMarkedDaysPage_data()
    {
        QTest::addColumn<QList<SheetRange>>("ranges");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("lines"); // of the last page, without the header
        const QList<SheetRange> days{{QDate(2026, 12, 28), QDate(2027, 1, 3), "New Year", 0x0072b2},
                                     {QDate(2027, 3, 12), QDate(2027, 3, 15), "Trip", 0xd55e00},
                                     {QDate(2027, 3, 28), QDate(2027, 4, 2), "Easter", 0x009e73}};
        const QStringList list{"January", "28 December 2026 – 3 January 2027 New Year", "March", "12–15 March Trip",
                               "28 March – 2 April Easter"};
        QTest::newRow("PDF without marked days") << QList<SheetRange>{} << false << "" << 1 << QStringList{};
        QTest::newRow("PDF") << days << false << "" << 2 << list;
        QTest::newRow("printed") << days << true << "" << 2 << list;
        QTest::newRow("printed, page 2 chosen") << days << true << "2" << 1 << list;
        QTest::newRow("printed, a page the year does not have")
            << QList<SheetRange>{} << true << "2" << 0 << QStringList{};
    }
    void testMarkedDaysPage()
    {
        QFETCH(QList<SheetRange>, ranges);
        QFETCH(bool, printed);
        QFETCH(QString, chosen);
        QFETCH(int, pages);
        QFETCH(QStringList, lines);
        SheetContent content;
        content.year = 2027;
        content.place = QStringLiteral("Berlin");
        content.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
        content.ranges = ranges;
        QTemporaryDir folder;
        const QString file = folder.filePath("y.pdf");
        if (printed) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFileName(file);
            printer.setPageOrientation(QPageLayout::Landscape);
            QPageRanges pageRanges;
            if (!chosen.isEmpty())
                pageRanges.addPage(chosen.toInt());
            QVERIFY(YearExport::paintOnto(printer, content, pageRanges));
        } else {
            QVERIFY(YearExport::writePdf(content, file, Paper::A4).written);
        }
        QProcess info;
        info.start("pdfinfo", {file});
        info.waitForFinished(60000);
        const QString pagesLine =
            QRegularExpression("Pages: +(\\d+)").match(QString::fromUtf8(info.readAllStandardOutput())).captured(1);
        QCOMPARE(pagesLine.toInt(), pages);
        if (lines.isEmpty())
            return;
        QProcess text;
        const QString last = QString::number(pages);
        text.start("pdftotext", {"-layout", "-f", last, "-l", last, file, "-"});
        text.waitForFinished(60000);
        QStringList shown;
        for (const QString& line : QString::fromUtf8(text.readAllStandardOutput()).split('\n'))
            if (!line.simplified().isEmpty())
                shown << line.simplified();
        QCOMPARE(shown.value(0), QStringLiteral("2027 Berlin"));
        QCOMPARE(shown.mid(1), lines);
    }
};

QTEST_MAIN(TestYearExport)
#include "TestYearExport.moc"
