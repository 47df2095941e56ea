// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TumNumberEdit.h"
#include "support/AppFixture.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

namespace {
const QByteArray Polar("00\r\nW\xB0"
                       "-25\r\nN\xB0"
                       "70\r\n2\r\n");
const QByteArray BadLatitude("00\r\nW\xB0"
                             "97.45\r\nN\xB0"
                             "abc\r\n-6\r\n");
const QByteArray BothBad("00\r\nW\xB0"
                         "x\r\nN\xB0"
                         "y\r\n-6\r\n");
const QString UpOrDown = QStringLiteral("Sun up or down all day");
const QString InvalidNS = QStringLiteral("Invalid N/S degrees in preferences.");
const QString InvalidWE = QStringLiteral("Invalid W/E degrees in preferences.");
const QDateTime Midsummer(QDate(2024, 6, 21), QTime(12, 0));

// What a real box's nested loop does while it is open: the timer ticks, and the window may be told it is active.
void tickAndActivateInside(App& app)
{
    app.world.prompter.whileOpen = [&app](const FakePrompter::Box&) {
        for (int i = 0; i < 350; ++i)
            app.calendar->Timer1Timer();
        app.gate->activationArrived();
    };
}

// Closing a box activates the window again; the queued activation then runs.
void closeBoxesAndSettle(App& app, int activations)
{
    for (int i = 0; i < activations; ++i) {
        app.gate->activationArrived();
        QCoreApplication::processEvents();
        app.ticks(350);
    }
}
} // namespace

class TestReportFlows : public QObject
{
    Q_OBJECT
private slots:
    void testAutomaticReportsSayEachMessageOnce_data();
    void testAutomaticReportsSayEachMessageOnce();
    void testAClickAlwaysShowsItsDaysMessages();
    void testCountdownExpiringWhileABoxIsOpen();
    void testActivationInsideAHandlerWaits();
    void testMissingFileShowsOneBoxAndTheYear();
    void testChangedPreferencesSpeakAgain();
    void testAMessageDroppedUnderABoxIsSaidLater();
    void testABadPositionIsNotRepeatedForANewDay();
    void testSavedSettingsAreInUseAtOnce_data();
    void testSavedSettingsAreInUseAtOnce();
};

void TestReportFlows::testAutomaticReportsSayEachMessageOnce_data()
{
    QTest::addColumn<QByteArray>("prefs");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("polar position") << Polar << QStringList{UpOrDown};
    QTest::newRow("bad latitude") << BadLatitude << QStringList{InvalidNS};
    QTest::newRow("both bad: one box, latitude first") << BothBad << QStringList{InvalidNS + '\n' + InvalidWE};
}

void TestReportFlows::testAutomaticReportsSayEachMessageOnce()
{
    QFETCH(QByteArray, prefs);
    QFETCH(QStringList, expected);
    App app(Midsummer, prefs);
    tickAndActivateInside(app);
    app.activate();
    closeBoxesAndSettle(app, 5);
    QCOMPARE(app.world.prompter.texts(), expected);
    QCOMPARE(app.world.prompter.maxDepth, 1);
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
}

void TestReportFlows::testAClickAlwaysShowsItsDaysMessages()
{
    App app(Midsummer, BadLatitude);
    app.activate();
    app.clickDay(3, QDate(2024, 3, 5));
    app.clickDay(3, QDate(2024, 3, 6));
    QCOMPARE(app.world.prompter.texts(), QStringList({InvalidNS, InvalidNS, InvalidNS}));
    // The report goes on with the value held before: nothing, so no times.
    QCOMPARE(app.find<QLabel>(names::Label3)->text(), QString());
}

void TestReportFlows::testCountdownExpiringWhileABoxIsOpen()
{
    App app(Midsummer, Polar);
    app.activate();
    tickAndActivateInside(app);
    app.clickDay(6, QDate(2024, 6, 22));
    QCOMPARE(app.world.prompter.texts(), QStringList({UpOrDown, UpOrDown}));
    QCOMPARE(app.world.prompter.maxDepth, 1);
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
    closeBoxesAndSettle(app, 3);
    QCOMPARE(app.world.prompter.boxes.size(), 2);
}

void TestReportFlows::testActivationInsideAHandlerWaits()
{
    App app;
    app.activate();
    app.enterYear(1990);
    QString titleInside;
    app.world.prompter.whileOpen = [&](const FakePrompter::Box&) {
        app.gate->activationArrived();
        titleInside = app.title(1);
    };
    app.find<QToolButton>(names::SpeedButton6)->click();
    app.find<TumNumberEdit>(names::umNumberEdit1)->setText("1500");
    app.find<QToolButton>(names::SpeedButton54)->click();
    QCOMPARE(titleInside, QStringLiteral("1 January 1990"));
    QTRY_COMPARE(app.title(1), QStringLiteral("1 January 2024"));
}

void TestReportFlows::testMissingFileShowsOneBoxAndTheYear()
{
    App app(Midsummer, QByteArray());
    tickAndActivateInside(app);
    app.activate();
    closeBoxesAndSettle(app, 4);
    QCOMPARE(app.world.prompter.texts(), QStringList({"Cannot open file " + app.folder.filePath()}));
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
    QCOMPARE(app.title(12), QStringLiteral("12 December 2024"));
}

void TestReportFlows::testChangedPreferencesSpeakAgain()
{
    App app(Midsummer, BadLatitude);
    app.activate();
    closeBoxesAndSettle(app, 2);
    app.folder.write(BothBad);
    closeBoxesAndSettle(app, 2);
    QCOMPARE(app.world.prompter.texts(), QStringList({InvalidNS, InvalidNS + '\n' + InvalidWE}));
}

void TestReportFlows::testAMessageDroppedUnderABoxIsSaidLater()
{
    // A polar position, a day later: the click's box is open when the countdown runs out, so the report for the new
    // day cannot speak then; the activation after the box says it.
    App app(Midsummer, Polar);
    app.activate();
    app.world.clock.advance(24 * 3600 * 1000);
    app.world.prompter.whileOpen = [&app](const FakePrompter::Box&) {
        app.world.prompter.whileOpen = nullptr;
        app.ticks(301);
    };
    app.clickDay(6, QDate(2024, 6, 28));
    QCOMPARE(app.world.prompter.texts(), QStringList({UpOrDown, UpOrDown}));
    closeBoxesAndSettle(app, 3);
    QCOMPARE(app.world.prompter.texts(), QStringList({UpOrDown, UpOrDown, UpOrDown}));
    QCOMPARE(app.world.prompter.maxDepth, 1);
}

void TestReportFlows::testABadPositionIsNotRepeatedForANewDay()
{
    App app(Midsummer, BadLatitude);
    app.activate();
    app.world.clock.advance(24 * 3600 * 1000);
    closeBoxesAndSettle(app, 3);
    QCOMPARE(app.world.prompter.texts(), QStringList({InvalidNS}));
}

void TestReportFlows::testSavedSettingsAreInUseAtOnce_data()
{
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("twelveHourAfter");
    QTest::newRow("latitude changed") << QByteArray("00") << "Edit1" << QString::fromUtf8("N°45") << true;
    QTest::newRow("longitude changed") << QByteArray("10") << "Edit2" << QString::fromUtf8("W°90") << false;
    QTest::newRow("24-hour time turned off") << QByteArray("10") << "CheckBox1" << QString() << true;
    QTest::newRow("24-hour time turned on") << QByteArray("00") << "CheckBox1" << QString() << false;
}

// What Save wrote is what the toolbar tells once the dialog has closed, with no box asking for a restart.
void TestReportFlows::testSavedSettingsAreInUseAtOnce()
{
    QFETCH(QByteArray, flags);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, twelveHourAfter);
    App app(Midsummer, flags + QByteArray("\r\nW\xB0"
                                          "97.45\r\nN\xB0"
                                          "30.15\r\n-6\r\n"));
    app.activate();
    closeBoxesAndSettle(app, 1);
    app.world.prompter.boxes.clear();
    const QString sunriseBefore = app.find<QLabel>(names::Label3)->text();
    app.world.prompter.whileDialogOpen = [&](QDialog* dialog) {
        app.home->FormActivate(); // as the dialog's first activation does
        if (field == "CheckBox1")
            QTest::mouseClick(dialog->findChild<QCheckBox*>(field), Qt::LeftButton);
        else
            dialog->findChild<QLineEdit*>(field)->setText(typed);
        QTest::mouseClick(dialog->findChild<QToolButton*>("SpeedButton54"), Qt::LeftButton);
    };
    app.click(names::SpeedButton4);
    closeBoxesAndSettle(app, 1);
    QCOMPARE(app.world.prompter.texts(), QStringList{"Home"});
    QVERIFY(!app.home->isVisible());
    const QString sunrise = app.find<QLabel>(names::Label3)->text();
    QVERIFY2(sunrise != sunriseBefore, qPrintable(sunrise));
    // The 12-hour clock ends its times with A or P ("6:33A"); the 24-hour one with digits ("06:33").
    QCOMPARE(!sunrise.isEmpty() && !sunrise.back().isDigit(), twelveHourAfter);
}

QTEST_MAIN(TestReportFlows)
#include "TestReportFlows.moc"
