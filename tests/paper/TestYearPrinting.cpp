// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/ExportCommand.h"
#include "paper/ExportTexts.h"
#include "paper/YearPrinting.h"
#include "support/AppFixture.h"
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

static QString poppler(const QString& tool, const QString& file)
{
    QProcess process;
    process.start(tool, tool == "pdftotext" ? QStringList{file, "-"} : QStringList{file});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Print and export from the window, through the box gate, with the dialogs answered as a user would.
class TestYearPrinting : public QObject
{
    Q_OBJECT
private slots:
    void testExport_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("filter"); // PDF A4, PDF Letter, PNG A4, PNG Letter
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // the file and what it is, or the start of the error box
        QTest::newRow("Ctrl+Shift+E, Letter PDF, no extension typed") << ExportNames::ExportYear << 1 << "year"
                                                                      << "year.pdf 792 x 612 pts";
        QTest::newRow("tray, the name's PNG over the PDF filter") << ExportNames::TrayExportYear << 0 << "year.PNG"
                                                                  << "year.PNG 1754x1240";
        QTest::newRow("a folder that is not there") << ExportNames::ExportYear << 0 << "gone/y.pdf"
                                                    << "Cannot write";
    }
    void testExport()
    {
        QFETCH(QString, command);
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        App app;
        app.activate();
        QTemporaryDir folder;
        app.world.prompter.whileDialogOpen = [&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            files->selectNameFilter(YearPrinting::nameFilters().at(filter));
            files->selectFile(folder.filePath(typed));
            dialog->accept(); // the dialog's own check of the name, as its Save button runs it
        };
        app.find<QAction>(command)->trigger();
        const QList<FakePrompter::Box> boxes = app.world.prompter.boxes;
        QCOMPARE(boxes.first().text, ExportNames::ExportDialog);
        if (written.startsWith("Cannot")) {
            QCOMPARE(boxes.size(), 2);
            QVERIFY(boxes.last().text.startsWith(written + ' ' + folder.filePath(typed) + ": "));
            return;
        }
        const QString file = folder.filePath(written.section(' ', 0, 0));
        const QSize pixels = QImage(file).size();
        const QString what = file.endsWith(".pdf") ? poppler("pdfinfo", file)
                                                   : QString("%1x%2").arg(pixels.width()).arg(pixels.height());
        QVERIFY2(what.contains(written.section(' ', 1)), qPrintable(what));
    }

    // The window's export and the command line's draw the same page from the same prefs.cal.
    void testWindowAndCommandLineAgree_data()
    {
        QTest::addColumn<QByteArray>("prefs");
        QTest::newRow("the position reads") << QByteArray("00\r\nW\xB0"
                                                          "97.45\r\nN\xB0"
                                                          "30.15\r\n-6\r\n");
        QTest::newRow("a latitude that does not read") << QByteArray("00\r\nW\xB0"
                                                                     "97.45\r\nN\xB0"
                                                                     "abc\r\n-6\r\n");
        QTest::newRow("a longitude that does not read, far east") << QByteArray("00\r\nE\xB0"
                                                                                "1x\r\nS\xB0"
                                                                                "33.87\r\n11\r\n");
    }
    void testWindowAndCommandLineAgree()
    {
        QFETCH(QByteArray, prefs);
        App app(QDateTime(QDate(2026, 5, 15), QTime(10, 30)), prefs);
        app.activate();
        QTemporaryDir folder;
        app.world.prompter.whileDialogOpen = [&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            files->selectNameFilter(YearPrinting::nameFilters().at(2)); // PNG, A4
            files->selectFile(folder.filePath("window.png"));
            dialog->accept();
        };
        app.find<QAction>(ExportNames::ExportYear)->trigger();
        const QString commandLine = folder.filePath("command-line.png");
        const SheetContent content =
            exportcommand::pageOf(2026, app.folder.filePath(), rt::formatSettings(), QLocale());
        QVERIFY(YearExport::write(content, commandLine, Paper::A4).written);
        const QImage window(folder.filePath("window.png"));
        QVERIFY(!window.isNull());
        QVERIFY(window == QImage(commandLine));
        // Both pages mark the year's moons, which fall on the same days wherever the position is.
        QVERIFY(content.marks && content.marks(QDate(2026, 1, 3)).fullMoon);
    }

    void testPrint()
    {
        App app;
        app.activate();
        app.enterYear(2031);
        QTemporaryDir folder;
        const QString file = folder.filePath("printed.pdf");
        app.world.prompter.whileDialogOpen = [&](QDialog* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            QVERIFY(print);
            QCOMPARE(print->printer()->pageLayout().orientation(), QPageLayout::Landscape);
            print->printer()->setOutputFileName(file);
            print->done(QDialog::Accepted);
        };
        app.find<QAction>(ExportNames::PrintYear)->trigger();
        QCOMPARE(app.world.prompter.texts(), QStringList{ExportNames::PrintDialog});
        // The year shown and the place, on the locale's paper: A4 where the locale names no country.
        QVERIFY(poppler("pdfinfo", file).contains("842 x 595 pts (A4)"));
        const QString text = poppler("pdftotext", file);
        QVERIFY2(text.contains("2031") && text.contains("30.15° N 97.45° W, UTC-6"), qPrintable(text));
    }
};

QTEST_MAIN(TestYearPrinting)
#include "TestYearPrinting.moc"
