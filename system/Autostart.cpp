// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/Autostart.h"
#include "print/FileWrite.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <cerrno>
#include <unistd.h>

namespace {
// One argument of Exec: in double quotes, with the four characters the rules name escaped, then the value's own
// escapes (a backslash doubled) and a literal percent sign doubled.
QString quoted(const QString& argument)
{
    QString inner;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            inner += QLatin1Char('\\');
        inner += c;
    }
    inner.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    inner.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}
} // namespace

namespace autostart {

QString entryPath(const QProcessEnvironment& environment, const QString& home)
{
    QString config = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    // The rules ignore a relative value.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir(home).filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("autostart/org.dorvane.Dorvane.desktop"));
}

QByteArray entry(const QString& program)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Dorvane\n"
                                        "Exec=%1 %2\n"
                                        "Icon=dorvane\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(quoted(program), StartHiddenOption);
    return text.toUtf8();
}

bool isOn(const QString& path)
{
    // A link the user keeps there (a managed set of dotfiles) is read through.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    // An entry is a few lines; anything larger is not ours.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 4096)
        return false;
    bool starts = false;
    bool hidden = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("Exec=") && line.contains(StartHiddenOption.toUtf8()))
            starts = true;
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false")
            hidden = true;
    }
    return starts && !hidden;
}

Outcome turnOn(const QString& path, const QString& program)
{
    Outcome outcome;
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder)) {
        outcome.reason = qt_error_string(errno);
        return outcome;
    }
    const filewrite::Outcome written = filewrite::replace(path, entry(program));
    // Something not a file at the name (a folder, a device) is the user's; it is left and reported.
    outcome.done = written.written;
    outcome.reason = written.notAFile ? qt_error_string(EEXIST) : written.reason;
    return outcome;
}

Outcome turnOff(const QString& path)
{
    Outcome outcome;
    const QByteArray name = QFile::encodeName(path);
    if (::unlink(name.constData()) == 0 || errno == ENOENT)
        outcome.done = true;
    else
        outcome.reason = qt_error_string(errno);
    return outcome;
}

} // namespace autostart
