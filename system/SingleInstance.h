#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running copy per user and display. A later start finds the running copy's socket in the user's runtime
// folder, asks it to come to the front and ends; a socket a crashed run left behind is taken over.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role { First, Forwarded };

    // A caller says its one line at once; one that says nothing, too much or too slowly is dropped after this.
    static constexpr int CallerWaitMs = 2000;
    // Callers heard at once; a newer one drops the oldest, so idle ones cannot crowd out a real start.
    static constexpr int MostCallers = 8;

    // `folder` is the user's own runtime folder (none: the program runs unguarded); `key` tells one display from
    // another.
    SingleInstance(const QString& folder, const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Owns the name from now on, or has told the running copy to show itself.
    Role claim();
    QString socketPath() const { return m_path; }
    // Gives the name up, so a start while this copy closes opens a window of its own instead of calling it.
    void release();

    // The running session's display, as a name part ("xcb_:0", "wayland_wayland-0").
    static QString displayKey();
    // The same from the platform's name and the two display variables: each platform keys by its own display only.
    static QString displayKey(const QString& platform, const QByteArray& x11Display, const QByteArray& waylandDisplay);
    // $XDG_RUNTIME_DIR, or the user's private folder in the temporary folder; empty when neither can be had. Asked
    // before the application object: without a session's folder the one found becomes $XDG_RUNTIME_DIR (a fresh one
    // of this run's own when someone else's lies at the name), so the toolkit neither makes its own nor warns.
    static QString runtimeFolder();
    // "dorvane-runtime-<uid>" in base, made private to the user; empty when something else lies there (a link,
    // another user's folder), whose rights are left as they are.
    static QString privateFolderIn(const QString& base);

signals:
    // A later start asked this copy to come to the front.
    void showRequested();

private:
    void accept();
    void hear(QLocalSocket* caller);

    QString m_path;
    QLocalServer* m_server = nullptr;
    QList<QLocalSocket*> m_callers;
};
