#include "translations/Messages.h"
#include <QCoreApplication>
#include <QStringList>
#include <iterator>

namespace {
// The English messages as the libraries word them; "%1" stands for the part they fill in.
const char* const Messages[] = {
    QT_TRANSLATE_NOOP("Messages", "Sun up or down all day"),
    QT_TRANSLATE_NOOP("Messages", "No sunrise this date"),
    QT_TRANSLATE_NOOP("Messages", "No sunset this date"),
    QT_TRANSLATE_NOOP("Messages", "Invalid GMT offset in preferences."),
    QT_TRANSLATE_NOOP("Messages", "Invalid N/S degrees in preferences."),
    QT_TRANSLATE_NOOP("Messages", "Invalid W/E degrees in preferences."),
    QT_TRANSLATE_NOOP("Messages", "Unknown time zone %1 in preferences."),
    QT_TRANSLATE_NOOP("Messages", "Cannot open file %1"),
    QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid date"),
    QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid time"),
    QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid date and time"),
    QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid integer value"),
    QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid floating point value"),
    QT_TRANSLATE_NOOP("Messages", "Invalid argument to date encode"),
    QT_TRANSLATE_NOOP("Messages", "Invalid argument to time encode"),
    QT_TRANSLATE_NOOP("Messages", "Failed to set calendar date or time"),
    // What a screen reader says of the moon picture.
    QT_TRANSLATE_NOOP("Messages", "New moon"),
    QT_TRANSLATE_NOOP("Messages", "Waxing crescent"),
    QT_TRANSLATE_NOOP("Messages", "First quarter"),
    QT_TRANSLATE_NOOP("Messages", "Waxing gibbous"),
    QT_TRANSLATE_NOOP("Messages", "Full moon"),
    QT_TRANSLATE_NOOP("Messages", "Waning gibbous"),
    QT_TRANSLATE_NOOP("Messages", "Last quarter"),
    QT_TRANSLATE_NOOP("Messages", "Waning crescent"),
};

QString translatedLine(const QString& line)
{
    const QLatin1String mark("%1");
    for (const char* message : Messages) {
        const QString source = QLatin1String(message);
        const int at = int(source.indexOf(mark));
        const QString translated = QCoreApplication::translate(l10n::MessagesContext, message);
        if (at < 0) {
            if (line == source)
                return translated;
            continue;
        }
        const QString before = source.left(at);
        const QString after = source.mid(at + mark.size());
        if (line.size() >= before.size() + after.size() && line.startsWith(before) && line.endsWith(after))
            return translated.arg(line.mid(before.size(), line.size() - before.size() - after.size()));
    }
    return line;
}
} // namespace

namespace l10n {
QString translatedMessage(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = translatedLine(line);
    return lines.join(QLatin1Char('\n'));
}
} // namespace l10n
