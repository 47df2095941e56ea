// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/IcsOutcome.h"
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

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
    // A calendar by web address: the address and a name, or none when the user gave up. problemOf tells what is
    // wrong with an address typed; a test gives its own asker.
    struct Address
    {
        QString address;
        QString name;
    };
    using Problem = std::function<QString(const QString& address)>;
    using AddressAsker = std::function<std::optional<Address>(QWidget* parent, const Problem& problemOf)>;
    // A web calendar's row: its id, its line, and what may be shown of its address.
    struct WebRow
    {
        QString id;
        QString line;
        QString shown;
    };

    explicit CalendarsDialog(QWidget* mainWindow);
    // The system's file dialog run through the gate, as every modal window of the program: never over a box.
    static Chooser gatedChooser(BoxGate& gate);
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }
    static AddressAsker gatedAddressAsker(BoxGate& gate);
    void setAddressAsker(AddressAsker asker) { m_asker = std::move(asker); }
    void setAddressProblem(Problem problemOf) { m_problemOf = std::move(problemOf); }

    // ownLine: the line of the user's own calendar, listed first and never removed here; none without one.
    // The web calendars' rows come after the files'.
    void showFiles(const QStringList& paths, const QList<IcsOutcome>& outcomes, const QString& ownLine = QString(),
                   const QString& ownPath = QString(), const QList<WebRow>& web = {});

signals:
    void added(const QStringList& paths);
    void removed(const QString& path);
    void addressAdded(const QString& address, const QString& name);
    void webRemoved(const QString& id);
    void fetchAgain(const QString& id);

private:
    void addClicked();
    void removeClicked();
    void addAddressClicked();
    void rowChanged(int row);
    // The web calendar of that row of the list, -1 for another row.
    int webIndexOf(int row) const;

    Chooser m_chooser;
    AddressAsker m_asker;
    Problem m_problemOf;
    QStringList m_paths;
    QList<WebRow> m_web;
    int m_ownRows = 0; // the user's own calendar's row before the files
    QListWidget* m_list = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_fetchAgain = nullptr;
};
