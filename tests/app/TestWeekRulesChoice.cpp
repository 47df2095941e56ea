#include "AppFixture.h"
#include "app/RememberedWindow.h"
#include "app/Screens.h"
#include "app/WindowState.h"
#include "dialog/WeekRulesRow.h"
#include <QComboBox>
#include <QTemporaryDir>

using weeks::FirstDay;
using weeks::Numbering;

Q_DECLARE_METATYPE(Qt::DayOfWeek)
Q_DECLARE_METATYPE(weeks::FirstDay)
Q_DECLARE_METATYPE(weeks::Numbering)

namespace {
struct OneScreen : Screens
{
    QList<QRect> geometries() const override { return {QRect(0, 0, 1024, 768)}; }
};

void keepWeeks(const QString& path, FirstDay firstDay, Numbering numbering)
{
    WindowState state;
    state.weekStart = firstDay;
    state.weekNumbering = numbering;
    QVERIFY(windowstate::write(path, state));
}

// Every calendar of the year, not only the first, follows the rules.
void checkAllCalendars(const App& app, Qt::DayOfWeek first, Numbering numbering)
{
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(app.month(n)->firstDayOfWeek(), first);
        QCOMPARE(app.month(n)->weekNumbering(), numbering);
    }
}
} // namespace

class TestWeekRulesChoice : public QObject
{
    Q_OBJECT
private slots:
    void testKeptRulesComeBackAndAChoiceIsKept_data();
    void testKeptRulesComeBackAndAChoiceIsKept();
    void testNoStateFileKeepsTheLocalesWeeks();
};

void TestWeekRulesChoice::testKeptRulesComeBackAndAChoiceIsKept_data()
{
    QTest::addColumn<FirstDay>("keptDay");
    QTest::addColumn<Numbering>("keptNumbering");
    QTest::addColumn<Qt::DayOfWeek>("shownFirst");
    QTest::addColumn<int>("pickDay");
    QTest::addColumn<int>("pickNumbering");
    QTest::addColumn<FirstDay>("newDay");
    QTest::addColumn<Numbering>("newNumbering");
    QTest::addColumn<Qt::DayOfWeek>("newFirst");
    // The tests run under the C locale, whose weeks start on Sunday.
    QTest::newRow("Saturday and 1 January, back to the locale's and ISO")
        << FirstDay::Saturday << Numbering::FirstJanuary << Qt::Saturday << 0 << 0 << FirstDay::Locale << Numbering::Iso
        << Qt::Sunday;
    QTest::newRow("the locale's, then Monday") << FirstDay::Locale << Numbering::Iso << Qt::Sunday << 1 << 0
                                               << FirstDay::Monday << Numbering::Iso << Qt::Monday;
    QTest::newRow("Monday and ISO, then Sunday and 1 January")
        << FirstDay::Monday << Numbering::Iso << Qt::Monday << 2 << 1 << FirstDay::Sunday << Numbering::FirstJanuary
        << Qt::Sunday;
}

void TestWeekRulesChoice::testKeptRulesComeBackAndAChoiceIsKept()
{
    QFETCH(FirstDay, keptDay);
    QFETCH(Numbering, keptNumbering);
    QFETCH(Qt::DayOfWeek, shownFirst);
    QFETCH(int, pickDay);
    QFETCH(int, pickNumbering);
    QFETCH(FirstDay, newDay);
    QFETCH(Numbering, newNumbering);
    QFETCH(Qt::DayOfWeek, newFirst);
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    keepWeeks(path, keptDay, keptNumbering);
    OneScreen screens;
    App app;
    const QByteArray prefsBefore = app.folder.read();
    app.calendar->keepStateIn(path, screens);
    app.activate();
    checkAllCalendars(app, shownFirst, keptNumbering);

    WeekRulesRow row(Qt::Sunday, nullptr);
    app.calendar->followWeekRules(row);
    QCOMPARE(row.firstDay(), keptDay);
    QCOMPARE(row.numbering(), keptNumbering);
    row.firstDayList()->setCurrentIndex(pickDay);
    row.numberingList()->setCurrentIndex(pickNumbering);
    checkAllCalendars(app, newFirst, newNumbering);

    app.calendar->remembered()->flush();
    const WindowState kept = windowstate::read(path);
    QCOMPARE(kept.weekStart, newDay);
    QCOMPARE(kept.weekNumbering, newNumbering);
    // The rules are the window's: the settings file stays as it was.
    QCOMPARE(app.folder.read(), prefsBefore);
}

void TestWeekRulesChoice::testNoStateFileKeepsTheLocalesWeeks()
{
    App app;
    app.activate();
    checkAllCalendars(app, Qt::Sunday, Numbering::Iso);
    // Without a state file a choice still applies for the run.
    app.calendar->setWeekRules(FirstDay::Saturday, Numbering::FirstJanuary);
    checkAllCalendars(app, Qt::Saturday, Numbering::FirstJanuary);
}

QTEST_MAIN(TestWeekRulesChoice)
#include "TestWeekRulesChoice.moc"
