// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// A file written whole or not at all, under a name of its own first and then renamed over the old one, so a
// rename replaces a link put there meanwhile rather than what it points to.
namespace filewrite {

struct Outcome
{
    bool written = false;
    bool notAFile = false; // a link, a folder, a device or a pipe lies at the name, and is left as it is
    QString reason;        // the system's, when not written for another cause
};

// Writes a chunk as write(2) does: the bytes written, or -1 with errno set. A test's full disk comes through here.
using WriteCall = std::function<qint64(int fd, const char* data, qint64 size)>;

// Replaces the regular file at path with bytes, or creates it; a file replaced keeps its rights.
Outcome replace(const QString& path, const QByteArray& bytes, const WriteCall& write = {});

} // namespace filewrite
