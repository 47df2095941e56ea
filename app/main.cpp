#include "app/CalendarTexts.h"
#include "app/HintTimings.h"
#include "app/QuitOnSignal.h"
#include "app/SystemServices.h"
#include "app/TCalendar.h"
#include "app/WaylandSession.h"
#include "dialog/THome.h"
#include "runtime/FormatSettings.h"
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The window lives on in the tray when hidden; only closing it ends the program.
    application.setQuitOnLastWindowClosed(false);
    HintTimings::install(application);
    quitOnTerminationSignals(application);
    // Dates built in month/day/year order read back whatever the locale's own order.
    rt::formatSettings().shortDateFormat = texts::PatternShortDate;

    SystemClock clock;
    MessagePrompter prompter;
    ScreenPointer pointer;
    Services services{clock, prompter, pointer};
    BoxGate gate(services);
    PrefsStore preferences(QCoreApplication::applicationDirPath());

    TCalendar Calendar(services, gate, preferences);
    THome Home(services, gate, preferences);
    Calendar.setHome(&Home);
    prompter.setParent(&Calendar);
    QObject::connect(&Calendar, &TCalendar::closed, &application, &QApplication::quit);

    Calendar.show();
    // Some desktops never activate a new window by themselves; the first activation lays out the year.
    Calendar.activateWindow();
    activateOnFirstShowing(Calendar);
    return application.exec();
}
