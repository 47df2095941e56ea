// SPDX-License-Identifier: GPL-3.0-or-later
// The window's state file over any bytes: what is read stays within its ranges, a file that reads as a state file
// is replaced by one that reads back the same, and any other file is left as it was, byte for byte.
#include "FuzzSupport.h"
#include "shared/WindowState.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

namespace {
QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString describe(const WindowState& state)
{
    return QStringLiteral("view %1, months %2, %3 calendars")
        .arg(int(state.view))
        .arg(state.compactMonths)
        .arg(state.calendarFiles.size());
}

void checkRanges(const WindowState& state)
{
    FUZZ_CHECK(state.compactMonths >= 1 && state.compactMonths <= 3, describe(state));
    for (const std::optional<QPoint>& place : {state.fullPosition, state.compactPosition}) {
        if (place)
            FUZZ_CHECK(qAbs(place->x()) <= 100000 && qAbs(place->y()) <= 100000, describe(state));
    }
    FUZZ_CHECK(state.calendarFiles.size() <= 100, describe(state));
    FUZZ_CHECK(QSet<QString>(state.calendarFiles.begin(), state.calendarFiles.end()).size() ==
                   state.calendarFiles.size(),
               describe(state));
    for (const QString& path : state.calendarFiles)
        FUZZ_CHECK(!path.isEmpty(), describe(state));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dorvane-state.ini"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return 0;
        // QSettings keeps what it parsed of a file for the whole process and parses it again only when its size or
        // time changed: a state written over it within the same millisecond at the same size would read as the
        // old bytes. The program reads its state file once; thousands of files a second need an old time.
        if (!file.flush() ||
            !file.setFileTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC), QFileDevice::FileModificationTime))
            return 0;
    }
    const WindowState read = windowstate::read(path);
    checkRanges(read);

    const bool replaceable = windowstate::readsAsState(bytes);
    const bool written = windowstate::write(path, read);
    FUZZ_CHECK(written == replaceable, QString::number(written));
    if (written) {
        FUZZ_CHECK(windowstate::readsAsState(bytesOf(path)), describe(read));
        FUZZ_CHECK(windowstate::read(path) == read, describe(read));
    } else {
        FUZZ_CHECK(bytesOf(path) == bytes, QStringLiteral("a foreign file was changed"));
    }
    // Nothing the writer made under a name of its own is left behind.
    const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    FUZZ_CHECK(left == QStringList{QStringLiteral("dorvane-state.ini")}, left.join(QLatin1Char(' ')));
    QFile::remove(path);
    return 0;
}
