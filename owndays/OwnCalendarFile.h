// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "owndays/OwnCalendarText.h"
#include <QHash>
#include <QString>
#include <QStringList>

// The user's own calendar file: read whole, and written back whole, atomically, with every byte of what the user did
// not change kept. Another program may write the file too: a save first merges what it changed, event by event.
class OwnCalendarFile
{
public:
    // name: the calendar's name in a new file; categories: those of a new file, or of one that names none.
    OwnCalendarFile(QString path, QString name, QList<Category> categories);

    enum class Kind { Read, Missing, Unreadable, NotACalendar };
    // Reads the file. A missing file is a calendar without days, made at the first save.
    Kind load();
    QString reason() const { return m_reason; }
    const QString& path() const { return m_path; }
    const OwnCalendarDocument& document() const { return m_document; }
    // Whether the file is no longer the one last read or written (another program saved it).
    bool changedOnDisk() const;

    struct Saved
    {
        bool written = false;
        QString reason;          // why not, as the system says it
        QStringList bothChanged; // titles of the events changed here and there, the newer side kept
        bool merged = false;     // another program's changes were taken in: document() holds them
    };
    // Writes the changes (a UID with its day, or none for a removed day) and the categories. A file another program
    // changed since is read again and those changes applied to it: theirs to other events are kept; an event changed
    // on both sides keeps the newer. Nothing is written over a file that is not a calendar, nor over a read-only one.
    // revived: the lines of days deleted before and brought back now, by UID.
    Saved save(const QHash<QString, std::optional<OwnDay>>& changes, const QList<Category>& categories,
               const QHash<QString, QByteArray>& revived = {});
    // The lines of a day as the file last read or written holds them; empty when none.
    QByteArray blockOf(const QString& uid) const
    {
        const int at = m_document.indexOf(uid);
        return at >= 0 ? m_document.blocks[at].text : QByteArray();
    }

private:
    struct Stamp
    {
        qint64 size = -1;
        qint64 changedNs = 0;
        quint64 inode = 0;
        bool operator==(const Stamp& other) const
        {
            return size == other.size && changedNs == other.changedNs && inode == other.inode;
        }
    };
    Stamp stampNow() const;
    bool replaceWith(const OwnCalendarDocument& document);

    QString m_path;
    QString m_name;
    QList<Category> m_firstCategories;
    OwnCalendarDocument m_document;
    Stamp m_stamp;
    QString m_reason;
};
