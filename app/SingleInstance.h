#pragma once
#include <QByteArray>
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

    // `folder` is the user's own runtime folder; `key` tells one display from another.
    SingleInstance(const QString& folder, const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Owns the name from now on, or has told the running copy to show itself.
    Role claim();
    QString socketPath() const { return m_path; }
    // Gives the name up, so a start while this copy closes opens a window of its own instead of calling it.
    void release();

    // The running session's display, as a name part ("xcb_:0", "wayland_wayland-0").
    static QString displayKey();
    // $XDG_RUNTIME_DIR, or the toolkit's per-user fallback folder.
    static QString runtimeFolder();

signals:
    // A later start asked this copy to come to the front.
    void showRequested();

private:
    void accept();

    QString m_path;
    QLocalServer* m_server = nullptr;
};
