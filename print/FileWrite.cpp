// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/FileWrite.h"
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
filewrite::Outcome failed(int error)
{
    filewrite::Outcome outcome;
    outcome.reason = qt_error_string(error);
    return outcome;
}

qint64 systemWrite(int fd, const char* data, qint64 size)
{
    return ::write(fd, data, size_t(size));
}

// Every byte, or the errno of the call that failed; a short write only goes on.
int writeAll(int fd, const QByteArray& bytes, const filewrite::WriteCall& write)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = write(fd, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        // No progress and no error: a device that takes nothing is as full as a disk.
        if (n == 0)
            return ENOSPC;
        done += n;
    }
    return 0;
}
} // namespace

namespace filewrite {

Outcome replace(const QString& path, const QByteArray& bytes, const WriteCall& write)
{
    const QByteArray target = QFile::encodeName(path);
    struct stat status = {};
    const bool exists = ::lstat(target.constData(), &status) == 0;
    if (!exists && errno != ENOENT)
        return failed(errno);
    if (exists && !S_ISREG(status.st_mode)) {
        Outcome outcome;
        outcome.notAFile = true;
        return outcome;
    }
    mode_t mode = status.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return failed(errno);
    int error = writeAll(fd, bytes, write ? write : WriteCall(systemWrite));
    // A disk that fills up may say so only when the data reaches it.
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (!error && ::fchmod(fd, mode) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return failed(error);
    }
    Outcome outcome;
    outcome.written = true;
    return outcome;
}

} // namespace filewrite
