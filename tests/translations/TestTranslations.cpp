// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/Translations.h"
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// The German, French and Spanish catalogues: each loads, holds a finished translation of every text the sources
// hold, and is chosen from the user's languages; English loads nothing.
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    // Deleting a translator uninstalls it: every test starts in English.
    void cleanup() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>()); }
    void testLanguageChosenFromThePreferredOnes_data();
    void testLanguageChosenFromThePreferredOnes();
    void testAMessagesLocaleOfCIsEnglish_data();
    void testAMessagesLocaleOfCIsEnglish();
    void testEachCatalogueLoadsWithQtsOwn_data();
    void testEachCatalogueLoadsWithQtsOwn();
    void testEverySourceTextHasAFinishedTranslation_data();
    void testEverySourceTextHasAFinishedTranslation();
    void testInstallTranslatesTheProgramAndQt_data();
    void testInstallTranslatesTheProgramAndQt();
    void testEachTextHasOneContext();
    void testEveryCountHasTheSourcesForms();

private:
    struct Entry
    {
        QString context, source, comment, translation, type;
        bool numerus = false;
        QStringList forms; // of a text with a count, one per plural form of the language
    };
    static QList<Entry> readTs(const QString& path);
    QList<Entry> scanned;
};

QList<TestTranslations::Entry> TestTranslations::readTs(const QString& path)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                entries.append(entry);
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", {}};
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!entry.numerus) {
                entry.translation = xml.readElementText();
                continue;
            }
            // A text with a count holds one form per plural: all of them, one after the other.
            while (xml.readNextStartElement()) {
                entry.forms.append(xml.readElementText());
                entry.translation += entry.forms.last();
            }
        }
    }
    return entries;
}

// Every text the sources mark for translation today, as lupdate finds it.
void TestTranslations::initTestCase()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString scan = dir.filePath(QStringLiteral("scan.ts"));
    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                          QStringLiteral("-extensions"), QStringLiteral("cpp,h")};
    arguments += QStringLiteral(DORVANE_TEXT_FOLDERS).split(QLatin1Char(','));
    arguments += {QStringLiteral("-ts"), scan};
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(DORVANE_SOURCE_DIR));
    lupdate.start(QStringLiteral(DORVANE_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    scanned = readTs(scan);
    // Both windows' texts at least: a scan that finds next to nothing would pass every check below.
    QVERIFY2(scanned.size() > 80, qPrintable(QString::number(scanned.size())));
}

void TestTranslations::testLanguageChosenFromThePreferredOnes_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    const QStringList available{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
    QTest::newRow("German of Germany") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Austrian German: the region does not matter") << QStringList{"de-AT"} << "de";
    QTest::newRow("Canadian French") << QStringList{"fr-CA", "fr"} << "fr";
    QTest::newRow("a locale name as LANG spells it") << QStringList{"es_ES.UTF-8"} << "es";
    QTest::newRow("American English is the source") << QStringList{"en-US", "en"} << "";
    QTest::newRow("C is the source") << QStringList{"C"} << "";
    QTest::newRow("POSIX is the source") << QStringList{"POSIX"} << "";
    QTest::newRow("English first wins over a later German") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("Italian has none, Spanish is next") << QStringList{"it-IT", "it", "es-ES"} << "es";
    QTest::newRow("upper case") << QStringList{"FR"} << "fr";
    QTest::newRow("nothing known") << QStringList{"ja-JP", "ja"} << "";
}

void TestTranslations::testLanguageChosenFromThePreferredOnes()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    QCOMPARE(l10n::chosenLanguage(preferred, l10n::programLanguages()), chosen);
}

void TestTranslations::testAMessagesLocaleOfCIsEnglish_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<bool>("english");
    QTest::newRow("LC_ALL=C.UTF-8 outweighs LANGUAGE") << QStringList{"LC_ALL=C.UTF-8", "LANGUAGE=de"} << true;
    QTest::newRow("LC_MESSAGES=POSIX outweighs LANG") << QStringList{"LC_MESSAGES=POSIX", "LANG=de_DE.UTF-8"} << true;
    QTest::newRow("LANG=de_DE.UTF-8") << QStringList{"LANG=de_DE.UTF-8"} << false;
    QTest::newRow("LC_ALL outweighs LANG=C") << QStringList{"LC_ALL=fr_FR.UTF-8", "LANG=C"} << false;
    QTest::newRow("an empty LC_ALL counts as unset") << QStringList{"LC_ALL=", "LANG=es_ES.UTF-8"} << false;
    QTest::newRow("LC_MESSAGES outweighs LANG=C.UTF-8")
        << QStringList{"LANG=C.UTF-8", "LC_MESSAGES=es_ES.UTF-8"} << false;
    QTest::newRow("nothing set is the C library's C") << QStringList{"LANGUAGE=de"} << true;
    QTest::newRow("a modifier") << QStringList{"LANG=de_DE@euro"} << false;
}

void TestTranslations::testAMessagesLocaleOfCIsEnglish()
{
    QFETCH(QStringList, variables);
    QFETCH(bool, english);
    QProcessEnvironment environment;
    for (const QString& variable : std::as_const(variables))
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    QCOMPARE(l10n::messagesLocaleIsC(environment), english);
}

void TestTranslations::testEachCatalogueLoadsWithQtsOwn_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("quit");
    QTest::newRow("German") << "de"
                            << "Beenden";
    QTest::newRow("French") << "fr"
                            << "Quitter";
    QTest::newRow("Spanish") << "es"
                             << "Salir";
}

void TestTranslations::testEachCatalogueLoadsWithQtsOwn()
{
    QFETCH(QString, language);
    QFETCH(QString, quit);
    QVERIFY(l10n::programLanguages().contains(language));
    const auto program =
        l10n::catalogue(QLatin1String(l10n::ProgramFolder), QLatin1String(l10n::ProgramPrefix), language);
    QVERIFY(program);
    QCOMPARE(program->language(), language);
    QCOMPARE(program->translate("TCalendar", "Quit"), quit);
    // Qt's own catalogue of the same language, for the standard dialogs' buttons and the shortcuts' key names.
    const auto qt =
        l10n::catalogue(QLibraryInfo::path(QLibraryInfo::TranslationsPath), QLatin1String(l10n::QtPrefix), language);
    QVERIFY2(qt, "Qt's translations are missing (qt6-translations-l10n)");
    QVERIFY(!qt->translate("QPlatformTheme", "OK").isEmpty());
}

void TestTranslations::testEverySourceTextHasAFinishedTranslation_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
    QTest::newRow("Spanish") << "es";
}

void TestTranslations::testEverySourceTextHasAFinishedTranslation()
{
    QFETCH(QString, language);
    const QString path = QStringLiteral(DORVANE_SOURCE_DIR "/translations/dorvane_%1.ts").arg(language);
    const QList<Entry> written = readTs(path);
    QVERIFY2(!written.isEmpty(), qPrintable(path));
    const auto compiled =
        l10n::catalogue(QLatin1String(l10n::ProgramFolder), QLatin1String(l10n::ProgramPrefix), language);
    QVERIFY(compiled);
    QStringList faults;
    for (const Entry& text : std::as_const(scanned)) {
        const auto found = std::find_if(written.begin(), written.end(), [&text](const Entry& entry) {
            return entry.context == text.context && entry.source == text.source && entry.comment == text.comment;
        });
        const QString where = text.context + QLatin1String(": ") + text.source;
        if (found == written.end())
            faults.append(where + QLatin1String(" (no entry: run the update_translations target)"));
        else if (!found->type.isEmpty())
            faults.append(where + QLatin1String(" (") + found->type + QLatin1Char(')'));
        else if (found->translation.trimmed().isEmpty())
            faults.append(where + QLatin1String(" (empty)"));
        else if (compiled
                     ->translate(qPrintable(text.context), qPrintable(text.source),
                                 text.comment.isEmpty() ? nullptr : qPrintable(text.comment))
                     .isEmpty())
            faults.append(where + QLatin1String(" (not in the built catalogue)"));
        // A placeholder lost or added changes what the text says, in any of the plural forms.
        else {
            const QStringList forms = found->numerus ? found->forms : QStringList{found->translation};
            for (const QString& form : forms) {
                for (const char* mark : {"%1", "%2", "%3", "%n", "%Ln"}) {
                    if (text.source.contains(QLatin1String(mark)) != form.contains(QLatin1String(mark)))
                        faults.append(where + QLatin1String(" (placeholder ") + QLatin1String(mark) + QLatin1Char(')'));
                }
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::testInstallTranslatesTheProgramAndQt_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("hide");
    QTest::addColumn<QString>("control");
    QTest::newRow("German") << "de_DE"
                            << "de"
                            << "Ausblenden"
                            << "Strg";
    QTest::newRow("French") << "fr_FR"
                            << "fr"
                            << "Masquer"
                            << "Ctrl";
    QTest::newRow("Spanish") << "es_ES"
                             << "es"
                             << "Ocultar"
                             << "Control";
    // The source text stays byte for byte: only its own forms of a count are installed.
    QTest::newRow("American English") << "en_US"
                                      << ""
                                      << "Hide"
                                      << "Ctrl";
    QTest::newRow("C") << "C"
                       << ""
                       << "Hide"
                       << "Ctrl";
}

void TestTranslations::testInstallTranslatesTheProgramAndQt()
{
    QFETCH(QString, locale);
    QFETCH(QString, installed);
    QFETCH(QString, hide);
    QFETCH(QString, control);
    QCOMPARE(l10n::install(QLocale(locale)), installed);
    const int translators = int(QCoreApplication::instance()->findChildren<QTranslator*>().size());
    QCOMPARE(translators, installed.isEmpty() ? 1 : 3);
    QCOMPARE(QCoreApplication::translate("TCalendar", "Hide"), hide);
    QCOMPARE(QCoreApplication::translate("QShortcut", "Ctrl"), control);
}

// A text declared in two places is translated twice and can drift apart: each text is declared once, in one context.
void TestTranslations::testEachTextHasOneContext()
{
    QMap<QString, QStringList> contexts;
    for (const Entry& text : std::as_const(scanned)) {
        if (!contexts[text.source].contains(text.context))
            contexts[text.source].append(text.context);
    }
    QStringList faults;
    for (auto found = contexts.cbegin(); found != contexts.cend(); ++found) {
        if (found->size() > 1)
            faults.append(found.key() + QLatin1String(": ") + found->join(QLatin1String(", ")));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// English reads a count from its own catalogue: a text with a count missing there would read "1 day(s)".
void TestTranslations::testEveryCountHasTheSourcesForms()
{
    const QList<Entry> written = readTs(QStringLiteral(DORVANE_ENGLISH_TS));
    const auto compiled = l10n::catalogue(QLatin1String(l10n::ProgramFolder), QLatin1String(l10n::ProgramPrefix),
                                          QLatin1String(l10n::SourceLanguage));
    QVERIFY(compiled);
    int counts = 0;
    QStringList faults;
    for (const Entry& text : std::as_const(scanned)) {
        if (!text.numerus)
            continue;
        ++counts;
        const QString where = text.context + QLatin1String(": ") + text.source;
        const auto found = std::find_if(written.begin(), written.end(), [&text](const Entry& entry) {
            return entry.context == text.context && entry.source == text.source;
        });
        if (found == written.end() || !found->type.isEmpty() || found->forms.size() != 2 ||
            found->forms.contains(QString()))
            faults.append(where + QLatin1String(" (run the update_translations target and fill in both forms)"));
        else if (compiled->translate(qPrintable(text.context), qPrintable(text.source), nullptr, 1) !=
                 found->forms.first())
            faults.append(where + QLatin1String(" (not in the built catalogue)"));
    }
    QVERIFY2(counts > 0, "no text with a count found");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
