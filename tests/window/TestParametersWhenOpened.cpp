// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/THome.h"
#include "dialog/WeekRulesRow.h"
#include "shared/CalendarNames.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include "window/TCalendar.h"
#include "year/YearView.h"
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QToolButton>

// The window as the program builds it: no Parameters dialog until the user first opens it, then one, kept for the
// next openings, showing the week rules in force and setting them from then on.
class TestParametersWhenOpened : public QObject
{
    Q_OBJECT
private slots:
    void testBuiltAtFirstOpening();
};

namespace {
QList<THome*> dialogs()
{
    QList<THome*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* home = qobject_cast<THome*>(widget))
            found.append(home);
    return found;
}
} // namespace

void TestParametersWhenOpened::testBuiltAtFirstOpening()
{
    FakeWorld world;
    world.clock.set(QDateTime(QDate(2024, 5, 15), QTime(10, 30)));
    TempPrefsDir folder;
    folder.write("00\r\nW\xB0"
                 "97.45\r\nN\xB0"
                 "30.15\r\n-6\r\n");
    BoxGate gate(world.services);
    PrefsStore preferences(folder.path(), rt::formatSettings());
    TCalendar calendar(world.services, gate, preferences);
    calendar.buildHomeWhenFirstUsed();
    calendar.FormActivate();
    calendar.setWeekRules(weeks::FirstDay::Sunday, weeks::Numbering::FirstJanuary);
    QVERIFY(dialogs().isEmpty());

    QList<THome*> open;
    world.prompter.whileDialogOpen = [&open](QDialog* dialog) { open.append(qobject_cast<THome*>(dialog)); };
    auto* parameters = calendar.findChild<QToolButton*>(names::SpeedButton4);
    QVERIFY(parameters);
    QTest::mouseClick(parameters, Qt::LeftButton);
    QCOMPARE(dialogs().size(), 1);
    QCOMPARE(open, dialogs());
    // The row shows the rules in force when the dialog was built, and its choice reaches the window.
    WeekRulesRow* row = dialogs().first()->findChild<WeekRulesRow*>(QLatin1String(WeekRulesNames::Panel));
    QVERIFY(row);
    QCOMPARE(row->firstDay(), weeks::FirstDay::Sunday);
    QCOMPARE(row->numbering(), weeks::Numbering::FirstJanuary);
    row->firstDayList()->setCurrentIndex(row->firstDayList()->findData(int(weeks::FirstDay::Monday)));
    const auto* year = calendar.findChild<YearView*>(names::YearView);
    QCOMPARE(year->weekStart(), weeks::FirstDay::Monday);
    // Opened again: the same dialog.
    QTest::mouseClick(parameters, Qt::LeftButton);
    QCOMPARE(dialogs().size(), 1);
    QCOMPARE(open.size(), 2);
    QCOMPARE(open.last(), dialogs().first());
}

QTEST_MAIN(TestParametersWhenOpened)
#include "TestParametersWhenOpened.moc"
