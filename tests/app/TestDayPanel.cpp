#include "AppFixture.h"
#include "app/DayPanel.h"
#include "app/SkyWarmUp.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

// The Day panel as a user meets it: opened by a key, a double-click or the tray menu, following the days clicked,
// copied whole, a waiting first click cleared.
namespace {
// Shown and active, as a user's window is: its shortcuts act.
void show(App& app)
{
    app.calendar->show();
    QApplication::setActiveWindow(app.calendar.get());
    QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
    app.activate();
}

QString lineText(DayPanel& panel, const QString& name)
{
    for (QLabel* label : panel.findChildren<QLabel*>())
        if (label->isVisibleTo(&panel) && label->text() == name + QLatin1Char(':'))
            return panel
                .findChild<QLabel*>(label->objectName().replace(QStringLiteral("Name"), QStringLiteral("Text")))
                ->text();
    return QString();
}
} // namespace

class TestDayPanel : public QObject
{
    Q_OBJECT

private slots:
    void testOpenedOnlyWhenAsked_data();
    void testOpenedOnlyWhenAsked();
    void testFollowsClicksAndCopiesASpan();
    void testClearsAWaitingFirstClick();
    void testEveryLineHasAName();
    void testPreparesTheShownYearWhileOpen();
};

void TestDayPanel::testOpenedOnlyWhenAsked_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+D") << "key";
    QTest::newRow("double-click on a day") << "double-click";
    QTest::newRow("Enter on a day") << "enter";
    QTest::newRow("tray menu") << "tray";
}

void TestDayPanel::testOpenedOnlyWhenAsked()
{
    QFETCH(QString, how);
    App app;
    show(app);
    app.clickDay(5, QDate(2024, 5, 20));
    // Nothing of the panel exists before it is asked for.
    QVERIFY(!app.calendar->dayPanel());
    TMonthCalendar* may = app.month(5);
    if (how == QLatin1String("key")) {
        QTest::keyClick(may->dayView(), Qt::Key_D, Qt::ControlModifier);
    } else if (how == QLatin1String("double-click")) {
        const QRect cell = dayCell(*may, may->dayView(), QDate(2024, 5, 20));
        QTest::mouseDClick(may->dayView()->viewport(), Qt::LeftButton, {}, cell.center());
    } else if (how == QLatin1String("enter")) {
        QTest::keyClick(may->dayView(), Qt::Key_Return);
    } else {
        app.calendar->findChild<QAction*>(names::TrayDayPanel)->trigger();
    }
    QVERIFY(app.calendar->dayPanel());
    QVERIFY(app.calendar->dayPanel()->isVisible());
    QCOMPARE(lineText(*app.calendar->dayPanel(), QStringLiteral("Date")), QStringLiteral("Monday, 20 May 2024"));
}

void TestDayPanel::testFollowsClicksAndCopiesASpan()
{
    App app;
    show(app);
    app.clickDay(3, QDate(2024, 3, 1));
    QTest::keyClick(app.month(3)->dayView(), Qt::Key_D, Qt::ControlModifier);
    DayPanel& panel = *app.calendar->dayPanel();
    QCOMPARE(lineText(panel, QStringLiteral("Date")), QStringLiteral("Friday, 1 March 2024"));
    app.clickDay(3, QDate(2024, 3, 15));
    QCOMPARE(lineText(panel, QStringLiteral("Date")), QStringLiteral("Friday, 15 March 2024"));
    QCOMPARE(lineText(panel, QStringLiteral("Span")), QStringLiteral("14 days from 1 to 15 March 2024"));
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("DayPanelCopy")), Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.startsWith(QStringLiteral("Date: Friday, 15 March 2024\n")), qPrintable(copied));
    QVERIFY2(copied.contains(QStringLiteral("\nCounting both days: 15 days\nSpan in weeks: 2 weeks\n")),
             qPrintable(copied));
    QCOMPARE(copied, panel.text());
    // A click elsewhere keeps the panel open; the toolbar's moon and the panel name the same phase.
    for (const QDate& day : {QDate(2024, 4, 2), QDate(2024, 4, 8), QDate(2024, 4, 15), QDate(2024, 4, 23)}) {
        app.clickDay(4, day);
        QVERIFY(panel.isVisible());
        QCOMPARE(app.find<QLabel>(names::Image3)->accessibleName(),
                 lineText(panel, QStringLiteral("Moon phase at 18:00")));
    }
}

void TestDayPanel::testClearsAWaitingFirstClick()
{
    App app;
    show(app);
    app.clickDay(3, QDate(2024, 3, 1));
    QTest::keyClick(app.month(3)->dayView(), Qt::Key_D, Qt::ControlModifier);
    DayPanel& panel = *app.calendar->dayPanel();
    auto* clear = panel.findChild<QPushButton*>(QStringLiteral("DayPanelClear"));
    QVERIFY(clear->isEnabled());
    QVERIFY(lineText(panel, QStringLiteral("First day of a span")).startsWith(QStringLiteral("Friday, 1 March 2024")));
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(!clear->isEnabled());
    QVERIFY(lineText(panel, QStringLiteral("First day of a span")).isEmpty());
    QVERIFY2(!app.calendar->windowTitle().contains(QLatin1Char('>')), qPrintable(app.calendar->windowTitle()));
    // The next click starts a span again instead of ending the cleared one.
    app.clickDay(3, QDate(2024, 3, 20));
    QVERIFY(lineText(panel, QStringLiteral("Span")).isEmpty());
    QVERIFY(lineText(panel, QStringLiteral("First day of a span")).startsWith(QStringLiteral("Wednesday, 20 March")));
}

void TestDayPanel::testEveryLineHasAName()
{
    App app;
    show(app);
    app.clickDay(6, QDate(2024, 6, 21));
    QTest::keyClick(app.month(6)->dayView(), Qt::Key_D, Qt::ControlModifier);
    DayPanel& panel = *app.calendar->dayPanel();
    int lines = 0;
    for (QLabel* label : panel.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&panel))
            continue;
        ++lines;
        QVERIFY2(label->accessibleName().contains(QStringLiteral(": ")), qPrintable(label->objectName()));
    }
    QVERIFY(lines >= 2 * 24);
}

// The idle preparation runs only while the panel is open, and starts again for another year shown.
void TestDayPanel::testPreparesTheShownYearWhileOpen()
{
    App app;
    show(app);
    app.clickDay(3, QDate(2024, 3, 1));
    QVERIFY(!app.calendar->findChild<SkyWarmUp*>());
    QTest::keyClick(app.month(3)->dayView(), Qt::Key_D, Qt::ControlModifier);
    const auto* warmUp = app.calendar->findChild<SkyWarmUp*>();
    QVERIFY(warmUp && warmUp->running());
    QTRY_VERIFY_WITH_TIMEOUT(!warmUp->running(), 60000);
    app.find<QToolButton>(names::SpeedButton11)->click();
    QVERIFY(warmUp->running());
    app.calendar->dayPanel()->close();
    QVERIFY(!warmUp->running());
}

QTEST_MAIN(TestDayPanel)
#include "TestDayPanel.moc"
