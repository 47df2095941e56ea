// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/WindowStateKeeper.h"

WindowStateKeeper::WindowStateKeeper(const QString& path, std::function<void(WindowState&)> collect, QObject* parent)
    : QObject(parent), m_path(path), m_collect(std::move(collect)), m_state(windowstate::read(path)), m_written(m_state)
{
    m_soon.setSingleShot(true);
    m_soon.setInterval(WriteDelayMs);
    connect(&m_soon, &QTimer::timeout, this, &WindowStateKeeper::flush);
}

void WindowStateKeeper::update(const std::function<void(WindowState&)>& change)
{
    change(m_state);
    changed();
}

void WindowStateKeeper::changed()
{
    m_soon.start();
}

void WindowStateKeeper::flush()
{
    m_soon.stop();
    if (m_collect)
        m_collect(m_state);
    // A file that could not be written is tried again at the next change; the user is not told.
    if (m_state != m_written && windowstate::write(m_path, m_state))
        m_written = m_state;
}
