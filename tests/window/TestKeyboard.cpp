// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include <QApplication>

// The toolbar from the keyboard: each command's shortcut acts as a click on its button, the calendars keep their
// own keys, Escape closes the year entry and Tab walks the window.
class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void testShortcutActsAsItsButton_data();
    void testShortcutActsAsItsButton();
    void testCompactShortcuts();
    void testCalendarKeepsItsOwnKeys();
    void testEscapeClosesTheYearEntry();
    void testShortcutWaitsForTheOpenBox();
    void testTabWalksCalendarsThenToolbar();
    void testTabReachesTheYearEntryOnceOpen();

private:
    static void show(App& app)
    {
        app.calendar->show();
        QApplication::setActiveWindow(app.calendar.get());
        QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
        app.activate();
    }
    static void press(App& app, const QKeySequence& keys)
    {
        QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : app.calendar.get(), keys);
    }
};

void TestKeyboard::testShortcutActsAsItsButton_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("effect");
    QTest::newRow("Ctrl+Right, next year") << "Ctrl+Right"
                                           << "January 2025";
    QTest::newRow("Ctrl+Left, previous year") << "Ctrl+Left"
                                              << "January 2023";
    QTest::newRow("Ctrl+Home, back to this year") << "Ctrl+Left, Ctrl+Left, Ctrl+Home"
                                                  << "January 2024";
    QTest::newRow("Ctrl+M, the compact view") << "Ctrl+M"
                                              << "compact";
    QTest::newRow("Ctrl+Y, the year entry") << "Ctrl+Y"
                                            << "year entry";
    QTest::newRow("Ctrl+W, week numbers") << "Ctrl+W"
                                          << "week numbers";
    QTest::newRow("Ctrl+T, always on top") << "Ctrl+T"
                                           << "on top";
    QTest::newRow("Ctrl+comma, Parameters") << "Ctrl+,"
                                            << "Parameters";
    QTest::newRow("Ctrl+H, tray") << "Ctrl+H"
                                  << "hidden";
    QTest::newRow("Ctrl+Q, close") << "Ctrl+Q"
                                   << "closed";
}

void TestKeyboard::testShortcutActsAsItsButton()
{
    QFETCH(QString, keys);
    QFETCH(QString, effect);
    App app;
    app.tray()->setAvailable([] { return true; });
    show(app);
    bool closed = false;
    connect(app.calendar.get(), &TCalendar::closed, this, [&closed] { closed = true; });
    app.month(3)->setHint("24.075");
    for (const QString& step : keys.split(QStringLiteral(", ")))
        press(app, QKeySequence(step));
    if (effect.startsWith(QLatin1String("January")))
        QCOMPARE(app.month(1)->accessibleName(), effect);
    else if (effect == QLatin1String("compact"))
        QCOMPARE(app.outerSize(), QSize(402, 199));
    else if (effect == QLatin1String("year entry"))
        QVERIFY(app.find<QFrame>(names::Panel25)->isVisible() &&
                app.find<TumNumberEdit>(names::umNumberEdit1)->hasFocus());
    else if (effect == QLatin1String("week numbers"))
        QVERIFY(app.month(12)->WeekNumbers());
    else if (effect == QLatin1String("on top"))
        QVERIFY(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint);
    else if (effect == QLatin1String("Parameters"))
        QCOMPARE(app.world.prompter.texts(), QStringList{QStringLiteral("Home")});
    else if (effect == QLatin1String("hidden"))
        QVERIFY(!app.calendar->isVisible());
    else if (effect == QLatin1String("closed"))
        QVERIFY(closed);
    // Every command but close clears the calendars' hints, as its click does.
    if (effect != QLatin1String("closed"))
        QCOMPARE(app.month(3)->Hint(), QString());
}

void TestKeyboard::testCompactShortcuts()
{
    App app;
    show(app);
    // The compact size and the year entry are not on the toolbar of the other view: their keys do nothing there.
    press(app, QKeySequence(QStringLiteral("Ctrl+Shift+M")));
    QVERIFY(!app.grid().compact());
    QCOMPARE(app.grid().compactCount(), 2);
    press(app, QKeySequence(QStringLiteral("Ctrl+M")));
    QVERIFY(app.grid().compact());
    press(app, QKeySequence(QStringLiteral("Ctrl+Y")));
    // The year entry is built when first opened: here it never was.
    QVERIFY(!app.calendar->findChild<QFrame*>(names::Panel25));
    press(app, QKeySequence(QStringLiteral("Ctrl+Shift+M")));
    QCOMPARE(app.grid().compactCount(), 3);
    // In the compact view the triangles step months.
    const QDate first = app.date(1);
    press(app, QKeySequence(QStringLiteral("Ctrl+Right")));
    QCOMPARE(app.date(1), first.addMonths(1));
    press(app, QKeySequence(QStringLiteral("Ctrl+M")));
    QVERIFY(!app.grid().compact());
}

void TestKeyboard::testCalendarKeepsItsOwnKeys()
{
    App app;
    show(app);
    TMonthCalendar* march = app.month(3);
    march->setFocus();
    QVERIFY(march->dayView()->hasFocus());
    QTest::keyClick(march->dayView(), Qt::Key_Right);
    QCOMPARE(app.date(3), QDate(2024, 3, 2));
    QTest::keyClick(march->dayView(), Qt::Key_PageDown);
    QCOMPARE(app.date(3), QDate(2024, 4, 2));
    QCOMPARE(app.date(1), QDate(2024, 1, 1));
    // With Ctrl the same arrow is the toolbar's.
    QTest::keyClick(march->dayView(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(app.date(1), QDate(2025, 1, 1));
}

void TestKeyboard::testEscapeClosesTheYearEntry()
{
    App app;
    show(app);
    press(app, QKeySequence(QStringLiteral("Ctrl+Y")));
    auto* field = app.find<TumNumberEdit>(names::umNumberEdit1);
    QVERIFY(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("1999"));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!app.find<QFrame>(names::Panel25)->isVisible());
    QCOMPARE(app.date(1), QDate(2024, 1, 1));
    QVERIFY(app.world.prompter.boxes.isEmpty());
    QVERIFY(app.find<QToolButton>(names::SpeedButton6)->hasFocus());
}

void TestKeyboard::testShortcutWaitsForTheOpenBox()
{
    App app;
    show(app);
    // A key pressed while the out-of-range warning is open must not open the dialog over it.
    app.world.prompter.whileOpen = [&app](const FakePrompter::Box&) {
        QTest::keySequence(app.calendar.get(), QKeySequence(QStringLiteral("Ctrl+,")));
    };
    press(app, QKeySequence(QStringLiteral("Ctrl+Y")));
    QTest::keyClicks(app.find<TumNumberEdit>(names::umNumberEdit1), QStringLiteral("1500"));
    QTest::keyClick(app.find<TumNumberEdit>(names::umNumberEdit1), Qt::Key_Return);
    QCOMPARE(app.world.prompter.texts(), QStringList{QStringLiteral("Year must be between 1700 and 3000")});
    QCOMPARE(app.world.prompter.maxDepth, 1);
}

void TestKeyboard::testTabWalksCalendarsThenToolbar()
{
    App app;
    show(app);
    app.find<QFrame>(names::Panel1)->setFocus();
    QStringList walked;
    for (int i = 0; i < 23; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // A calendar's day grid takes the focus for its calendar.
        while (focus && !qobject_cast<TMonthCalendar*>(focus) && !qobject_cast<QToolButton*>(focus))
            focus = focus->parentWidget();
        walked << (focus ? focus->objectName() : QString());
    }
    QStringList expected;
    for (int n = 1; n <= 12; ++n)
        expected << QStringLiteral("MonthCalendar%1").arg(n);
    // The buttons as they stand from left to right; the compact size and the year entry's field are hidden.
    expected << QStringLiteral("SpeedButton11 SpeedButton10 SpeedButton9 SpeedButton8 SpeedButton6 SpeedButton3 "
                               "SpeedButton5 SpeedButton4 SpeedButton1 SpeedButton2 MonthCalendar1")
                    .split(QLatin1Char(' '));
    QCOMPARE(walked, expected);
}

void TestKeyboard::testTabReachesTheYearEntryOnceOpen()
{
    App app;
    show(app);
    app.click(names::SpeedButton6);
    QTRY_VERIFY(app.find<TumNumberEdit>(names::umNumberEdit1)->hasFocus());
    // From the last toolbar command the Tab goes on into the field, then to its OK button.
    app.find<QToolButton>(names::SpeedButton2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), app.find<TumNumberEdit>(names::umNumberEdit1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), app.find<QToolButton>(names::SpeedButton54));
}

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
