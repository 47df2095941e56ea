// SPDX-License-Identifier: GPL-3.0-or-later
// The reminders told through a notifier the test answers, at moments of a clock it sets: told once, kept as told in
// the file, tried again when the desktop could not take them.
#include "owndays/OwnDays.h"
#include "owndays/ReminderRunner.h"
#include "support/Fakes.h"
#include <QTemporaryDir>
#include <QTest>

namespace {
// Records each notification; answers at once as told, or keeps the answer for the test to give.
class FakeNotifier : public Notifier
{
public:
    struct Told
    {
        QString title;
        QString body;
    };
    void notify(const QString& title, const QString& body, std::function<void(bool)> told) override
    {
        notes.append({title, body});
        if (holdAnswers)
            held.append(told);
        else
            told(shown);
    }
    QStringList titles() const
    {
        QStringList all;
        for (const Told& note : notes)
            all.append(note.title);
        return all;
    }

    QList<Told> notes;
    bool shown = true;
    bool holdAnswers = false;
    QList<std::function<void(bool)>> held;
};

OwnDay remindedDay(const QString& title, QDate first, int daysBefore, QTime at = QTime(9, 0))
{
    OwnDay day;
    day.title = title;
    day.category = QStringLiteral("trip");
    day.first = day.last = first;
    day.reminder = {true, daysBefore, at};
    return day;
}

// What the file holds once the saves of writer are done.
QDateTime acknowledgedInFile(OwnDays& writer, const QString& uid)
{
    writer.finishSaving();
    OwnDays again(writer.path(), QString(), owndays::firstCategories());
    again.load();
    const std::optional<OwnDay> day = again.find(uid);
    return day ? day->acknowledged : QDateTime();
}
} // namespace

class TestReminderRunner : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void testToldOnceAndKeptInTheFile();
    void testNotShownIsTriedAgain_data();
    void testNotShownIsTriedAgain();
    void testTimerAndChangesBringALook();
    void testChangedBeforeTheAnswer();
    void testManyAtOnce();

private:
    QString path() const { return m_folder->filePath(QStringLiteral("days.ics")); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<OwnDays> m_days;
    FakeClock m_clock;
    FakeNotifier m_notifier;
};

void TestReminderRunner::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_days = std::make_unique<OwnDays>(path(), QStringLiteral("Your days"), owndays::firstCategories());
    QVERIFY(m_days->load());
    m_notifier = FakeNotifier();
}

void TestReminderRunner::cleanup()
{
    m_days.reset();
    m_folder.reset();
}

void TestReminderRunner::testToldOnceAndKeptInTheFile()
{
    const QString uid = m_days->add(remindedDay(QStringLiteral("Dentist"), QDate(2027, 1, 4), 1));
    m_clock.set(2027, 1, 3, 8, 0);
    ReminderRunner runner(*m_days, m_notifier, m_clock, QLocale::c());
    runner.start();
    QVERIFY(m_notifier.notes.isEmpty());
    QCOMPARE(runner.nextLook(), QDateTime(QDate(2027, 1, 3), QTime(9, 0)));
    m_clock.set(2027, 1, 3, 9, 0);
    runner.check();
    QCOMPARE(m_notifier.titles(), QStringList{"Dentist"});
    QCOMPARE(m_notifier.notes[0].body, QStringLiteral("Tomorrow: Monday, 4 January 2027"));
    runner.check();
    QCOMPARE(m_notifier.notes.size(), 1);
    QCOMPARE(acknowledgedInFile(*m_days, uid), QDateTime(QDate(2027, 1, 3), QTime(9, 0)));

    // The next start reads the file: nothing is told again.
    m_clock.set(2027, 1, 3, 20, 0);
    OwnDays reread(path(), QString(), owndays::firstCategories());
    reread.load();
    FakeNotifier afterRestart;
    ReminderRunner restarted(reread, afterRestart, m_clock, QLocale::c());
    restarted.start();
    QVERIFY(afterRestart.notes.isEmpty());
}

void TestReminderRunner::testNotShownIsTriedAgain_data()
{
    QTest::addColumn<bool>("answerLater"); // the desktop's answer comes after notify returned
    QTest::newRow("no service, answered at once") << false;
    QTest::newRow("no answer until the call's time ran out") << true;
}

void TestReminderRunner::testNotShownIsTriedAgain()
{
    QFETCH(bool, answerLater);
    const QString uid = m_days->add(remindedDay(QStringLiteral("Dentist"), QDate(2027, 1, 4), 0));
    m_clock.set(2027, 1, 4, 9, 30);
    m_notifier.shown = false;
    m_notifier.holdAnswers = answerLater;
    ReminderRunner runner(*m_days, m_notifier, m_clock, QLocale::c());
    runner.start();
    QCOMPARE(m_notifier.notes.size(), 1);
    if (answerLater) {
        // Asked and not answered yet: a look meanwhile does not ask twice.
        runner.check();
        QCOMPARE(m_notifier.notes.size(), 1);
        m_clock.advance(10000);
        m_notifier.held.takeFirst()(false);
    }
    QVERIFY(!acknowledgedInFile(*m_days, uid).isValid());
    QCOMPARE(runner.nextLook(), m_clock.now().addMSecs(ReminderRunner::RetryWaitMs));
    m_clock.advance(ReminderRunner::RetryWaitMs);
    m_notifier.shown = true;
    m_notifier.holdAnswers = false;
    runner.check();
    QCOMPARE(m_notifier.notes.size(), 2);
    QCOMPARE(acknowledgedInFile(*m_days, uid), m_clock.now());
    QCOMPARE(runner.nextLook(), m_clock.now().addMSecs(ReminderSchedule::MostWaitMs));
}

// The armed timer looks at its moment; a day marked or changed is looked at at once.
void TestReminderRunner::testTimerAndChangesBringALook()
{
    m_clock.set(2027, 1, 4, 8, 59, 59);
    m_days->add(remindedDay(QStringLiteral("Dentist"), QDate(2027, 1, 4), 0));
    ReminderRunner runner(*m_days, m_notifier, m_clock, QLocale::c());
    runner.start();
    QVERIFY(m_notifier.notes.isEmpty());
    m_clock.advance(1000);
    QTRY_COMPARE_WITH_TIMEOUT(m_notifier.titles(), QStringList{"Dentist"}, 5000);
    // Marked after its reminder's moment, the day still ahead: told now.
    m_days->add(remindedDay(QStringLiteral("Trip"), QDate(2027, 1, 6), 3));
    QTRY_COMPARE(m_notifier.titles(), (QStringList{"Dentist", "Trip"}));
    QCOMPARE(m_notifier.notes[1].body, QStringLiteral("In 2 days: Wednesday, 6 January 2027"));
}

// The user moved the day while the desktop had not answered: its new reminder is its own, not told yet.
void TestReminderRunner::testChangedBeforeTheAnswer()
{
    m_clock.set(2027, 1, 4, 10, 0);
    const QString uid = m_days->add(remindedDay(QStringLiteral("Dentist"), QDate(2027, 1, 4), 0));
    m_notifier.holdAnswers = true;
    {
        ReminderRunner gone(*m_days, m_notifier, m_clock, QLocale::c());
        gone.start();
    }
    // An answer after the runner went changes nothing.
    m_notifier.held.takeFirst()(true);
    QVERIFY(!m_days->find(uid)->acknowledged.isValid());

    ReminderRunner runner(*m_days, m_notifier, m_clock, QLocale::c());
    runner.start();
    QCOMPARE(m_notifier.held.size(), 1);
    OwnDay moved = *m_days->find(uid);
    moved.first = moved.last = QDate(2027, 1, 5);
    moved.reminder.daysBefore = 1;
    m_days->change(moved);
    // The look the change brings finds the day still asked about.
    QTest::qWait(50);
    QCOMPARE(m_notifier.notes.size(), 2);
    m_notifier.held.takeFirst()(true);
    QVERIFY(!acknowledgedInFile(*m_days, uid).isValid());
    QTRY_COMPARE(m_notifier.held.size(), 1); // the moved day's reminder, missed this morning
    m_notifier.held.takeFirst()(true);
    QCOMPARE(acknowledgedInFile(*m_days, uid), m_clock.now());
}

// The first start after a long time: a few told one by one, the rest in one notification, all kept as told.
void TestReminderRunner::testManyAtOnce()
{
    m_clock.set(2027, 1, 4, 10, 0);
    for (int i = 1; i <= 6; ++i)
        m_days->add(remindedDay(QStringLiteral("Day %1").arg(i), QDate(2027, 1, 4).addDays(i - 1), 7));
    ReminderRunner runner(*m_days, m_notifier, m_clock, QLocale::c());
    runner.start();
    QCOMPARE(m_notifier.titles(), (QStringList{"Day 1", "Day 2", "Day 3", "3 more reminders"}));
    QCOMPARE(m_notifier.notes[3].body, QStringLiteral("In 3 days: Day 4\nIn 4 days: Day 5\nIn 5 days: Day 6"));
    runner.check();
    QCOMPARE(m_notifier.notes.size(), 4);
    for (const OwnDay& day : m_days->all())
        QCOMPARE(acknowledgedInFile(*m_days, day.uid), m_clock.now());
}

QTEST_GUILESS_MAIN(TestReminderRunner)
#include "TestReminderRunner.moc"
