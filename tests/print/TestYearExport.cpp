// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/YearExport.h"
#include <QImage>
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
};

QTEST_MAIN(TestYearExport)
#include "TestYearExport.moc"
