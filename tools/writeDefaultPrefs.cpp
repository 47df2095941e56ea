// Writes the default preferences for this machine's time zone to the given path, unless a file is already there.
// Run by the build and the per-user install; never replaces the user's own file.
// usage: writeDefaultPrefs <path of prefs.cal>
#include "zones/MachineDefault.h"
#include "zones/ZoneOffsets.h"
#include <QCoreApplication>
#include <QDate>
#include <cstdio>

int main(int argc, char** argv)
{
    zones::guardEnvironmentZone();
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: writeDefaultPrefs <path of prefs.cal>\n");
        return 2;
    }
    const QString path = arguments.at(1);
    // The offset line is read back with the locale's decimal separator; the default settings are the locale's.
    const QByteArray bytes = zones::thisMachineDefaultPrefs(QDate::currentDate());
    switch (zones::writeIfMissing(path, bytes)) {
    case zones::WriteResult::Written:
        std::printf("Wrote %s\n", qPrintable(path));
        return 0;
    case zones::WriteResult::AlreadyThere:
        return 0;
    case zones::WriteResult::Failed:
        break;
    }
    std::fprintf(stderr, "Cannot create file %s\n", qPrintable(path));
    return 1;
}
