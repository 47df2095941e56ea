// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/PrefsFile.h"
#include "runtime/NumberText.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cmath>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const char* const FileName = "prefs.cal";
// Bytes looked at when the first lines have not ended by then: only a hostile file has lines this long.
constexpr qint64 MaxReadBytes = 1 << 20;
constexpr qint64 ChunkBytes = 64 * 1024;
// The old bytes kept to put back after a failed write in place; a preferences file is a few dozen bytes.
constexpr qint64 MaxRestoreBytes = 64 * 1024;

// Opens only a regular file: checked before opening, and again on the open handle in case the path changed
// in between; opened non-blocking so a FIFO put there meanwhile cannot hang the caller.
bool openRegular(QFile& file, const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#endif
}

// The bytes up to the end of line LinesRead, at most MaxReadBytes of them.
std::optional<QByteArray> readLeadingLines(QFile& file)
{
    QByteArray bytes;
    int ends = 0;
    bool afterCr = false;
    while (bytes.size() < MaxReadBytes) {
        const QByteArray chunk = file.read(qMin(ChunkBytes, MaxReadBytes - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        if (chunk.isEmpty())
            break;
        for (qsizetype i = 0; i < chunk.size(); ++i) {
            const char c = chunk.at(i);
            // CR LF is one line end.
            if (c == '\r' || (c == '\n' && !afterCr))
                ++ends;
            afterCr = c == '\r';
            if (ends == PrefsFile::LinesRead) {
                bytes.append(chunk.constData(), i + 1);
                return bytes;
            }
        }
        bytes.append(chunk);
    }
    return bytes;
}

std::optional<QByteArray> smallFileBytes(const QString& path)
{
    QFile file;
    if (!openRegular(file, path) || file.size() > MaxRestoreBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

#ifdef Q_OS_UNIX
bool writeAllAt(int fd, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

// Rewrites a regular file in place so that a kill at any moment leaves it reading as the old or the new lines. The
// new bytes go over the old ones in one write, never after a truncation. A shorter text is followed by a few line
// ends in that write, so the old bytes left behind it until the cut lie past the lines read (the empty lines
// between read as missing ones); only then is the file cut to its own length. A failed write puts the old bytes
// back; when that fails too, the reason says so.
bool writeInPlace(const QString& path, const QByteArray& bytes, const std::optional<QByteArray>& before,
                  QString& reason)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = systemReason();
        return false;
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        reason = QStringLiteral("not a regular file");
        ::close(fd);
        return false;
    }
    const qint64 oldSize = status.st_size;
    QByteArray padded = bytes;
    if (padded.size() < oldSize)
        padded.append(QByteArray(qsizetype(qMin<qint64>(oldSize - padded.size(), PrefsFile::LinesRead)), '\n'));
    bool written = writeAllAt(fd, padded) && ::fsync(fd) == 0;
    if (written && padded.size() != bytes.size())
        written = ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
    if (!written) {
        reason = systemReason();
        const bool restored =
            before && writeAllAt(fd, *before) && ::ftruncate(fd, off_t(before->size())) == 0 && ::fsync(fd) == 0;
        if (!restored)
            reason += prefs::RestoreFailed;
    }
    if (::close(fd) != 0 && written) {
        reason = systemReason();
        written = false;
    }
    return written;
}

// Read, not set and restored: umask() would change it for every thread of the process meanwhile.
mode_t processUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask & 0777);
            }
        }
    }
    return 022;
}
#endif

// The byte a character of a line is written as.
char16_t storedCode(char16_t code)
{
    // A line end inside a value would shift every later line of the file.
    if (code == '\r' || code == '\n')
        return ' ';
    return code <= 0xFF ? code : '?';
}

enum class Replace { Allowed, Never };

// The one writer of the file: the bytes go to a temporary file beside it, which takes the file's place only once
// it is complete on disk, so the file reads as the old bytes or the new ones, never as a part. A link is followed
// to the file it names. With Replace::Never an existing file is kept, even one that appears while writing.
PrefsFile::WriteResult writeWhole(const QString& path, const QByteArray& bytes, Replace replace, QString& reason)
{
    using Result = PrefsFile::WriteResult;
    QFileInfo target(path);
    if (target.exists() && replace == Replace::Never)
        return Result::AlreadyThere;
    // A file we may not write is not replaced behind its owner's back.
    if (target.exists() && !target.isWritable()) {
        reason = QString::fromLocal8Bit(std::strerror(EACCES));
        return Result::Failed;
    }
    if (target.isDir()) {
        reason = QString::fromLocal8Bit(std::strerror(EISDIR));
        return Result::Failed;
    }
    // A save writes the file a link names; a new file never goes through a link, not even a dangling one.
    for (int depth = 0; replace == Replace::Allowed && depth < 128 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.prefs.cal.XXXXXX"));
    if (!temporary.open() || temporary.write(bytes) != bytes.size() || !temporary.flush()) {
        reason = temporary.errorString();
        return Result::Failed;
    }
#ifdef Q_OS_UNIX
    // The temporary file is private; the file keeps its own mode, a new one gets the mode of any new file.
    struct stat status = {};
    const bool existed = ::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &status) == 0;
    const mode_t mode = existed ? mode_t(status.st_mode & 0777) : mode_t(0666 & ~processUmask());
    if (::fchmod(temporary.handle(), mode) != 0 || ::fsync(temporary.handle()) != 0) {
        reason = systemReason();
        return Result::Failed;
    }
    if (replace == Replace::Allowed) {
        if (::rename(QFile::encodeName(temporary.fileName()).constData(),
                     QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
            reason = systemReason();
            return Result::Failed;
        }
        temporary.setAutoRemove(false);
        return Result::Written;
    }
#endif
    if (replace == Replace::Allowed && target.exists())
        QFile::remove(target.absoluteFilePath());
    // Renaming this way never replaces a file of that name, so a file that appeared meanwhile is kept.
    if (!temporary.rename(target.absoluteFilePath())) {
        reason = temporary.errorString();
        return QFileInfo::exists(path) && replace == Replace::Never ? Result::AlreadyThere : Result::Failed;
    }
    temporary.setAutoRemove(false);
    return Result::Written;
}
} // namespace

PrefsFile PrefsFile::fromBytes(const QByteArray& bytes)
{
    QStringList lines;
    const int size = int(bytes.size());
    int start = 0;
    while (start < size) {
        int end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(QString::fromLatin1(bytes.constData() + start, qMin(end - start, MaxLineLength)));
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return PrefsFile(lines);
}

QByteArray PrefsFile::toBytes() const
{
    QByteArray bytes;
    for (const QString& line : m_lines) {
        for (const QChar c : line)
            bytes.append(char(storedCode(c.unicode())));
        bytes.append("\r\n");
    }
    return bytes;
}

PrefsFile PrefsFile::asRead() const
{
    QStringList lines;
    for (const QString& line : m_lines) {
        QString read = line.left(MaxLineLength);
        for (QChar& c : read)
            c = QChar(storedCode(c.unicode()));
        lines.append(read);
    }
    return PrefsFile(lines);
}

QString PrefsFile::line(int n) const
{
    return n >= 1 && n <= m_lines.size() ? m_lines.at(n - 1) : QString();
}

QString PrefsFile::pathIn(const QString& folder)
{
    return QDir::toNativeSeparators(QFileInfo(QDir(folder).filePath(QLatin1String(FileName))).absoluteFilePath());
}

std::optional<PrefsFile> PrefsFile::load(const QString& path)
{
    QFile file;
    if (!openRegular(file, path))
        return std::nullopt;
    const std::optional<QByteArray> bytes = readLeadingLines(file);
    if (!bytes)
        return std::nullopt;
    return fromBytes(*bytes);
}

bool PrefsFile::save(const QString& path, QString* reason) const
{
    QString why;
    const QByteArray bytes = toBytes();
    bool saved = writeWhole(path, bytes, Replace::Allowed, why) == WriteResult::Written;
#ifdef Q_OS_UNIX
    // A folder that refuses the temporary file may still hold a file of ours we may write. Only a regular file is
    // written in place: opening a FIFO for writing would block.
    const QFileInfo info(path);
    if (!saved && info.isFile() && ::access(QFile::encodeName(info.absolutePath()).constData(), W_OK | X_OK) != 0)
        saved = writeInPlace(path, bytes, smallFileBytes(path), why);
#endif
    if (reason)
        *reason = saved ? QString() : why;
    return saved;
}

PrefsFile::WriteResult PrefsFile::saveNew(const QString& path, QString* reason) const
{
    QString why;
    WriteResult result = WriteResult::AlreadyThere;
    if (!QFileInfo::exists(path)) {
        result = QDir().mkpath(QFileInfo(path).absolutePath()) ? writeWhole(path, toBytes(), Replace::Never, why)
                                                               : WriteResult::Failed;
        if (result == WriteResult::Failed && why.isEmpty())
            why = QStringLiteral("the folder cannot be made");
    }
    if (reason)
        *reason = result == WriteResult::Failed ? why : QString();
    return result;
}
namespace prefs {

bool flagOn(const QString& flags, int position)
{
    return position >= 1 && position <= flags.size() && flags.at(position - 1) == QLatin1Char('1');
}

QString updatedFlags(const QString& flags, bool militaryTime, bool hints)
{
    QString result = flags;
    while (result.size() < 2)
        result.append(QLatin1Char('0'));
    result[0] = militaryTime ? QLatin1Char('1') : QLatin1Char('0');
    result[1] = hints ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}

double gmtOffsetFromLine(const QString& line, const FormatSettings& settings)
{
    std::optional<double> hours = rt::tryStrToFloat(line, settings);
    // A file saved under another locale carries the other decimal mark ("4.5" read where "4,5" is written).
    if (!hours) {
        FormatSettings other = settings;
        other.decimalSeparator = other.decimalSeparator == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
        hours = rt::tryStrToFloat(line, other);
    }
    if (!hours || !std::isfinite(*hours))
        return 0;
    const double rounded = rt::roundTo2(*hours);
    return std::isfinite(rounded) ? rounded : 0;
}

QString gmtOffsetLine(double hours, const FormatSettings& settings)
{
    return rt::fieldText(hours, settings);
}

QStringList savedLines(const QString& flags, const QString& longitude, const QString& latitude,
                       const QString& gmtOffsetText)
{
    return {flags, longitude, latitude, gmtOffsetText};
}

} // namespace prefs
