// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnCalendarFile.h"
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qint64 MostBytes = 64 * 1024 * 1024;
constexpr int FewChanges = 16;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

// The document's pieces gathered in one small buffer on their way to the file: a save never makes a copy of the
// whole file in memory (megabytes, for each day marked).
bool writeDocument(int fd, const OwnCalendarDocument& document)
{
    constexpr qsizetype BufferBytes = 256 * 1024;
    QByteArray buffer;
    buffer.reserve(BufferBytes);
    const auto put = [&](const QByteArray& piece) {
        if (buffer.size() + piece.size() > BufferBytes) {
            if (!writeAll(fd, buffer))
                return false;
            buffer.resize(0);
        }
        if (piece.size() > BufferBytes)
            return writeAll(fd, piece);
        buffer.append(piece);
        return true;
    };
    if (!put(document.head))
        return false;
    for (const OwnCalendarBlock& block : document.blocks)
        if (!put(block.text))
            return false;
    return put(document.tail) && writeAll(fd, buffer);
}
} // namespace

OwnCalendarFile::OwnCalendarFile(QString path, QString name, QList<Category> categories)
    : m_path(std::move(path)), m_name(std::move(name)), m_firstCategories(std::move(categories))
{
    m_document = OwnCalendarDocument::fresh(m_name, m_firstCategories);
}

OwnCalendarFile::Stamp OwnCalendarFile::stampNow() const
{
    struct stat status = {};
    if (::stat(QFile::encodeName(m_path).constData(), &status) != 0)
        return {};
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
            quint64(status.st_ino)};
}

bool OwnCalendarFile::changedOnDisk() const
{
    return !(stampNow() == m_stamp);
}

OwnCalendarFile::Kind OwnCalendarFile::load()
{
    m_reason.clear();
    const Stamp stamp = stampNow();
    if (stamp.size < 0) {
        m_document = OwnCalendarDocument::fresh(m_name, m_firstCategories);
        m_stamp = stamp;
        return Kind::Missing;
    }
    QFile file(m_path);
    if (stamp.size > MostBytes) {
        m_reason = QStringLiteral("larger than %1 MB").arg(MostBytes >> 20);
        return Kind::Unreadable;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_reason = file.errorString();
        return Kind::Unreadable;
    }
    const QByteArray text = file.read(MostBytes + 1);
    OwnCalendarDocument read = OwnCalendarDocument::parse(text, m_firstCategories);
    // An empty file is a calendar without days yet; anything else must be one.
    if (!read.valid && !text.trimmed().isEmpty())
        return Kind::NotACalendar;
    m_document = read.valid ? std::move(read) : OwnCalendarDocument::fresh(m_name, m_firstCategories);
    m_stamp = stamp;
    return Kind::Read;
}

OwnCalendarFile::Saved OwnCalendarFile::save(const QHash<QString, std::optional<OwnDay>>& changes,
                                             const QList<Category>& categories,
                                             const QHash<QString, QByteArray>& revived)
{
    Saved saved;
    OwnCalendarDocument theirs = m_document;
    const Stamp onDisk = stampNow();
    if (onDisk.size >= 0 && !(onDisk == m_stamp)) {
        OwnCalendarFile again(m_path, m_name, m_firstCategories);
        const Kind kind = again.load();
        if (kind == Kind::Unreadable || kind == Kind::NotACalendar) {
            saved.reason = kind == Kind::NotACalendar ? QStringLiteral("no longer a calendar") : again.reason();
            return saved;
        }
        if (kind == Kind::Read) {
            theirs = again.m_document;
            saved.merged = true;
        }
    }
    const qint64 theirTime = onDisk.changedNs / 1000000;
    // A save of a few changes (a day marked, an undo) finds each along the blocks; many at once index them first.
    const bool indexed = changes.size() > FewChanges;
    QHash<QString, int> theirIndex;
    if (indexed) {
        theirIndex.reserve(theirs.blocks.size());
        for (int i = 0; i < theirs.blocks.size(); ++i)
            if (!theirs.blocks[i].uid.isEmpty() && !theirIndex.contains(theirs.blocks[i].uid))
                theirIndex.insert(theirs.blocks[i].uid, i);
    }
    QList<int> removed;
    for (auto change = changes.begin(); change != changes.end(); ++change) {
        const QString& uid = change.key();
        const int baseAt = m_document.indexOf(uid);
        const QByteArray baseText = baseAt >= 0 ? m_document.blocks[baseAt].text : QByteArray();
        const int theirAt = indexed ? theirIndex.value(uid, -1) : theirs.indexOf(uid);
        const QByteArray theirText = theirAt >= 0 ? theirs.blocks[theirAt].text : QByteArray();
        // Removed on both sides is no conflict.
        const bool bothRemoved = !change.value() && theirAt < 0;
        if (saved.merged && theirText != baseText && !bothRemoved) {
            // Changed on both sides: the newer change stands. A removal there counts from the file's time.
            const QDateTime theirs_ = theirAt >= 0 && theirs.blocks[theirAt].day
                                          ? theirs.blocks[theirAt].day->modified
                                          : QDateTime::fromMSecsSinceEpoch(theirTime);
            const QDateTime ours = change.value() ? change.value()->modified : QDateTime::currentDateTimeUtc();
            const QString title = change.value()                                 ? change.value()->title
                                  : theirAt >= 0 && theirs.blocks[theirAt].day   ? theirs.blocks[theirAt].day->title
                                  : baseAt >= 0 && m_document.blocks[baseAt].day ? m_document.blocks[baseAt].day->title
                                                                                 : uid;
            saved.bothChanged.append(title);
            if (theirs_.isValid() && ours.isValid() && theirs_ >= ours)
                continue;
        }
        // An event another program made into one this program does not edit (moved instances of it, a value it
        // cannot read) stays theirs.
        if (theirAt >= 0 && !theirs.blocks[theirAt].day) {
            if (change.value())
                saved.bothChanged.append(change.value()->title);
            continue;
        }
        if (!change.value()) {
            if (theirAt >= 0)
                removed.append(theirAt);
            continue;
        }
        OwnCalendarBlock block;
        block.uid = uid;
        block.day = *change.value();
        // A day brought back by Undo takes up the lines it had when it was deleted.
        const QByteArray& base = theirAt >= 0 ? theirText : !baseText.isEmpty() ? baseText : revived.value(uid);
        block.text = theirs.inItsLineEnds(eventBlock(*change.value(), base, categories));
        if (theirAt >= 0) {
            theirs.blocks[theirAt] = block;
        } else {
            // A new event goes after the others, before the calendar's own lines that follow them.
            int at = int(theirs.blocks.size());
            while (at > 0 && theirs.blocks[at - 1].loose)
                --at;
            // Only the calendar's own lines move on, and no index holds them.
            if (indexed)
                theirIndex.insert(uid, at);
            theirs.blocks.insert(at, block);
        }
    }
    std::sort(removed.begin(), removed.end(), std::greater<int>());
    for (const int at : removed)
        theirs.blocks.removeAt(at);
    // The categories are the user's change only when they differ from those last read or written.
    if (categories != m_document.categories)
        theirs.setCategories(categories);
    if (!replaceWith(theirs)) {
        saved.reason = m_reason;
        return saved;
    }
    m_document = std::move(theirs);
    saved.written = true;
    return saved;
}

// The new text goes to a file beside the old one, reaches the disk, and takes the old one's place in one rename:
// a kill at any moment leaves the old file or the new one whole.
bool OwnCalendarFile::replaceWith(const OwnCalendarDocument& document)
{
    QFileInfo target(m_path);
    for (int depth = 0; depth < 128 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    const QByteArray final = QFile::encodeName(target.absoluteFilePath());
    struct stat status = {};
    const bool existed = ::stat(final.constData(), &status) == 0;
    // A file its owner made read-only stays as it is, also for the superuser, who could write it anyway.
    if (existed && (::access(final.constData(), W_OK) != 0 || (status.st_mode & 0222) == 0)) {
        m_reason = systemReason(EACCES);
        return false;
    }
    QByteArray temporary =
        QFile::encodeName(target.absolutePath()) + "/." + QFile::encodeName(target.fileName()) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        m_reason = systemReason(errno);
        return false;
    }
    mode_t mode = 0;
    if (existed) {
        mode = mode_t(status.st_mode & 0777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool written = writeDocument(fd, document) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int error = errno;
    // The stamp of what this program wrote, taken before the rename: a save by another program right after it is
    // never taken for this one.
    struct stat written_ = {};
    const bool stamped = written && ::fstat(fd, &written_) == 0;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temporary.constData(), final.constData()) != 0) {
        error = errno;
        written = false;
    }
    if (!written) {
        ::unlink(temporary.constData());
        m_reason = systemReason(error ? error : EIO);
        return false;
    }
    m_stamp = stamped ? Stamp{qint64(written_.st_size),
                              qint64(written_.st_mtim.tv_sec) * 1000000000 + written_.st_mtim.tv_nsec,
                              quint64(written_.st_ino)}
                      : stampNow();
    return true;
}
