// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TCurrencyEdit.h"
#include "support/AppFixture.h"
#include <QComboBox>
#include <QToolButton>

// What a user sees under another language: month names, date separators and the decimal comma.
class TestLocales : public QObject
{
    Q_OBJECT
private slots:
    void init() { saved = rt::formatSettings(); }
    void cleanup() { rt::setFormatSettings(saved); }
    void testTitlesClicksAndSpan_data();
    void testTitlesClicksAndSpan();
    void testOffsetRoundTripsThroughTheFile_data();
    void testOffsetRoundTripsThroughTheFile();
    void testTimerRestoreWithTheLocalesSeparator();
    void testWeeksStartOnTheLocalesDay_data();
    void testWeeksStartOnTheLocalesDay();
    void testMondayFirstGridAnswersClicks_data();
    void testMondayFirstGridAnswersClicks();
    void testNextMonthWithTheSameLettersIsAGreyDay();

private:
    FormatSettings saved;
};

void TestLocales::testTitlesClicksAndSpan_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("marchTitle");
    QTest::addColumn<QString>("captionStart");
    QTest::addColumn<QString>("spanEnding");
    // Without the preferences' 24-hour flag the sun times follow the locale's clock; C and POSIX keep 12 hours.
    QTest::addColumn<QString>("sunrise");
    QTest::newRow("German") << "de_DE"
                            << "3 März 2024"
                            << "Dorvane   Today:  (5) Mai 15, 2024   Julian: 24.080"
                            << "5.3.2024 > 20.3.2024   Dy = 16  Wk = 3  Mo = 1"
                            << "06:33";
    QTest::newRow("French") << "fr_FR"
                            << "3 mars 2024"
                            << "Dorvane   Today:  (5) mai 15, 2024   Julian: 24.080"
                            << "5.3.2024 > 20.3.2024   Dy = 16  Wk = 3  Mo = 1"
                            << "06:33";
    QTest::newRow("British English") << "en_GB"
                                     << "3 March 2024"
                                     << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.080"
                                     << "5.3.2024 > 20.3.2024   Dy = 16  Wk = 3  Mo = 1"
                                     << "06:33";
    QTest::newRow("American English") << "en_US"
                                      << "3 March 2024"
                                      << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.080"
                                      << "3.5.2024 > 3.20.2024   Dy = 16  Wk = 3  Mo = 1"
                                      << "6:33A";
    QTest::newRow("C") << "C"
                       << "3 March 2024"
                       << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.080"
                       << "3.5.2024 > 3.20.2024   Dy = 16  Wk = 3  Mo = 1"
                       << "6:33A";
    QTest::newRow("POSIX") << "POSIX"
                           << "3 March 2024"
                           << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.080"
                           << "3.5.2024 > 3.20.2024   Dy = 16  Wk = 3  Mo = 1"
                           << "6:33A";
}

void TestLocales::testTitlesClicksAndSpan()
{
    QFETCH(QString, locale);
    QFETCH(QString, marchTitle);
    QFETCH(QString, captionStart);
    QFETCH(QString, spanEnding);
    QFETCH(QString, sunrise);
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale(locale)));
    App app;
    app.activate();
    QCOMPARE(app.title(3), marchTitle);
    app.clickDay(3, QDate(2024, 3, 5));
    QCOMPARE(app.month(3)->Hint(), QStringLiteral("24.065"));
    app.clickDay(3, QDate(2024, 3, 20));
    QCOMPARE(app.month(3)->Hint(), QStringLiteral("24.080"));
    QVERIFY2(app.calendar->windowTitle().startsWith(captionStart), qPrintable(app.calendar->windowTitle()));
    QVERIFY2(app.calendar->windowTitle().endsWith(spanEnding), qPrintable(app.calendar->windowTitle()));
    QCOMPARE(app.find<QLabel>(names::Label3)->text(), sunrise);
    QVERIFY(app.world.prompter.boxes.isEmpty());
}

void TestLocales::testOffsetRoundTripsThroughTheFile_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("fourthLine");
    QTest::newRow("German writes a comma") << "de_DE" << QByteArray("4,5");
    QTest::newRow("English writes a point") << "en_US" << QByteArray("4.5");
}

void TestLocales::testOffsetRoundTripsThroughTheFile()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, fourthLine);
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale(locale)));
    App app;
    app.activate();
    app.home->findChild<QComboBox*>("ComboBox1")
        ->setCurrentIndex(
            app.home->findChild<QComboBox*>("ComboBox1")->findText(QStringLiteral("Afghanistan (+04:30) Kabul")));
    app.home->findChild<QToolButton*>("SpeedButton54")->click();
    QCOMPARE(app.folder.read().split('\n').value(3).trimmed(), fourthLine);
    app.activate();
    QCOMPARE(app.home->findChild<TCurrencyEdit*>("CurrencyEditGMT3")->value(), 4.5);
}

void TestLocales::testTimerRestoreWithTheLocalesSeparator()
{
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale("de_DE")));
    App app(QDateTime(QDate(2024, 5, 15), QTime(0, 0)));
    app.activate();
    QCOMPARE(app.grid().yearStartText(), QStringLiteral("01.01.2024"));
    app.clickDay(5, QDate(2024, 5, 15));
    app.ticks(1);
    QCOMPARE(app.date(1), QDate(2024, 1, 1));
    QCOMPARE(app.date(5), QDate(2024, 5, 1));
    QVERIFY(app.world.prompter.boxes.isEmpty());
}

void TestLocales::testWeeksStartOnTheLocalesDay_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<QString>("marchName");
    QTest::newRow("C keeps Sunday") << "C" << int(Qt::Sunday) << "March 2024";
    QTest::newRow("POSIX keeps Sunday") << "POSIX" << int(Qt::Sunday) << "March 2024";
    QTest::newRow("American English, Sunday") << "en_US" << int(Qt::Sunday) << "March 2024";
    QTest::newRow("German, Monday") << "de_DE" << int(Qt::Monday) << "März 2024";
    QTest::newRow("French, Monday") << "fr_FR" << int(Qt::Monday) << "mars 2024";
}

void TestLocales::testWeeksStartOnTheLocalesDay()
{
    QFETCH(QString, locale);
    QFETCH(int, firstDay);
    QFETCH(QString, marchName);
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale(locale)));
    App app;
    app.activate();
    for (int n : {1, 3, 12})
        QCOMPARE(int(app.month(n)->firstDayOfWeek()), firstDay);
    QCOMPARE(app.month(3)->accessibleName(), marchName);
}

void TestLocales::testMondayFirstGridAnswersClicks_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("hint");
    // March 2024 begins on a Friday: under Monday-first its first row holds 26 to 29 February.
    QTest::newRow("Monday 4 March, start of the second row") << QDate(2024, 3, 4) << "24.064";
    QTest::newRow("Sunday 31 March, last column") << QDate(2024, 3, 31) << "24.091";
}

void TestLocales::testMondayFirstGridAnswersClicks()
{
    QFETCH(QDate, day);
    QFETCH(QString, hint);
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale("de_DE")));
    App app;
    app.activate();
    app.clickDay(3, day);
    QCOMPARE(app.date(3), day);
    QCOMPARE(app.month(3)->Hint(), hint);
    // A grey day of February in the first row is a neighbouring month's: back to today's year, no hint.
    app.clickDay(3, QDate(2024, 2, 26));
    QCOMPARE(app.month(3)->Hint(), QString());
    QCOMPARE(app.date(3), QDate(2024, 3, 1));
}

void TestLocales::testNextMonthWithTheSameLettersIsAGreyDay()
{
    // "juin" and "juillet" begin alike: 1 July 2019 is still a day of the month after the June calendar's.
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale("fr_FR")));
    App app;
    app.activate();
    app.enterYear(2019);
    app.clickDay(6, QDate(2019, 7, 1));
    QCOMPARE(app.date(1), QDate(2024, 1, 1));
    QCOMPARE(app.month(6)->Hint(), QString());
}

QTEST_MAIN(TestLocales)
#include "TestLocales.moc"
