#include "app/CalendarNames.h"
#include "app/YearEntry.h"
#include "controls/TumNumberEdit.h"
#include "runtime/BoxGate.h"
#include "support/Fakes.h"
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

// The year entry panel alone: what a typed year tells the window, by OK and by Enter.
class TestYearEntry : public QObject
{
    Q_OBJECT
private slots:
    void testTypedYear_data();
    void testTypedYear();
    void testEscapeClosesWithoutAYear();
};

void TestYearEntry::testTypedYear_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<int>("entered"); // 0: no year told
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("warned");
    QTest::newRow("1984 by OK") << "1984" << false << 1984 << true << false;
    QTest::newRow("1984 by Enter") << "1984" << true << 1984 << true << false;
    QTest::newRow("first year 1700") << "1700" << false << 1700 << true << false;
    QTest::newRow("last year 3000") << "3000" << true << 3000 << true << false;
    QTest::newRow("1699 too early") << "1699" << false << 0 << false << true;
    QTest::newRow("3001 too late by Enter") << "3001" << true << 0 << false << true;
    QTest::newRow("empty field just closes") << "" << false << 0 << true << false;
    QTest::newRow("zero just closes") << "0" << true << 0 << true << false;
}

void TestYearEntry::testTypedYear()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(int, entered);
    QFETCH(bool, closed);
    QFETCH(bool, warned);
    FakeWorld world;
    BoxGate gate(world.services);
    QWidget window;
    YearEntry entry(gate, &window, &window);
    QSignalSpy years(&entry, &YearEntry::yearEntered);
    QSignalSpy closings(&entry, &YearEntry::closed);
    window.show();
    entry.open();
    auto* field = entry.findChild<TumNumberEdit*>(names::umNumberEdit1);
    field->selectAll();
    field->del();
    QTest::keyClicks(field, typed);
    if (byEnter)
        QTest::keyClick(field, Qt::Key_Return);
    else
        QTest::mouseClick(entry.findChild<QToolButton*>(names::SpeedButton54), Qt::LeftButton);
    QCOMPARE(years.count(), entered ? 1 : 0);
    if (entered)
        QCOMPARE(years.at(0).at(0).toInt(), entered);
    QCOMPARE(closings.count(), closed ? 1 : 0);
    // The panel stays open over a warning, so the year can be typed again.
    QCOMPARE(entry.isVisible(), !closed);
    QCOMPARE(world.prompter.texts(),
             warned ? QStringList{QStringLiteral("Year must be between 1700 and 3000")} : QStringList());
}

void TestYearEntry::testEscapeClosesWithoutAYear()
{
    FakeWorld world;
    BoxGate gate(world.services);
    QWidget window;
    YearEntry entry(gate, &window, &window);
    QSignalSpy years(&entry, &YearEntry::yearEntered);
    QSignalSpy escapes(&entry, &YearEntry::escaped);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    entry.open();
    auto* field = entry.findChild<TumNumberEdit*>(names::umNumberEdit1);
    QTest::keyClicks(field, QStringLiteral("1984"));
    QTest::keyClick(field, Qt::Key_Escape);
    QCOMPARE(escapes.count(), 1);
    QCOMPARE(years.count(), 0);
    QVERIFY(!entry.isVisible());
}

QTEST_MAIN(TestYearEntry)
#include "TestYearEntry.moc"
