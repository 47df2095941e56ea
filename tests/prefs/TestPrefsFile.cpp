// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/PrefsFile.h"
#include "support/TempPrefsDir.h"
#include <QRandomGenerator>
#include <QtTest>
#include <cerrno>
#include <csignal>
#ifdef Q_OS_UNIX
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {
// 10 / W°97.45 / N°30.15 / -6 in single-byte Latin-1, the degree sign as byte 176.
const QByteArray Austin = QByteArray("10\r\nW\xB0"
                                     "97.45\r\nN\xB0"
                                     "30.15\r\n-6\r\n");
const QStringList AustinLines{QStringLiteral("10"), QStringLiteral("W°97.45"), QStringLiteral("N°30.15"),
                              QStringLiteral("-6")};

// The C settings with a decimal point or comma, the thousands mark the other one.
FormatSettings withDecimalMark(QChar mark)
{
    FormatSettings settings;
    settings.decimalSeparator = mark;
    settings.thousandSeparator = mark == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    return settings;
}

#ifdef Q_OS_UNIX
constexpr uid_t Nobody = 65534;
constexpr int NoUnprivilegedUser = 77;
constexpr int NotRestored = 3; // the save failed and said the old bytes could not be put back

// Runs save in a child process as a user without root's power to ignore file permissions; its exit code.
int saveUnprivileged(const PrefsFile& file, const QString& path, rlim_t fileSizeLimit)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
            _exit(NoUnprivilegedUser);
        if (fileSizeLimit != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        QString reason;
        const bool saved = file.save(path, &reason);
        _exit(saved ? 0 : reason.endsWith(prefs::RestoreFailed) ? NotRestored : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif
} // namespace

class TestPrefsFile : public QObject
{
    Q_OBJECT
private slots:
    void testReadLines_data();
    void testReadLines();
    void testMissingLinesReadEmpty();
    void testLongLineCutAt4096_data();
    void testLongLineCutAt4096();
    void testRandomBytesDoNotCrash();
    void testWriteBytes_data();
    void testWriteBytes();
    void testEveryLatin1CharacterRoundTrips();
    void testFlagOn_data();
    void testFlagOn();
    void testUpdatedFlags_data();
    void testUpdatedFlags();
    void testGmtOffsetFromLine_data();
    void testGmtOffsetFromLine();
    void testGmtOffsetLine_data();
    void testGmtOffsetLine();
    void testSaveThenLoad();
    void testSaveFails_data();
    void testSaveFails();
    void testFailedWriteKeepsOldFile();
    void testSaveThroughALinkWritesTheFileItNames();
    void testLoadMissingFile();
    void testLoadReadsOnlyARegularFile_data();
    void testLoadReadsOnlyARegularFile();
    void testLoadReadsOnlyTheLeadingLines_data();
    void testLoadReadsOnlyTheLeadingLines();
    void testSaveInAReadOnlyFolder_data();
    void testSaveInAReadOnlyFolder();
    void testKillDuringSaveInPlace_data();
    void testKillDuringSaveInPlace();
};

void TestPrefsFile::testReadLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("10 / W°97.45 / N°30.15 / -6, CR LF") << Austin << AustinLines;
    QTest::newRow("same with lone LF") << QByteArray("10\nW\xB0"
                                                     "97.45\nN\xB0"
                                                     "30.15\n-6\n")
                                       << AustinLines;
    QTest::newRow("same with lone CR") << QByteArray("10\rW\xB0"
                                                     "97.45\rN\xB0"
                                                     "30.15\r-6\r")
                                       << AustinLines;
    QTest::newRow("mixed line ends") << QByteArray("10\r\nW\xB0"
                                                   "97.45\nN\xB0"
                                                   "30.15\r-6")
                                     << AustinLines;
    QTest::newRow("last line without a line end") << QByteArray("00\r\nW\xB0"
                                                                "1")
                                                  << QStringList{"00", "W°1"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only line ends") << QByteArray("\r\n\r\n\r\n") << QStringList{"", "", ""};
    QTest::newRow("CR CR LF is two line ends") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("accented letters are Latin-1") << QByteArray("\xE9t\xE9") << QStringList{"été"};
    QTest::newRow("blanks kept") << QByteArray("  W\xB0 97.45  \r\n") << QStringList{"  W° 97.45  "};
}

void TestPrefsFile::testReadLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(PrefsFile::fromBytes(bytes).lines(), lines);
}

void TestPrefsFile::testMissingLinesReadEmpty()
{
    const PrefsFile file = PrefsFile::fromBytes("10\r\nW\xB0"
                                                "97.45\r\n");
    QCOMPARE(file.line(1), QStringLiteral("10"));
    QCOMPARE(file.line(2), QStringLiteral("W°97.45"));
    QCOMPARE(file.line(3), QString());
    QCOMPARE(file.line(4), QString());
    QCOMPARE(file.line(0), QString());
    QCOMPARE(file.line(-1), QString());
}

void TestPrefsFile::testLongLineCutAt4096_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("kept");

    QTest::newRow("4095 characters kept whole") << 4095 << 4095;
    QTest::newRow("4096 characters kept whole") << 4096 << 4096;
    QTest::newRow("4097 characters cut to 4096") << 4097 << 4096;
    QTest::newRow("1 MB line cut to 4096") << 1024 * 1024 << 4096;
}

void TestPrefsFile::testLongLineCutAt4096()
{
    QFETCH(int, length);
    QFETCH(int, kept);
    const QByteArray bytes = QByteArray(length, 'x') + "\r\nW\xB0"
                                                       "97.45\r\n";
    const PrefsFile file = PrefsFile::fromBytes(bytes);
    QCOMPARE(file.lineCount(), 2);
    QCOMPARE(file.line(1), QString(kept, QLatin1Char('x')));
    QCOMPARE(file.line(2), QStringLiteral("W°97.45"));
}

void TestPrefsFile::testRandomBytesDoNotCrash()
{
    QRandomGenerator random(20240515);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random.bounded(20000)), '\0');
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        const PrefsFile file = PrefsFile::fromBytes(bytes);
        for (const QString& line : file.lines())
            QVERIFY(line.size() <= 4096);
        // Whatever was read is written back as the same lines.
        QCOMPARE(PrefsFile::fromBytes(file.toBytes()).lines(), file.lines());
    }
}

void TestPrefsFile::testWriteBytes_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("four lines, each with CR LF") << AustinLines << Austin;
    QTest::newRow("empty lines still end with CR LF")
        << QStringList{"00", "", "", ""} << QByteArray("00\r\n\r\n\r\n\r\n");
    QTest::newRow("character outside Latin-1 written as ?")
        << QStringList{"W€1", "N日2"} << QByteArray("W?1\r\nN?2\r\n");
    QTest::newRow("line end inside a value written as a blank")
        << QStringList{"a\nb", "c\r\nd"} << QByteArray("a b\r\nc  d\r\n");
    QTest::newRow("no lines") << QStringList{} << QByteArray();
}

void TestPrefsFile::testWriteBytes()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    QCOMPARE(PrefsFile(lines).toBytes(), bytes);
}

void TestPrefsFile::testEveryLatin1CharacterRoundTrips()
{
    QByteArray bytes;
    for (int code = 0; code < 256; ++code) {
        if (code != '\r' && code != '\n')
            bytes.append(char(code));
    }
    bytes.append("\r\n");
    QCOMPARE(PrefsFile::fromBytes(bytes).toBytes(), bytes);
}

void TestPrefsFile::testFlagOn_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<bool>("militaryTime");
    QTest::addColumn<bool>("hints");

    QTest::newRow("10") << "10" << true << false;
    QTest::newRow("01") << "01" << false << true;
    QTest::newRow("00") << "00" << false << false;
    QTest::newRow("11xyz") << "11xyz" << true << true;
    QTest::newRow("other characters are off") << "x2" << false << false;
    QTest::newRow("one character: hints missing") << "1" << true << false;
    QTest::newRow("empty line") << "" << false << false;
}

void TestPrefsFile::testFlagOn()
{
    QFETCH(QString, flags);
    QFETCH(bool, militaryTime);
    QFETCH(bool, hints);
    QCOMPARE(prefs::flagOn(flags, 1), militaryTime);
    QCOMPARE(prefs::flagOn(flags, 2), hints);
}

void TestPrefsFile::testUpdatedFlags_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("militaryTime");
    QTest::addColumn<bool>("hints");
    QTest::addColumn<QString>("after");

    QTest::newRow("11xyz, military time off") << "11xyz" << false << true << "01xyz";
    QTest::newRow("00, both on") << "00" << true << true << "11";
    QTest::newRow("10, hints on") << "10" << true << true << "11";
    QTest::newRow("11, both off") << "11" << false << false << "00";
    QTest::newRow("empty, nothing ticked") << "" << false << false << "00";
    QTest::newRow("empty, hints on") << "" << false << true << "01";
    QTest::newRow("one character, military on") << "0" << true << false << "10";
}

void TestPrefsFile::testUpdatedFlags()
{
    QFETCH(QString, before);
    QFETCH(bool, militaryTime);
    QFETCH(bool, hints);
    QFETCH(QString, after);
    QCOMPARE(prefs::updatedFlags(before, militaryTime, hints), after);
}

void TestPrefsFile::testGmtOffsetFromLine_data()
{
    QTest::addColumn<QChar>("decimalMark");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("hours");

    const QChar point = QLatin1Char('.');
    const QChar comma = QLatin1Char(',');
    QTest::newRow("-6") << point << "-6" << -6.0;
    QTest::newRow("4.5") << point << "4.5" << 4.5;
    QTest::newRow("blanks around") << point << "  -3.5 " << -3.5;
    QTest::newRow("empty line") << point << "" << 0.0;
    QTest::newRow("letters abc") << point << "abc" << 0.0;
    QTest::newRow("number then letters") << point << "5h" << 0.0;
    QTest::newRow("too large to hold") << point << "1e999" << 0.0;
    QTest::newRow("nan") << point << "nan" << 0.0;
    QTest::newRow("inf") << point << "inf" << 0.0;
    QTest::newRow("comma 4,5") << comma << "4,5" << 4.5;
    QTest::newRow("comma -3,5") << comma << "-3,5" << -3.5;
    // A file saved under the other decimal mark reads the same.
    QTest::newRow("comma reads a point file's 4.5") << comma << "4.5" << 4.5;
    QTest::newRow("point reads a comma file's 9,5") << point << "9,5" << 9.5;
    QTest::newRow("comma, letters") << comma << "4,5h" << 0.0;
}

void TestPrefsFile::testGmtOffsetFromLine()
{
    QFETCH(QChar, decimalMark);
    QFETCH(QString, line);
    QFETCH(double, hours);
    const FormatSettings settings = withDecimalMark(decimalMark);
    QCOMPARE(prefs::gmtOffsetFromLine(line, settings), hours);
}

void TestPrefsFile::testGmtOffsetLine_data()
{
    QTest::addColumn<QChar>("decimalMark");
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("line");

    const QChar point = QLatin1Char('.');
    const QChar comma = QLatin1Char(',');
    QTest::newRow("0 is an empty line") << point << 0.0 << "";
    QTest::newRow("Kabul 4.5") << point << 4.5 << "4.5";
    QTest::newRow("Eastern -5") << point << -5.0 << "-5";
    QTest::newRow("Newfoundland -3") << point << -3.0 << "-3";
    QTest::newRow("Darwin 9.5") << point << 9.5 << "9.5";
    QTest::newRow("-3.5") << point << -3.5 << "-3.5";
    QTest::newRow("comma: Kabul 4,5") << comma << 4.5 << "4,5";
    QTest::newRow("comma: Eastern -5") << comma << -5.0 << "-5";
    QTest::newRow("comma: 0 is an empty line") << comma << 0.0 << "";
}

void TestPrefsFile::testGmtOffsetLine()
{
    QFETCH(QChar, decimalMark);
    QFETCH(double, hours);
    QFETCH(QString, line);
    const FormatSettings settings = withDecimalMark(decimalMark);
    QCOMPARE(prefs::gmtOffsetLine(hours, settings), line);
    QCOMPARE(prefs::gmtOffsetFromLine(line, settings), hours);
}

void TestPrefsFile::testSaveThenLoad()
{
    TempPrefsDir dir;
    QVERIFY(PrefsFile(AustinLines).save(dir.filePath()));
    QCOMPARE(dir.read(), Austin);
    const std::optional<PrefsFile> file = PrefsFile::load(dir.filePath());
    QVERIFY(file.has_value());
    QCOMPARE(file->lines(), AustinLines);
}

void TestPrefsFile::testSaveFails_data()
{
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("folder does not exist") << false;
    QTest::newRow("folder is a file") << true;
}

void TestPrefsFile::testSaveFails()
{
    QFETCH(bool, folderIsAFile);
    TempPrefsDir dir;
    const QString folder = dir.path() + QStringLiteral("/missing");
    if (folderIsAFile) {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    QString reason;
    QVERIFY(!PrefsFile(AustinLines).save(PrefsFile::pathIn(folder), &reason));
    // The system's own words, for the standard error.
    QVERIFY2(!reason.isEmpty(), "no reason given");
}

void TestPrefsFile::testFailedWriteKeepsOldFile()
{
#ifdef Q_OS_UNIX
    // A file-size limit stops writes even for root; a write in place would leave the old file cut short.
    TempPrefsDir dir;
    dir.write(Austin);
    rlimit before{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 8;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const bool saved = PrefsFile(QStringList{"11", "E°100.5", "S°33.9", "10"}).save(dir.filePath());
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(!saved);
    QCOMPARE(dir.read(), Austin);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"prefs.cal"}); // no temporary file left
#else
    QSKIP("needs a file-size limit");
#endif
}

void TestPrefsFile::testSaveThroughALinkWritesTheFileItNames()
{
#ifdef Q_OS_UNIX
    TempPrefsDir dir;
    const QString target = dir.path() + QStringLiteral("/kept/prefs.cal");
    QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/kept")));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("00\r\n");
    old.close();
    QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(QFile::link(target, dir.filePath()));
    QVERIFY(PrefsFile(AustinLines).save(dir.filePath()));
    // The link stays a link; the file it names has the new lines and keeps its mode.
    QVERIFY(QFileInfo(dir.filePath()).isSymLink());
    QCOMPARE(dir.read(), Austin);
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 0777), 0600);
#else
    QSKIP("links are Unix files");
#endif
}

void TestPrefsFile::testLoadMissingFile()
{
    TempPrefsDir dir;
    QVERIFY(!PrefsFile::load(dir.filePath()).has_value());
    QVERIFY(!PrefsFile::load(dir.path()).has_value()); // a folder is no file
}

void TestPrefsFile::testLoadReadsOnlyARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    QTest::newRow("a link to a regular file") << "link to file" << true;
    QTest::newRow("a FIFO") << "fifo" << false;
    QTest::newRow("a link to /dev/zero") << "link to /dev/zero" << false;
    QTest::newRow("a folder") << "folder" << false;
    QTest::newRow("a link to a folder") << "link to folder" << false;
    QTest::newRow("a dangling link") << "dangling link" << false;
}

void TestPrefsFile::testLoadReadsOnlyARegularFile()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, kind);
    QFETCH(bool, read);
    TempPrefsDir dir;
    const QString elsewhere = dir.path() + QStringLiteral("/elsewhere");
    if (kind == QLatin1String("link to file")) {
        QFile target(elsewhere);
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write(Austin);
        target.close();
        QVERIFY(QFile::link(elsewhere, dir.filePath()));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath()).constData(), 0644), 0);
    } else if (kind == QLatin1String("link to /dev/zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath()));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("prefs.cal")));
    } else if (kind == QLatin1String("link to folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("elsewhere")));
        QVERIFY(QFile::link(elsewhere, dir.filePath()));
    } else {
        QVERIFY(QFile::link(elsewhere, dir.filePath()));
    }
    const std::optional<PrefsFile> file = PrefsFile::load(dir.filePath());
    QCOMPARE(file.has_value(), read);
    if (read)
        QCOMPARE(file->lines(), AustinLines);
#else
    QSKIP("FIFOs and links are Unix files");
#endif
}

void TestPrefsFile::testLoadReadsOnlyTheLeadingLines_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<qint64>("sparseSize");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("four lines then a million short ones")
        << QByteArray("x\r\n").repeated(1000000) << qint64(0) << AustinLines + QStringList{"x"};
    // The fifth line (the zone) is read up to the longest line kept.
    QTest::newRow("four lines then 64 MiB of zero bytes")
        << QByteArray() << qint64(64) * 1024 * 1024
        << AustinLines + QStringList{QString(PrefsFile::MaxLineLength, QChar(0))};
}

void TestPrefsFile::testLoadReadsOnlyTheLeadingLines()
{
    QFETCH(QByteArray, tail);
    QFETCH(qint64, sparseSize);
    QFETCH(QStringList, lines);
    TempPrefsDir dir;
    dir.write(Austin + tail);
    if (sparseSize > 0)
        QVERIFY(QFile::resize(dir.filePath(), sparseSize));
    const std::optional<PrefsFile> file = PrefsFile::load(dir.filePath());
    QVERIFY(file.has_value());
    QCOMPARE(file->lines(), lines);
    QCOMPARE(QFileInfo(dir.filePath()).size(), sparseSize > 0 ? sparseSize : Austin.size() + tail.size());
}

void TestPrefsFile::testSaveInAReadOnlyFolder_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<qint64>("fileSizeLimit");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("restored");
    QTest::newRow("writable file: written in place") << Austin << 0644 << qint64(-1) << true << true;
    QTest::newRow("read-only file: nothing written") << Austin << 0444 << qint64(-1) << false << true;
    // The short old file fits under the limit, the new one does not.
    QTest::newRow("write in place fails: old bytes put back")
        << QByteArray("10\r\n") << 0644 << qint64(8) << false << true;
    // Neither fits: the file holds part of each, and the failure says so.
    QTest::newRow("write in place fails, old bytes cannot go back")
        << Austin + QByteArray(20, 'x') << 0644 << qint64(8) << false << false;
}

void TestPrefsFile::testSaveInAReadOnlyFolder()
{
#ifdef Q_OS_UNIX
    QFETCH(QByteArray, before);
    QFETCH(int, fileMode);
    QFETCH(qint64, fileSizeLimit);
    QFETCH(bool, saved);
    QFETCH(bool, restored);
    TempPrefsDir dir;
    dir.write(before);
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray file = QFile::encodeName(dir.filePath());
    // Root's child runs as nobody: the root-owned folder refuses it a new file, prefs.cal is its own.
    if (geteuid() == 0)
        QCOMPARE(chown(file.constData(), Nobody, Nobody), 0);
    QCOMPARE(chmod(file.constData(), mode_t(fileMode)), 0);
    QCOMPARE(chmod(folder.constData(), 0555), 0);
    const PrefsFile next(QStringList{"11", "E°100.5", "S°33.9", "10"});
    const int result =
        saveUnprivileged(next, dir.filePath(), fileSizeLimit < 0 ? RLIM_INFINITY : rlim_t(fileSizeLimit));
    chmod(folder.constData(), 0700);
    if (result == NoUnprivilegedUser)
        QSKIP("no unprivileged user to run as: root writes into read-only folders");
    QCOMPARE(result, saved ? 0 : restored ? 1 : NotRestored);
    if (restored)
        QCOMPARE(dir.read(), saved ? next.toBytes() : before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"prefs.cal"});
#else
    QSKIP("needs Unix permissions");
#endif
}

void TestPrefsFile::testKillDuringSaveInPlace_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    const QStringList berlin{"01", "E°13.37", "N°52.50", "1", "Europe/Berlin"};
    QTest::newRow("four lines and a longer five") << AustinLines << berlin;
    QTest::newRow("four lines and a shorter four") << AustinLines << QStringList{"1", "E°1", "N°2", ""};
    QTest::newRow("five lines and a much shorter four")
        << QStringList{"11", "W°0.5", "N°0.5", "", QString(300, 'x')} << QStringList{"", "", "", ""};
}

void TestPrefsFile::testKillDuringSaveInPlace()
{
#ifdef Q_OS_UNIX
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    // What a reader makes of a file: the five lines read, missing ones empty.
    const auto meaning = [](const PrefsFile& file) {
        QStringList lines;
        for (int n = 1; n <= PrefsFile::LinesRead; ++n)
            lines << file.line(n);
        return lines;
    };
    const QStringList firstMeaning = meaning(PrefsFile(first));
    const QStringList secondMeaning = meaning(PrefsFile(second));
    TempPrefsDir dir;
    dir.write(PrefsFile(first).toBytes());
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray file = QFile::encodeName(dir.filePath());
    if (geteuid() == 0)
        QCOMPARE(chown(file.constData(), Nobody, Nobody), 0);
    QCOMPARE(chmod(folder.constData(), 0555), 0);
    // The writer saves the two texts in turn until it is killed, at a different moment each time.
    QRandomGenerator random(20261209);
    constexpr int Kills = 150;
    int seenSecond = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        int saved[2];
        QCOMPARE(::pipe(saved), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            ::close(saved[0]);
            std::signal(SIGPIPE, SIG_IGN);
            if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
                _exit(NoUnprivilegedUser);
            for (int turn = 0;; ++turn) {
                if (!PrefsFile(turn % 2 ? first : second).save(dir.filePath()))
                    _exit(1);
                // The parent hears of the first save only when it waits for it; unheard, the saving goes on.
                while (turn == 0 && ::write(saved[1], "s", 1) < 0 && errno == EINTR) {
                }
            }
        }
        ::close(saved[1]);
        // Every other kill waits for the first save, so that a slow start on a busy machine still lets kills land
        // between saves, not only before the first.
        if (kill % 2) {
            pollfd first = {saved[0], POLLIN, 0};
            ::poll(&first, 1, 5000);
        }
        ::close(saved[0]);
        ::usleep(useconds_t(random.bounded(3000)));
        ::kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        if (WIFEXITED(status)) {
            chmod(folder.constData(), 0700);
            if (WEXITSTATUS(status) == NoUnprivilegedUser)
                QSKIP("no unprivileged user to run as: root writes into read-only folders");
            QFAIL("the writer could not save in place");
        }
        const std::optional<PrefsFile> read = PrefsFile::load(dir.filePath());
        const QStringList lines = read ? meaning(*read) : QStringList{"(unreadable)"};
        if (lines != firstMeaning && lines != secondMeaning) {
            chmod(folder.constData(), 0700);
            QFAIL(qPrintable(
                QStringLiteral("kill %1 left %2").arg(kill).arg(QString::fromLatin1(dir.read().toPercentEncoding()))));
        }
        seenSecond += lines == secondMeaning;
    }
    chmod(folder.constData(), 0700);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"prefs.cal"});
    // Kills landed after some saves, not only before the first.
    QVERIFY(seenSecond > 0);
#else
    QSKIP("needs fork and Unix permissions");
#endif
}

QTEST_GUILESS_MAIN(TestPrefsFile)
#include "TestPrefsFile.moc"
