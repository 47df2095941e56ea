// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A folder standing in for the program's own, where a test puts prefs.cal byte for byte.
class TempPrefsDir
{
public:
    QString path() const { return dir.path(); }
    QString filePath() const { return QDir(dir.path()).filePath(QStringLiteral("prefs.cal")); }
    void write(const QByteArray& bytes) const
    {
        QFile file(filePath());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    QByteArray read() const
    {
        QFile file(filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void remove() const { QFile::remove(filePath()); }

private:
    QTemporaryDir dir;
};
