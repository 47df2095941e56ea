#include "app/SingleInstance.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <unistd.h>

namespace {
const QByteArray ShowRequest = QByteArrayLiteral("show\n");
// A running copy answers at once; these only bound a copy that hangs.
constexpr int ConnectWaitMs = 1000;
constexpr int WriteWaitMs = 1000;
constexpr int LockWaitMs = 3000;
} // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& key, QObject* parent)
    : QObject(parent), m_path(QDir(folder).filePath(QStringLiteral("dorvane-") + key + QStringLiteral(".socket")))
{
}

SingleInstance::~SingleInstance()
{
    // The socket file goes with the server, so the next start finds no one to call.
    delete m_server;
}

void SingleInstance::release()
{
    delete m_server;
    m_server = nullptr;
}

SingleInstance::Role SingleInstance::claim()
{
    // Two starts at the same moment take turns, so that neither removes the socket the other just made.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.tryLock(LockWaitMs);

    QLocalSocket running;
    running.connectToServer(m_path);
    if (running.waitForConnected(ConnectWaitMs)) {
        running.write(ShowRequest);
        running.waitForBytesWritten(WriteWaitMs);
        running.disconnectFromServer();
        return Role::Forwarded;
    }
    // No one answers: what lies there is left from a run that crashed.
    QLocalServer::removeServer(m_path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    // A folder that takes no socket leaves the program unguarded rather than not starting.
    if (!m_server->listen(m_path))
        qWarning("Dorvane: no single-instance socket at %s: %s", qPrintable(m_path),
                 qPrintable(m_server->errorString()));
    return Role::First;
}

void SingleInstance::accept()
{
    while (QLocalSocket* caller = m_server->nextPendingConnection()) {
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
            // The request is one short line; anything else on the socket is ignored.
            if (caller->property("asked").toBool() || !caller->canReadLine())
                return;
            caller->setProperty("asked", true);
            if (caller->readLine(ShowRequest.size() + 1) == ShowRequest)
                emit showRequested();
            caller->disconnectFromServer();
        });
    }
}

QString SingleInstance::displayKey()
{
    const QString platform = QGuiApplication::platformName();
    QByteArray display;
    if (platform == QLatin1String("xcb"))
        display = qgetenv("DISPLAY");
    else if (platform.startsWith(QLatin1String("wayland")))
        display = qgetenv("WAYLAND_DISPLAY");
    QString key = platform + QLatin1Char('_') + QString::fromLocal8Bit(display);
    // A display name may hold a host and a slash; the socket's name may not.
    key.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._:-]")), QStringLiteral("_"));
    return key;
}

QString SingleInstance::runtimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Without a session's runtime folder, one of the user's own in the temporary folder, made private; the toolkit's
    // own fallback would say so on standard error at every start.
    const QString folder = QDir::temp().filePath(QStringLiteral("dorvane-runtime-%1").arg(::getuid()));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QFileInfo info(folder);
    if (info.isDir() && !info.isSymLink() && info.ownerId() == ::getuid() &&
        info.permissions() == (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                               QFile::WriteUser | QFile::ExeUser))
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}
