// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TumNumberEdit.h"
#include "runtime/BoxGate.h"
#include "shared/CalendarNames.h"
#include "support/Fakes.h"
#include "year/YearEntry.h"
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
// The panel over a bare window, opened, with the year field emptied.
struct OpenEntry
{
    OpenEntry()
    {
        window.show();
        entry.open();
        field->selectAll();
        field->del();
    }
    FakeWorld world;
    BoxGate gate{world.services};
    QWidget window;
    YearEntry entry{gate, &window, &window};
    TumNumberEdit* field = entry.findChild<TumNumberEdit*>(names::umNumberEdit1);
    QSignalSpy years{&entry, &YearEntry::yearEntered};
};
} // namespace

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
    OpenEntry panel;
    QSignalSpy closings(&panel.entry, &YearEntry::closed);
    QTest::keyClicks(panel.field, typed);
    if (byEnter)
        QTest::keyClick(panel.field, Qt::Key_Return);
    else
        QTest::mouseClick(panel.entry.findChild<QToolButton*>(names::SpeedButton54), Qt::LeftButton);
    QCOMPARE(panel.years.count(), entered ? 1 : 0);
    if (entered)
        QCOMPARE(panel.years.at(0).at(0).toInt(), entered);
    QCOMPARE(closings.count(), closed ? 1 : 0);
    // The panel stays open over a warning, so the year can be typed again.
    QCOMPARE(panel.entry.isVisible(), !closed);
    QCOMPARE(panel.world.prompter.texts(),
             warned ? QStringList{QStringLiteral("Year must be between 1700 and 3000")} : QStringList());
}

void TestYearEntry::testEscapeClosesWithoutAYear()
{
    OpenEntry panel;
    QSignalSpy escapes(&panel.entry, &YearEntry::escaped);
    QVERIFY(QTest::qWaitForWindowExposed(&panel.window));
    QTest::keyClicks(panel.field, QStringLiteral("1984"));
    QTest::keyClick(panel.field, Qt::Key_Escape);
    QCOMPARE(escapes.count(), 1);
    QCOMPARE(panel.years.count(), 0);
    QVERIFY(!panel.entry.isVisible());
}

QTEST_MAIN(TestYearEntry)
#include "TestYearEntry.moc"
