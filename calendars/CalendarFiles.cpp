// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/CalendarFiles.h"
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <mutex>

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

bool CalendarNews::touches(const QDate& first, const QDate& last) const
{
    const auto from = std::lower_bound(days.cbegin(), days.cend(), first);
    return from != days.cend() && *from <= last;
}

// What the window's thread and the worker share, under the lock: the files waiting for the worker, the range to
// read them for, the stamps of the reads begun, each file's events as last read, and the reads done that the window
// has not taken yet.
struct CalendarFiles::Shared
{
    struct Done
    {
        QString path;
        QString stamp; // none: the file was not there
        IcsRead read;  // its events by day
        // The file's events as last read, and what this read changed against them: found on the worker, so that
        // taking a hundred files read again costs the window's thread no comparison of their events.
        QList<CalendarEvent> base;
        EventChange change;
    };

    std::mutex lock;
    QStringList queue;
    DayRange range;
    QHash<QString, QString> stamps;            // of each file when its last read began
    QHash<QString, QList<CalendarEvent>> last; // shared with the window's days: no copy
    QList<Done> done;
    std::atomic<bool> anyDone{false}; // done holds some: looked at without the lock, by every question of the grid
    bool draining = false;            // a task runs, or is about to
};

CalendarFiles::CalendarFiles(QObject* parent) : QObject(parent), m_shared(std::make_shared<Shared>())
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
    connect(&m_tellTimer, &QTimer::timeout, this, [this] {
        take();
        tell();
        if (m_running)
            m_tellTimer.start();
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CalendarFiles::fileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CalendarFiles::folderChanged);
}

CalendarFiles::~CalendarFiles()
{
    // A read still running gives up at its next batch, and ends before the reader it uses goes: quitting never
    // waits for a large file.
    m_stopping->store(true);
    m_pool.waitForDone();
}

void CalendarFiles::setFiles(const QStringList& paths)
{
    QStringList chosen;
    for (const QString& path : paths)
        if (!path.isEmpty() && !chosen.contains(path))
            chosen.append(path);
    QStringList dropped;
    for (const QString& old : std::as_const(m_paths))
        if (!chosen.contains(old)) {
            dropped.append(old);
            m_outcomes.remove(old);
            m_days.remove(old);
            m_waiting.removeAll(old);
        }
    if (!dropped.isEmpty()) {
        const std::lock_guard<std::mutex> guard(m_shared->lock);
        for (const QString& old : std::as_const(dropped)) {
            m_shared->queue.removeAll(old);
            m_shared->stamps.remove(old);
            m_shared->last.remove(old);
        }
    }
    const QStringList before = m_paths;
    m_paths = chosen;
    QStringList added;
    for (const QString& path : std::as_const(m_paths))
        if (!before.contains(path)) {
            IcsOutcome waiting;
            waiting.fileName = QFileInfo(path).fileName();
            m_outcomes.insert(path, waiting);
            m_waiting.append(path);
            added.append(path);
        }
    m_linesUntold |= m_paths != before;
    watch();
    // The new files are read at once; only changes wait for their burst to end.
    hand(added);
    tell();
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
    // What the worker has read shows in the cells painted from now on, as each file's read was before the burst
    // was handed over at once.
    if (m_running && m_shared->anyDone.load(std::memory_order_acquire))
        take();
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
    {
        // The files the worker has yet to read are read for the new range.
        const std::lock_guard<std::mutex> guard(m_shared->lock);
        m_shared->range = range;
    }
    m_waiting = m_paths;
    m_soon.start(0);
}

void CalendarFiles::watch()
{
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_unwatched.clear();
    QStringList paths;
    for (const QString& path : std::as_const(m_paths)) {
        if (QFileInfo::exists(path))
            paths.append(path);
        else
            m_unwatched.insert(path);
        const QString folder = QFileInfo(path).absolutePath();
        if (!paths.contains(folder) && QFileInfo(folder).isDir())
            paths.append(folder);
    }
    if (paths.isEmpty())
        return;
    // A file the system would not watch (out of watches) is tried again after its next read.
    for (const QString& failed : m_watcher.addPaths(paths))
        if (m_outcomes.contains(failed))
            m_unwatched.insert(failed);
}

void CalendarFiles::fileChanged(const QString& path)
{
    // A file removed or renamed over is no longer watched; the read after it watches it again when it is there.
    if (!m_watcher.files().contains(path))
        m_unwatched.insert(path);
    readSoon(path);
}

void CalendarFiles::folderChanged(const QString& folder)
{
    // An editor that saves by rename leaves the watch on a file that no longer exists: every chosen file of the
    // folder is looked at again, and one whose last read no longer fits it is read. One the worker has yet to
    // read is read as it is then.
    QHash<QString, QString> stamps;
    QSet<QString> queued;
    {
        const std::lock_guard<std::mutex> guard(m_shared->lock);
        stamps = m_shared->stamps;
        queued = QSet<QString>(m_shared->queue.cbegin(), m_shared->queue.cend());
    }
    const QDir dir(folder);
    for (const QString& path : std::as_const(m_paths))
        if (!queued.contains(path) && QFileInfo(path).absolutePath() == dir.absolutePath())
            if (stampOf(path) != stamps.value(path))
                readSoon(path);
}

void CalendarFiles::readSoon(const QString& path)
{
    if (!m_outcomes.contains(path))
        return;
    if (!m_waiting.contains(path))
        m_waiting.append(path);
    m_soon.start();
}

void CalendarFiles::startNext()
{
    hand(m_waiting);
}

void CalendarFiles::hand(QStringList paths)
{
    // Nothing is read before the window asks for a first day.
    if (paths.isEmpty() || !m_range.first.isValid())
        return;
    bool start = false;
    {
        const std::lock_guard<std::mutex> guard(m_shared->lock);
        QSet<QString> queued(m_shared->queue.cbegin(), m_shared->queue.cend());
        for (const QString& path : paths)
            if (!queued.contains(path)) {
                m_shared->queue.append(path);
                queued.insert(path);
            }
        m_shared->range = m_range;
        start = !m_shared->draining;
        m_shared->draining = true;
    }
    if (paths.size() == m_waiting.size())
        m_waiting.clear();
    else
        for (const QString& path : paths)
            m_waiting.removeAll(path);
    m_running = true;
    // While the worker reads, what it has read is told at each news interval.
    if (!m_tellTimer.isActive())
        m_tellTimer.start();
    if (!start)
        return;
    // The worker reads the files waiting one after the other until none is left, then tells the window once.
    m_pool.start([this, shared = m_shared, read = m_read, stop = m_stopping] {
        for (;;) {
            Shared::Done done;
            DayRange range;
            {
                const std::lock_guard<std::mutex> guard(shared->lock);
                if (stop->load() || shared->queue.isEmpty()) {
                    shared->draining = false;
                    break;
                }
                done.path = shared->queue.takeFirst();
                range = shared->range;
                done.stamp = stampOf(done.path);
                shared->stamps.insert(done.path, done.stamp);
                done.base = shared->last.value(done.path);
            }
            done.read = read(done.path, range);
            // By day, as the window keeps them: the comparison with the file's last read is then one pass.
            std::stable_sort(done.read.events.begin(), done.read.events.end(),
                             [](const CalendarEvent& a, const CalendarEvent& b) { return a.day < b.day; });
            done.change = EventDays::changeBetween(done.base, done.read.events);
            const std::lock_guard<std::mutex> guard(shared->lock);
            shared->last.insert(done.path, done.read.events);
            shared->done.append(std::move(done));
            shared->anyDone.store(true, std::memory_order_release);
        }
        // The window's object outlives the task: its destructor waits for the worker.
        if (!stop->load())
            QMetaObject::invokeMethod(this, &CalendarFiles::drained, Qt::QueuedConnection);
    });
}

void CalendarFiles::drained()
{
    take();
    {
        const std::lock_guard<std::mutex> guard(m_shared->lock);
        m_running = m_shared->draining;
    }
    // The burst is over: told at once. Changes still in their delay are read and told after it.
    if (!m_running && m_waiting.isEmpty()) {
        m_tellTimer.stop();
        tell();
    }
}

void CalendarFiles::take()
{
    QList<Shared::Done> reads;
    {
        const std::lock_guard<std::mutex> guard(m_shared->lock);
        reads.swap(m_shared->done);
        m_shared->anyDone.store(false, std::memory_order_relaxed);
    }
    QStringList forgotten;
    for (Shared::Done& done : reads) {
        // A file dropped meanwhile is forgotten; one changed meanwhile is waiting again and keeps this read till then.
        const auto outcome = m_outcomes.find(done.path);
        if (outcome == m_outcomes.end()) {
            forgotten.append(done.path);
            continue;
        }
        if (*outcome != done.read.outcome) {
            *outcome = done.read.outcome;
            m_linesUntold = true;
        }
        m_days.replace(done.path, std::move(done.read.events), done.base, done.change);
        // A file that came back (or was replaced by rename) is watched again.
        if (!done.stamp.isEmpty() && m_unwatched.contains(done.path) && m_watcher.addPath(done.path))
            m_unwatched.remove(done.path);
    }
    if (!forgotten.isEmpty()) {
        const std::lock_guard<std::mutex> guard(m_shared->lock);
        for (const QString& path : std::as_const(forgotten))
            m_shared->last.remove(path);
    }
}

void CalendarFiles::tell()
{
    CalendarNews news{m_days.takeChanged(), std::exchange(m_linesUntold, false)};
    if (news.days.isEmpty() && !news.lines)
        return;
    emit changed(news);
}
