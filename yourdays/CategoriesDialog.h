// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "owndays/OwnDay.h"
#include <QWidget>

class QGridLayout;

// The categories of the user's days, each with its name and colour, changed in place: every change is told at once
// (and can be undone in the main window). Not modal, like Your calendars.
class CategoriesDialog : public QWidget
{
    Q_OBJECT
public:
    explicit CategoriesDialog(QWidget* mainWindow);

    void showCategories(const QList<Category>& categories);

signals:
    void changed(const QList<Category>& categories);

private:
    void rebuild();
    void tell(const QList<Category>& categories);

    QList<Category> m_categories;
    QGridLayout* m_rows = nullptr;
};

// The colours a category can take, and the name a screen reader says for each.
struct CategoryColour
{
    const char* colour;
    QString (*name)();
};
const QList<CategoryColour>& categoryColours();
