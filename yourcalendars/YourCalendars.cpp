// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourcalendars/YourCalendars.h"
#include "shared/WindowStateKeeper.h"
#include <QDir>
#include <QFileInfo>
#include <QWidget>

YourCalendars::YourCalendars(QWidget* window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("YourCalendars"));
    connect(&m_files, &CalendarFiles::changed, this, [this](const CalendarNews& news) {
        if (news.lines)
            showInDialog();
        emit changed(news);
    });
}

void YourCalendars::keepIn(WindowStateKeeper& keeper)
{
    m_keeper = &keeper;
    if (!keeper.state().calendarFiles.isEmpty() || !m_files.files().isEmpty())
        m_files.setFiles(keeper.state().calendarFiles);
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
    for (const IcsOutcome& outcome : m_files.outcomes())
        if (outcome.failed())
            lines.append(outcome.line());
    return lines;
}

void YourCalendars::openDialog(const QDate& shown)
{
    m_files.cover(shown);
    if (!m_dialog) {
        m_dialog = new CalendarsDialog(m_window);
        if (m_chooser)
            m_dialog->setChooser(m_chooser);
        connect(m_dialog, &CalendarsDialog::added, this, [this](const QStringList& paths) {
            QStringList files = m_files.files();
            for (const QString& path : paths)
                files.append(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
            choose(files);
        });
        connect(m_dialog, &CalendarsDialog::removed, this, [this](const QString& path) {
            QStringList files = m_files.files();
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
    m_files.setFiles(paths);
    if (m_keeper)
        m_keeper->update([this](WindowState& state) { state.calendarFiles = m_files.files(); });
}

void YourCalendars::showInDialog()
{
    if (!m_dialog)
        return;
    const std::pair<QString, QString> own = m_own ? m_own() : std::pair<QString, QString>();
    m_dialog->showFiles(m_files.files(), m_files.outcomes(), own.first, own.second);
}
