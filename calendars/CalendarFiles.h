// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/EventDays.h"
#include "calendars/IcsOutcome.h"
#include "calendars/IcsReader.h"
#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>

// What a tell brings: the days whose events changed, in order and each once, and whether a file's line changed.
struct CalendarNews
{
    QList<QDate> days;
    bool lines = false;

    // Whether a day from first to last (both included) is among the days.
    bool touches(const QDate& first, const QDate& last) const;
};

// The calendar files the user chose: read on a worker thread, one at a time, read again a moment after one changes
// (an editor saving it by rename included), and their events kept by day for the window. The worker reads the files
// waiting one after the other in one task and hands them over together when none is left: a hundred files read for
// a new year cost the window's thread one wake-up, not a hundred.
class CalendarFiles : public QObject
{
    Q_OBJECT
public:
    // A burst of changes (an editor writing, renaming, touching) is read once, this long after the last.
    static constexpr int ChangeDelayMs = 300;
    // Days read beyond each end of the year shown: the grid shows some days of the neighbouring months.
    static constexpr int MarginDays = 62;
    // While files are still being read one after the other, what they gave is told at most this often: a burst of
    // reads (a hundred files at start, a step to another year) costs the window one repaint, not one per file.
    static constexpr int TellEveryMs = 500;

    using Read = std::function<IcsRead(const QString& path, const DayRange& range)>;

    explicit CalendarFiles(QObject* parent = nullptr);
    // Reads with that function instead of an IcsReader in the machine's zone: runs on the worker thread.
    void setRead(Read read) { m_read = std::move(read); }
    ~CalendarFiles() override;

    // The files in the user's order; the new ones are read, the dropped ones forgotten.
    void setFiles(const QStringList& paths);
    const QStringList& files() const { return m_paths; }
    // What each file's last read gave (Waiting before it), in the files' order.
    QList<IcsOutcome> outcomes() const;
    const EventDays& days() const { return m_days; }

    // The range read covers the year of that day and one on each side; when it does not yet hold the day, the files
    // are read again for it. The files are first read at the first day asked for.
    void cover(const QDate& day);
    // The year the window shows now: the range moves around it, the files read again behind the days already
    // shown, so that the next step finds its year read too.
    void followYear(int year);
    const DayRange& range() const { return m_range; }
    bool reading() const { return m_running || !m_waiting.isEmpty(); }

signals:
    // Reads finished (the last of a burst, or some while a burst goes on) that changed a day's events or a file's
    // line; a read that changed nothing is not told.
    void changed(const CalendarNews& news);

private:
    struct Shared;

    void fileChanged(const QString& path);
    void folderChanged(const QString& folder);
    void readSoon(const QString& path);
    void startNext();
    // These files to the worker's queue, and a task to read it when none runs.
    void hand(QStringList paths);
    // The worker's queue is read: what it read is taken and, the burst being over, told.
    void drained();
    // What the worker has read so far, into the days and lines.
    void take();
    void watch();
    void tell();
    void readFor(const DayRange& range);

    Read m_read;
    std::shared_ptr<std::atomic<bool>> m_stopping = std::make_shared<std::atomic<bool>>(false);
    // The worker's queue and what it read, shared with the task.
    std::shared_ptr<Shared> m_shared;
    QStringList m_paths;
    QHash<QString, IcsOutcome> m_outcomes; // of each file chosen
    EventDays m_days;
    DayRange m_range;
    QFileSystemWatcher m_watcher;
    QSet<QString> m_unwatched; // chosen files the watcher does not watch: not there when last looked at
    QTimer m_soon;
    QTimer m_tellTimer;
    bool m_linesUntold = false; // a file's line changed since the last tell
    QStringList m_waiting;      // not yet handed to the worker: before a first day, or a change's burst going on
    bool m_running = false;     // a task was started whose end the window has not yet taken
    QThreadPool m_pool;
};
