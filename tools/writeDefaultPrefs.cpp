// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the default preferences for this machine's time zone to the given path, unless a file is already there.
// Run by the build and the per-user install; never replaces the user's own file.
// usage: writeDefaultPrefs <path of prefs.cal>
#include "prefs/MachineDefault.h"
#include "runtime/Services.h"
#include "zones/ZoneOffsets.h"
#include <QCoreApplication>
#include <QTimeZone>
#include <cstdio>

namespace {
// The machine's own clock and zone, as the program reads them at a first start.
class MachineClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QByteArray zoneId() const override { return QTimeZone::systemTimeZoneId(); }
};
} // namespace

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
    const PrefsFile file =
        prefs::thisMachineDefaultPrefs(MachineClock(), FormatSettings::fromLocale(QLocale::system()));
    QString reason;
    switch (file.saveNew(path, &reason)) {
    case PrefsFile::WriteResult::Written:
        std::printf("Wrote %s\n", qPrintable(path));
        return 0;
    case PrefsFile::WriteResult::AlreadyThere:
        return 0;
    case PrefsFile::WriteResult::Failed:
        break;
    }
    std::fprintf(stderr, "Cannot create file %s: %s\n", qPrintable(path), qPrintable(reason));
    return 1;
}
