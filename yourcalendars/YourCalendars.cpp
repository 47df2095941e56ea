// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourcalendars/YourCalendars.h"
#include "shared/WindowStateKeeper.h"
#include "webcalendars/WebTexts.h"
#include <QDir>
#include <QFileInfo>
#include <QWidget>

YourCalendars::YourCalendars(QWidget* window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("YourCalendars"));
    connect(&m_files, &CalendarFiles::changed, this, [this](const CalendarNews& news) {
        if (news.lines) {
            forgetUnreadableCopies();
            showInDialog();
        }
        emit changed(news);
    });
}

void YourCalendars::keepIn(WindowStateKeeper& keeper)
{
    m_keeper = &keeper;
    m_chosen = keeper.state().calendarFiles;
    // Nothing of the web is made while none is listed.
    if (!keeper.state().webCalendars.isEmpty()) {
        QList<WebCalendars::Entry> entries;
        for (const WindowState::WebCalendar& each : keeper.state().webCalendars)
            entries.append({each.address, each.name});
        makeWeb().setEntries(entries);
    } else if (m_web) {
        m_web->setEntries({});
    }
    if (!m_chosen.isEmpty() || !m_files.files().isEmpty() || (m_web && m_web->count()))
        readFiles();
}

WebCalendars& YourCalendars::makeWeb()
{
    if (m_web)
        return *m_web;
    auto now = m_now ? m_now : [] { return QDateTime::currentDateTimeUtc(); };
    m_web =
        std::make_unique<WebCalendars>(now, m_webFolder.isEmpty() ? WebCalendars::defaultCacheFolder() : m_webFolder);
    connect(m_web.get(), &WebCalendars::changed, this, [this] {
        showInDialog();
        emit changed(CalendarNews{{}, true});
    });
    if (m_webSetup)
        m_webSetup(*m_web);
    if (m_windowUp)
        m_web->windowUp();
    return *m_web;
}

void YourCalendars::readFiles()
{
    QStringList paths = m_chosen;
    if (m_web && m_web->count()) {
        // The copies' folder is there before it is watched: a first copy written into it is then seen.
        webcopies::makePrivateFolder(QFileInfo(m_web->cachePath(0)).absolutePath());
        paths += m_web->cachePaths();
    }
    m_files.setFiles(paths);
}

void YourCalendars::windowUp()
{
    m_windowUp = true;
    if (m_web)
        m_web->windowUp();
}

void YourCalendars::setAddressAsker(CalendarsDialog::AddressAsker asker)
{
    m_asker = std::move(asker);
    if (m_dialog && m_asker)
        m_dialog->setAddressAsker(m_asker);
}

QString YourCalendars::webProblem(const QString& address) const
{
    const WebAddress parsed = WebAddress::parse(address);
    if (!parsed.isValid())
        return WebTexts::AddressProblem(parsed.problem());
    if (m_web && m_web->indexOf(parsed.cacheKey()) >= 0)
        return WebTexts::AlreadyListed();
    return QString();
}

bool YourCalendars::addAddress(const QString& address, const QString& name)
{
    if (!webProblem(address).isEmpty())
        return false;
    WebCalendars& web = makeWeb();
    if (!web.add({address, name}))
        return false;
    readFiles();
    keep();
    showInDialog();
    return true;
}

void YourCalendars::removeWeb(const QString& id)
{
    if (!m_web || m_web->indexOf(id) < 0)
        return;
    m_web->remove(id);
    readFiles();
    keep();
    showInDialog();
}

std::optional<IcsOutcome> YourCalendars::copyOutcome(int index) const
{
    const qsizetype at = m_files.files().indexOf(m_web->cachePath(index));
    const QList<IcsOutcome> outcomes = m_files.outcomes();
    if (at < 0 || at >= outcomes.size())
        return std::nullopt;
    return outcomes[at];
}

bool YourCalendars::copyUnreadable(int index) const
{
    // A copy not written yet is no failure: its line says it is being fetched.
    const std::optional<IcsOutcome> outcome = copyOutcome(index);
    return outcome && outcome->failed() && outcome->kind != IcsOutcome::Kind::Gone;
}

void YourCalendars::forgetUnreadableCopies()
{
    for (int index = 0; m_web && index < m_web->count(); ++index)
        if (copyUnreadable(index))
            m_web->copyUnreadable(index);
}

QString YourCalendars::webLine(int index) const
{
    int events = -1;
    QString calendarName;
    const std::optional<IcsOutcome> outcome = copyOutcome(index);
    if (outcome && outcome->kind == IcsOutcome::Kind::Read) {
        events = outcome->eventCount;
        calendarName = outcome->calendarName;
    }
    return m_web->line(index, events, calendarName, copyUnreadable(index));
}

void YourCalendars::setChooser(CalendarsDialog::Chooser chooser)
{
    m_chooser = std::move(chooser);
    if (m_dialog && m_chooser)
        m_dialog->setChooser(m_chooser);
}

bool YourCalendars::hasEvents(const QDate& day)
{
    if (m_files.files().isEmpty())
        return false;
    m_files.cover(day);
    return m_files.days().has(day);
}

void YourCalendars::followYear(int year)
{
    if (!m_files.files().isEmpty())
        m_files.followYear(year);
}

QStringList YourCalendars::problems() const
{
    QStringList lines;
    const QList<IcsOutcome> outcomes = m_files.outcomes();
    // The web calendars' copies are told by their own lines: a copy not fetched yet is no file gone.
    for (int i = 0; i < outcomes.size() && i < m_chosen.size(); ++i)
        if (outcomes[i].failed())
            lines.append(outcomes[i].line());
    for (int i = 0; m_web && i < m_web->count(); ++i)
        if (m_web->state(i) == WebCalendars::State::Failed)
            lines.append(webLine(i));
    return lines;
}

void YourCalendars::openDialog(const QDate& shown)
{
    m_files.cover(shown);
    if (!m_dialog) {
        m_dialog = new CalendarsDialog(m_window);
        if (m_chooser)
            m_dialog->setChooser(m_chooser);
        if (m_asker)
            m_dialog->setAddressAsker(m_asker);
        m_dialog->setAddressProblem([this](const QString& address) { return webProblem(address); });
        connect(m_dialog, &CalendarsDialog::addressAdded, this, &YourCalendars::addAddress);
        connect(m_dialog, &CalendarsDialog::webRemoved, this, &YourCalendars::removeWeb);
        connect(m_dialog, &CalendarsDialog::fetchAgain, this, [this](const QString& id) {
            if (m_web)
                m_web->fetchAgain(id);
        });
        connect(m_dialog, &CalendarsDialog::added, this, [this](const QStringList& paths) {
            QStringList files = m_chosen;
            for (const QString& path : paths)
                files.append(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
            choose(files);
        });
        connect(m_dialog, &CalendarsDialog::removed, this, [this](const QString& path) {
            QStringList files = m_chosen;
            files.removeAll(path);
            choose(files);
        });
    }
    showInDialog();
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void YourCalendars::choose(const QStringList& paths)
{
    // Each once, in the user's order.
    m_chosen.clear();
    for (const QString& path : paths)
        if (!path.isEmpty() && !m_chosen.contains(path))
            m_chosen.append(path);
    readFiles();
    keep();
}

void YourCalendars::keep()
{
    if (!m_keeper)
        return;
    QList<WindowState::WebCalendar> web;
    for (int i = 0; m_web && i < m_web->count(); ++i)
        web.append({m_web->entries()[i].address, m_web->entries()[i].name});
    m_keeper->update([this, web](WindowState& state) {
        state.calendarFiles = m_chosen;
        state.webCalendars = web;
    });
}

void YourCalendars::showInDialog()
{
    if (!m_dialog)
        return;
    const std::pair<QString, QString> own = m_own ? m_own() : std::pair<QString, QString>();
    QList<IcsOutcome> outcomes = m_files.outcomes();
    outcomes = outcomes.mid(0, m_chosen.size());
    QList<CalendarsDialog::WebRow> web;
    for (int i = 0; m_web && i < m_web->count(); ++i)
        web.append({m_web->id(i), webLine(i), m_web->shown(i)});
    m_dialog->showFiles(m_chosen, outcomes, own.first, own.second, web);
}
