#include "prefs/PrefsFile.h"
#include "runtime/NumberText.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>

namespace {
const char* const FileName = "prefs.cal";
}

PrefsFile PrefsFile::fromBytes(const QByteArray& bytes)
{
    QStringList lines;
    const int size = int(bytes.size());
    int start = 0;
    while (start < size) {
        int end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(QString::fromLatin1(bytes.constData() + start, qMin(end - start, MaxLineLength)));
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return PrefsFile(lines);
}

QByteArray PrefsFile::toBytes() const
{
    QByteArray bytes;
    for (const QString& line : m_lines) {
        for (const QChar c : line) {
            const char16_t code = c.unicode();
            // A line end inside a value would shift every later line of the file.
            if (code == '\r' || code == '\n')
                bytes.append(' ');
            else
                bytes.append(code <= 0xFF ? char(code) : '?');
        }
        bytes.append("\r\n");
    }
    return bytes;
}

QString PrefsFile::line(int n) const
{
    return n >= 1 && n <= m_lines.size() ? m_lines.at(n - 1) : QString();
}

QString PrefsFile::pathIn(const QString& folder)
{
    return QDir::toNativeSeparators(QFileInfo(QDir(folder).filePath(QLatin1String(FileName))).absoluteFilePath());
}

std::optional<PrefsFile> PrefsFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return fromBytes(bytes);
}

bool PrefsFile::save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = toBytes();
    // commit() does not report a failed flush of buffered bytes and would put a cut-short file in place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace prefs {

bool flagOn(const QString& flags, int position)
{
    return position >= 1 && position <= flags.size() && flags.at(position - 1) == QLatin1Char('1');
}

QString updatedFlags(const QString& flags, bool militaryTime, bool hints)
{
    QString result = flags;
    while (result.size() < 2)
        result.append(QLatin1Char('0'));
    result[0] = militaryTime ? QLatin1Char('1') : QLatin1Char('0');
    result[1] = hints ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}

double gmtOffsetFromLine(const QString& line)
{
    std::optional<double> hours = rt::tryStrToFloat(line);
    // A file saved under another locale carries the other decimal mark ("4.5" read where "4,5" is written).
    if (!hours) {
        FormatSettings other = rt::formatSettings();
        other.decimalSeparator = other.decimalSeparator == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
        hours = rt::tryStrToFloat(line, other);
    }
    if (!hours || !std::isfinite(*hours))
        return 0;
    const double rounded = rt::roundTo2(*hours);
    return std::isfinite(rounded) ? rounded : 0;
}

QString gmtOffsetLine(double hours)
{
    return rt::fieldText(hours);
}

QStringList savedLines(const QString& flags, const QString& longitude, const QString& latitude,
                       const QString& gmtOffsetText)
{
    return {flags, longitude, latitude, gmtOffsetText};
}

} // namespace prefs
