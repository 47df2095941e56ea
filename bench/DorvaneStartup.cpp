// SPDX-License-Identifier: GPL-3.0-or-later
// Dorvane's window built as app/main.cpp builds it, with real services, reading its preferences from a folder of its
// own so a run never touches the user's prefs.cal.
#include "Harness.h"
#include "runtime/FormatSettings.h"
#include "shared/CalendarTexts.h"
#include "system/HintTimings.h"
#include "system/SingleInstance.h"
#include "system/SystemServices.h"
#include "window/TCalendar.h"
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    const bench::Options options = bench::parseOptions(argc, argv);
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    // As the program does: the running copy is looked for on the session bus before the window is built.
    SingleInstance instance(QDBusConnection::sessionBus());
    if (instance.claim() == SingleInstance::Role::Forwarded)
        return 0;
    HintTimings::install(application);

    QTemporaryDir folder;
    QFile::copy(QStringLiteral(DORVANE_PREFS_DEFAULT), QDir(folder.path()).filePath(QStringLiteral("prefs.cal")));

    SystemClock clock;
    MessagePrompter prompter;
    ScreenPointer pointer;
    Services services{clock, prompter, pointer};

    BoxGate gate(services);
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale::system()));
    PrefsStore preferences(folder.path(), rt::formatSettings());

    TCalendar Calendar(services, gate, preferences);
    Calendar.buildHomeWhenFirstUsed();
    prompter.setParent(&Calendar);
    QObject::connect(&Calendar, &TCalendar::closed, &application, &QApplication::quit);

    bench::FirstPaintWatch watch(&Calendar, options);
    Calendar.show();
    Calendar.activateWindow();
    const int result = application.exec();
    watch.report();
    return result;
}
