// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include <QApplication>

// The keyboard focus as a person sees it: Tab from the window's start reaches January first, and every control the
// Tab reaches shows a frame that stands out from how it looks without the focus, the textured toolbar included.
class TestFocusFrames : public QObject
{
    Q_OBJECT
private slots:
    void testEveryTabStopShowsAFrame();
};

namespace {
// Pixels of the control's area that changed from the window without focus, by more than a faint shade.
int changedPixels(const QImage& plain, const QImage& focused, const QRect& area)
{
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor a = plain.pixelColor(x, y), b = focused.pixelColor(x, y);
            const int distance = qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
            changed += distance > 150;
        }
    }
    return changed;
}

// The control that holds the focus as the user names it: a calendar for its day grid.
QWidget* shownControl(QWidget* focus)
{
    for (QWidget* w = focus; w; w = w->parentWidget())
        if (qobject_cast<TMonthCalendar*>(w))
            return w;
    return focus;
}
} // namespace

void TestFocusFrames::testEveryTabStopShowsAFrame()
{
    App app;
    app.activate();
    app.calendar->show();
    app.calendar->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
    QWidget* start = QApplication::focusWidget();
    QVERIFY(start);
    const QImage plain = app.calendar->grab().toImage();
    // The window opens with no framed control holding the focus: nothing differs from the plain look yet.
    QCOMPARE(changedPixels(plain, app.calendar->grab().toImage(), plain.rect()), 0);

    QList<QWidget*> seen;
    for (int presses = 0; presses < 60; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (seen.contains(focus))
            break;
        seen.append(focus);
        QWidget* control = shownControl(focus);
        if (presses == 0)
            QCOMPARE(control, static_cast<QWidget*>(app.month(1)));
        const QRect area(control->mapTo(app.calendar.get(), QPoint()), control->size());
        const int changed = changedPixels(plain, app.calendar->grab().toImage(), area & plain.rect());
        // A frame around the smallest control, a 21 px button, changes some 80 pixels; a faint dotted line a dozen.
        QVERIFY2(changed >= 40, qPrintable(QStringLiteral("%1 (%2): %3 pixels changed")
                                               .arg(control->objectName(), control->accessibleName())
                                               .arg(changed)));
    }
    // The twelve calendars and the toolbar's visible commands.
    QVERIFY2(seen.size() >= 12 + 9, qPrintable(QString::number(seen.size())));
}

QTEST_MAIN(TestFocusFrames)
#include "TestFocusFrames.moc"
