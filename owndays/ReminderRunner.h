// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "owndays/ReminderSchedule.h"
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QSet>
#include <QTimer>

class Clock;
class Notifier;
class OwnDays;

// Tells the reminders of the user's days as desktop notifications while the program runs, and at its start those
// missed while it did not (see ReminderSchedule for which). A reminder the desktop took is kept as told in the
// file; one it could not take is tried again a minute later, or at the next look.
class ReminderRunner : public QObject
{
    Q_OBJECT
public:
    // A notification the desktop could not take is tried again this soon (a desktop whose notification service
    // starts after the program, at login).
    static constexpr int RetryWaitMs = 60 * 1000;
    // Due at once beyond this many (the first start after a long time), the rest are told in one notification.
    static constexpr int MostAtOnce = 4;

    // The days, the notifier and the clock outlive the runner; locale writes the dates.
    ReminderRunner(OwnDays& days, Notifier& notifier, const Clock& clock, const QLocale& locale,
                   QObject* parent = nullptr);

    // Tells what is due now and waits for the next; from then on a change of the days is looked at too.
    void start();
    // Looks at the clock again: to be called when it jumped, the machine resumed or the day changed.
    void check();
    // The moment the next look is armed for; invalid before start().
    QDateTime nextLook() const { return m_nextLook; }

private:
    void tell(const QString& title, const QString& body, const QList<DueReminder>& reminders);
    void answered(const QList<DueReminder>& reminders, bool shown);
    void arm(const QDateTime& at, const QDateTime& now);

    OwnDays& m_days;
    Notifier& m_notifier;
    const Clock& m_clock;
    QLocale m_locale;
    QTimer m_timer;
    bool m_started = false;
    QDateTime m_nextLook;
    QDateTime m_retry;     // after a failed notification; invalid when none failed
    QSet<QString> m_asked; // days whose notification the desktop has not answered yet
};
