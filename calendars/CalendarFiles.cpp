// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/CalendarFiles.h"
#include <QDir>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// The year shown and one on each side: a step to the next or the previous year finds its days already read.
DayRange rangeAround(int year)
{
    return {QDate(year - 1, 1, 1).addDays(-CalendarFiles::MarginDays),
            QDate(year + 1, 12, 31).addDays(CalendarFiles::MarginDays)};
}

// What tells a file changed without reading it; a file not there has none.
QString stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    return QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('/') + QString::number(info.size());
}
} // namespace

CalendarFiles::CalendarFiles(QObject* parent) : QObject(parent)
{
    m_read = [stop = m_stopping](const QString& path, const DayRange& range) {
        IcsReader reader;
        reader.stopWhen(stop.get());
        return reader.read(path, range);
    };
    // One file at a time: libical keeps some state per process, and the machine has other work.
    m_pool.setMaxThreadCount(1);
    m_soon.setSingleShot(true);
    m_soon.setInterval(ChangeDelayMs);
    connect(&m_soon, &QTimer::timeout, this, &CalendarFiles::startNext);
    m_tellTimer.setSingleShot(true);
    m_tellTimer.setInterval(TellEveryMs);
    connect(&m_tellTimer, &QTimer::timeout, this, &CalendarFiles::tell);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CalendarFiles::fileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CalendarFiles::folderChanged);
    connect(&m_future, &QFutureWatcher<IcsRead>::finished, this, &CalendarFiles::finished);
}

CalendarFiles::~CalendarFiles()
{
    // A read still running gives up at its next batch, and ends before the reader it uses goes: quitting never
    // waits for a large file.
    m_stopping->store(true);
    m_future.waitForFinished();
    m_pool.waitForDone();
}

void CalendarFiles::setFiles(const QStringList& paths)
{
    QStringList chosen;
    for (const QString& path : paths)
        if (!path.isEmpty() && !chosen.contains(path))
            chosen.append(path);
    for (const QString& old : std::as_const(m_paths))
        if (!chosen.contains(old)) {
            m_outcomes.remove(old);
            m_stamps.remove(old);
            m_days.remove(old);
            m_waiting.removeAll(old);
        }
    const QStringList before = m_paths;
    m_paths = chosen;
    for (const QString& path : std::as_const(m_paths))
        if (!before.contains(path)) {
            IcsOutcome waiting;
            waiting.fileName = QFileInfo(path).fileName();
            m_outcomes.insert(path, waiting);
            m_waiting.append(path);
        }
    watch();
    // The new files are read at once; only changes wait for their burst to end.
    if (!m_running)
        startNext();
    emit changed();
}

QList<IcsOutcome> CalendarFiles::outcomes() const
{
    QList<IcsOutcome> list;
    for (const QString& path : m_paths)
        list.append(m_outcomes.value(path));
    return list;
}

void CalendarFiles::cover(const QDate& day)
{
    if (!day.isValid() || m_range.contains(day))
        return;
    readFor(rangeAround(day.year()));
}

void CalendarFiles::followYear(int year)
{
    // Nothing is read before the window asks for a first day; a range already around the year stays.
    if (!m_range.first.isValid() || m_range == rangeAround(year))
        return;
    readFor(rangeAround(year));
}

void CalendarFiles::readFor(const DayRange& range)
{
    m_range = range;
    for (const QString& path : std::as_const(m_paths))
        if (!m_waiting.contains(path))
            m_waiting.append(path);
    if (!m_running)
        m_soon.start(0);
}

void CalendarFiles::watch()
{
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    QStringList paths;
    for (const QString& path : std::as_const(m_paths)) {
        if (QFileInfo::exists(path))
            paths.append(path);
        const QString folder = QFileInfo(path).absolutePath();
        if (!paths.contains(folder) && QFileInfo(folder).isDir())
            paths.append(folder);
    }
    if (!paths.isEmpty())
        m_watcher.addPaths(paths);
}

void CalendarFiles::fileChanged(const QString& path)
{
    readSoon(path);
}

void CalendarFiles::folderChanged(const QString& folder)
{
    // An editor that saves by rename leaves the watch on a file that no longer exists: every chosen file of the
    // folder is looked at again, and one whose last read no longer fits it is read.
    const QDir dir(folder);
    for (const QString& path : std::as_const(m_paths))
        if (QFileInfo(path).absolutePath() == dir.absolutePath())
            if (stampOf(path) != m_stamps.value(path))
                readSoon(path);
}

void CalendarFiles::readSoon(const QString& path)
{
    if (!m_paths.contains(path))
        return;
    if (!m_waiting.contains(path))
        m_waiting.append(path);
    m_soon.start();
}

void CalendarFiles::startNext()
{
    // Nothing is read before the window asks for a first day.
    if (m_running || m_waiting.isEmpty() || !m_range.first.isValid())
        return;
    m_runningPath = m_waiting.takeFirst();
    m_running = true;
    m_stamps.insert(m_runningPath, stampOf(m_runningPath));
    const Read read = m_read;
    const QString path = m_runningPath;
    const DayRange range = m_range;
    m_future.setFuture(QtConcurrent::run(&m_pool, [read, path, range] { return read(path, range); }));
}

void CalendarFiles::finished()
{
    m_running = false;
    const IcsRead result = m_future.result();
    // A file dropped meanwhile is forgotten; one changed meanwhile is waiting again and keeps this read till then.
    if (m_paths.contains(m_runningPath)) {
        m_outcomes.insert(m_runningPath, result.outcome);
        m_days.replace(m_runningPath, result.events);
        // A file that came back (or was replaced by rename) is watched again.
        if (!m_watcher.files().contains(m_runningPath) && QFileInfo::exists(m_runningPath))
            m_watcher.addPath(m_runningPath);
        m_untold = true;
    }
    if (m_waiting.isEmpty()) {
        tell();
        return;
    }
    m_soon.start(m_soon.isActive() ? m_soon.remainingTime() : 0);
    if (m_untold && !m_tellTimer.isActive())
        m_tellTimer.start();
}

void CalendarFiles::tell()
{
    m_tellTimer.stop();
    if (!m_untold)
        return;
    m_untold = false;
    emit changed();
}
