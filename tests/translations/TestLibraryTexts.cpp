// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/SunReport.h"
#include "calendars/IcsOutcome.h"
#include "prefs/PositionLine.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"
#include "runtime/NumberText.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include "translations/Translations.h"
#include "zones/ZoneOffsets.h"
#include <QTranslator>
#include <QtTest>
#include <functional>

// What the libraries below the windows say, in the user's language where it is shown: the part filled in kept as
// it is, a count in the language's own plural form, and English byte for byte.
class TestLibraryTexts : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>()); }
    void testShownInTheUsersLanguage_data();
    void testShownInTheUsersLanguage();
    void testEveryMoonPhaseIsNamed_data();
    void testEveryMoonPhaseIsNamed();
};

namespace {
using Shown = std::function<QString()>;

// What the box says when a handler ends in a conversion error.
QString boxOf(const std::function<void()>& handler)
{
    FakeWorld world;
    BoxGate gate(world.services);
    gate.run(handler);
    return world.prompter.texts().join(QLatin1Char('\n'));
}

QString eventsLine(const QString& calendar, int count)
{
    IcsOutcome outcome;
    outcome.kind = IcsOutcome::Kind::Read;
    outcome.calendarName = calendar;
    outcome.eventCount = count;
    return outcome.line();
}
} // namespace

Q_DECLARE_METATYPE(Shown)

void TestLibraryTexts::testShownInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<QString>("expected");
    // A box message with the text the user typed.
    QTest::newRow("German: a number typed")
        << "de_DE" << Shown([] { return boxOf([] { rt::strToInt("12x"); }); }) << "„12x“ ist keine gültige ganze Zahl";
    QTest::newRow("Spanish: a date typed")
        << "es_ES" << Shown([] { return boxOf([] { rt::strToDate("2/30/24", 2024, FormatSettings()); }); })
        << "«2/30/24» no es una fecha válida";
    QTest::newRow("English: a date typed")
        << "en_US" << Shown([] { return boxOf([] { rt::strToDate("2/30/24", 2024, FormatSettings()); }); })
        << "'2/30/24' is not a valid date";
    // A typed "%2" is the user's text, not a place for another argument.
    QTest::newRow("German: a typed %2 kept")
        << "de_DE" << Shown([] { return boxOf([] { rt::strToInt("%2"); }); }) << "„%2“ ist keine gültige ganze Zahl";
    QTest::newRow("German: the path kept, spaces and all") << "de_DE" << Shown([] {
        TempPrefsDir dir;
        PrefsStore store(dir.path() + "/a b", FormatSettings());
        Wording message;
        store.load(&message);
        return message.translated().replace(dir.path(), "…");
    }) << "Datei kann nicht geöffnet werden: …/a b/prefs.cal";
    QTest::newRow("French: the zone kept")
        << "fr_FR" << Shown([] { return zoneText::unknownZone("Mars/Olympus").translated(); })
        << "Fuseau horaire Mars/Olympus inconnu dans les préférences.";
    QTest::newRow("German: a position line") << "de_DE" << Shown([] { return prefs::InvalidLatitude.translated(); })
                                             << "Ungültige N/S-Grad in den Einstellungen.";
    QTest::newRow("French: the sun up all day") << "fr_FR" << Shown([] { return sunText::UpOrDownAllDay.translated(); })
                                                << "Le soleil reste levé ou couché toute la journée";
    // A moon phase name, as the toolbar's picture and the Day panel say it.
    QTest::newRow("German: first quarter")
        << "de_DE" << Shown([] { return moonPhaseName(7).translated(); }) << "Erstes Viertel";
    QTest::newRow("Spanish: full moon") << "es_ES" << Shown([] { return moonPhaseName(14).translated(); })
                                        << "Luna llena";
    QTest::newRow("no picture, no name") << "de_DE" << Shown([] { return moonPhaseName(0).translated(); }) << "";
    // A count in the language's plural form: French takes the singular for none, German and English the plural.
    QTest::newRow("German: one event") << "de_DE" << Shown([] { return eventsLine("Arbeit", 1); })
                                       << "Arbeit: 1 Termin";
    QTest::newRow("German: no events") << "de_DE" << Shown([] { return eventsLine("Arbeit", 0); })
                                       << "Arbeit: 0 Termine";
    QTest::newRow("French: no events") << "fr_FR" << Shown([] { return eventsLine("Travail", 0); })
                                       << "Travail : 0 événement";
    QTest::newRow("Spanish: two events") << "es_ES" << Shown([] { return eventsLine("Trabajo", 2); })
                                         << "Trabajo: 2 eventos";
    QTest::newRow("English: one event") << "en_US" << Shown([] { return eventsLine("Work", 1); }) << "Work: 1 event";
    QTest::newRow("C: a thousand events")
        << "C" << Shown([] { return eventsLine("Work", 1000); }) << "Work: 1000 events";
    QTest::newRow("English: a calendar named with %2")
        << "en_US" << Shown([] { return eventsLine("Q%2 plans", 3); }) << "Q%2 plans: 3 events";
}

void TestLibraryTexts::testShownInTheUsersLanguage()
{
    QFETCH(QString, locale);
    QFETCH(Shown, shown);
    QFETCH(QString, expected);
    l10n::install(QLocale(locale));
    QCOMPARE(shown(), expected);
}

void TestLibraryTexts::testEveryMoonPhaseIsNamed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("German") << "de_DE";
    QTest::newRow("French") << "fr_FR";
    QTest::newRow("Spanish") << "es_ES";
}

void TestLibraryTexts::testEveryMoonPhaseIsNamed()
{
    QFETCH(QString, locale);
    l10n::install(QLocale(locale));
    // A name declared without its translation would be said in English without failing anything else.
    for (int picture = 1; picture <= 28; ++picture) {
        const Wording name = moonPhaseName(picture);
        QVERIFY2(!name.english().isEmpty() && name.translated() != name.english(), qPrintable(name.english()));
    }
}

QTEST_GUILESS_MAIN(TestLibraryTexts)
#include "TestLibraryTexts.moc"
