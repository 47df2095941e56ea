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
