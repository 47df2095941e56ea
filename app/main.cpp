// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "dialog/HomeTexts.h"
#include "prefs/MachineDefault.h"
#include "prefs/SettingsLocation.h"
#include "runtime/FormatSettings.h"
#include "shared/CalendarTexts.h"
#include "shared/WindowState.h"
#include "system/DesktopNotifier.h"
#include "system/HintTimings.h"
#include "system/QuitOnSignal.h"
#include "system/Screens.h"
#include "system/SingleInstance.h"
#include "system/SystemServices.h"
#include "system/WaylandSession.h"
#include "translations/Translations.h"
#include "window/TCalendar.h"
#include "zones/ZoneOffsets.h"
#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    // Before anything reads the local time: a TZ naming a file outside the zone database is no zone.
    zones::guardEnvironmentZone();
    // "--export YEAR FILE", "--help" and "--version" answer and end without a window, as does a wrong argument.
    if (const std::optional<int> answered = commandline::runIfAsked(argc, argv))
        return *answered;
    // The desktop's autostart entry asks for the window behind the tray icon.
    const bool hidden = commandline::startsHidden(argc, argv);
    // Before the application object, which otherwise looks for a runtime folder of its own and says so.
    SingleInstance::runtimeFolder();
    QApplication application(argc, argv);
    // The desktop entry's name: Wayland's shells match the window to its entry and icon by it.
    QGuiApplication::setDesktopFileName(SingleInstance::ServiceName);
    // The window lives on in the tray when hidden; only closing it ends the program.
    application.setQuitOnLastWindowClosed(false);
    // A second start brings the running window forward instead of opening another one.
    SingleInstance instance(QDBusConnection::sessionBus());
    // A start behind the icon leaves a running copy's window where it is.
    if (instance.claim(hidden ? SingleInstance::Ask::OnlyAnswer : SingleInstance::Ask::ToFront) ==
        SingleInstance::Role::Forwarded)
        return 0;
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &instance, &SingleInstance::release);
    HintTimings::install(application);
    quitOnTerminationSignals(application);
    // Fixed for the run before any window reads them: the locale's separators and names, the program's own short
    // date format.
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale::system()));
    // The program's words and Qt's own in the user's language; English is the source and loads nothing.
    l10n::install(l10n::messagesLocaleIsC(QProcessEnvironment::systemEnvironment()) ? QLocale::c() : QLocale::system());

    SystemClock clock;
    MessagePrompter prompter;
    ScreenPointer pointer;
    // Asked for by the reminders of the user's days only, once they have some.
    DesktopNotifier notifier(QDBusConnection::sessionBus());
    Services services{clock, prompter, pointer, &notifier};
    BoxGate gate(services);
    // prefs.cal beside the program, or in the user's settings folder when the program's folder is not theirs.
    const SettingsLocation location = prefs::chooseSettingsLocation(QCoreApplication::applicationDirPath());
    PrefsStore preferences = PrefsStore::atPath(location.path, rt::formatSettings());
    // A first start there is not a missing file: this machine's defaults are written silently.
    QString reason;
    const PrefsFile::WriteResult firstStart =
        location.writeDefault
            ? prefs::thisMachineDefaultPrefs(clock, rt::formatSettings()).saveNew(location.path, &reason)
            : PrefsFile::WriteResult::AlreadyThere;
    const bool firstStartFailed = firstStart == PrefsFile::WriteResult::Failed;
    // Asked once: only the start that wrote the sample asks, and every later start finds the file there.
    const bool askForPlace = firstStart == PrefsFile::WriteResult::Written && !prefs::thisMachineHasPlace(clock);
    // Said once; the read that follows would only tell the same story again.
    if (firstStartFailed) {
        qWarning("Cannot create file %s: %s", qPrintable(location.path), qPrintable(reason));
        preferences.openFailureAlreadyReported();
    }

    TCalendar Calendar(services, gate, preferences);
    // Where the window was left, beside prefs.cal but never in it.
    DesktopScreens screens;
    if (!location.path.isEmpty())
        Calendar.keepStateIn(windowstate::pathBeside(location.path), screens);
    Calendar.buildHomeWhenFirstUsed();
    if (askForPlace)
        Calendar.askForPlaceAtFirstActivation();
    prompter.setParent(&Calendar);
    QObject::connect(&Calendar, &TCalendar::closed, &application, &QApplication::quit);
    QObject::connect(&instance, &SingleInstance::showRequested, &Calendar, &TCalendar::bringToFront);

    if (firstStartFailed) {
        QTimer::singleShot(0, &Calendar, [&gate, &location] {
            gate.show(BoxGate::Box::Error, HomeTexts::tr(HomeTexts::CannotCreateFile) + location.path);
        });
    }
    if (hidden) {
        Calendar.startHidden();
    } else {
        Calendar.show();
        // Some desktops never activate a new window by themselves; the first activation lays out the year.
        Calendar.activateWindow();
    }
    activateOnFirstShowing(Calendar, gate);
    return application.exec();
}
