// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include <QProcess>
#include <QTest>

using commandline::Reading;

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    // What a command line asks for, and the start of its answer.
    void testRead_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("answer");
        const int window = int(Reading::Kind::Window), hidden = int(Reading::Kind::Hidden),
                  exported = int(Reading::Kind::Export), help = int(Reading::Kind::Help),
                  version = int(Reading::Kind::Version), wrong = int(Reading::Kind::Wrong);
        QTest::newRow("nothing") << QStringList{} << window << "";
        QTest::newRow("the toolkit's platform") << QStringList{"-platform", "offscreen"} << window << "";
        QTest::newRow("the toolkit's, two dashes and =")
            << QStringList{"--style=fusion", "-reverse", "-qmljsdebugger=port:5555"} << window << "";
        QTest::newRow("export") << QStringList{"--export", "2027", "y.pdf"} << exported << "";
        QTest::newRow("paper alone, the export's to refuse") << QStringList{"--paper", "a4"} << exported << "";
        QTest::newRow("--help") << QStringList{"--help"} << help << "Usage: ";
        QTest::newRow("-h after the toolkit's") << QStringList{"-platform", "xcb", "-h"} << help << "Usage: ";
        QTest::newRow("-help, one dash") << QStringList{"-help"} << help << "Usage: ";
        QTest::newRow("--version") << QStringList{"--version"} << version << "Dorvane 1.0";
        QTest::newRow("-v") << QStringList{"-v"} << version << "Dorvane 1.0";
        QTest::newRow("misspelt export") << QStringList{"--exprot", "2027", "y.pdf"} << wrong
                                         << "Unknown option 'exprot'.";
        QTest::newRow("one dash, a word") << QStringList{"-hide"} << wrong << "Unknown option 'hide'.";
        // The desktop's autostart entry starts the window behind the tray icon.
        QTest::newRow("--hidden") << QStringList{"--hidden"} << hidden << "";
        QTest::newRow("-hidden after the toolkit's") << QStringList{"-platform", "xcb", "-hidden"} << hidden << "";
        QTest::newRow("--hidden and a stray") << QStringList{"--hidden", "x"} << wrong << "Unknown argument 'x'.";
        QTest::newRow("--hidden with help") << QStringList{"--hidden", "--help"} << help << "Usage: ";
        QTest::newRow("a stray argument") << QStringList{"2027"} << wrong << "Unknown argument '2027'.";
        QTest::newRow("stray after the toolkit's")
            << QStringList{"-platform", "offscreen", "notes.txt"} << wrong << "Unknown argument 'notes.txt'.";
        QTest::newRow("a toolkit flag with a value") << QStringList{"-reverse=1"} << wrong << "Unknown option";
        QTest::newRow("version with a value") << QStringList{"--version=2"} << wrong << "Unexpected value";
    }
    void testRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, kind);
        QFETCH(QString, answer);
        const Reading reading = commandline::read(arguments);
        QCOMPARE(int(reading.kind), kind);
        QCOMPARE(reading.text.left(answer.size()), answer);
        if (reading.kind == Reading::Kind::Wrong || reading.kind == Reading::Kind::Version)
            QVERIFY(!reading.text.contains('\n'));
    }

    // The program itself on a machine without a display: no platform, no X, no Wayland. Every answer ends the run
    // without a window; a refusal is one line on the standard error.
    void testProgram_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error");
        QTest::newRow("--help") << QStringList{"--help"} << "C.UTF-8" << 0 << "--export <YEAR FILE>  Writes the page"
                                << "";
        QTest::newRow("--help in German") << QStringList{"--help"} << "de_DE.UTF-8" << 0 << "Zeigt diese Hilfe."
                                          << "";
        QTest::newRow("--version") << QStringList{"--version"} << "C.UTF-8" << 0 << "Dorvane 1.0\n"
                                   << "";
        QTest::newRow("misspelt export") << QStringList{"--exprot", "2027", "y.pdf"} << "C.UTF-8" << 2 << ""
                                         << "Unknown option 'exprot'.\n";
        QTest::newRow("stray in French") << QStringList{"notes.txt"} << "fr_FR.UTF-8" << 2 << ""
                                         << "Argument inconnu : « notes.txt ».\n";
        QTest::newRow("an export's refusal, as before")
            << QStringList{"--export", "1600", "y.pdf"} << "C.UTF-8" << 2 << ""
            << "Not a year from 1601 to 9999: 1600\n";
    }
    void testProgram()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, error);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_MESSAGES", "LANG"})
            environment.remove(QString::fromLatin1(name));
        environment.insert("LC_ALL", language);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(DORVANE_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(stdErr, error);
        if (out.isEmpty())
            QCOMPARE(stdOut, out);
        else
            QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
