// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/ReminderRunner.h"
#include "owndays/OwnDays.h"
#include "owndays/ReminderTexts.h"
#include "runtime/Services.h"
#include <QPointer>

ReminderRunner::ReminderRunner(OwnDays& days, Notifier& notifier, const Clock& clock, const QLocale& locale,
                               QObject* parent)
    : QObject(parent), m_days(days), m_notifier(notifier), m_clock(clock), m_locale(locale)
{
    m_timer.setSingleShot(true);
    // A coarse timer may be minutes late over an hour's wait.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReminderRunner::check);
    // A burst of changes (an undo of many, another program's save) is looked at once, after it.
    connect(&m_days, &OwnDays::changed, this, [this] {
        if (m_started)
            m_timer.start(0);
    });
}

void ReminderRunner::start()
{
    m_started = true;
    check();
}

void ReminderRunner::check()
{
    if (!m_started)
        return;
    const QDateTime now = m_clock.now();
    m_retry = QDateTime();
    const ReminderSchedule schedule = ReminderSchedule::at(m_days.withReminders(), now);
    QList<DueReminder> due;
    for (const DueReminder& reminder : schedule.due)
        if (!m_asked.contains(reminder.day.uid))
            due.append(reminder);
    arm(schedule.next, now);
    const QDate today = now.date();
    const int alone = due.size() > MostAtOnce ? MostAtOnce - 1 : int(due.size());
    for (int i = 0; i < alone; ++i)
        tell(due[i].day.title, ReminderTexts::body(due[i], today, m_locale), {due[i]});
    if (alone < due.size()) {
        const QList<DueReminder> rest = due.mid(alone);
        QStringList lines;
        for (const DueReminder& reminder : rest)
            lines.append(ReminderTexts::line(reminder, today));
        tell(ReminderTexts::MoreReminders(int(rest.size())), lines.join(QLatin1Char('\n')), rest);
    }
}

void ReminderRunner::tell(const QString& title, const QString& body, const QList<DueReminder>& reminders)
{
    for (const DueReminder& reminder : reminders)
        m_asked.insert(reminder.day.uid);
    // The desktop may answer after the runner is gone.
    QPointer<ReminderRunner> self(this);
    m_notifier.notify(title, body, [self, reminders](bool shown) {
        if (self)
            self->answered(reminders, shown);
    });
}

void ReminderRunner::answered(const QList<DueReminder>& reminders, bool shown)
{
    const QDateTime now = m_clock.now();
    bool lookAgain = false;
    QStringList told;
    for (const DueReminder& reminder : reminders) {
        m_asked.remove(reminder.day.uid);
        if (!shown)
            continue;
        // A day whose dates or reminder changed meanwhile has its new reminder looked at afresh: the look the
        // change brought passed over it while it was asked about.
        const std::optional<OwnDay> day = m_days.find(reminder.day.uid);
        if (!day || day->first != reminder.day.first || day->yearly != reminder.day.yearly ||
            day->reminder != reminder.day.reminder) {
            lookAgain = true;
            continue;
        }
        if (!day->acknowledged.isValid() || day->acknowledged < reminder.due)
            told.append(reminder.day.uid);
    }
    if (!told.isEmpty())
        m_days.acknowledge(told, now);
    if (!shown) {
        m_retry = now.addMSecs(RetryWaitMs);
        arm(m_nextLook, now);
    }
    if (lookAgain)
        m_timer.start(0);
}

void ReminderRunner::arm(const QDateTime& at, const QDateTime& now)
{
    m_nextLook = m_retry.isValid() && (!at.isValid() || m_retry < at) ? m_retry : at;
    const qint64 wait = qBound<qint64>(0, now.msecsTo(m_nextLook), ReminderSchedule::MostWaitMs);
    m_timer.start(int(wait));
}
