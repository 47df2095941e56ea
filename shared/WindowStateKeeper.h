// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shared/WindowState.h"
#include <QObject>
#include <QTimer>
#include <functional>

// Keeps the window's state in its file: read once, written a moment after each change (a window dragged across
// the desktop moves many times) and at once when asked, and only when it differs from what the file holds.
class WindowStateKeeper : public QObject
{
    Q_OBJECT
public:
    static constexpr int WriteDelayMs = 500;

    // collect writes the window's own fields into the state; the other fields keep what was read or set.
    WindowStateKeeper(const QString& path, std::function<void(WindowState&)> collect, QObject* parent = nullptr);

    const QString& path() const { return m_path; }
    // As read at start, with what was set since.
    const WindowState& state() const { return m_state; }
    // A field the window does not collect itself (the day panel, the week rules), written soon.
    void update(const std::function<void(WindowState&)>& change);

    void changed();
    // Writes now, if anything changed.
    void flush();

private:
    QString m_path;
    std::function<void(WindowState&)> m_collect;
    WindowState m_state;
    WindowState m_written;
    QTimer m_soon;
};
