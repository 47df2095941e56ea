#include "zones/SettingsLocation.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

bool zones::isFolderWritable(const QString& folder)
{
    // access() asks the kernel, which knows about read-only mounts and the effective user.
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString zones::userSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/dorvane/prefs.cal");
}

SettingsLocation zones::chooseSettingsLocation(const QString& programFolder, const QString& userPath,
                                               const FolderWritable& writable)
{
    const QString programFile = QDir(programFolder).filePath(QStringLiteral("prefs.cal"));
    if (QFileInfo::exists(programFile))
        return {SettingsLocation::Place::ProgramFolder, programFile, false};
    if (writable(programFolder))
        return {SettingsLocation::Place::ProgramFolder, programFile, true};
    return {SettingsLocation::Place::UserConfig, userPath, !QFileInfo::exists(userPath)};
}
