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
    QCOMPARE(titlesIn(path), (QStringList{"Dentist", "Trip"}));
    days.undo();
    QCOMPARE(titlesIn(path), QStringList{"Dentist"});
    days.undo();
    QCOMPARE(titlesOn(days, QDate(2027, 1, 4)), QStringList{"Dentist"});
    QCOMPARE(titlesOn(days, QDate(2027, 1, 6)), QStringList{});
    days.undo();
    QVERIFY(!days.canUndo());
    QCOMPARE(titlesIn(path), QStringList{});
    days.redo();
    days.redo();
    QCOMPARE(titlesOn(days, QDate(2027, 1, 6)), QStringList{"Dentist"});
    QVERIFY(days.canRedo());
    // A new change after undoing drops what could have been redone.
    days.remove(uid);
    QVERIFY(!days.canRedo());
    QCOMPARE(titlesIn(path), QStringList{});
}

void TestOwnDays::testFailedSaveIsKeptAndOfferedAgain()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    OwnDays days(path, QStringLiteral("Your days"), owndays::firstCategories());
    days.load();
    days.add(dayOf(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4)));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    QSignalSpy problems(&days, &OwnDays::problemChanged);
    days.add(dayOf(QStringLiteral("Trip"), QDate(2027, 3, 1), QDate(2027, 3, 5)));
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
    rewrite(path, "SUMMARY:Dentist\r\n", "SUMMARY:Dentist\r\nLOCATION:Main Street 4\r\nX-THEIRS:kept\r\n");
    QSignalSpy changed(&days, &OwnDays::changed);
    QVERIFY(changed.wait(5000));
    days.remove(uid);
    days.undo();
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
    QVERIFY(QDir(inner).removeRecursively());
    QTest::qWait(OwnDays::OutsideChangeDelayMs * 3);
    QCOMPARE(days.count(), 1);
    days.add(dayOf(QStringLiteral("Trip"), QDate(2027, 3, 1), QDate(2027, 3, 5)));
    QVERIFY(!QFileInfo::exists(inner));
    QVERIFY(!days.problem().isEmpty());
    QVERIFY(days.unsaved());
    QCOMPARE(days.count(), 2);
    // A day beyond what the file can hold is refused.
    QCOMPARE(days.add(dayOf(QStringLiteral("Far"), QDate(3001, 1, 1), QDate(3001, 1, 1))), QString());
    QCOMPARE(days.count(), 2);
}

QTEST_GUILESS_MAIN(TestOwnDays)
#include "TestOwnDays.moc"
