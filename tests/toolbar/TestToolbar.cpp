// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "shared/CalendarNames.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include "toolbar/Toolbar.h"
#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <vector>

// The toolbar alone: each button runs its own row of the table it is given, and nothing else.
class TestToolbar : public QObject
{
    Q_OBJECT
private slots:
    void testEachButtonRunsItsRow_data();
    void testEachButtonRunsItsRow();
};

void TestToolbar::testEachButtonRunsItsRow_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("row"); // -1: the compact size's menu item, which tells a signal
    const QString buttons[] = {names::SpeedButton11, names::SpeedButton10, names::SpeedButton9, names::SpeedButton8,
                               names::SpeedButton7,  names::SpeedButton6,  names::SpeedButton3, names::SpeedButton5,
                               names::SpeedButton4,  names::SpeedButton1,  names::SpeedButton2};
    for (int i = 0; i < int(std::size(buttons)); ++i)
        QTest::newRow(qPrintable(buttons[i])) << buttons[i] << i;
    QTest::newRow("Tray1 of the compact size's menu") << names::Tray1 << -1;
}

void TestToolbar::testEachButtonRunsItsRow()
{
    QFETCH(QString, control);
    QFETCH(int, row);
    FakeWorld world;
    TempPrefsDir folder;
    BoxGate gate(world.services);
    PrefsStore preferences(folder.path(), rt::formatSettings());
    QWidget window;
    // The rows in the toolbar's order, each on the button of that place, as the window's table gives them; rows
    // without a place on the toolbar get no button.
    const QString names[] = {names::SpeedButton11, names::SpeedButton10, names::SpeedButton9, names::SpeedButton8,
                             names::SpeedButton7,  names::SpeedButton6,  names::SpeedButton3, names::SpeedButton5,
                             names::SpeedButton4,  names::SpeedButton1,  names::SpeedButton2};
    const int places[] = {toolbar::Previous,    toolbar::Year,      toolbar::Next,  toolbar::View,
                          toolbar::CompactSize, toolbar::YearEntry, toolbar::Close, toolbar::WeekNumbers,
                          toolbar::Parameters,  toolbar::OnTop,     toolbar::Tray};
    std::vector<int> runs(std::size(names) + 1, 0);
    std::vector<Action> actions;
    for (int i = 0; i < int(std::size(names)); ++i) {
        Action action{names[i], [] { return QStringLiteral("a command"); }, QKeySequence(Qt::CTRL | (Qt::Key_F2 + i)),
                      nullptr, places[i]};
        action.run = [&runs, i] { ++runs[i]; };
        actions.push_back(action);
    }
    Action offToolbar{QStringLiteral("Elsewhere"), [] { return QStringLiteral("no button"); }};
    offToolbar.run = [&runs] { ++runs.back(); };
    actions.push_back(offToolbar);
    Toolbar toolbar(world.services, gate, preferences, &window, &window, actions);
    QSignalSpy tray1(&toolbar, &Toolbar::tray1Triggered);
    QVERIFY(!toolbar.findChild<QToolButton*>(QStringLiteral("Elsewhere")));
    if (auto* button = toolbar.findChild<QToolButton*>(control)) {
        // A button of the other view is hidden; its click runs its row all the same.
        button->show();
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        toolbar.findChild<QAction*>(control)->trigger();
    }
    for (int i = 0; i < int(runs.size()); ++i)
        QCOMPARE(runs[i], i == row ? 1 : 0);
    QCOMPARE(tray1.count(), row < 0 ? 1 : 0);
}
QTEST_MAIN(TestToolbar)
#include "TestToolbar.moc"
