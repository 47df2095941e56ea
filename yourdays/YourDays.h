// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "drawing/DayContent.h"
#include "owndays/OwnDays.h"
#include <QHash>
#include <QObject>
#include <memory>

class BoxGate;
class CategoriesDialog;
class QMenu;
class QWidget;

// The user's own marked days for the main window: the calendar file they are kept in (read at start only when it
// exists, made at the first mark), their bars on the grid and their words for a screen reader, the dialog that
// marks and changes them, undo and redo, and what goes wrong with the file, said once.
class YourDays : public QObject
{
    Q_OBJECT
public:
    YourDays(BoxGate& gate, QWidget* window, QString path);
    ~YourDays() override;

    // The file's days are read now when it exists; otherwise nothing is done before the first mark.
    void start();
    // The model, made when first needed.
    OwnDays& days();
    bool started() const { return bool(m_days); }
    const QString& path() const { return m_path; }

    DayBars barsOn(const QDate& day) const;
    // What a screen reader says of a day's marked days: "Trip: Lisbon".
    QStringList saidOn(const QDate& day) const;
    QList<OwnDay> on(const QDate& day) const;
    QList<OwnDay> meeting(const QDate& from, const QDate& to) const;
    QList<Category> categories() const;
    // "Trip" for a day's category key.
    QString categoryName(const QString& key) const;
    // The line the calendars' list shows for the file, a problem's line when it has one; none before the file is
    // used.
    QString line() const;

    // The marking dialog for new days over [first, last]; the change is saved at once and can be undone.
    void mark(const QDate& first, const QDate& last);
    void edit(const QString& uid);
    void remove(const QString& uid);
    void undo();
    void redo();
    // The calendars' menu for a day: Mark days... for the chosen days, and Edit and Delete of each marked day on it.
    void fillMenu(const QDate& day, const QDate& chosenFirst, const QDate& chosenLast, QMenu& menu);
    // The categories' window, built when first opened.
    void openCategories();
    CategoriesDialog* categoriesDialog() const { return m_categoriesDialog; }

signals:
    // The model was made: from now on its reminders can be told.
    void modelMade(OwnDays& days);
    // The marked days between first and last changed (both invalid: anywhere).
    void changed(const QDate& first, const QDate& last);

private:
    void openDialog(const OwnDay& day, bool editing);
    void problemChanged(const QString& line);
    void refreshColours();

    BoxGate& m_gate;
    QWidget* m_window;
    QString m_path;
    // The bars of a year and the weeks the grid shows around it, laid once, until the days change.
    const QHash<QDate, DayBars>& barsOfYear(int year) const;
    // The days whose bars differ between two layouts of a year.
    static std::pair<QDate, QDate> barsChanged(const QHash<QDate, DayBars>& before, const QHash<QDate, DayBars>& after);

    std::unique_ptr<OwnDays> m_days;
    mutable QHash<int, QHash<QDate, DayBars>> m_bars;
    QHash<QString, QRgb> m_colours;
    bool m_dialogOpen = false;
    CategoriesDialog* m_categoriesDialog = nullptr;
};
