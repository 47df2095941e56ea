// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Hints.h"
#include "dialog/HomeTexts.h"
#include "support/AppFixture.h"
#include "translations/Translations.h"
#include <QCheckBox>
#include <QTranslator>

// The main window and the Parameters dialog of a German user: the program's words, Qt's key names in the hints,
// and the sun times on the 24-hour clock the locale uses although prefs.cal asks for no 24-hour time.
class TestGermanWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void testTextsAreGerman_data();
    void testTextsAreGerman();
    void testAMessageIsGerman_data();
    void testAMessageIsGerman();

private:
    FormatSettings saved;
};

void TestGermanWindow::initTestCase()
{
    saved = rt::formatSettings();
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale(QStringLiteral("de_DE"))));
    QCOMPARE(l10n::install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
}

void TestGermanWindow::cleanupTestCase()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    rt::setFormatSettings(saved);
}

void TestGermanWindow::testTextsAreGerman_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");
    // A hint ends with its keys in Qt's German names: the key names come from Qt's own catalogue.
    QTest::newRow("next: hint") << "hint" << names::SpeedButton9 << "Weiter (Strg+Rechts)";
    QTest::newRow("year button: hint") << "hint" << names::SpeedButton10 << "Zurück zu heute (Strg+Pos1)";
    QTest::newRow("compact size: hint with two modifiers")
        << "hint" << names::SpeedButton7 << "Kompakte Größe (Strg+Umschalt+M)";
    QTest::newRow("next: screen reader") << "name" << names::SpeedButton9 << "Nächstes Jahr oder nächster Monat";
    QTest::newRow("week numbers: description")
        << "description" << names::SpeedButton5 << "Zeigt oder verbirgt die Kalenderwochen in allen Kalendern (Strg+W)";
    // 15 May 2024: the first quarter came at 11:48 UTC, so the evening's moon is at its quarter.
    QTest::newRow("moon: screen reader") << "name" << names::Image3 << "Erstes Viertel";
    QTest::newRow("sunrise: screen reader") << "name" << names::Label3 << "Sonnenaufgang 05:36";
    QTest::newRow("year entry: label") << "year entry" << names::Label1 << "Jahr";
    QTest::newRow("tray menu: quit") << "action" << names::TrayQuit << "Beenden";
    QTest::newRow("tray menu: parameters") << "action" << names::TrayParameters << "Einstellungen";
    // The locale's clock: no "6:33A" under German.
    QTest::newRow("sunrise on the 24-hour clock") << "text" << names::Label3 << "05:36";
    QTest::newRow("sunset on the 24-hour clock") << "text" << names::Label4 << "19:16";
    QTest::newRow("dialog: caption") << "dialog title" << QString() << "Einstellungen";
    QTest::newRow("dialog: save") << "dialog text" << QString::fromLatin1(HomeNames::SpeedButton54) << "Speichern";
    QTest::newRow("dialog: military time")
        << "dialog text" << QString::fromLatin1(HomeNames::CheckBox1) << "24-Stunden-Anzeige";
    QTest::newRow("dialog: time zone") << "dialog text" << QString::fromLatin1(HomeNames::LabelZone) << "Zeitzone";
}

void TestGermanWindow::testTextsAreGerman()
{
    QFETCH(QString, where);
    QFETCH(QString, control);
    QFETCH(QString, expected);
    App app;
    app.activate();
    QString shown;
    if (where == QLatin1String("hint"))
        shown = hints::hint(app.find<QWidget>(control));
    else if (where == QLatin1String("name"))
        shown = app.find<QWidget>(control)->accessibleName();
    else if (where == QLatin1String("description"))
        shown = app.find<QWidget>(control)->accessibleDescription();
    else if (where == QLatin1String("action"))
        shown = app.find<QAction>(control)->text();
    else if (where == QLatin1String("year entry")) {
        // Built on first opening.
        app.click(names::SpeedButton6);
        shown = app.find<QLabel>(control)->text();
    } else if (where == QLatin1String("dialog title"))
        shown = app.home->windowTitle();
    else if (where == QLatin1String("dialog text"))
        shown = app.home->findChild<QWidget*>(control)->property("text").toString();
    else if (auto* label = app.calendar->findChild<QLabel*>(control))
        shown = label->text();
    else
        shown = app.find<QAbstractButton>(control)->text();
    QCOMPARE(shown, expected);
}

void TestGermanWindow::testAMessageIsGerman_data()
{
    QTest::addColumn<QByteArray>("prefs");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("shown");
    const QByteArray austin("00\r\nW\xB0"
                            "97.45\r\nN\xB0"
                            "30.15\r\n-6\r\n");
    QTest::newRow("the window's own: a year out of range")
        << austin << 1600 << "Das Jahr muss zwischen 1700 und 3000 liegen";
    // The libraries' words, translated where the window shows them.
    QTest::newRow("a damaged file: a line each") << QByteArray("00\r\nW\xB0"
                                                               "x\r\nN\xB0"
                                                               "y\r\n-6\r\n")
                                                 << 0
                                                 << "Ungültige N/S-Grad in den Einstellungen.\n"
                                                    "Ungültige W/E-Grad in den Einstellungen.";
    QTest::newRow("an unknown zone, its name kept") << austin + "Mars/Olympus\r\n"
                                                    << 0 << "Unbekannte Zeitzone Mars/Olympus in den Einstellungen.";
}

void TestGermanWindow::testAMessageIsGerman()
{
    QFETCH(QByteArray, prefs);
    QFETCH(int, year);
    QFETCH(QString, shown);
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), prefs);
    app.activate();
    if (year != 0)
        app.enterYear(year);
    QCOMPARE(app.world.prompter.texts(), QStringList{shown});
}

QTEST_MAIN(TestGermanWindow)
#include "TestGermanWindow.moc"
