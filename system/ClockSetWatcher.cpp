// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/ClockSetWatcher.h"
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>
#endif

ClockSetWatcher::ClockSetWatcher(QObject* parent) : QObject(parent)
{
#ifdef Q_OS_LINUX
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    if (!arm()) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ClockSetWatcher::readNotice);
#endif
}

ClockSetWatcher::~ClockSetWatcher()
{
#ifdef Q_OS_LINUX
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

bool ClockSetWatcher::arm()
{
#ifdef Q_OS_LINUX
    // An absolute expiry a century away never comes; what is wanted is the cancellation a clock jump causes.
    constexpr std::time_t Century = 100LL * 365 * 24 * 3600;
    itimerspec expiry{};
    expiry.it_value.tv_sec = std::time(nullptr) + Century;
    return timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr) == 0;
#else
    return false;
#endif
}

void ClockSetWatcher::readNotice()
{
#ifdef Q_OS_LINUX
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(m_fd, &expirations, sizeof expirations);
    if (got < 0 && errno == ECANCELED) {
        arm();
        emit clockSet();
    }
#endif
}
