// SPDX-License-Identifier: GPL-3.0-or-later
// What lies at the state file's place is written only when it is the program's own state file: never through a
// link, into a pipe, or over someone else's file. Each write runs in a child with a time limit, as a pipe froze it.
#include "shared/WindowState.h"
#include "support/TimedChild.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
const QByteArray PasswdCopy = "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n";
const QByteArray OwnFile = "[window]\nview=full\n";

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}
} // namespace

class TestStateFile : public QObject
{
    Q_OBJECT
private slots:
    void testWhatLiesThere_data()
    {
        QTest::addColumn<QString>("there");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing") << "nothing" << true;
        QTest::newRow("an empty file") << "empty" << true;
        QTest::newRow("the program's own file") << "own" << true;
        QTest::newRow("a named pipe") << "fifo" << false;
        QTest::newRow("a folder") << "folder" << false;
        QTest::newRow("a copy of the password file") << "passwd" << false;
        QTest::newRow("a link to a copy of the password file") << "link to passwd" << false;
        QTest::newRow("a link to a state file") << "link to own" << false;
        QTest::newRow("a link to nothing") << "dangling link" << false;
        QTest::newRow("a link to a pipe") << "link to fifo" << false;
    }
    void testWhatLiesThere()
    {
        QFETCH(QString, there);
        QFETCH(bool, written);
        QTemporaryDir folder;
        const QString path = folder.filePath("dorvane-state.ini");
        const QString victim = folder.filePath("victim");
        if (there == "empty")
            QVERIFY(writeBytes(path, {}));
        else if (there == "own")
            QVERIFY(writeBytes(path, OwnFile));
        else if (there == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (there == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (there == "passwd")
            QVERIFY(writeBytes(path, PasswdCopy));
        if (there.startsWith("link")) {
            if (there == "link to fifo")
                QCOMPARE(::mkfifo(QFile::encodeName(victim).constData(), 0600), 0);
            else
                QVERIFY(writeBytes(victim, there == "link to own" ? OwnFile : PasswdCopy));
        }
        if (there.contains("link"))
            QVERIFY(QFile::link(victim, path));
        // A pipe is never opened here: opening it would wait for a writer.
        const bool pipe = there.contains("fifo");
        const QByteArray before = pipe ? QByteArray() : bytesOf(path);
        const QByteArray victimBefore = pipe ? QByteArray() : bytesOf(victim);

        WindowState state;
        state.view = WindowState::View::Compact;
        state.compactMonths = 3;
        const std::optional<int> code =
            exitCodeWithin(5000, [&path, &state] { return windowstate::write(path, state) ? 0 : 1; });
        QVERIFY2(code.has_value(), "the write did not end");
        QCOMPARE(*code == 0, written);
        QCOMPARE(windowstate::read(path) == state, written);
        if (pipe) {
            QVERIFY(QFileInfo(there == "fifo" ? path : victim).exists());
        } else {
            if (!written)
                QCOMPARE(bytesOf(path), before);
            QCOMPARE(bytesOf(victim), victimBefore);
        }
        QCOMPARE(QFileInfo(path).isSymLink(), there.contains("link"));
        // Nothing of the writer's own is left beside it.
        const QStringList left = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        QVERIFY2(left.size() <= 2, qPrintable(left.join(' ')));
    }

    // A rewrite keeps who may read the file; a new one gets the usual rights.
    void testRightsKept_data()
    {
        QTest::addColumn<int>("mode"); // of the file already there, 0 for none
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("web"); // a web calendar listed: its address may carry a secret
        QTest::newRow("private file stays private") << 0600 << 0600 << false;
        QTest::newRow("shared file stays shared") << 0644 << 0644 << false;
        QTest::newRow("new file, umask 022") << 0 << 0644 << false;
        QTest::newRow("shared file with a web address made private") << 0644 << 0600 << true;
        QTest::newRow("new file with a web address, umask 022") << 0 << 0600 << true;
    }
    void testRightsKept()
    {
        QFETCH(int, mode);
        QFETCH(int, expected);
        QFETCH(bool, web);
        WindowState state;
        if (web)
            state.webCalendars = {{QStringLiteral("https://example.org/private-secret/basic.ics"), QString()}};
        QTemporaryDir folder;
        const QString path = folder.filePath("dorvane-state.ini");
        if (mode) {
            QVERIFY(writeBytes(path, OwnFile));
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
        }
        const mode_t mask = ::umask(022);
        const bool written = windowstate::write(path, state);
        ::umask(mask);
        QVERIFY(written);
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), expected);
    }

    void testReadsAsState_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("own");
        QTest::newRow("nothing") << QByteArray() << true;
        QTest::newRow("blank lines") << QByteArray("\n \r\n") << true;
        QTest::newRow("a section among damage") << QByteArray("\x01\x02\n[weeks]\nfirstDay=\x80\n") << true;
        QTest::newRow("a section with CR LF") << QByteArray("[calendars]\r\nsize=0\r\n") << true;
        QTest::newRow("web calendars alone")
            << QByteArray("[web]\n1\\address=https://a.example/x.ics\nsize=1\n") << true;
        QTest::newRow("a section of another program") << QByteArray("[General]\nkey=value\n") << false;
        QTest::newRow("a section name inside a line") << QByteArray("x[window]\n") << false;
        QTest::newRow("the password file") << PasswdCopy << false;
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false;
        QTest::newRow("too large") << QByteArray("[window]\n") + QByteArray(windowstate::MostStateBytes, ' ') << false;
    }
    void testReadsAsState()
    {
        QFETCH(QByteArray, bytes);
        QTEST(windowstate::readsAsState(bytes), "own");
    }
};

QTEST_GUILESS_MAIN(TestStateFile)
#include "TestStateFile.moc"
