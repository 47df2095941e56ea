// SPDX-License-Identifier: GPL-3.0-or-later
// Where a hidden window goes as the notification area comes and goes.
#include "tray/TrayPresence.h"
#include <QTest>

class TestTrayPresence : public QObject
{
    Q_OBJECT
private slots:
    void testFollowsTheArea_data();
    void testFollowsTheArea();
};

void TestTrayPresence::testFollowsTheArea_data()
{
    // Each step sets whether an area is there (+ or -), then does one thing: start, hide (the user's Ctrl+H), hidden
    // (a start by the desktop's autostart), show (the window back) or change (the platform says the area changed).
    // Each step's outcome: "icon" (show the icon now), "tray" (hide into the tray), "min" (minimise instead), "back"
    // (bring the window back), "-"; a change doing two things joins them with "+".
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("outcomes");
    QTest::newRow("tray at start") << "+start +hide +show +hide"
                                   << "icon tray - tray";
    QTest::newRow("tray later") << "-start +change +hide"
                                << "- icon tray";
    QTest::newRow("tray later, hidden before the news came") << "-start +hide +change"
                                                             << "- tray -";
    QTest::newRow("tray gone while hidden") << "+start +hide -change"
                                            << "icon tray back";
    QTest::newRow("tray gone while shown, then hide") << "+start -change -hide"
                                                      << "icon - min";
    QTest::newRow("tray back after going") << "+start +hide -change +change +hide"
                                           << "icon tray back - tray";
    QTest::newRow("no tray ever") << "-start -change -hide -show -change"
                                  << "- - min - -";
    QTest::newRow("autostart with a tray") << "+start +hidden +show +hide"
                                           << "icon tray - tray";
    QTest::newRow("autostart before the panel") << "-start -hidden +change +show"
                                                << "- min icon+tray -";
    QTest::newRow("autostart, shown before the panel came") << "-start -hidden -show +change"
                                                            << "- min - icon";
    QTest::newRow("autostart, shown and minimised again before the panel came") << "-start -hidden -show -hide +change"
                                                                                << "- min - min icon+tray";
    QTest::newRow("autostart, the panel comes and goes") << "-start -hidden +change -change +change"
                                                         << "- min icon+tray back -";
    QTest::newRow("a tray that comes and goes while the window is shown") << "-start +change -change +change"
                                                                          << "- icon - -";
}

void TestTrayPresence::testFollowsTheArea()
{
    QFETCH(QString, steps);
    QFETCH(QString, outcomes);
    bool area = false;
    TrayPresence tray([&area] { return area; });
    bool minimised = false; // as the window stands after the last step
    QStringList got;
    const QStringList list = steps.split(QLatin1Char(' '));
    for (const QString& step : list) {
        area = step.startsWith(QLatin1Char('+'));
        const QString what = step.mid(1);
        if (what == QLatin1String("start")) {
            got << (tray.start() ? "icon" : "-");
        } else if (what == QLatin1String("hide")) {
            const bool intoTray = tray.hide() == TrayPresence::Hide::IntoTray;
            minimised = !intoTray;
            got << (intoTray ? "tray" : "min");
            // Hidden into the tray always means an icon to come back by.
            QCOMPARE(tray.iconShown() || !tray.hiddenInTray(), true);
        } else if (what == QLatin1String("hidden")) {
            const bool intoTray = tray.startHidden() == TrayPresence::Hide::IntoTray;
            minimised = !intoTray;
            got << (intoTray ? "tray" : "min");
        } else if (what == QLatin1String("show")) {
            tray.shown();
            minimised = false;
            got << "-";
        } else if (what == QLatin1String("change")) {
            const TrayPresence::Change change = tray.areaChanged(minimised);
            QStringList did;
            if (change.showIcon)
                did << "icon";
            if (change.hideIntoTray)
                did << "tray";
            if (change.bringBack)
                did << "back";
            got << (did.isEmpty() ? QStringLiteral("-") : did.join(QLatin1Char('+')));
        } else {
            QFAIL(qPrintable(step));
        }
    }
    QCOMPARE(got.join(QLatin1Char(' ')), outcomes);
}

QTEST_GUILESS_MAIN(TestTrayPresence)
#include "TestTrayPresence.moc"
