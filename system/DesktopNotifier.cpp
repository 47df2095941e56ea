// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/DesktopNotifier.h"
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
// The desktop's own time before the notification goes.
constexpr int DesktopTimeout = -1;
} // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus) {}

void DesktopNotifier::notify(const QString& title, const QString& body, std::function<void(bool)> told)
{
    if (!m_bus.isConnected()) {
        told(false);
        return;
    }
    if (m_markup != Markup::Unknown) {
        send(title, body, told);
        return;
    }
    const QDBusMessage ask =
        QDBusMessage::createMethodCall(Service, ObjectPath, Interface, QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(ask, CallWaitMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, title, body, told](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QStringList> reply = *w;
        if (reply.isError()) {
            told(false);
            return;
        }
        m_markup = reply.value().contains(QStringLiteral("body-markup")) ? Markup::Read : Markup::Plain;
        send(title, body, told);
    });
}

void DesktopNotifier::send(const QString& title, const QString& body, const std::function<void(bool)>& told)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, ObjectPath, Interface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), DesktopEntry}};
    // A service that reads markup would take a note's "<" or "&" as its own: the user's text is shown as typed.
    const QString shownBody = m_markup == Markup::Read ? body.toHtmlEscaped() : body;
    call << AppName << uint(0) << IconName << title << shownBody << QStringList() << hints << DesktopTimeout;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, CallWaitMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, told](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        // Another service may answer the next time: its way with markup is asked again.
        if (w->isError())
            m_markup = Markup::Unknown;
        told(!w->isError());
    });
}
