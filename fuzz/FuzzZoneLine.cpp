// SPDX-License-Identifier: GPL-3.0-or-later
// The fifth line of prefs.cal (or the dialog's typed zone) through the zone look-up: an id is accepted only when it
// names a zone of the database, nothing outside the database is opened (every open of the look-up is recorded), no
// descriptor is left open, offsets are those of a real zone or 0, and the message about an unknown id is printable.
#include "FuzzSupport.h"
#include "prefs/PrefsFile.h"
#include "zones/ZoneOffsets.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>
#include <cmath>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char Database[] = "/usr/share/zoneinfo/";
// A FIFO and a crafted zone file (one transition, no types) named from the database through "../": opening the
// first blocks, parsing the second crashes the zone library. The seed corpus names both.
constexpr char FifoPath[] = "/tmp/dorvane-fuzz-zone-fifo";
constexpr char CraftedPath[] = "/tmp/dorvane-fuzz-zone-crafted";

bool recording = false;
std::vector<std::string> opened;

void note(const char* path)
{
    if (recording)
        opened.emplace_back(path ? path : "");
}

template <typename Function> Function next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

mode_t modeOf(int flags, va_list arguments)
{
    return (flags & (O_CREAT | O_TMPFILE)) ? mode_t(va_arg(arguments, int)) : 0;
}

int openFiles()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

void writeCraftedZoneFile()
{
    // TZif version 2: each header's counts are isut, isstd, leap, time, type, char (big-endian); one transition
    // pointing at type 0 of none.
    QByteArray header("TZif2");
    header.append(15, '\0');
    const auto count = [](quint32 n) {
        const char big[] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
        return QByteArray(big, sizeof big);
    };
    header += count(0) + count(0) + count(0) + count(1) + count(0) + count(0);
    QByteArray bytes = header + count(0) + QByteArray(1, '\0');
    bytes += header + QByteArray(8, '\0') + QByteArray(1, '\0') + QByteArray("\n\n");
    QFile file(QString::fromLatin1(CraftedPath));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// The zone's offsets on a few days of years 1..9999.
void checkOffsets(const QString& id, bool known, FuzzedDataProvider& data)
{
    for (int i = 0; i < 3; ++i) {
        const QDate day = QDate(1, 1, 1).addDays(data.ConsumeIntegralInRange<qint64>(0, 3652058));
        const ZoneOffsets offsets = zones::offsetsOn(id, day);
        FUZZ_CHECK(offsets.known == known, id);
        if (known) {
            // Local mean time before the zones reached 15:56 (Manila); every zone's offset lies within 16 hours.
            FUZZ_CHECK(std::isfinite(offsets.onDay) && std::abs(offsets.onDay) <= 16, id);
            FUZZ_CHECK(std::isfinite(offsets.standard) && std::abs(offsets.standard) <= 16, id);
        } else {
            FUZZ_CHECK(offsets.onDay == 0 && offsets.standard == 0, id);
        }
        const double fixed = data.ConsumeFloatingPointInRange<double>(-14, 14);
        FUZZ_CHECK(offsets.reportOffset(fixed) == (known ? offsets.onDay : fixed), id);
    }
    FUZZ_CHECK(!zones::offsetsOn(id, QDate()).known, id);
}

void checkLine(const QString& line, FuzzedDataProvider& data)
{
    const int before = openFiles();
    opened.clear();
    recording = true;
    const bool known = zones::isKnownZone(line);
    checkOffsets(line, known, data);
    recording = false;

    for (const std::string& path : opened) {
        const QString name = QString::fromStdString(path);
        FUZZ_CHECK(name.startsWith(QLatin1String(Database)) && !name.contains(QLatin1String("/../")) &&
                       !name.endsWith(QLatin1String("/..")),
                   name + QStringLiteral(" opened for ") + line);
    }
    FUZZ_CHECK(openFiles() == before, line);

    if (known) {
        const QString id = line.trimmed();
        FUZZ_CHECK(!id.isEmpty() && id.size() <= zones::MaxZoneIdLength, id);
        FUZZ_CHECK(!id.startsWith(QLatin1Char('/')) && !id.split(QLatin1Char('/')).contains(QStringLiteral("..")), id);
        for (const QChar c : id)
            FUZZ_CHECK(c.unicode() > 0x20 && c.unicode() < 0x7F, id);
        // A zone of the toolkit's list (its fixed offsets like "UTC+08:00" open no file), or a zone or link of the
        // database: a regular file, links followed, inside its folder.
        const QFileInfo file(QLatin1String(Database) + id);
        FUZZ_CHECK(QTimeZone::availableTimeZoneIds().contains(id.toLatin1()) ||
                       (file.isFile() && file.canonicalFilePath().startsWith(QLatin1String(Database))),
                   id);
    }

    const QString message = zoneText::unknownZone(line).english();
    FUZZ_CHECK(message.size() <= int(qstrlen(zoneText::UnknownZone)) + 4 * zones::MaxZoneIdLength + 3,
               QString::number(message.size()));
    for (const QChar c : message)
        FUZZ_CHECK(c.unicode() >= 0x20 && !(c.unicode() >= 0x7F && c.unicode() < 0xA0), message);
}

} // namespace

extern "C" int open(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    note(path);
    static const auto real = next<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}

extern "C" int open64(const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    note(path);
    static const auto real = next<int (*)(const char*, int, ...)>("open64");
    return real(path, flags, mode);
}

extern "C" int openat(int folder, const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    note(path);
    static const auto real = next<int (*)(int, const char*, int, ...)>("openat");
    return real(folder, path, flags, mode);
}

extern "C" int openat64(int folder, const char* path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    note(path);
    static const auto real = next<int (*)(int, const char*, int, ...)>("openat64");
    return real(folder, path, flags, mode);
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::unlink(FifoPath);
    ::mkfifo(FifoPath, 0600);
    writeCraftedZoneFile();
    // The zone lists are read once per run, at the first look-up: not part of what a line opens.
    (void)zones::isKnownZone(QStringLiteral("UTC"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    // The input's head is the fifth line as read from a file; the whole input is also taken as text typed into
    // the dialog (UTF-8). The tail's bytes pick the days and fixed offsets.
    const QByteArray raw(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const PrefsFile file = PrefsFile::fromBytes(QByteArray("01\r\n18.96E\r\n69.65N\r\n1\r\n") + raw);
    FuzzedDataProvider data(bytes, size);
    checkLine(file.line(PrefsFile::ZoneLine), data);
    checkLine(QString::fromUtf8(raw), data);
    return 0;
}
