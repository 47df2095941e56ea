// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

class QSocketNotifier;

// Tells when the system clock jumped: set by hand or by a time service, or moved on by a resume from suspend (the
// interval timers stand still while the machine sleeps, so a timer armed for a wall-clock time fires late). Costs no
// wake-up until that happens. On Linux a timer descriptor the kernel cancels on such a jump; elsewhere it never fires.
class ClockSetWatcher : public QObject
{
    Q_OBJECT
public:
    explicit ClockSetWatcher(QObject* parent = nullptr);
    ~ClockSetWatcher() override;

    // Whether this system reports clock jumps at all.
    bool watching() const { return m_fd >= 0; }

signals:
    void clockSet();

private:
    bool arm();
    void readNotice();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
