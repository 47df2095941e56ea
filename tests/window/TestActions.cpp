// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutTexts.h"
#include "dialog/HomeTexts.h"
#include "paper/ExportTexts.h"
#include "support/AppFixture.h"
#include "window/WindowActions.h"
#include "yourcalendars/CalendarsTexts.h"
#include "yourdays/YourDaysTexts.h"
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>

// Every row of the window's table of actions reaches its own handler from each place it is offered: its toolbar
// button, its tray menu item and its keys, in the views it runs in, and from no other row's.
class TestActions : public QObject
{
    Q_OBJECT
private slots:
    // The desktop's autostart entry goes to a folder of the test's own.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }
    void testEachRowReachesItsHandler_data();
    void testEachRowReachesItsHandler();
    void testStartWithTheDesktop();

private:
    QTemporaryDir config;
};

void TestActions::testEachRowReachesItsHandler_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("button"); // a toolbar button of the row's name
    QTest::addColumn<QString>("trayItem");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("compactOnly");
    QTest::addColumn<bool>("fullOnly");
    const auto row = [](const QString& name, bool button, const QString& tray, const char* keys, bool compact = false,
                        bool full = false) {
        QTest::newRow(qPrintable(name)) << name << button << tray << QString::fromLatin1(keys) << compact << full;
    };
    row(names::SpeedButton11, true, QString(), "Ctrl+Left");
    row(names::SpeedButton10, true, QString(), "Ctrl+Home");
    row(names::SpeedButton9, true, QString(), "Ctrl+Right");
    row(names::SpeedButton8, true, QString(), "Ctrl+M");
    row(names::SpeedButton7, true, QString(), "Ctrl+Shift+M", true);
    row(names::SpeedButton6, true, QString(), "Ctrl+Y", false, true);
    row(names::SpeedButton3, true, QString(), "Ctrl+Q");
    row(names::SpeedButton5, true, QString(), "Ctrl+W");
    row(names::SpeedButton4, true, names::TrayParameters, "Ctrl+,");
    row(names::SpeedButton1, true, QString(), "Ctrl+T");
    row(names::SpeedButton2, true, QString(), "Ctrl+H");
    row(names::MarksSwitch, false, names::TrayMarks, "Ctrl+K");
    row(names::DayPanelKeys, false, names::TrayDayPanel, "Ctrl+D");
    row(names::YearChartKeys, false, names::TrayYearChart, "Ctrl+L");
    row(calendarsnames::Keys, false, calendarsnames::TrayItem, "Ctrl+E");
    row(ExportNames::PrintYear, false, ExportNames::TrayPrintYear, "Ctrl+P");
    row(ExportNames::ExportYear, false, ExportNames::TrayExportYear, "Ctrl+Shift+E");
    row(yourdaysnames::MarkKeys, false, QString(), "Ctrl+N");
    row(yourdaysnames::UndoKeys, false, QString(), "Ctrl+Z");
    row(yourdaysnames::RedoKeys, false, QString(), "Ctrl+Shift+Z");
    row(AboutNames::KeysAbout, false, AboutNames::TrayAbout, "F1");
    row(names::TrayAutostart, false, names::TrayAutostart, "");
    row(names::TrayQuit, false, names::TrayQuit, "");
}

void TestActions::testEachRowReachesItsHandler()
{
    QFETCH(QString, row);
    QFETCH(bool, button);
    QFETCH(QString, trayItem);
    QFETCH(QString, keys);
    QFETCH(bool, compactOnly);
    QFETCH(bool, fullOnly);
    App app;
    auto* actions = app.calendar->findChild<WindowActions*>(names::Actions);
    QVERIFY(actions);
    // The rows above are the whole table.
    QCOMPARE(int(actions->table().size()), 23);
    // Each path starts from the window shown and active: a handler may hide it, or open a window over it.
    const auto front = [&app] {
        app.calendar->show();
        QApplication::setActiveWindow(app.calendar.get());
        QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
    };
    front();
    app.activate();
    QSignalSpy ran(actions, &WindowActions::ran);
    const auto reachedOnce = [&ran, &row](const char* from) {
        if (ran.count() != 1 || ran.first().first().toString() != row)
            QFAIL(qPrintable(QStringLiteral("from %1: %2 runs").arg(QLatin1String(from)).arg(ran.count())));
        ran.clear();
    };
    const auto toView = [&app](bool compact) {
        if (app.grid().compact() != compact)
            app.click(names::SpeedButton8);
    };
    if (!keys.isEmpty()) {
        // The key, in a view the row does not run in, does nothing.
        if (compactOnly || fullOnly) {
            toView(fullOnly);
            front();
            ran.clear();
            QTest::keySequence(app.calendar.get(), QKeySequence(keys));
            QCOMPARE(ran.count(), 0);
        }
        toView(compactOnly);
        front();
        ran.clear();
        QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : app.calendar.get(),
                           QKeySequence(keys));
        reachedOnce("its keys");
    }
    if (button) {
        toView(compactOnly);
        front();
        ran.clear();
        app.click(row);
        reachedOnce("its button");
    }
    if (!trayItem.isEmpty()) {
        front();
        ran.clear();
        app.find<QAction>(trayItem)->trigger();
        reachedOnce("the tray menu");
    }
}

// The choice made from the tray menu and from the Parameters dialog's box is the entry in the autostart folder: each
// shows what the other did, and what the desktop's settings did to the entry; a refusal is said once and changes
// nothing.
void TestActions::testStartWithTheDesktop()
{
    App app;
    app.activate();
    const QString entry = config.filePath(QStringLiteral("autostart/org.dorvane.Dorvane.desktop"));
    QFile::remove(entry);
    QAction* item = app.find<QAction>(names::TrayAutostart);
    QMenu* menu = app.find<QMenu>(names::TrayMenu);
    QCheckBox* box = app.dialogControl<QCheckBox>(QLatin1String(HomeNames::CheckBoxAutostart));
    const auto menuShows = [menu, item] {
        emit menu->aboutToShow();
        return item->isChecked();
    };
    QVERIFY(!menuShows());

    item->trigger();
    QVERIFY(QFileInfo(entry).isFile());
    QVERIFY(menuShows());
    QVERIFY(box->isChecked());
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains(QFile::encodeName(QCoreApplication::applicationFilePath()) + "\" --hidden"));
    file.close();

    // Switched off in the desktop's settings, it shows off, and the box turns it on again.
    QVERIFY(file.open(QIODevice::Append));
    file.write("Hidden=true\n");
    file.close();
    QVERIFY(!menuShows());
    box->setChecked(false);
    box->click();
    QVERIFY(box->isChecked());
    QVERIFY(menuShows());
    box->click();
    QVERIFY(!QFileInfo::exists(entry));
    QVERIFY(!box->isChecked());
    QCOMPARE(app.world.prompter.boxes.size(), 0);

    // A folder where the entry goes is the user's: left alone, the refusal said once, the choice still off.
    QVERIFY(QDir().mkpath(entry));
    item->trigger();
    QVERIFY(QFileInfo(entry).isDir());
    QCOMPARE(app.world.prompter.boxes.size(), 1);
    QVERIFY(app.world.prompter.boxes.first().text.startsWith(QStringLiteral("Cannot write ") + entry));
    QVERIFY(!menuShows());
    QVERIFY(!box->isChecked());
    QDir(entry).removeRecursively();
}

QTEST_MAIN(TestActions)
#include "TestActions.moc"
