// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDBusConnection>
#include <QObject>
#include <QString>

// One running copy per user session, as desktop programs have it: the first start owns a well-known name on the
// session bus and answers the freedesktop Application interface there; a later start finds the name taken, asks its
// owner to come to the front and ends. Without a session bus every start runs on its own and says nothing.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role { First, Forwarded, Alone };
    // What a later start asks of the running copy: to come to the front, or (a start behind the tray icon, as the
    // desktop's autostart makes it) only whether it answers, leaving its window as it is.
    enum class Ask { ToFront, OnlyAnswer };

    static inline const QString ServiceName = QStringLiteral("org.dorvane.Dorvane");
    static inline const QString ObjectPath = QStringLiteral("/org/dorvane/Dorvane");
    // A running copy answers at once; this only bounds one that hangs.
    static constexpr int CallWaitMs = 5000;

    // `bus` is the session bus, or a private bus in the tests.
    explicit SingleInstance(const QDBusConnection& bus, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Owns the name from now on, has asked the running copy to show itself, or found no bus to ask on.
    Role claim(Ask ask = Ask::ToFront);
    // Gives the name up, so a start while this copy closes opens a window of its own instead of calling it.
    void release();

    // $XDG_RUNTIME_DIR, or the user's private folder in the temporary folder; empty when neither can be had. Asked
    // before the application object: without a session's folder the one found becomes $XDG_RUNTIME_DIR (a fresh one
    // of this run's own when someone else's lies at the name), so the toolkit neither makes its own nor warns.
    static QString runtimeFolder();
    // "dorvane-runtime-<uid>" in base, made private to the user; empty when something else lies there (a link,
    // another user's folder), whose rights are left as they are.
    static QString privateFolderIn(const QString& base);

signals:
    // A later start, or the desktop starting the program by its name, asked this copy to come to the front.
    void showRequested();

private:
    bool askRunningCopy(Ask ask);

    QDBusConnection m_bus;
    bool m_owner = false;
};
