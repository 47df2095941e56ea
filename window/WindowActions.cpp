// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowActions.h"
#include "about/AboutBox.h"
#include "about/AboutTexts.h"
#include "dialog/THome.h"
#include "paper/ExportTexts.h"
#include "paper/YearPrinting.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/DateText.h"
#include "shared/CalendarNames.h"
#include "shared/CalendarTexts.h"
#include "shared/WindowFrame.h"
#include "system/Autostart.h"
#include "toolbar/Toolbar.h"
#include "tray/TrayIcon.h"
#include "window/RememberedWindow.h"
#include "window/ShownDay.h"
#include "window/ViewModes.h"
#include "year/YearView.h"
#include "yourcalendars/CalendarsTexts.h"
#include "yourcalendars/YourCalendars.h"
#include "yourdays/YourDays.h"
#include "yourdays/YourDaysTexts.h"
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QWidget>

WindowActions::WindowActions(WindowRooms& rooms, QObject* parent) : QObject(parent), m_rooms(rooms)
{
    setObjectName(names::Actions);
    using toolbar::Button;
    // The toolbar's rows in its order, which is also the Tab order and the About box's. Ctrl with the arrows, Home
    // and letters leaves the keys of a focused calendar (arrows, Page Up and Down, Home and End) and of the year
    // field to them.
    add({names::SpeedButton11, texts::NamePrevious, QKeySequence(Qt::CTRL | Qt::Key_Left), "glyph_previous",
         Button::Previous},
        [this] { m_rooms.views->step(-1); });
    add({names::SpeedButton10, texts::NameYear, QKeySequence(Qt::CTRL | Qt::Key_Home), nullptr, Button::Year},
        [this] { m_rooms.views->backToToday(); });
    add({names::SpeedButton9, texts::NameNext, QKeySequence(Qt::CTRL | Qt::Key_Right), "glyph_next", Button::Next},
        [this] { m_rooms.views->step(+1); });
    add(
        {names::SpeedButton8, texts::NameView, QKeySequence(Qt::CTRL | Qt::Key_M), "glyph_view", Button::View},
        [this] { m_rooms.views->toggle(); }, Run::GatedKept);
    Action compactSize{names::SpeedButton7, texts::NameCompactSize, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
                       "glyph_size", Button::CompactSize};
    compactSize.views = Action::CompactView;
    add(
        compactSize, [this] { m_rooms.views->nextCompactSize(); }, Run::GatedKept);
    Action yearEntry{names::SpeedButton6, texts::NameYearEntry, QKeySequence(Qt::CTRL | Qt::Key_Y), "glyph_year",
                     Button::YearEntry};
    yearEntry.views = Action::FullView;
    add(yearEntry, [this] { m_rooms.views->openYearEntry(); });
    add({names::SpeedButton3, texts::NameClose, QKeySequence(Qt::CTRL | Qt::Key_Q), "glyph_close", Button::Close},
        [this] { m_rooms.window.close(); });
    add(
        {names::SpeedButton5, texts::NameWeekNumbers, QKeySequence(Qt::CTRL | Qt::Key_W), "glyph_week",
         Button::WeekNumbers},
        [this] { m_rooms.year->SpeedButton5Click(); }, Run::GatedKept);
    add({names::SpeedButton4, texts::NameParameters, QKeySequence(Qt::CTRL | Qt::Key_Comma), "glyph_params",
         Button::Parameters, 1, names::TrayParameters, texts::MenuParameters},
        [this] { openParameters(); });
    add(
        {names::SpeedButton1, texts::NameOnTop, QKeySequence(Qt::CTRL | Qt::Key_T), "glyph_ontop", Button::OnTop},
        [this] { onTop(); }, Run::GatedKept);
    add({names::SpeedButton2, texts::NameTray, QKeySequence(Qt::CTRL | Qt::Key_H), "glyph_tray", Button::Tray}, [this] {
        m_rooms.year->ResetCalendarHints();
        m_rooms.tray->Tray1Click();
    });
    // The window's own commands, named as the tray menu names them.
    Action marks{names::MarksSwitch, AboutTexts::KeysMarks, QKeySequence(Qt::CTRL | Qt::Key_K), nullptr, -1, 7,
                 names::TrayMarks,   texts::MenuMarks};
    marks.calendarsMenu = true;
    add(
        marks,
        [this] {
            const bool shown = !m_rooms.year->marksShown();
            m_rooms.year->setMarksShown(shown);
            m_rooms.tray->showMarks(shown);
            if (m_rooms.remembered)
                m_rooms.remembered->changed();
        },
        Run::Direct);
    add(
        {names::DayPanelKeys, texts::MenuDayPanel, QKeySequence(Qt::CTRL | Qt::Key_D), nullptr, -1, 3,
         names::TrayDayPanel},
        [this] { m_rooms.day->openPanel(); }, Run::Direct);
    add(
        {names::YearChartKeys, texts::MenuYearChart, QKeySequence(Qt::CTRL | Qt::Key_L), nullptr, -1, 3,
         names::TrayYearChart},
        [this] { m_rooms.day->openYearChart(shownYear()); }, Run::Direct);
    add(
        {calendarsnames::Keys, CalendarsTexts::MenuItem, QKeySequence(Qt::CTRL | Qt::Key_E), nullptr, -1, 6,
         calendarsnames::TrayItem},
        [this] { openCalendars(); }, Run::Direct);
    // The user's own days: marked over the chosen days, and every change undone and done again.
    add({yourdaysnames::MarkKeys, YourDaysTexts::NameMark, QKeySequence(Qt::CTRL | Qt::Key_N)}, [this] {
        const auto [first, last] = m_rooms.day->chosenDays();
        m_rooms.days->mark(first, last);
    });
    add(
        {yourdaysnames::UndoKeys, YourDaysTexts::MenuUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        [this] { m_rooms.days->undo(); }, Run::Direct);
    add(
        {yourdaysnames::RedoKeys, YourDaysTexts::MenuRedo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        [this] { m_rooms.days->redo(); }, Run::Direct);
    add({ExportNames::PrintYear, ExportTexts::MenuPrintYear, QKeySequence(Qt::CTRL | Qt::Key_P), nullptr, -1, 4,
         ExportNames::TrayPrintYear},
        [this] { m_rooms.printing->printYear(shownYear()); });
    add({ExportNames::ExportYear, ExportTexts::MenuExportYear, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), nullptr,
         -1, 5, ExportNames::TrayExportYear},
        [this] { m_rooms.printing->exportYear(shownYear()); });
    // The box lists its own key itself.
    Action about{AboutNames::KeysAbout, AboutTexts::MenuAbout, QKeySequence(Qt::Key_F1), nullptr, -1, 2,
                 AboutNames::TrayAbout};
    about.listed = false;
    add(about, [this] { showAbout(); });
    Action autostart{names::TrayAutostart, texts::MenuStartWithDesktop, QKeySequence(), nullptr, -1, 8,
                     names::TrayAutostart};
    autostart.isOn = [this] { return autostart::isOn(autostartPath()); };
    add(autostart, [this] { switchAutostart(); });
    Action quit{names::TrayQuit, texts::MenuQuit, QKeySequence(), nullptr, -1, 9, names::TrayQuit};
    quit.listed = false;
    add(quit, [this] { m_rooms.window.close(); });
}

void WindowActions::add(Action row, std::function<void()> handler, Run how)
{
    const QString name = row.name;
    if (how == Run::Direct) {
        row.run = [this, name, handler] {
            handler();
            emit ran(name);
        };
    } else {
        row.run = [this, name, handler, kept = how == Run::GatedKept] {
            m_rooms.gate.run(handler);
            if (kept && m_rooms.remembered)
                m_rooms.remembered->changed();
            emit ran(name);
        };
    }
    m_table.push_back(std::move(row));
}

const Action& WindowActions::row(const QString& name) const
{
    for (const Action& action : m_table)
        if (action.name == name)
            return action;
    qFatal("no action %s", qPrintable(name));
}

void WindowActions::makeKeys()
{
    for (const Action& row : m_table) {
        if (!row.keyOfItsOwn())
            continue;
        auto* action = new QAction(&m_rooms.window);
        action->setObjectName(row.name);
        action->setShortcut(row.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        m_rooms.window.addAction(action);
        connect(action, &QAction::triggered, this, [run = row.run] { run(); });
    }
}

void WindowActions::openParameters()
{
    m_rooms.year->ResetCalendarHints();
    THome* home = m_rooms.homeNow();
    // The desktop's settings may have changed the choice since the dialog last showed.
    showAutostart();
    if (home)
        m_rooms.gate.execDialog(home);
}

QString WindowActions::autostartPath()
{
    if (m_autostartPath.isEmpty())
        m_autostartPath = autostart::entryPath(QProcessEnvironment::systemEnvironment(), QDir::homePath());
    return m_autostartPath;
}

void WindowActions::showAutostart()
{
    if (m_rooms.home)
        m_rooms.home->startWithDesktop().setChecked(autostart::isOn(autostartPath()));
}

void WindowActions::switchAutostart()
{
    const QString path = autostartPath();
    const bool on = !autostart::isOn(path);
    const autostart::Outcome outcome =
        on ? autostart::turnOn(path, QCoreApplication::applicationFilePath()) : autostart::turnOff(path);
    showAutostart();
    if (outcome.done)
        return;
    const QString text = (on ? texts::MessageCannotStartWithDesktop() : texts::MessageCannotStopStartingWithDesktop())
                             .arg(path, outcome.reason);
    // From the Parameters dialog's box the message stands over the dialog; from the tray menu it waits for the
    // handler's end, like any other.
    if (m_rooms.home && m_rooms.home->isVisible())
        m_rooms.gate.showOverDialog(BoxGate::Box::Error, text);
    else
        m_rooms.gate.show(BoxGate::Box::Error, text);
}

void WindowActions::onTop()
{
    m_rooms.year->ResetCalendarHints();
    frame::toggleStaysOnTop(m_rooms.window);
    m_rooms.toolbar->showOnTop(m_rooms.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    m_rooms.year->focusFirstBar();
}

void WindowActions::showAbout()
{
    // Not modal, so closing it does not activate the window, which would put the year back on today's; it opens
    // only while no box or dialog is open, so it never stands over one.
    if (m_rooms.gate.isOpen())
        return;
    if (!m_about)
        m_about = new AboutBox(&m_rooms.window);
    QList<about::Shortcut> shortcuts;
    for (const Action& row : m_table)
        if (row.listed && !row.keys.isEmpty())
            shortcuts.append({row.keys.toString(QKeySequence::NativeText), row.text()});
    m_about->showFacts({QStringLiteral(DORVANE_VERSION), m_rooms.preferences.path(),
                        m_rooms.remembered ? m_rooms.remembered->keeper().path() : QString(), shortcuts});
}

void WindowActions::openCalendars()
{
    // Not modal, like the About box; its file chooser is, so it opens only while no box or dialog is open.
    if (!m_rooms.gate.isOpen())
        m_rooms.calendars->openDialog(rt::toQDate(m_rooms.year->date(1)));
}

int WindowActions::shownYear() const
{
    return rt::yearOf(m_rooms.year->date(1));
}
