#include "astro/SunReport.h"
#include "astro/SunRiseSet.h"
#include "prefs/PositionLine.h"
#include "prefs/Preferences.h"
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"
#include "runtime/FormatSettings.h"
#include "runtime/NumberText.h"
#include "translations/Messages.h"
#include "translations/Translations.h"
#include "zones/ZoneOffsets.h"
#include <QTranslator>
#include <QtTest>

// The libraries' English messages, translated where a box shows them: each line on its own, the part filled in
// kept; under English every text stays byte for byte.
class TestMessages : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>()); }
    void testBoxTexts_data();
    void testBoxTexts();
    void testEveryMoonPhaseIsNamed_data();
    void testEveryMoonPhaseIsNamed();
};

namespace {
// The text of the conversion error a call throws.
template <class Call> QString thrown(Call call)
{
    try {
        call();
    } catch (const ConvertError& error) {
        return error.text;
    }
    return QString();
}
} // namespace

void TestMessages::testBoxTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German: a day without sunrise")
        << "de_DE" << sunText::NoSunrise << "Kein Sonnenaufgang an diesem Tag";
    QTest::newRow("French: the sun up all day")
        << "fr_FR" << sunText::UpOrDownAllDay << "Le soleil reste levé ou couché toute la journée";
    QTest::newRow("Spanish: a bad offset")
        << "es_ES" << sunReportText::InvalidOffset << "Desfase GMT no válido en las preferencias.";
    // One box lists each thing wrong with the file, a line each.
    QTest::newRow("German: two lines, both translated")
        << "de_DE" << prefs::InvalidLatitude + QLatin1Char('\n') + prefs::InvalidLongitude
        << "Ungültige N/S-Grad in den Einstellungen.\nUngültige W/E-Grad in den Einstellungen.";
    QTest::newRow("German: the path kept, spaces and all")
        << "de_DE" << prefs::CannotOpenFile + QStringLiteral("/home/a b/prefs.cal")
        << "Datei kann nicht geöffnet werden: /home/a b/prefs.cal";
    QTest::newRow("French: the zone kept") << "fr_FR" << zoneText::unknownZone(QStringLiteral("Mars/Olympus"))
                                           << "Fuseau horaire Mars/Olympus inconnu dans les préférences.";
    QTest::newRow("German: a number typed")
        << "de_DE" << thrown([] { rt::strToInt(QStringLiteral("12x")); }) << "„12x“ ist keine gültige ganze Zahl";
    QTest::newRow("Spanish: a date typed")
        << "es_ES" << thrown([] { rt::strToDate(QStringLiteral("2/30/24"), 2024, FormatSettings()); })
        << "«2/30/24» no es una fecha válida";
    // Only whole lines are messages: a line that merely holds one is someone else's text.
    QTest::newRow("German: a message inside a line stays")
        << "de_DE" << QStringLiteral("Note: ") + sunText::NoSunrise << "Note: No sunrise this date";
    QTest::newRow("German: an unknown text stays") << "de_DE"
                                                   << "Something else"
                                                   << "Something else";
    QTest::newRow("English: nothing changes")
        << "en_US" << prefs::CannotOpenFile + QStringLiteral("/x") << "Cannot open file /x";
}

void TestMessages::testBoxTexts()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QVERIFY(!text.isEmpty());
    l10n::install(QLocale(locale));
    QCOMPARE(l10n::translatedMessage(text), shown);
}

void TestMessages::testEveryMoonPhaseIsNamed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("German") << "de_DE";
    QTest::newRow("French") << "fr_FR";
    QTest::newRow("Spanish") << "es_ES";
}

void TestMessages::testEveryMoonPhaseIsNamed()
{
    QFETCH(QString, locale);
    l10n::install(QLocale(locale));
    // A name reworded in the astronomy would go untranslated without failing anything else.
    for (int picture = 1; picture <= 28; ++picture) {
        const QString english = moonPhaseName(picture);
        QVERIFY2(l10n::translatedMessage(english) != english, qPrintable(english));
    }
}

QTEST_GUILESS_MAIN(TestMessages)
#include "TestMessages.moc"
