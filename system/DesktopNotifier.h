// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/Services.h"
#include <QDBusConnection>
#include <QObject>
#include <QString>

// Notifications through the desktop's notification service (org.freedesktop.Notifications on the session bus):
// the program's name and icon, a title and a body, shown for as long as the desktop shows its notifications. No
// service (none running, none on this desktop, no session bus) is told as not shown, never as a box.
class DesktopNotifier : public QObject, public Notifier
{
    Q_OBJECT
public:
    static inline const QString Service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString ObjectPath = QStringLiteral("/org/freedesktop/Notifications");
    static inline const QString AppName = QStringLiteral("Dorvane");
    static inline const QString IconName = QStringLiteral("dorvane");
    static inline const QString DesktopEntry = QStringLiteral("org.dorvane.Dorvane");
    // A service the bus starts on demand answers within this; one that does not counts as none.
    static constexpr int CallWaitMs = 10000;

    // bus: the session bus, or a private bus in the tests.
    explicit DesktopNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    void notify(const QString& title, const QString& body, std::function<void(bool)> told) override;

private:
    // Whether the service reads the body as markup, asked once of each service that answers.
    enum class Markup { Unknown, Read, Plain };
    void send(const QString& title, const QString& body, const std::function<void(bool)>& told);

    QDBusConnection m_bus;
    Markup m_markup = Markup::Unknown;
};
