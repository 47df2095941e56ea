// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFrame>
#include <QString>

class QComboBox;
class QLabel;

// The "Time zone" row: a caption and an editable list of the system's zones, the empty entry (no zone) first. It
// keeps the zone the dialog stands for: the one read, or the last one chosen.
class ZoneRow : public QFrame
{
    Q_OBJECT
public:
    explicit ZoneRow(QWidget* parent);

    QString zone() const { return m_zone; }
    // What the row's text says now, blanks cut: a zone id, part of one, or anything else typed.
    QString text() const;
    // A zone from the file: shown, and the zone from now on, with no signal.
    void showRead(const QString& zoneId);
    // The zone chosen by the user (the text stays as typed); false when it is the zone already.
    bool choose(const QString& zoneId);
    // No zone any more, the empty entry shown; false when there was none.
    bool clear();
    // Fills the list once with every zone of the database, the machine's own first, keeping the zone shown.
    void listZones(const QString& machineZone);

    QLabel* caption() const { return m_caption; }
    QComboBox* list() const { return m_list; }

signals:
    // The user picked an entry or finished typing.
    void edited();

private:
    void showZone();

    QLabel* m_caption = nullptr;
    QComboBox* m_list = nullptr;
    QString m_zone;
};
