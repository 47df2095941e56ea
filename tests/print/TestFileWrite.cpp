// SPDX-License-Identifier: GPL-3.0-or-later
// The export's file: written whole or not at all, never through a link or into anything but a regular file, and a
// failed write tells the system's reason.
#include "print/FileWrite.h"
#include "support/TimedChild.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
const QByteArray Old = "the file that was there";
const QByteArray New = QByteArray(70000, 'p'); // larger than a page cache's first write

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

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
}
} // namespace

class TestFileWrite : public QObject
{
    Q_OBJECT
private slots:
    void testWhatLiesThere_data()
    {
        QTest::addColumn<QString>("there");
        QTest::addColumn<QString>("outcome"); // written, refused, or the system's reason
        QTest::newRow("nothing") << "nothing"
                                 << "written";
        QTest::newRow("a file") << "file"
                                << "written";
        QTest::newRow("a link to a file") << "link to file"
                                          << "refused";
        QTest::newRow("a link to a device") << "link to device"
                                            << "refused";
        QTest::newRow("a link to nothing") << "dangling link"
                                           << "refused";
        QTest::newRow("a named pipe") << "fifo"
                                      << "refused";
        QTest::newRow("a folder") << "folder"
                                  << "refused";
        QTest::newRow("a folder that is not there") << "missing folder" << qt_error_string(ENOENT);
    }
    void testWhatLiesThere()
    {
        QFETCH(QString, there);
        QFETCH(QString, outcome);
        QTemporaryDir folder;
        QString path = folder.filePath("year.pdf");
        const QString victim = folder.filePath("victim");
        QVERIFY(writeBytes(victim, Old));
        if (there == "file")
            QVERIFY(writeBytes(path, Old));
        else if (there == "link to file")
            QVERIFY(QFile::link(victim, path));
        else if (there == "link to device")
            QVERIFY(QFile::link("/dev/null", path));
        else if (there == "dangling link")
            QVERIFY(QFile::link(folder.filePath("nowhere"), path));
        else if (there == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (there == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (there == "missing folder")
            path = folder.filePath("gone/year.pdf");
        const QStringList before = entries(folder.path());

        // In a child with a time limit: a pipe opened for writing would wait for a reader.
        const std::optional<int> code = exitCodeWithin(10000, [&path, &outcome] {
            const filewrite::Outcome done = filewrite::replace(path, New);
            const QString got = done.written ? "written" : done.notAFile ? "refused" : done.reason;
            return got == outcome ? 0 : 1;
        });
        QVERIFY2(code.has_value(), "the write did not end");
        QCOMPARE(*code, 0);
        QCOMPARE(bytesOf(victim), Old);
        QCOMPARE(QFileInfo(path).isSymLink(), there.contains("link"));
        if (outcome == "written") {
            QCOMPARE(bytesOf(path), New);
            QCOMPARE(entries(folder.path()).size(), 2);
        } else {
            QCOMPARE(entries(folder.path()), before);
        }
    }

    // A disk that fills up: the reason is the system's, the file that was there stays whole, nothing is left beside.
    void testFullDisk_data()
    {
        QTest::addColumn<int>("error"); // what the writes say after the first 4096 bytes
        QTest::addColumn<bool>("existing");
        QTest::newRow("no space left, new file") << ENOSPC << false;
        QTest::newRow("no space left, over a file") << ENOSPC << true;
        QTest::newRow("over quota") << EDQUOT << true;
        QTest::newRow("a device that takes nothing more") << 0 << false;
    }
    void testFullDisk()
    {
        QFETCH(int, error);
        QFETCH(bool, existing);
        QTemporaryDir folder;
        const QString path = folder.filePath("year.pdf");
        if (existing)
            QVERIFY(writeBytes(path, Old));
        qint64 taken = 0;
        const filewrite::Outcome outcome =
            filewrite::replace(path, New, [&taken, error](int fd, const char* data, qint64 size) -> qint64 {
                if (taken >= 4096) {
                    errno = error;
                    return error ? -1 : 0;
                }
                const qint64 n = ::write(fd, data, size_t(qMin<qint64>(size, 4096 - taken)));
                taken += qMax<qint64>(n, 0);
                return n;
            });
        QVERIFY(!outcome.written && !outcome.notAFile);
        QCOMPARE(outcome.reason, qt_error_string(error ? error : ENOSPC));
        QCOMPARE(entries(folder.path()), existing ? QStringList{"year.pdf"} : QStringList{});
        if (existing)
            QCOMPARE(bytesOf(path), Old);
    }

    // The real write call meets a size limit, in a child that alone has it.
    void testFileSizeLimit()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("year.pdf");
        const std::optional<int> code = exitCodeWithin(10000, [&path] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{8192, 8192};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 2;
            const filewrite::Outcome outcome = filewrite::replace(path, New);
            return !outcome.written && outcome.reason == qt_error_string(EFBIG) ? 0 : 1;
        });
        QCOMPARE(code, std::optional<int>(0));
        QCOMPARE(entries(folder.path()), QStringList{});
    }

    void testRightsKept_data()
    {
        QTest::addColumn<int>("mode"); // of the file there, 0 for none
        QTest::addColumn<int>("expected");
        QTest::newRow("private") << 0600 << 0600;
        QTest::newRow("shared") << 0664 << 0664;
        QTest::newRow("new, umask 022") << 0 << 0644;
    }
    void testRightsKept()
    {
        QFETCH(int, mode);
        QFETCH(int, expected);
        QTemporaryDir folder;
        const QString path = folder.filePath("year.png");
        if (mode) {
            QVERIFY(writeBytes(path, Old));
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
        }
        const mode_t mask = ::umask(022);
        const bool written = filewrite::replace(path, New).written;
        ::umask(mask);
        QVERIFY(written);
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), expected);
    }
};

QTEST_GUILESS_MAIN(TestFileWrite)
#include "TestFileWrite.moc"
