// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/SettingsLocation.h"
#include <QDir>
#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>

bool prefs::isFolderWritable(const QString& folder)
{
    // access() asks the kernel, which knows about read-only mounts and the effective user.
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

namespace {

bool isAbsolute(const QByteArray& folder)
{
    return folder.startsWith('/');
}

} // namespace

QByteArray prefs::accountHomeFolder()
{
    const passwd* account = ::getpwuid(::geteuid());
    return account && account->pw_dir ? QByteArray(account->pw_dir) : QByteArray();
}

QString prefs::userSettingsPath(const QByteArray& xdgConfigHome, const QByteArray& home,
                                const std::function<QByteArray()>& accountHome)
{
    QByteArray config = xdgConfigHome;
    if (!isAbsolute(config)) {
        QByteArray homeFolder = isAbsolute(home) ? home : accountHome();
        if (!isAbsolute(homeFolder))
            return QString();
        // "/" as home must not give "//.config".
        while (homeFolder.endsWith('/'))
            homeFolder.chop(1);
        config = homeFolder + "/.config";
    }
    while (config.size() > 1 && config.endsWith('/'))
        config.chop(1);
    if (config == "/")
        config.clear();
    return QFile::decodeName(config) + QStringLiteral("/dorvane/prefs.cal");
}

QString prefs::userSettingsPath()
{
    return userSettingsPath(qgetenv("XDG_CONFIG_HOME"), qgetenv("HOME"), accountHomeFolder);
}

SettingsLocation prefs::chooseSettingsLocation(const QString& programFolder, const QString& userPath,
                                               const FolderWritable& writable)
{
    const QString programFile = QDir(programFolder).filePath(QStringLiteral("prefs.cal"));
    if (QFileInfo::exists(programFile))
        return {SettingsLocation::Place::ProgramFolder, programFile, false};
    if (writable(programFolder))
        return {SettingsLocation::Place::ProgramFolder, programFile, true};
    // With no home known there is no user file to write.
    return {SettingsLocation::Place::UserConfig, userPath, !userPath.isEmpty() && !QFileInfo::exists(userPath)};
}
