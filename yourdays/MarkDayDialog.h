// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "owndays/OwnDay.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;

// Marks days or changes a marked day: its title, its days, its category, a note, every year or once, a reminder.
// Save accepts; Delete ends with Deleted; Cancel and Escape change nothing.
class MarkDayDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Deleted = 2;

    // editing: an existing day, which Delete can remove; else a new one.
    MarkDayDialog(const OwnDay& day, const QList<Category>& categories, bool editing, QWidget* parent = nullptr);

    // The day as the fields now say it.
    OwnDay day() const;

private:
    void fieldsChanged();

    OwnDay m_day;
    QList<Category> m_categories;
    QLineEdit* m_title = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_category = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QCheckBox* m_yearly = nullptr;
    QCheckBox* m_remind = nullptr;
    QSpinBox* m_remindDays = nullptr;
    QTimeEdit* m_remindAt = nullptr;
    QPushButton* m_save = nullptr;
};

// A small square of a category's colour, for menus and lists.
QIcon categoryIcon(const QString& colour);
