// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/SingleInstance.h"
#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QVariantMap>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString ApplicationInterface = QStringLiteral("org.freedesktop.Application");

// The freedesktop Application interface: what the desktop and a later start call on the running copy. No files
// are opened and no actions are declared, so Open and ActivateAction only bring the window forward or do nothing.
class ApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(SingleInstance* instance) : QDBusAbstractAdaptor(instance), m_instance(instance) {}

public slots:
    void Activate(const QVariantMap& platformData)
    {
        Q_UNUSED(platformData)
        emit m_instance->showRequested();
    }
    void Open(const QStringList& uris, const QVariantMap& platformData)
    {
        Q_UNUSED(uris)
        Q_UNUSED(platformData)
        emit m_instance->showRequested();
    }
    void ActivateAction(const QString& name, const QVariantList& parameter, const QVariantMap& platformData)
    {
        Q_UNUSED(name)
        Q_UNUSED(parameter)
        Q_UNUSED(platformData)
    }

private:
    SingleInstance* m_instance;
};
} // namespace

SingleInstance::SingleInstance(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus) {}

SingleInstance::~SingleInstance()
{
    release();
}

void SingleInstance::release()
{
    if (!m_owner)
        return;
    m_owner = false;
    m_bus.unregisterService(ServiceName);
    m_bus.unregisterObject(ObjectPath);
}

SingleInstance::Role SingleInstance::claim(Ask ask)
{
    if (!m_bus.isConnected())
        return Role::Alone;
    // The object answers before the name is taken, so a start that finds the name can always be heard.
    new ApplicationAdaptor(this);
    if (!m_bus.registerObject(ObjectPath, this))
        return Role::Alone;
    // Two starts at the same moment: the bus gives the name to one; the other calls it. An owner gone between the
    // two steps leaves the name free for a second try.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (m_bus.registerService(ServiceName)) {
            m_owner = true;
            return Role::First;
        }
        if (askRunningCopy(ask)) {
            m_bus.unregisterObject(ObjectPath);
            return Role::Forwarded;
        }
    }
    // A name held by someone who does not answer: this copy runs on its own rather than not at all.
    m_bus.unregisterObject(ObjectPath);
    return Role::Alone;
}

bool SingleInstance::askRunningCopy(Ask ask)
{
    QDBusMessage call =
        ask == Ask::ToFront
            ? QDBusMessage::createMethodCall(ServiceName, ObjectPath, ApplicationInterface, QStringLiteral("Activate"))
            : QDBusMessage::createMethodCall(ServiceName, ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                             QStringLiteral("GetAll"));
    if (ask == Ask::ToFront)
        call << QVariantMap();
    else
        call << ApplicationInterface;
    // Events go on while waiting, so a copy in this same process (the tests) can answer.
    const QDBusMessage reply = m_bus.call(call, QDBus::BlockWithGui, CallWaitMs);
    return reply.type() == QDBusMessage::ReplyMessage;
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

#include "SingleInstance.moc"
