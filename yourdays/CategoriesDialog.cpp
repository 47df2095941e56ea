// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourdays/CategoriesDialog.h"
#include "yourdays/MarkDayDialog.h"
#include "yourdays/YourDaysTexts.h"
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

const QList<CategoryColour>& categoryColours()
{
    // Told apart by people with the common colour blindnesses too, dark enough for white paper.
    static const QList<CategoryColour> colours{
        {"#0072b2", YourDaysTexts::ColourBlue},   {"#009e73", YourDaysTexts::ColourGreen},
        {"#cc79a7", YourDaysTexts::ColourPink},   {"#d55e00", YourDaysTexts::ColourOrange},
        {"#e69f00", YourDaysTexts::ColourAmber},  {"#c0392b", YourDaysTexts::ColourRed},
        {"#7d3c98", YourDaysTexts::ColourPurple}, {"#707b7c", YourDaysTexts::ColourGrey},
    };
    return colours;
}

CategoriesDialog::CategoriesDialog(QWidget* mainWindow) : QWidget(mainWindow, Qt::Dialog)
{
    setObjectName(yourdaysnames::Categories);
    setWindowTitle(YourDaysTexts::CategoriesTitle());
    auto* layout = new QVBoxLayout(this);
    m_rows = new QGridLayout;
    layout->addLayout(m_rows);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(YourDaysTexts::ButtonAddCategory(), this);
    add->setObjectName(yourdaysnames::CategoryAdd);
    auto* close = new QPushButton(sharedTexts::tr(sharedTexts::Close), this);
    close->setObjectName(yourdaysnames::CategoriesClose);
    buttons->addWidget(add);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(add, &QPushButton::clicked, this, [this] {
        QList<Category> categories = m_categories;
        int n = int(categories.size()) + 1;
        // A key of its own that never changes, whatever the category is called later.
        const auto taken = [&](const QString& key) {
            return std::any_of(categories.begin(), categories.end(), [&](const Category& c) { return c.key == key; });
        };
        while (taken(QStringLiteral("c%1").arg(n)))
            ++n;
        const CategoryColour& colour = categoryColours()[categories.size() % categoryColours().size()];
        categories.append({QStringLiteral("c%1").arg(n), YourDaysTexts::NewCategory(), QLatin1String(colour.colour)});
        tell(categories);
    });
}

void CategoriesDialog::showCategories(const QList<Category>& categories)
{
    if (categories == m_categories)
        return;
    const bool sameRows = categories.size() == m_categories.size() && m_rows->count() == 2 * categories.size();
    m_categories = categories;
    if (!sameRows) {
        rebuild();
        return;
    }
    // The rows stay, and with them the field the keyboard is in.
    for (int row = 0; row < categories.size(); ++row) {
        auto* name = static_cast<QLineEdit*>(m_rows->itemAtPosition(row, 0)->widget());
        auto* colour = static_cast<QComboBox*>(m_rows->itemAtPosition(row, 1)->widget());
        const QSignalBlocker nameQuiet(name);
        const QSignalBlocker colourQuiet(colour);
        if (name->text() != categories[row].name)
            name->setText(categories[row].name);
        if (colour->findData(categories[row].colour) < 0)
            colour->addItem(categoryIcon(categories[row].colour), categories[row].colour, categories[row].colour);
        colour->setCurrentIndex(colour->findData(categories[row].colour));
    }
}

void CategoriesDialog::tell(const QList<Category>& categories)
{
    // Told after the field's own signal has returned: what follows may build the rows again.
    QMetaObject::invokeMethod(
        this, [this, categories] { emit changed(categories); }, Qt::QueuedConnection);
}

void CategoriesDialog::rebuild()
{
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int row = 0; row < m_categories.size(); ++row) {
        const Category& category = m_categories[row];
        auto* name = new QLineEdit(category.name, this);
        name->setObjectName(yourdaysnames::CategoryName + QString::number(row + 1));
        name->setAccessibleName(YourDaysTexts::NameCategoryName().arg(row + 1));
        auto* colour = new QComboBox(this);
        colour->setObjectName(yourdaysnames::CategoryColour + QString::number(row + 1));
        colour->setAccessibleName(YourDaysTexts::NameCategoryColour().arg(row + 1));
        for (const CategoryColour& choice : categoryColours())
            colour->addItem(categoryIcon(QLatin1String(choice.colour)), choice.name(), QLatin1String(choice.colour));
        // A colour another program gave stays among the choices.
        if (colour->findData(category.colour) < 0)
            colour->addItem(categoryIcon(category.colour), category.colour, category.colour);
        colour->setCurrentIndex(colour->findData(category.colour));
        m_rows->addWidget(name, row, 0);
        m_rows->addWidget(colour, row, 1);
        connect(name, &QLineEdit::editingFinished, this, [this, row, name] {
            const QString text = name->text().trimmed();
            if (text.isEmpty() || text == m_categories[row].name) {
                name->setText(m_categories[row].name);
                return;
            }
            QList<Category> categories = m_categories;
            categories[row].name = text;
            tell(categories);
        });
        connect(colour, &QComboBox::activated, this, [this, row, colour] {
            QList<Category> categories = m_categories;
            categories[row].colour = colour->currentData().toString();
            if (categories != m_categories)
                tell(categories);
        });
    }
}
