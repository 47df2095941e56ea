// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnCalendarFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Another program's calendar: a zone, a to-do, an alarm and lines of its own, folded lines, a timed event.
const QByteArray Theirs = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nX-OTHER-FLAG:kept\r\n"
                          "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
                          "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
                          "BEGIN:VEVENT\r\nUID:trip-1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20270312\r\n"
                          "DTEND;VALUE=DATE:20270316\r\nSUMMARY:Lisbon\r\nCATEGORIES:Trip\r\nSEQUENCE:4\r\n"
                          "X-OTHER-NOTE:their own\r\n  line folded\r\nBEGIN:VALARM\r\nACTION:AUDIO\r\n"
                          "TRIGGER;RELATED=END:PT1H\r\nEND:VALARM\r\nEND:VEVENT\r\n"
                          "BEGIN:VTODO\r\nUID:todo-1\r\nSUMMARY:Pack\r\nEND:VTODO\r\n"
                          "BEGIN:VEVENT\r\nUID:meeting-1\r\nDTSTART;TZID=Europe/Berlin:20270105T100000\r\n"
                          "DURATION:PT1H\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:birthday-1\r\nDTSTART;VALUE=DATE:19800229\r\nRRULE:FREQ=YEARLY\r\n"
                          "SUMMARY:Ana\r\nLAST-MODIFIED:20260101T000000Z\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                          "TRIGGER:-P1DT15H\r\nACKNOWLEDGED:20260227T090000Z\r\nEND:VALARM\r\nEND:VEVENT\r\n"
                          "END:VCALENDAR\r\n";

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

OwnCalendarFile fileAt(const QString& path)
{
    return OwnCalendarFile(path, QStringLiteral("Your days"), owndays::firstCategories());
}

QByteArray blockOf(const QByteArray& text, const QByteArray& uid)
{
    const qsizetype at = text.indexOf("UID:" + uid + "\r\n");
    const qsizetype begin = text.lastIndexOf("BEGIN:V", at);
    return text.mid(begin, text.indexOf("END:VEVENT\r\n", at) + 12 - begin);
}

OwnDay dayNamed(const QString& title, QDate first, QDate last)
{
    OwnDay day;
    day.uid = owndays::newUid();
    day.title = title;
    day.category = QStringLiteral("work");
    day.first = first;
    day.last = last;
    day.modified = QDateTime::currentDateTimeUtc();
    return day;
}
} // namespace

class TestOwnCalendarFile : public QObject
{
    Q_OBJECT
private slots:
    void testReadsWhatItCanKeep();
    void testChangeKeepsTheRest_data();
    void testChangeKeepsTheRest();
    void testReminderRoundTrip_data();
    void testReminderRoundTrip();
    void testMergesAnotherProgramsSave_data();
    void testMergesAnotherProgramsSave();
    void testNeverWritesWhatItMustNot_data();
    void testNeverWritesWhatItMustNot();
    void testKillLeavesOldOrNew();
    void testFullDisk();
    void testWhatItDoesNotEdit_data();
    void testWhatItDoesNotEdit();
    void testLinesKeptAroundAChange_data();
    void testLinesKeptAroundAChange();
    void testEditKeepsTheEventsOtherLines_data();
    void testEditKeepsTheEventsOtherLines();
};

void TestOwnCalendarFile::testReadsWhatItCanKeep()
{
    const OwnCalendarDocument document = OwnCalendarDocument::parse(Theirs, owndays::firstCategories());
    QVERIFY(document.valid);
    QCOMPARE(document.text(), Theirs);
    QCOMPARE(document.blocks.size(), 5);
    const QList<OwnDay> days = document.days();
    // The timed meeting and the to-do stay in the file but are not days this program edits.
    QCOMPARE(days.size(), 2);
    QCOMPARE(days[0].title, QStringLiteral("Lisbon"));
    QCOMPARE(days[0].first, QDate(2027, 3, 12));
    QCOMPARE(days[0].last, QDate(2027, 3, 15));
    QCOMPARE(days[0].category, QStringLiteral("trip")); // matched by the other program's category name
    QVERIFY(!days[0].reminder.on);                      // an alarm after the end is not a reminder of the day
    QCOMPARE(days[1].title, QStringLiteral("Ana"));
    QVERIFY(days[1].yearly);
    QVERIFY(days[1].reminder.on);
    QCOMPARE(days[1].reminder.daysBefore, 2);
    QCOMPARE(days[1].reminder.at, QTime(9, 0));
    QCOMPARE(days[1].acknowledged, QDateTime(QDate(2026, 2, 27), QTime(9, 0), Qt::UTC));
}

void TestOwnCalendarFile::testChangeKeepsTheRest_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("sequenceUp");
    QTest::newRow("dates") << "dates" << true;
    QTest::newRow("title") << "title" << true;
    QTest::newRow("note only") << "note" << false;
    QTest::newRow("removed") << "remove" << false;
    QTest::newRow("added") << "add" << false;
    QTest::newRow("a note longer than the write's buffer") << "long note" << false;
    QTest::newRow("with forty new days in the same save") << "many" << false;
}

void TestOwnCalendarFile::testChangeKeepsTheRest()
{
    QFETCH(QString, change);
    QFETCH(bool, sequenceUp);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    QVERIFY(writeFile(path, Theirs));
    OwnCalendarFile file = fileAt(path);
    QCOMPARE(file.load(), OwnCalendarFile::Kind::Read);
    OwnDay lisbon = file.document().days()[0];
    QHash<QString, std::optional<OwnDay>> changes;
    if (change == QLatin1String("dates"))
        lisbon.last = lisbon.last.addDays(2);
    else if (change == QLatin1String("title"))
        lisbon.title = QStringLiteral("Lisboa, Porto; again");
    else if (change == QLatin1String("note"))
        lisbon.note = QStringLiteral("Flight TP 123\nGate 4");
    else if (change == QLatin1String("long note"))
        lisbon.note = QStringLiteral("Flight TP 123, gate 4. ").repeated(20000) + QStringLiteral("End");
    lisbon.modified = QDateTime(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC);
    OwnDay dentist = dayNamed(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4));
    dentist.uid = QStringLiteral("new-1");
    if (change == QLatin1String("add"))
        changes.insert(dentist.uid, dentist);
    else if (change == QLatin1String("remove"))
        changes.insert(lisbon.uid, std::nullopt);
    else
        changes.insert(lisbon.uid, lisbon);
    QStringList added;
    for (int i = 0; change == QLatin1String("many") && i < 40; ++i) {
        OwnDay day =
            dayNamed(QStringLiteral("Day %1").arg(i), QDate(2027, 2, 1).addDays(i), QDate(2027, 2, 1).addDays(i));
        day.uid = QStringLiteral("many-%1").arg(i);
        changes.insert(day.uid, day);
        added.append(day.uid);
    }
    const OwnCalendarFile::Saved saved = file.save(changes, file.document().categories);
    QVERIFY2(saved.written, qPrintable(saved.reason));
    const QByteArray written = readFile(path);
    // Every component the change did not touch is written back byte for byte.
    for (const QByteArray& untouched : {blockOf(Theirs, "meeting-1"), blockOf(Theirs, "birthday-1"),
                                        QByteArray("BEGIN:VTODO\r\nUID:todo-1\r\nSUMMARY:Pack\r\nEND:VTODO\r\n")})
        QVERIFY(written.contains(untouched));
    QVERIFY(written.startsWith(Theirs.left(Theirs.indexOf("BEGIN:VEVENT"))));
    const OwnCalendarDocument again = OwnCalendarDocument::parse(written, owndays::firstCategories());
    if (change == QLatin1String("remove")) {
        QCOMPARE(again.indexOf(QStringLiteral("trip-1")), -1);
        return;
    }
    if (change == QLatin1String("add")) {
        QVERIFY(written.contains(blockOf(Theirs, "trip-1")));
        QVERIFY(again.blocks[again.indexOf(dentist.uid)].day->sameContent(dentist));
        QVERIFY(blockOf(written, "new-1").contains("DTSTAMP:"));
        return;
    }
    const QByteArray block = blockOf(written, "trip-1");
    QVERIFY(block.contains("X-OTHER-NOTE:their own line folded") || block.contains("X-OTHER-NOTE:their own"));
    QVERIFY(block.contains("TRIGGER;RELATED=END:PT1H")); // their alarm stays
    QVERIFY(block.contains(sequenceUp ? "SEQUENCE:5" : "SEQUENCE:4"));
    QVERIFY(block.contains("LAST-MODIFIED:20261210T120000Z"));
    QVERIFY(!block.contains("X-LIC-ERROR"));
    const OwnDay read = *again.blocks[again.indexOf(lisbon.uid)].day;
    QVERIFY(read.sameContent(lisbon));
    QCOMPARE(again.blocks.size(), 5 + added.size()); // their zone, to-do and three events, and ours
    for (const QString& uid : added)
        QCOMPARE(again.blocks[again.indexOf(uid)].day->title, QStringLiteral("Day ") + uid.mid(5));
}

void TestOwnCalendarFile::testReminderRoundTrip_data()
{
    QTest::addColumn<int>("daysBefore");
    QTest::addColumn<QTime>("at");
    QTest::addColumn<QByteArray>("trigger");
    QTest::newRow("on the day at nine") << 0 << QTime(9, 0) << QByteArray("TRIGGER:PT9H");
    QTest::newRow("on the day at midnight") << 0 << QTime(0, 0) << QByteArray("TRIGGER:PT0S");
    QTest::newRow("two days before at nine") << 2 << QTime(9, 0) << QByteArray("TRIGGER:-P1DT15H");
    QTest::newRow("a week before at 18:30") << 7 << QTime(18, 30) << QByteArray("TRIGGER:-P6DT5H30M");
}

void TestOwnCalendarFile::testReminderRoundTrip()
{
    QFETCH(int, daysBefore);
    QFETCH(QTime, at);
    QFETCH(QByteArray, trigger);
    OwnDay day = dayNamed(QStringLiteral("Exam"), QDate(2027, 6, 1), QDate(2027, 6, 1));
    day.reminder = {true, daysBefore, at};
    const QByteArray block = eventBlock(day, {}, owndays::firstCategories());
    QVERIFY2(block.contains(trigger), block.constData());
    const OwnCalendarDocument read =
        OwnCalendarDocument::parse("BEGIN:VCALENDAR\r\n" + block + "END:VCALENDAR\r\n", owndays::firstCategories());
    QCOMPARE(read.days().size(), 1);
    QCOMPARE(read.days()[0].reminder, day.reminder);
    QCOMPARE(read.days()[0].reminderDue(day.first), QDateTime(day.first.addDays(-daysBefore), at));
}

void TestOwnCalendarFile::testMergesAnotherProgramsSave_data()
{
    QTest::addColumn<QString>("theirChange");
    QTest::addColumn<bool>("theirsNewer");
    QTest::addColumn<QString>("titleKept");
    QTest::addColumn<bool>("told");
    QTest::newRow("another event") << "other" << false << "Lisbon (ours)" << false;
    QTest::newRow("same event, ours newer") << "same" << false << "Lisbon (ours)" << true;
    QTest::newRow("same event, theirs newer") << "same" << true << "Lisbon (theirs)" << true;
}

void TestOwnCalendarFile::testMergesAnotherProgramsSave()
{
    QFETCH(QString, theirChange);
    QFETCH(bool, theirsNewer);
    QFETCH(QString, titleKept);
    QFETCH(bool, told);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    QVERIFY(writeFile(path, Theirs));
    OwnCalendarFile file = fileAt(path);
    QCOMPARE(file.load(), OwnCalendarFile::Kind::Read);
    OwnDay lisbon = file.document().days()[0];
    lisbon.title = QStringLiteral("Lisbon (ours)");
    lisbon.modified = QDateTime(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC);
    // The other program saves meanwhile, with its own stamp.
    QByteArray other = Theirs;
    if (theirChange == QLatin1String("other"))
        other.replace("SUMMARY:Ana", "SUMMARY:Ana Maria");
    else
        other.replace("SUMMARY:Lisbon\r\n", QByteArray("SUMMARY:Lisbon (theirs)\r\nLAST-MODIFIED:") +
                                                (theirsNewer ? "20261210T130000Z" : "20261210T110000Z") + "\r\n");
    other.replace("END:VCALENDAR", "BEGIN:VEVENT\r\nUID:added-there\r\nDTSTART;VALUE=DATE:20270701\r\n"
                                   "SUMMARY:Added there\r\nEND:VEVENT\r\nEND:VCALENDAR");
    QVERIFY(writeFile(path, other));
    QVERIFY(file.changedOnDisk());
    const OwnCalendarFile::Saved saved = file.save({{lisbon.uid, lisbon}}, file.document().categories);
    QVERIFY(saved.written);
    QVERIFY(saved.merged);
    QCOMPARE(!saved.bothChanged.isEmpty(), told);
    const OwnCalendarDocument result = OwnCalendarDocument::parse(readFile(path), {});
    QCOMPARE(result.blocks[result.indexOf(QStringLiteral("trip-1"))].day->title, titleKept);
    QVERIFY(result.indexOf(QStringLiteral("added-there")) >= 0);
    if (theirChange == QLatin1String("other"))
        QCOMPARE(result.blocks[result.indexOf(QStringLiteral("birthday-1"))].day->title, QStringLiteral("Ana Maria"));
    QCOMPARE(file.document().text(), readFile(path));
    QVERIFY(!file.changedOnDisk());
}

void TestOwnCalendarFile::testNeverWritesWhatItMustNot_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("read-only file") << "read-only";
    QTest::newRow("not a calendar") << "not a calendar";
    QTest::newRow("folder gone") << "folder gone";
}

void TestOwnCalendarFile::testNeverWritesWhatItMustNot()
{
    QFETCH(QString, situation);
    QTemporaryDir folder;
    const QString inner = folder.filePath(QStringLiteral("inner"));
    QVERIFY(QDir().mkpath(inner));
    const QString path = inner + QStringLiteral("/days.ics");
    const QByteArray before = situation == QLatin1String("not a calendar") ? QByteArray("my notes\n") : Theirs;
    QVERIFY(writeFile(path, before));
    OwnCalendarFile file = fileAt(path);
    file.load();
    if (situation == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    if (situation == QLatin1String("folder gone"))
        QVERIFY(QDir(inner).removeRecursively());
    const OwnDay day = dayNamed(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4));
    const OwnCalendarFile::Saved saved = file.save({{day.uid, day}}, owndays::firstCategories());
    QVERIFY(!saved.written);
    QVERIFY(!saved.reason.isEmpty());
    if (situation != QLatin1String("folder gone"))
        QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 0); // no temporary file left
}

// A child saves one of two versions again and again and is killed at a random moment: the file always reads as
// one of the two versions, never as part of one.
void TestOwnCalendarFile::testKillLeavesOldOrNew()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    QVERIFY(writeFile(path, Theirs));
    QList<QByteArray> versions{Theirs};
    QList<OwnDay> bulk;
    for (int i = 0; i < 2000; ++i)
        bulk.append(dayNamed(QStringLiteral("Day %1").arg(i), QDate(2027, 1, 1).addDays(i % 365),
                             QDate(2027, 1, 1).addDays(i % 365)));
    int kills = 0;
    int seenNew = 0;
    // Several hundred moments: most fall in the middle of writing the copy beside, some in the rename.
    constexpr int Rounds = 300;
    for (int round = 0; round < Rounds; ++round) {
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            OwnCalendarFile file = fileAt(path);
            file.load();
            for (int i = 0;; ++i) {
                OwnDay day = bulk[i % bulk.size()];
                day.title += QStringLiteral(" #%1").arg(i);
                file.save({{day.uid, day}}, owndays::firstCategories());
            }
        }
        // Killed at a random moment once the child saves: a slow build (the sanitizers) takes a while to start.
        const QDateTime before = QFileInfo(path).lastModified();
        for (int wait = 0; wait < 10000 && QFileInfo(path).lastModified() == before; ++wait)
            ::usleep(1000);
        ::usleep(QRandomGenerator::global()->bounded(8000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ++kills;
        const QByteArray text = readFile(path);
        QVERIFY(text.endsWith("END:VCALENDAR\r\n"));
        const OwnCalendarDocument read = OwnCalendarDocument::parse(text, {});
        QVERIFY(read.valid);
        QCOMPARE(read.text(), text);
        if (text != Theirs)
            ++seenNew;
        // Each saved version holds the other program's components whole.
        QVERIFY(text.contains(blockOf(Theirs, "meeting-1")));
    }
    QCOMPARE(kills, Rounds);
    QVERIFY(seenNew > 0);
    qInfo("%d kills, %d of them after at least one save", kills, seenNew);
}

// A disk that fills up: a small file system of its own (a tmpfs in a mount namespace of a child) takes the file but
// not a change that makes it larger than the room left. The save says why, leaves the file as it was and nothing
// beside it, and the same change is written once there is room again.
void TestOwnCalendarFile::testFullDisk()
{
    QTemporaryDir folder;
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // Exit codes: 0 as expected, 77 no namespace or tmpfs here, else the step that went wrong.
        const bool root = ::geteuid() == 0;
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(root ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) != 0)
            ::_exit(77);
        if (!root) {
            writeFile(QStringLiteral("/proc/self/setgroups"), "deny");
            writeFile(QStringLiteral("/proc/self/uid_map"), "0 " + QByteArray::number(uid) + " 1");
            writeFile(QStringLiteral("/proc/self/gid_map"), "0 " + QByteArray::number(gid) + " 1");
        }
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", QFile::encodeName(folder.path()).constData(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        const QString path = folder.filePath(QStringLiteral("days.ics"));
        const QString filler = folder.filePath(QStringLiteral("filler"));
        if (!writeFile(path, Theirs))
            ::_exit(1);
        // What is left: less than the file with a long note, more than the file alone twice.
        if (!writeFile(filler, QByteArray(64 * 1024 - 4 * 4096 - 2 * 4096, 'x')))
            ::_exit(2);
        OwnCalendarFile file = fileAt(path);
        file.load();
        OwnDay day = dayNamed(QStringLiteral("Dentist"), QDate(2027, 1, 4), QDate(2027, 1, 4));
        day.note = QString(30000, QLatin1Char('n'));
        const OwnCalendarFile::Saved full = file.save({{day.uid, day}}, owndays::firstCategories());
        if (full.written || full.reason.isEmpty())
            ::_exit(3);
        if (readFile(path) != Theirs)
            ::_exit(4);
        if (QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size() != 2)
            ::_exit(5); // a copy beside it left behind
        QFile::remove(filler);
        const OwnCalendarFile::Saved again = file.save({{day.uid, day}}, owndays::firstCategories());
        if (!again.written || !readFile(path).contains("SUMMARY:Dentist"))
            ::_exit(6);
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        QSKIP("no mount namespace with a tmpfs on this machine");
    QCOMPARE(WEXITSTATUS(status), 0);
}

// Events another program wrote that this program cannot edit without losing something are kept, shown as no day.
void TestOwnCalendarFile::testWhatItDoesNotEdit_data()
{
    QTest::addColumn<QByteArray>("events");
    QTest::addColumn<int>("days");
    const QByteArray yearly = "BEGIN:VEVENT\r\nUID:y\r\nDTSTART;VALUE=DATE:20240312\r\nRRULE:FREQ=YEARLY\r\n"
                              "SUMMARY:Ana\r\nEND:VEVENT\r\n";
    const QByteArray moved = "BEGIN:VEVENT\r\nUID:y\r\nRECURRENCE-ID;VALUE=DATE:20260312\r\n"
                             "DTSTART;VALUE=DATE:20260314\r\nSUMMARY:Ana moved\r\nEND:VEVENT\r\n";
    QTest::newRow("a yearly day alone") << yearly << 1;
    QTest::newRow("a moved instance before its event") << moved + yearly << 0;
    QTest::newRow("a moved instance after its event") << yearly + moved << 0;
    QTest::newRow("yearly in two months")
        << QByteArray("BEGIN:VEVENT\r\nUID:m\r\nDTSTART;VALUE=DATE:20240112\r\nRRULE:FREQ=YEARLY;BYMONTH=1,7\r\n"
                      "SUMMARY:Twice\r\nEND:VEVENT\r\n")
        << 0;
}

void TestOwnCalendarFile::testWhatItDoesNotEdit()
{
    QFETCH(QByteArray, events);
    QFETCH(int, days);
    const QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + events + "END:VCALENDAR\r\n";
    const OwnCalendarDocument document = OwnCalendarDocument::parse(text, owndays::firstCategories());
    QCOMPARE(document.days().size(), days);
    QCOMPARE(document.text(), text);
}

// What a file holds besides its events, and how its lines end, stays as it was when an event changes.
void TestOwnCalendarFile::testLinesKeptAroundAChange_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("a calendar line after the events")
        << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20270104\r\nSUMMARY:A\r\n"
                      "END:VEVENT\r\nX-WR-CALDESC:mine\r\nEND:VCALENDAR\r\n")
        << QByteArray("X-WR-CALDESC:mine\r\nEND:VCALENDAR\r\n");
    QTest::newRow("a byte order mark")
        << QByteArray("\xEF\xBB\xBF"
                      "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20270104\r\nSUMMARY:A\r\n"
                      "END:VEVENT\r\nEND:VCALENDAR\r\n")
        << QByteArray("\xEF\xBB\xBF"
                      "BEGIN:VCALENDAR\r\n");
    QTest::newRow("lines ending in LF alone")
        << QByteArray("BEGIN:VCALENDAR\nBEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20270104\nSUMMARY:A\nEND:VEVENT\n"
                      "END:VCALENDAR\n")
        << QByteArray("BEGIN:VCALENDAR\n");
}

void TestOwnCalendarFile::testLinesKeptAroundAChange()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, kept);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    QVERIFY(writeFile(path, text));
    OwnCalendarFile file = fileAt(path);
    QCOMPARE(file.load(), OwnCalendarFile::Kind::Read);
    QCOMPARE(file.document().days().size(), 1);
    const OwnDay added = dayNamed(QStringLiteral("Added"), QDate(2027, 2, 1), QDate(2027, 2, 2));
    QVERIFY(file.save({{QStringLiteral("a"), std::nullopt}, {added.uid, added}}, file.document().categories).written);
    const QByteArray written = readFile(path);
    QVERIFY2(written.contains(kept), written.constData());
    QVERIFY(!written.contains("UID:a\r\n") && !written.contains("UID:a\n"));
    // The lines it gained end as the file's do.
    QCOMPARE(written.contains("\r\n"), text.contains("\r\n"));
    QCOMPARE(OwnCalendarDocument::parse(written, owndays::firstCategories()).days().size(), 1);
}

QTEST_GUILESS_MAIN(TestOwnCalendarFile)
#include "TestOwnCalendarFile.moc"

// An event another program wrote, edited here: only the properties the edit changes are written anew; every other
// line of the event (values the calendar library cannot read, parameters, folding, another program's alarm) stays
// byte for byte, and the edit reads back.
void TestOwnCalendarFile::testEditKeepsTheEventsOtherLines_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("gone"); // a line the edit replaces
    QTest::newRow("title") << "title" << QByteArray("SUMMARY:Lisbon\r\n");
    QTest::newRow("dates") << "dates" << QByteArray("DTEND;VALUE=DATE:20270316\r\n");
    QTest::newRow("reminder on") << "reminder" << QByteArray();
    QTest::newRow("category") << "category" << QByteArray("CATEGORIES:Trip\r\n");
}

void TestOwnCalendarFile::testEditKeepsTheEventsOtherLines()
{
    QFETCH(QString, change);
    QFETCH(QByteArray, gone);
    const QList<QByteArray> kept{"PRIORITY:high\r\n", "CLASS:SOMETIMES\r\n", "X-OTHER;LABEL=\"a:b;c\":their value\r\n",
                                 "DESCRIPTION:A long note that the other program folded at its own width and\r\n"
                                 "  not where this one would\r\n",
                                 "BEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER;RELATED=END:PT1H\r\nEND:VALARM\r\n"};
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\nUID:trip-1\r\n"
                      "DTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20270312\r\nDTEND;VALUE=DATE:20270316\r\n"
                      "SUMMARY:Lisbon\r\nCATEGORIES:Trip\r\n";
    for (const QByteArray& line : kept)
        text += line;
    text += "END:VEVENT\r\nEND:VCALENDAR\r\n";
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("days.ics"));
    QVERIFY(writeFile(path, text));
    OwnCalendarFile file = fileAt(path);
    QCOMPARE(file.load(), OwnCalendarFile::Kind::Read);
    OwnDay day = file.document().days().value(0);
    QCOMPARE(day.uid, QStringLiteral("trip-1"));
    if (change == QLatin1String("title"))
        day.title = QStringLiteral("Lisboa");
    else if (change == QLatin1String("dates"))
        day.last = day.last.addDays(3);
    else if (change == QLatin1String("reminder"))
        day.reminder = {true, 2, QTime(9, 0)};
    else
        day.category = QStringLiteral("holiday");
    const OwnCalendarFile::Saved saved = file.save({{day.uid, day}}, file.document().categories);
    QVERIFY2(saved.written, qPrintable(saved.reason));
    const QByteArray written = readFile(path);
    for (const QByteArray& line : kept)
        QVERIFY2(written.contains(line), line.constData());
    if (!gone.isEmpty())
        QVERIFY2(!written.contains(gone), written.constData());
    QCOMPARE(written.count("BEGIN:VALARM"), change == QLatin1String("reminder") ? 2 : 1);
    const OwnCalendarDocument again = OwnCalendarDocument::parse(written, owndays::firstCategories());
    const OwnDay read = again.days().value(0);
    QCOMPARE(read.title, day.title);
    QCOMPARE(read.last, day.last);
    QCOMPARE(read.category, day.category);
    QCOMPARE(read.reminder.on, day.reminder.on);
    QCOMPARE(written.count("DTSTAMP:"), 1);
}
