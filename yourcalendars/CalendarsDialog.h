// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/IcsOutcome.h"
#include <QStringList>
#include <QWidget>
#include <functional>

class BoxGate;
class QListWidget;
class QPushButton;

// "Your calendars": the calendar files chosen, each with the line of its last read, and Add and Remove. Not modal;
// it only shows what it is given and tells what the user asked for.
class CalendarsDialog : public QWidget
{
    Q_OBJECT
public:
    // The files the user picks in the system's file dialog; a test gives its own.
    using Chooser = std::function<QStringList(QWidget* parent)>;

    explicit CalendarsDialog(QWidget* mainWindow);
    // The system's file dialog run through the gate, as every modal window of the program: never over a box.
    static Chooser gatedChooser(BoxGate& gate);
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

    // ownLine: the line of the user's own calendar, listed first and never removed here; none without one.
    void showFiles(const QStringList& paths, const QList<IcsOutcome>& outcomes, const QString& ownLine = QString(),
                   const QString& ownPath = QString());

signals:
    void added(const QStringList& paths);
    void removed(const QString& path);

private:
    void addClicked();
    void removeClicked();

    Chooser m_chooser;
    QStringList m_paths;
    int m_ownRows = 0; // the user's own calendar's row before the files
    QListWidget* m_list = nullptr;
    QPushButton* m_remove = nullptr;
};
