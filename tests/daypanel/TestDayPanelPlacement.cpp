// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanelPlacement.h"
#include <QtTest>

// Where the Day panel opens beside the main window: screens of several sizes and places, the window anywhere on
// them. Every rectangle is an outer frame; the main window is 806 x 485 with its frame, the panel 450 x 660.
namespace {
const QSize Main(806, 485);
const QSize Panel(450, 660);
} // namespace

class TestDayPanelPlacement : public QObject
{
    Q_OBJECT
private slots:
    void testPlace_data();
    void testPlace();
};

void TestDayPanelPlacement::testPlace_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("main");
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<QPoint>("mainAfter");
    const QList<QRect> fullHd{QRect(0, 0, 1920, 1050)};
    QTest::newRow("room on the right: beside it, level with its top")
        << fullHd << QPoint(100, 100) << QRect(QPoint(914, 100), Panel) << QPoint(100, 100);
    QTest::newRow("against the right edge: on the left")
        << fullHd << QPoint(1114, 100) << QRect(QPoint(656, 100), Panel) << QPoint(1114, 100);
    QTest::newRow("low on the screen: raised to stay on it")
        << fullHd << QPoint(100, 900) << QRect(QPoint(914, 390), Panel) << QPoint(100, 900);
    // A 2560 x 1440 screen at scale 2 is 1280 x 720 to the program; the centred window leaves 237 pixels a side.
    QTest::newRow("scale 2 on a 2560 px screen, centred: the window moves aside, the panel beside it")
        << QList<QRect>{QRect(0, 0, 1280, 720)} << QPoint(237, 117) << QRect(QPoint(830, 60), Panel) << QPoint(16, 117);
    QTest::newRow("scale 2, the window right of centre: it moves right, the panel on its left")
        << QList<QRect>{QRect(0, 0, 1280, 720)} << QPoint(300, 117) << QRect(QPoint(0, 60), Panel) << QPoint(458, 117);
    QTest::newRow("a screen too narrow for both: on the side with more room, the window stays")
        << QList<QRect>{QRect(0, 0, 1024, 768)} << QPoint(50, 100) << QRect(QPoint(574, 100), Panel) << QPoint(50, 100);
    QTest::newRow("too narrow, more room on the left")
        << QList<QRect>{QRect(0, 0, 1024, 768)} << QPoint(200, 100) << QRect(QPoint(0, 100), Panel) << QPoint(200, 100);
    QTest::newRow("a screen lower than the panel: the panel as high as the screen")
        << QList<QRect>{QRect(0, 0, 1366, 600)} << QPoint(0, 50) << QRect(814, 0, 450, 600) << QPoint(0, 50);
    QTest::newRow("a panel wider than a small screen: cut to it")
        << QList<QRect>{QRect(0, 0, 400, 300)} << QPoint(0, 0) << QRect(0, 0, 400, 300) << QPoint(0, 0);
    // Two screens side by side; the window is on the right-hand one, whose room decides.
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 30, 1280, 994)};
    QTest::newRow("second screen, its right too narrow: moved there, never onto the first")
        << two << QPoint(2000, 100) << QRect(QPoint(2750, 100), Panel) << QPoint(1936, 100);
    QTest::newRow("second screen, the window mostly on the first: the first's room")
        << two << QPoint(1500, 100) << QRect(QPoint(1042, 100), Panel) << QPoint(1500, 100);
    const QList<QRect> leftOfPrimary{QRect(-1280, 0, 1280, 1024), QRect(0, 0, 1920, 1080)};
    QTest::newRow("a screen left of the primary, more room on the left")
        << leftOfPrimary << QPoint(-1000, 50) << QRect(QPoint(-1280, 50), Panel) << QPoint(-822, 50);
    QTest::newRow("a window on no screen: the nearest screen")
        << QList<QRect>{QRect(0, 0, 1920, 1050)} << QPoint(3000, 200) << QRect(QPoint(1470, 200), Panel)
        << QPoint(3000, 200);
    QTest::newRow("no screen known: on the right, as asked")
        << QList<QRect>{} << QPoint(10, 20) << QRect(QPoint(824, 20), Panel) << QPoint(10, 20);
}

void TestDayPanelPlacement::testPlace()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, main);
    QFETCH(QRect, panel);
    QFETCH(QPoint, mainAfter);
    const daypanel::Placement placed = daypanel::place(QRect(main, Main), Panel, screens);
    QCOMPARE(placed.panel, panel);
    QCOMPARE(placed.mainFrame, mainAfter);
}

QTEST_MAIN(TestDayPanelPlacement)
#include "TestDayPanelPlacement.moc"
