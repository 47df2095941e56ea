#include "app/CalendarTexts.h"
#include "app/SpokenTime.h"
#include "app/TCalendar.h"
#include "astro/SunReport.h"
#include "controls/Hints.h"
#include "controls/TMonthCalendar.h"
#include "controls/TMoon.h"
#include "controls/TumNumberEdit.h"
#include <QAction>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QToolButton>

namespace {
struct Command
{
    QToolButton* button;
    QKeySequence keys;
    const char* name;
    const char* description;
};

void describe(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}
} // namespace

void TCalendar::createKeys()
{
    // Ctrl with the arrows, Home and letters leaves the keys of a focused calendar (arrows, Page Up and Down, Home
    // and End) and of the year field to them.
    const Command commands[] = {
        {ui.SpeedButton11, QKeySequence(Qt::CTRL | Qt::Key_Left), "Previous year or month",
         "Shows the previous year, or the previous month in the compact view"},
        {ui.SpeedButton10, QKeySequence(Qt::CTRL | Qt::Key_Home), "Back to today",
         "Shows today's year again; in the compact view, January or today's month in turn"},
        {ui.SpeedButton9, QKeySequence(Qt::CTRL | Qt::Key_Right), "Next year or month",
         "Shows the next year, or the next month in the compact view"},
        {ui.SpeedButton8, QKeySequence(Qt::CTRL | Qt::Key_M), "Full or compact view",
         "Switches between the twelve months and the compact view of one to three months"},
        {ui.SpeedButton7, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), "Compact size",
         "Shows one, two or three months in turn in the compact view"},
        {ui.SpeedButton6, QKeySequence(Qt::CTRL | Qt::Key_Y), "Enter a year",
         "Opens a field to type a year from 1700 to 3000"},
        {ui.SpeedButton3, QKeySequence(Qt::CTRL | Qt::Key_Q), "Close", "Closes Dorvane"},
        {ui.SpeedButton5, QKeySequence(Qt::CTRL | Qt::Key_W), "Week numbers",
         "Shows or hides the week numbers in all calendars"},
        {ui.SpeedButton4, QKeySequence(Qt::CTRL | Qt::Key_Comma), "Parameters",
         "Opens the Parameters dialog: position, time zone, 24-hour time and hints"},
        {ui.SpeedButton1, QKeySequence(Qt::CTRL | Qt::Key_T), "Always on top",
         "Keeps the window above all others, or lets it go back among them"},
        {ui.SpeedButton2, QKeySequence(Qt::CTRL | Qt::Key_H), "Tray",
         "Hides the window behind its icon in the notification area"},
    };
    QWidget* previous = ui.Panel1;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (TMonthCalendar* month : ui.MonthCalendar)
        chain(month);
    for (const Command& command : commands) {
        QToolButton* button = command.button;
        const QString keys = command.keys.toString(QKeySequence::NativeText);
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("Keys") + button->objectName());
        action->setShortcut(command.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        // The button's own click: the same handler, through the box gate; a command the view hides does nothing.
        connect(action, &QAction::triggered, button, [button] {
            if (!button->isHidden() && button->isEnabled())
                button->click();
        });
        hints::setHint(button, hints::hint(button) + QStringLiteral(" (%1)").arg(keys));
        describe(button, QString::fromUtf8(command.name),
                 QStringLiteral("%1 (%2)").arg(QString::fromUtf8(command.description), keys));
        button->setFocusPolicy(Qt::TabFocus);
        chain(button);
    }
    chain(ui.umNumberEdit1);
    chain(ui.SpeedButton54);

    auto* escape = new QAction(ui.Panel25);
    escape->setObjectName(QStringLiteral("KeysPanel25"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    ui.Panel25->addAction(escape);
    connect(escape, &QAction::triggered, this, [this] { m_gate.run([this] { closeYearEntry(); }); });

    describeControls();
}

void TCalendar::closeYearEntry()
{
    ui.Panel25->hide();
    if (ui.SpeedButton6->isVisible())
        ui.SpeedButton6->setFocus(Qt::ShortcutFocusReason);
    else
        ui.Panel1->setFocus();
}

void TCalendar::describeControls()
{
    describe(ui.Image1, texts::HintSunrise, QStringLiteral("Sunrise icon"));
    describe(ui.Image2, texts::HintSunset, QStringLiteral("Sunset icon"));
    ui.Label3->setAccessibleDescription(QStringLiteral("Sunrise at your position on the day shown"));
    ui.Label4->setAccessibleDescription(QStringLiteral("Sunset at your position on the day shown"));
    ui.Image3->setAccessibleDescription(QStringLiteral("Moon phase on the day shown"));
    for (int n = 1; n <= grid::Calendars; ++n) {
        ui.MonthCalendar[n - 1]->setAccessibleDescription(
            QStringLiteral("Month calendar: the arrow keys move the day, Page Up and Page Down the month; Enter or a "
                           "click shows the day's figures"));
        ui.TitlePanel[n - 1]->setAccessibleDescription(QStringLiteral("Title of month calendar %1").arg(n));
    }
    describe(ui.Panel28, QStringLiteral("Toolbar"), QStringLiteral("Sun and moon of the day shown, and the commands"));
    describe(ui.Panel25, QStringLiteral("Year entry"), QStringLiteral("Type a year from 1700 to 3000"));
    describe(ui.Label1, QStringLiteral("Year"), QStringLiteral("Label of the year field"));
    describe(ui.umNumberEdit1, QStringLiteral("Year"),
             QStringLiteral("A year from 1700 to 3000: Enter shows it, Escape closes the field"));
    describe(ui.SpeedButton54, texts::Ok, QStringLiteral("Shows the year typed (Enter)"));
    // Until the first report, the picture shown is the one of the phase the moon model starts with.
    describeReport(moonPictureFor(ui.Moon1->Phase()));
}

void TCalendar::describeReport(int moonPicture)
{
    // A day without the event is said in words, not read out as a dash.
    const auto spoken = [](const QString& hint, int eventKind, const QString& shown) {
        return shown == sunReportText::NoEvent ? hint + QStringLiteral(": none")
                                               : (hint + QLatin1Char(' ') + spokenSunTime(eventKind, shown)).trimmed();
    };
    ui.Label3->setAccessibleName(spoken(texts::HintSunrise, 1, ui.Label3->text()));
    ui.Label4->setAccessibleName(spoken(texts::HintSunset, 2, ui.Label4->text()));
    const QString phase = moonPhaseName(moonPicture);
    if (!phase.isEmpty() || ui.Image3->accessibleName().isEmpty())
        ui.Image3->setAccessibleName(phase.isEmpty() ? texts::HintMoon : phase);
}
