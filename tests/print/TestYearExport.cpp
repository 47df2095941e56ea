#include "print/YearExport.h"
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The files are read back with poppler's tools, as a user's viewer would read them.
class TestYearExport : public QObject
{
    Q_OBJECT

    static QString run(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    static SheetContent content(int year, const QString& locale)
    {
        SheetContent content;
        content.year = year;
        content.place = QStringLiteral("Berlin, 52.52° N 13.41° E, Europe/Berlin");
        content.locale = QLocale(locale);
        content.firstDay = Qt::Monday;
        return content;
    }

private slots:
    void testDefaultPaper_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Paper>("paper");
        QTest::newRow("United States") << "en_US" << Paper::Letter;
        QTest::newRow("Canada, French") << "fr_CA" << Paper::Letter;
        QTest::newRow("Mexico") << "es_MX" << Paper::Letter;
        QTest::newRow("Germany") << "de_DE" << Paper::A4;
        QTest::newRow("United Kingdom") << "en_GB" << Paper::A4;
        QTest::newRow("Spain") << "es_ES" << Paper::A4;
        QTest::newRow("no country") << "C" << Paper::A4;
    }
    void testDefaultPaper()
    {
        QFETCH(QString, locale);
        QFETCH(Paper, paper);
        QCOMPARE(paper::defaultFor(QLocale(locale)), paper);
    }

    void testPdf_data()
    {
        QTest::addColumn<Paper>("paper");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("words");
        // 1 January 2027 is a Friday of ISO week 53 of 2026.
        QTest::newRow("A4, English") << Paper::A4 << "en_US"
                                     << "842 x 595 pts (A4)"
                                     << QStringList{"2027", "January", "December", "Mon", "53", "Berlin", "New moon"};
        QTest::newRow("Letter, German") << Paper::Letter << "de_DE"
                                        << "792 x 612 pts (letter)"
                                        << QStringList{"2027", "Januar", "Dezember", "Mo", "53", "13.41° E"};
    }
    void testPdf()
    {
        QFETCH(Paper, paper);
        QFETCH(QString, locale);
        QFETCH(QString, size);
        QFETCH(QStringList, words);
        QTemporaryDir folder;
        const QString file = folder.filePath("year.pdf");
        QVERIFY(YearExport::write(content(2027, locale), file, paper).written);
        const QString info = run("pdfinfo", {file});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+" + QRegularExpression::escape(size))),
                 qPrintable(info));
        const QString text = run("pdftotext", {file, "-"});
        for (const QString& word : words)
            QVERIFY2(text.contains(word), qPrintable(word));
    }

    void testPng_data()
    {
        QTest::addColumn<Paper>("paper");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("pixels");
        // 297 x 210 mm and 11 x 8.5 in, landscape.
        QTest::newRow("A4 at 150 dpi") << Paper::A4 << 150 << QSize(1754, 1240);
        QTest::newRow("Letter at 150 dpi") << Paper::Letter << 150 << QSize(1650, 1275);
        QTest::newRow("A4 at 200 dpi") << Paper::A4 << 200 << QSize(2339, 1654);
    }
    void testPng()
    {
        QFETCH(Paper, paper);
        QFETCH(int, dpi);
        QFETCH(QSize, pixels);
        QTemporaryDir folder;
        const QString file = folder.filePath("year.PNG");
        QVERIFY(YearExport::write(content(2027, "en_US"), file, paper, dpi).written);
        const QImage image(file, "PNG");
        QCOMPARE(image.size(), pixels);
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), dpi);
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
        QImage blank(pixels, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QVERIFY(image.convertToFormat(QImage::Format_RGB32) != blank);
    }

    void testUnwritable()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath("missing/year.pdf");
        for (const QString& name : {file, folder.filePath("missing/year.png")}) {
            const YearExport::Result result = YearExport::write(content(2027, "en_US"), name, Paper::A4);
            QVERIFY(!result.written);
            QVERIFY(!result.reason.isEmpty());
            QVERIFY(!QFile::exists(name));
        }
    }
};

QTEST_MAIN(TestYearExport)
#include "TestYearExport.moc"
