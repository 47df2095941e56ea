// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnDays.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
OwnDay dayOf(const QString& title, QDate first, QDate last, bool yearly = false)
{
    OwnDay day;
    day.title = title;
    day.category = QStringLiteral("trip");
    day.first = first;
    day.last = last;
    day.yearly = yearly;
    return day;
}

QStringList titlesOn(const OwnDays& days, const QDate& day)
{
    QStringList titles;
    for (const OwnDay& own : days.on(day))
        titles.append(own.title);
    return titles;
}

QStringList titlesIn(const QString& path)
{
    OwnCalendarFile file(path, QString(), owndays::firstCategories());
    file.load();
    QStringList titles;
    for (const OwnDay& day : file.document().days())
        titles.append(day.title);
    titles.sort();
    return titles;
}
} // namespace

class TestOwnDays : public QObject
{
    Q_OBJECT
private slots:
    void testFoundByDay_data();
    void testFoundByDay();
    void testUndoRedoAreSaved();
    void testFailedSaveIsKeptAndOfferedAgain();
    void testTakesInAnotherProgramsSave();
    void testUndoLeavesAnotherProgramsChange_data();
    void testUndoLeavesAnotherProgramsChange();
    void testUndoOfADeleteKeepsItsLines();
    void testAFolderGoneKeepsTheDays();
    void testQuickChangesLandInOrder_data();
    void testQuickChangesLandInOrder();
    void testFailedSaveWrittenLater_data();
    void testFailedSaveWrittenLater();
    void testMergedWhileASaveWaits();
    void testRenamedCategoryWrittenInItsDays_data();
    void testRenamedCategoryWrittenInItsDays();
};

void TestOwnDays::testFoundByDay_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("a range's first day") << QDate(2026, 12, 28) << QStringList{"New Year trip"};
    QTest::newRow("into the next year") << QDate(2027, 1, 2) << QStringList{"New Year trip"};
    QTest::newRow("after the range") << QDate(2027, 1, 3) << QStringList{};
    QTest::newRow("yearly over New Year, years later") << QDate(2031, 1, 1) << QStringList{"Winter week"};
    QTest::newRow("yearly, before its first year") << QDate(2025, 12, 30) << QStringList{};
    QTest::newRow("29 February in a leap year") << QDate(2028, 2, 29) << QStringList{"Leap birthday"};
    QTest::newRow("no 29 February, nothing on the 28th") << QDate(2027, 2, 28) << QStringList{};
    QTest::newRow("two at once, the earlier first")
        << QDate(2026, 12, 31) << QStringList{"New Year trip", "Winter week"};
}

void TestOwnDays::testFoundByDay()
{
    QFETCH(QDate, day);
    QFETCH(QStringList, titles);
    QTemporaryDir folder;
    OwnDays days(folder.filePath(QStringLiteral("days.ics")), QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    days.add(dayOf(QStringLiteral("New Year trip"), QDate(2026, 12, 28), QDate(2027, 1, 2)));
    days.add(dayOf(QStringLiteral("Winter week"), QDate(2026, 12, 30), QDate(2027, 1, 1), true));
    days.add(dayOf(QStringLiteral("Leap birthday"), QDate(2024, 2, 29), QDate(2024, 2, 29), true));
    QCOMPARE(titlesOn(days, day), titles);
}

void TestOwnDays::testUndoRedoAreSaved()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sub/days.ics"));
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    QVERIFY(!QFile::exists(path)); // nothing is written before the first change
    QSignalSpy changed(&days, &OwnDays::changed);
    const QString uid = days.add(dayOf(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4)));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toDate(), QDate(2027, 1, 4));
    OwnDay moved = *days.find(uid);
    moved.first = moved.last = QDate(2027, 1, 6);
    days.change(moved);
    days.add(dayOf(QStringLiteral("Trip"), QDate(2027, 3, 1), QDate(2027, 3, 5)));
    days.finishSaving();
    QCOMPARE(titlesIn(path), (QStringList{"Dentist", "Trip"}));
    days.undo();
    days.finishSaving();
    QCOMPARE(titlesIn(path), QStringList{"Dentist"});
    days.undo();
    QCOMPARE(titlesOn(days, QDate(2027, 1, 4)), QStringList{"Dentist"});
    QCOMPARE(titlesOn(days, QDate(2027, 1, 6)), QStringList{});
    days.undo();
    QVERIFY(!days.canUndo());
    days.finishSaving();
    QCOMPARE(titlesIn(path), QStringList{});
    days.redo();
    days.redo();
    QCOMPARE(titlesOn(days, QDate(2027, 1, 6)), QStringList{"Dentist"});
    QVERIFY(days.canRedo());
    // A new change after undoing drops what could have been redone.
    days.remove(uid);
    QVERIFY(!days.canRedo());
    days.finishSaving();
    QCOMPARE(titlesIn(path), QStringList{});
}

void TestOwnDays::testFailedSaveIsKeptAndOfferedAgain()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    days.add(dayOf(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4)));
    days.finishSaving();
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    QSignalSpy problems(&days, &OwnDays::problemChanged);
    days.add(dayOf(QStringLiteral("Trip"), QDate(2027, 3, 1), QDate(2027, 3, 5)));
    days.finishSaving();
    QCOMPARE(problems.size(), 1);
    QVERIFY(!days.problem().isEmpty());
    QVERIFY(days.unsaved());
    QCOMPARE(titlesOn(days, QDate(2027, 3, 2)), QStringList{"Trip"}); // kept in memory
    QCOMPARE(titlesIn(path), QStringList{"Dentist"});
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(days.saveAgain());
    QVERIFY(days.problem().isEmpty());
    QCOMPARE(problems.last()[0].toString(), QString());
    QCOMPARE(titlesIn(path), (QStringList{"Dentist", "Trip"}));
}

void TestOwnDays::testTakesInAnotherProgramsSave()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    days.add(dayOf(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4)));
    days.finishSaving();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.replace("END:VCALENDAR", "BEGIN:VEVENT\r\nUID:there\r\nDTSTART;VALUE=DATE:20270105\r\nSUMMARY:From there\r\n"
                                  "END:VEVENT\r\nEND:VCALENDAR");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QSignalSpy changed(&days, &OwnDays::changed);
    QVERIFY(changed.wait(5000));
    QCOMPARE(titlesOn(days, QDate(2027, 1, 5)), QStringList{"From there"});
    QCOMPARE(titlesOn(days, QDate(2027, 1, 4)), QStringList{"Dentist"});
}

namespace {
void rewrite(const QString& path, const QByteArray& from, const QByteArray& to)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    QVERIFY(text.contains(from));
    text.replace(from, to);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}
} // namespace

// Undo after another program changed or removed the same day leaves that program's change, and says so.
void TestOwnDays::testUndoLeavesAnotherProgramsChange_data()
{
    QTest::addColumn<QByteArray>("theirs");
    QTest::addColumn<QStringList>("titlesAfterUndo");
    QTest::newRow("their note") << QByteArray("SUMMARY:Dentist\r\nDESCRIPTION:bring the card\r\n")
                                << QStringList{"Dentist"};
    QTest::newRow("their removal") << QByteArray() << QStringList{};
}

void TestOwnDays::testUndoLeavesAnotherProgramsChange()
{
    QFETCH(QByteArray, theirs);
    QFETCH(QStringList, titlesAfterUndo);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    const QString uid = days.add(dayOf(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4)));
    OwnDay moved = *days.find(uid);
    moved.first = moved.last = QDate(2027, 1, 6);
    days.change(moved);
    days.finishSaving();
    QSignalSpy changed(&days, &OwnDays::changed);
    if (theirs.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        const qsizetype begin = text.indexOf("BEGIN:VEVENT");
        const qsizetype end = text.indexOf("END:VEVENT\r\n") + 12;
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.left(begin) + text.mid(end));
    } else {
        rewrite(path, "SUMMARY:Dentist\r\n", theirs);
    }
    QVERIFY(changed.wait(5000));
    QSignalSpy said(&days, &OwnDays::changedElsewhere);
    days.undo();
    QCOMPARE(said.size(), 1);
    QCOMPARE(titlesOn(days, QDate(2027, 1, 4)), QStringList{});
    QCOMPARE(titlesOn(days, QDate(2027, 1, 6)), titlesAfterUndo);
    if (!theirs.isEmpty())
        QCOMPARE(days.find(uid)->note, QStringLiteral("bring the card"));
}

// A deleted day brought back by Undo comes back with what another program wrote in it.
void TestOwnDays::testUndoOfADeleteKeepsItsLines()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    const QString uid = days.add(dayOf(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4)));
    days.finishSaving();
    rewrite(path, "SUMMARY:Dentist\r\n", "SUMMARY:Dentist\r\nLOCATION:Main Street 4\r\nX-THEIRS:kept\r\n");
    QSignalSpy changed(&days, &OwnDays::changed);
    QVERIFY(changed.wait(5000));
    days.remove(uid);
    days.undo();
    days.finishSaving();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("LOCATION:Main Street 4"));
    QVERIFY(text.contains("X-THEIRS:kept"));
}

// The file's folder taken away: the days stay, the next change is not saved into a folder made again, and the line
// says why.
void TestOwnDays::testAFolderGoneKeepsTheDays()
{
    QTemporaryDir folder;
    const QString inner = folder.filePath(QStringLiteral("sync"));
    const QString path = inner + QStringLiteral("/days.ics");
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    days.add(dayOf(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4)));
    days.finishSaving();
    QVERIFY(QDir(inner).removeRecursively());
    QTest::qWait(OwnDays::OutsideChangeDelayMs * 3);
    QCOMPARE(days.count(), 1);
    days.add(dayOf(QStringLiteral("Trip"), QDate(2027, 3, 1), QDate(2027, 3, 5)));
    days.finishSaving();
    QVERIFY(!QFileInfo::exists(inner));
    QVERIFY(!days.problem().isEmpty());
    QVERIFY(days.unsaved());
    QCOMPARE(days.count(), 2);
    // A day beyond what the file can hold is refused.
    QCOMPARE(days.add(dayOf(QStringLiteral("Far"), QDate(3001, 1, 1), QDate(3001, 1, 1))), QString());
    QCOMPARE(days.count(), 2);
}

namespace {
// Runs steps with no event between them: "add T", "rename T U", "remove T", "undo", "redo".
void run(OwnDays& days, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        std::optional<OwnDay> named;
        for (const OwnDay& day : days.all())
            if (day.title == words.value(1))
                named = day;
        if (words[0] == QLatin1String("add"))
            days.add(dayOf(words[1], QDate(2027, 1, 4).addDays(days.count()), QDate(2027, 1, 4).addDays(days.count())));
        else if (words[0] == QLatin1String("remove"))
            days.remove(named->uid);
        else if (words[0] == QLatin1String("undo"))
            days.undo();
        else if (words[0] == QLatin1String("redo"))
            days.redo();
        else if (words[0] == QLatin1String("rename")) {
            named->title = words[2];
            days.change(*named);
        }
    }
}

QStringList titlesHeld(const OwnDays& days)
{
    QStringList titles;
    for (const OwnDay& day : days.all())
        titles.append(day.title);
    titles.sort();
    return titles;
}
} // namespace

// Changes made while a save is under way wait for it and go together in the next: the file ends as the last change
// left it, when the saves are let run, when the window closes, and when the model goes with saves still waiting.
void TestOwnDays::testQuickChangesLandInOrder_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("ending");
    const std::vector<std::tuple<const char*, QStringList, QStringList>> cases{
        {"two marks", {"add Dentist", "add Trip"}, {"Dentist", "Trip"}},
        {"a mark and its undo", {"add Dentist", "add Trip", "undo"}, {"Dentist"}},
        {"undone and redone", {"add Dentist", "undo", "redo"}, {"Dentist"}},
        {"renamed twice", {"add Dentist", "rename Dentist Doctor", "rename Doctor Surgery"}, {"Surgery"}},
        {"marked and deleted", {"add Dentist", "add Trip", "remove Dentist"}, {"Trip"}},
        {"many", {"add A", "add B", "add C", "add D", "remove B", "undo", "undo"}, {"A", "B", "C"}},
    };
    for (const auto& [name, steps, titles] : cases)
        for (const char* ending : {"settled", "window closed", "model gone"})
            QTest::addRow("%s, %s", name, ending) << steps << titles << QString::fromLatin1(ending);
}

void TestOwnDays::testQuickChangesLandInOrder()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, titles);
    QFETCH(QString, ending);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sub/days.ics"));
    auto days = std::make_unique<OwnDays>(path, QStringLiteral("Your days"), owndays::firstCategories());
    days->load();
    QSignalSpy changed(days.get(), &OwnDays::changed);
    run(*days, steps);
    QCOMPARE(titlesHeld(*days), titles);
    if (ending == QLatin1String("model gone")) {
        days.reset();
    } else if (ending == QLatin1String("window closed")) {
        QVERIFY(days->saveAgain());
    } else {
        QTRY_VERIFY(!days->unsaved());
        QCOMPARE(titlesHeld(*days), titles);
        // The program's own writes are not taken for another program's: nothing is read again.
        changed.clear();
        QTest::qWait(OwnDays::OutsideChangeDelayMs * 3);
        QCOMPARE(changed.size(), 0);
    }
    QCOMPARE(titlesIn(path), titles);
}

// A save that fails says so in one line and keeps the change; the timer, the next change or closing writes it.
void TestOwnDays::testFailedSaveWrittenLater_data()
{
    QTest::addColumn<bool>("folderGone");
    QTest::addColumn<QString>("retry");
    for (const bool gone : {false, true})
        for (const char* retry : {"timer", "next change", "closing"})
            QTest::addRow("%s, %s", gone ? "folder gone" : "read-only file", retry) << gone << QString(retry);
}

void TestOwnDays::testFailedSaveWrittenLater()
{
    QFETCH(bool, folderGone);
    QFETCH(QString, retry);
    QTemporaryDir folder;
    const QString inner = folder.filePath(QStringLiteral("sync"));
    const QString path = inner + QStringLiteral("/days.ics");
    auto days = std::make_unique<OwnDays>(path, QStringLiteral("Your days"), owndays::firstCategories());
    days->load();
    days->setRetryMs(retry == QLatin1String("timer") ? 200 : OwnDays::RetryMs);
    run(*days, {"add Dentist"});
    QTRY_VERIFY(!days->unsaved());
    QVERIFY(folderGone ? QDir(inner).removeRecursively() : QFile::setPermissions(path, QFileDevice::ReadOwner));
    QSignalSpy problems(days.get(), &OwnDays::problemChanged);
    run(*days, {"add Trip", "add Walk"});
    QVERIFY(problems.wait(5000));
    QCOMPARE(problems.size(), 1);
    QVERIFY(!problems[0][0].toString().isEmpty());
    QVERIFY(days->unsaved());
    QCOMPARE(titlesHeld(*days), (QStringList{"Dentist", "Trip", "Walk"}));
    // A save queued behind the failed one fails too before the file can be written again, and so does the one the
    // folder's removal asks for once it is seen: under load that one could come after the folder is back.
    days->finishSaving();
    QTest::qWait(OwnDays::OutsideChangeDelayMs * 3);
    days->finishSaving();
    QVERIFY(days->unsaved());
    QVERIFY(folderGone ? QDir().mkpath(inner)
                       : QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QStringList titles{"Dentist", "Trip", "Walk"};
    if (retry == QLatin1String("closing")) {
        days.reset();
    } else {
        if (retry == QLatin1String("next change")) {
            QTest::qWait(300);
            QVERIFY(days->unsaved());
            run(*days, {"add Swim"});
            titles.insert(1, QStringLiteral("Swim"));
        }
        QTRY_VERIFY(!days->unsaved());
        QVERIFY(days->problem().isEmpty());
        QCOMPARE(problems.last()[0].toString(), QString());
    }
    // Written whole, the day saved before the failure too.
    QCOMPARE(titlesIn(path), titles);
}

// Another program's save met by a save of ours, with another change waiting behind it: the model takes the other
// program's change and keeps the waiting one, and the file ends with both.
void TestOwnDays::testMergedWhileASaveWaits()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    run(days, {"add Dentist"});
    QTRY_VERIFY(!days.unsaved());
    rewrite(path, "END:VCALENDAR",
            "BEGIN:VEVENT\r\nUID:there\r\nDTSTART;VALUE=DATE:20270301\r\nSUMMARY:From there\r\nEND:VEVENT\r\n"
            "END:VCALENDAR");
    QSignalSpy kept(&days, &OwnDays::keptNewer);
    // Before the model hears of it: the first change's save merges it, the second waits.
    run(days, {"add Trip", "add Walk"});
    QTRY_VERIFY(!days.unsaved());
    QCOMPARE(titlesHeld(days), (QStringList{"Dentist", "From there", "Trip", "Walk"}));
    QCOMPARE(titlesOn(days, QDate(2027, 1, 6)), QStringList{"Walk"});
    QCOMPARE(titlesIn(path), titlesHeld(days));
    QCOMPARE(kept.size(), 0);
    days.undo();
    QTRY_VERIFY(!days.unsaved());
    QCOMPARE(titlesIn(path), (QStringList{"Dentist", "From there", "Trip"}));
}

// Other programs read a day's category by its name: renaming it writes the new name in each of its days.
void TestOwnDays::testRenamedCategoryWrittenInItsDays_data()
{
    QTest::addColumn<QByteArray>("theirs"); // another program's event in the file, its CATEGORIES; empty: none
    QTest::addColumn<bool>("undone");
    QTest::addColumn<QByteArrayList>("lines"); // the file's CATEGORIES lines, ours first
    QTest::newRow("our day") << QByteArray() << false << QByteArrayList{"Travel"};
    QTest::newRow("our day, the rename undone") << QByteArray() << true << QByteArrayList{"Trip"};
    QTest::newRow("theirs, by the name") << QByteArray("trip") << false << QByteArrayList{"Travel", "Travel"};
    QTest::newRow("theirs, with values of its own")
        << QByteArray("Trip,Work") << false << QByteArrayList{"Travel", "Travel", "Work"};
    QTest::newRow("theirs, another category") << QByteArray("Work") << false << QByteArrayList{"Travel", "Work"};
}

void TestOwnDays::testRenamedCategoryWrittenInItsDays()
{
    QFETCH(QByteArray, theirs);
    QFETCH(bool, undone);
    QFETCH(QByteArrayList, lines);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    run(days, {"add Dentist"});
    days.finishSaving();
    if (!theirs.isEmpty()) {
        rewrite(path, "END:VCALENDAR",
                "BEGIN:VEVENT\r\nUID:there\r\nDTSTART;VALUE=DATE:20270301\r\nSUMMARY:From there\r\nCATEGORIES:" +
                    theirs + "\r\nEND:VEVENT\r\nEND:VCALENDAR");
        QVERIFY(days.load());
    }
    QList<Category> categories = days.categories();
    categories[0].name = QStringLiteral("Travel");
    QSignalSpy changed(&days, &OwnDays::changed);
    days.setCategories(categories);
    if (undone)
        days.undo();
    // One change of everything for each step, however many days it rewrote.
    QCOMPARE(changed.size(), undone ? 2 : 1);
    for (const QList<QVariant>& told : std::as_const(changed))
        QVERIFY(!told[0].toDate().isValid());
    days.finishSaving();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArrayList written;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("CATEGORIES:"))
            written.append(line.mid(11).trimmed());
    QCOMPARE(written, lines);
}

QTEST_GUILESS_MAIN(TestOwnDays)
#include "TestOwnDays.moc"
