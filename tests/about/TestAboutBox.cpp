// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutContent.h"
#include "about/AboutTexts.h"
#include "support/AppFixture.h"
#include <QAccessible>
#include <QPushButton>
#include <QTextBrowser>

class TestAboutBox : public QObject
{
    Q_OBJECT
private slots:
    void testOpenedFrom_data();
    void testOpenedFrom();
    void testNeverOverABox();
    void testClosingLeavesTheYear();
    void testPathsShowAsTheyAre();
    void testAlwaysOnTopShowsItsState();
};

void TestAboutBox::testOpenedFrom_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("F1") << AboutNames::KeysAbout;
    QTest::newRow("the tray menu") << AboutNames::TrayAbout;
}

void TestAboutBox::testOpenedFrom()
{
    QFETCH(QString, action);
    App app;
    app.calendar->show();
    app.activate();
    app.find<QAction>(action)->trigger();
    auto* box = app.find<QDialog>(AboutNames::AboutBox);
    QVERIFY(box->isVisible());
    QVERIFY(!box->isModal());
    QCOMPARE(box->windowTitle(), QStringLiteral("About Dorvane"));
    const QString text = app.find<QTextBrowser>(AboutNames::AboutText)->toPlainText();
    for (const QString& part :
         {QStringLiteral("Version 1.0"), QStringLiteral("24.075 is the 75th day of 2024"), QStringLiteral("Maroon: "),
          QStringLiteral("Navy: "), app.folder.filePath(), QStringLiteral("Ctrl+Left"), QStringLiteral("Ctrl+T"),
          QStringLiteral("F1"), QStringLiteral("Ctrl+D"), QStringLiteral("Ctrl+Shift+E"),
          QStringLiteral("GNU General Public License, version 3 or later"),
          QStringLiteral("date-holidays data set by commenthol"), QStringLiteral("Attribution-ShareAlike 3.0")})
        QVERIFY2(text.contains(part), qPrintable(part));
    QCOMPARE(app.world.prompter.boxes.size(), 0);
}

void TestAboutBox::testNeverOverABox()
{
    App app;
    app.calendar->show();
    app.activate();
    app.world.prompter.whileOpen = [&app](const FakePrompter::Box&) {
        app.find<QAction>(AboutNames::KeysAbout)->trigger();
    };
    app.enterYear(1600);
    QCOMPARE(app.world.prompter.texts(), QStringList{"Year must be between 1700 and 3000"});
    QVERIFY(!app.calendar->findChild<QDialog*>(AboutNames::AboutBox));
}

void TestAboutBox::testClosingLeavesTheYear()
{
    App app;
    app.calendar->show();
    app.activate();
    app.click(names::SpeedButton9);
    app.find<QAction>(AboutNames::KeysAbout)->trigger();
    QTest::mouseClick(app.find<QPushButton>(AboutNames::AboutClose), Qt::LeftButton);
    QVERIFY(!app.find<QDialog>(AboutNames::AboutBox)->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(app.date(1), QDate(2025, 1, 1));
}

void TestAboutBox::testPathsShowAsTheyAre()
{
    const QString html = about::html({"1.0", "/home/<b>ann</b> & co/prefs.cal", "", {{"Ctrl+<", "a <i>key</i>"}}});
    QVERIFY(html.contains("/home/&lt;b&gt;ann&lt;/b&gt; &amp; co/prefs.cal"));
    QVERIFY(html.contains("a &lt;i&gt;key&lt;/i&gt;"));
    QVERIFY(html.contains("are not kept"));
}

void TestAboutBox::testAlwaysOnTopShowsItsState()
{
    App app;
    app.calendar->show();
    app.activate();
    auto* button = app.find<QToolButton>(names::SpeedButton1);
    for (const bool on : {true, false, true}) {
        app.click(names::SpeedButton1);
        QCOMPARE(bool(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint), on);
        QCOMPARE(button->isChecked(), on);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
        QVERIFY(spoken && spoken->state().checkable);
        QCOMPARE(bool(spoken->state().checked), on);
    }
}

QTEST_MAIN(TestAboutBox)
#include "TestAboutBox.moc"
