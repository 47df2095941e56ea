// SPDX-License-Identifier: GPL-3.0-or-later
#include "webcalendars/WebFetcher.h"
#include <QDir>
#include <QFile>

namespace webcopies {

bool makePrivateFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

void makePrivate(const QString& file)
{
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool looksLikeCalendar(const QByteArray& bytes)
{
    const QByteArray text = withoutBlanksAndMark(bytes);
    return text.left(15).toUpper() == "BEGIN:VCALENDAR";
}

QByteArray withoutBlanksAndMark(const QByteArray& bytes)
{
    QByteArray rest = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    return rest.trimmed();
}

} // namespace webcopies
