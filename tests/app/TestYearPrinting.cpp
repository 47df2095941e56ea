#include "AppFixture.h"
#include "app/ExportTexts.h"
#include "app/YearPrinting.h"
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

// Print and export from the window, through the box gate, with the dialogs answered as a user would.
class TestYearPrinting : public QObject
{
    Q_OBJECT

    static QString run(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void testExport_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("filter"); // PDF A4, PDF Letter, PNG A4, PNG Letter
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("size"); // pdfinfo's page size, or the picture's pixels
        QTest::newRow("Ctrl+Shift+E, Letter PDF, no extension typed") << ExportNames::ExportYear << 1 << "year"
                                                                      << "year.pdf"
                                                                      << "792 x 612 pts";
        QTest::newRow("tray, A4 PNG") << ExportNames::TrayExportYear << 2 << "year.png"
                                      << "year.png"
                                      << "1754x1240";
        QTest::newRow("the name's extension wins over the filter") << ExportNames::ExportYear << 0 << "year.PNG"
                                                                   << "year.PNG"
                                                                   << "1754x1240";
        QTest::newRow("a folder that is not there") << ExportNames::ExportYear << 0 << "gone/year.pdf"
                                                    << ""
                                                    << "";
    }
    void testExport()
    {
        QFETCH(QString, command);
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, size);
        App app;
        app.activate();
        QTemporaryDir folder;
        app.world.prompter.whileDialogOpen = [&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            files->selectNameFilter(YearPrinting::nameFilters().at(filter));
            files->selectFile(folder.filePath(typed));
            dialog->accept(); // the dialog's own check of the name, as the Save button runs it
        };
        app.find<QAction>(command)->trigger();
        QCOMPARE(app.world.prompter.boxes.first().text, ExportNames::ExportDialog);
        if (written.isEmpty()) {
            QCOMPARE(app.world.prompter.boxes.size(), 2);
            QCOMPARE(app.world.prompter.boxes.last().kind, "error");
            QVERIFY(app.world.prompter.boxes.last().text.startsWith("Cannot write " + folder.filePath(typed) + ": "));
            return;
        }
        const QString file = folder.filePath(written);
        QVERIFY(QFile::exists(file));
        if (file.endsWith(".pdf")) {
            QVERIFY(run("pdfinfo", {file}).contains(size));
            const QString text = run("pdftotext", {file, "-"});
            // The year the grid shows, and the place of the preferences.
            QVERIFY(text.contains("2024"));
            QVERIFY(text.contains("30.15° N 97.45° W, UTC-6"));
        } else {
            const QSize pixels = QImage(file).size();
            QCOMPARE(QString("%1x%2").arg(pixels.width()).arg(pixels.height()), size);
        }
    }

    void testPrint_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Ctrl+P, printed") << ExportNames::PrintYear << true;
        QTest::newRow("tray, cancelled") << ExportNames::TrayPrintYear << false;
    }
    void testPrint()
    {
        QFETCH(QString, command);
        QFETCH(bool, accepted);
        App app;
        app.activate();
        app.enterYear(2031);
        QTemporaryDir folder;
        const QString file = folder.filePath("printed.pdf");
        app.world.prompter.whileDialogOpen = [&](QDialog* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            QVERIFY(print);
            // The printer as the dialog leaves it: landscape on the locale's paper, printing into a file here.
            QCOMPARE(print->printer()->pageLayout().orientation(), QPageLayout::Landscape);
            print->printer()->setOutputFileName(file);
            print->done(accepted ? QDialog::Accepted : QDialog::Rejected);
        };
        app.find<QAction>(command)->trigger();
        QCOMPARE(app.world.prompter.texts(), QStringList{ExportNames::PrintDialog});
        QCOMPARE(QFile::exists(file), accepted);
        if (accepted) {
            QVERIFY(run("pdfinfo", {file}).contains("842 x 595 pts (A4)"));
            QVERIFY(run("pdftotext", {file, "-"}).contains("2031"));
        }
    }
};

QTEST_MAIN(TestYearPrinting)
#include "TestYearPrinting.moc"
