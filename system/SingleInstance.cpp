#include "system/SingleInstance.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray ShowRequest = QByteArrayLiteral("show\n");
// A running copy answers at once; these only bound a copy that hangs.
constexpr int ConnectWaitMs = 1000;
constexpr int WriteWaitMs = 1000;
constexpr int LockWaitMs = 3000;
} // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& key, QObject* parent)
    : QObject(parent),
      m_path(folder.isEmpty() ? QString()
                              : QDir(folder).filePath(QStringLiteral("dorvane-") + key + QStringLiteral(".socket")))
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
    if (m_path.isEmpty()) {
        qWarning("Dorvane: no private runtime folder; a second start opens a window of its own");
        return Role::First;
    }
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
        m_callers.append(caller);
        connect(caller, &QObject::destroyed, this, [this, caller] { m_callers.removeOne(caller); });
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        // Nothing beyond the one short line is ever taken in; the rest waits in the system's buffer until dropped.
        caller->setReadBufferSize(ShowRequest.size());
        connect(caller, &QLocalSocket::readyRead, this, [this, caller] { hear(caller); });
        QTimer::singleShot(CallerWaitMs, caller, [caller] {
            caller->abort();
            caller->deleteLater();
        });
        if (m_callers.size() > MostCallers) {
            QLocalSocket* oldest = m_callers.takeFirst();
            oldest->abort();
            oldest->deleteLater();
        }
    }
}

void SingleInstance::hear(QLocalSocket* caller)
{
    // The request is one short line; anything else on the socket is ignored.
    if (caller->property("asked").toBool())
        return;
    if (!caller->canReadLine()) {
        // As long as the line and still no end: not a start of this program.
        if (caller->bytesAvailable() >= ShowRequest.size()) {
            caller->abort();
            caller->deleteLater();
        }
        return;
    }
    caller->setProperty("asked", true);
    if (caller->readLine(ShowRequest.size() + 1) == ShowRequest)
        emit showRequested();
    caller->disconnectFromServer();
}

QString SingleInstance::displayKey()
{
    return displayKey(QGuiApplication::platformName(), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
}

QString SingleInstance::displayKey(const QString& platform, const QByteArray& x11Display,
                                   const QByteArray& waylandDisplay)
{
    QByteArray display;
    if (platform == QLatin1String("xcb"))
        display = x11Display;
    else if (platform.startsWith(QLatin1String("wayland")))
        display = waylandDisplay;
    QString key = platform + QLatin1Char('_') + QString::fromLocal8Bit(display);
    // A display name may hold a host and a slash; the socket's name may not.
    key.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._:-]")), QStringLiteral("_"));
    return key;
}

QString SingleInstance::runtimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Without a session's runtime folder, one of the user's own in the temporary folder; the toolkit's own fallback
    // would say so on standard error at every start.
    const QString guarded = privateFolderIn(QDir::tempPath());
    QString folder = guarded;
    if (folder.isEmpty()) {
        // Someone else's link or folder at the name: the toolkit gets a fresh private one, the guard none.
        QByteArray fresh =
            QFile::encodeName(QDir::temp().filePath(QStringLiteral("dorvane-runtime-%1-XXXXXX").arg(::getuid())));
        if (::mkdtemp(fresh.data()))
            folder = QFile::decodeName(fresh);
    }
    if (!folder.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    return guarded;
}

QString SingleInstance::privateFolderIn(const QString& base)
{
    const QString folder = QDir(base).filePath(QStringLiteral("dorvane-runtime-%1").arg(::getuid()));
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    // Looked at and changed through what was opened, never through a name another user could point elsewhere.
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return QString();
    struct stat status = {};
    bool own = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid();
    // A folder of the user's that others may enter is closed to them again.
    if (own && (status.st_mode & 077) != 0)
        own = ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return own ? folder : QString();
}
