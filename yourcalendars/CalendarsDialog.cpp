// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourcalendars/CalendarsDialog.h"
#include "runtime/BoxGate.h"
#include "yourcalendars/CalendarsTexts.h"
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

CalendarsDialog::CalendarsDialog(QWidget* mainWindow) : QWidget(mainWindow, Qt::Dialog)
{
    setObjectName(calendarsnames::Dialog);
    setWindowTitle(CalendarsTexts::Title());
    m_chooser = [](QWidget* parent) {
        return QFileDialog::getOpenFileNames(parent, CalendarsTexts::ChooserTitle(), QDir::homePath(),
                                             CalendarsTexts::ChooserFilter());
    };
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(calendarsnames::List);
    m_list->setAccessibleName(CalendarsTexts::NameList());
    m_list->setMinimumWidth(380);
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(CalendarsTexts::ButtonAdd(), this);
    add->setObjectName(calendarsnames::Add);
    add->setAccessibleName(CalendarsTexts::NameAdd());
    m_remove = new QPushButton(CalendarsTexts::ButtonRemove(), this);
    m_remove->setObjectName(calendarsnames::Remove);
    m_remove->setAccessibleName(CalendarsTexts::NameRemove());
    auto* close = new QPushButton(CalendarsTexts::ButtonClose(), this);
    close->setObjectName(calendarsnames::Close);
    close->setAccessibleName(CalendarsTexts::NameClose());
    buttons->addWidget(add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &CalendarsDialog::addClicked);
    connect(m_remove, &QPushButton::clicked, this, &CalendarsDialog::removeClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Keys as in a list of files: Delete removes the chosen one, Escape closes the window.
    auto* removeKeys = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(removeKeys, &QShortcut::activated, this, &CalendarsDialog::removeClicked);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_remove->setEnabled(row >= m_ownRows && row - m_ownRows < m_paths.size()); });
}

void CalendarsDialog::showFiles(const QStringList& paths, const QList<IcsOutcome>& outcomes, const QString& ownLine,
                                const QString& ownPath)
{
    const int row = m_list->currentRow() - m_ownRows;
    m_paths = paths;
    m_list->clear();
    m_ownRows = ownLine.isEmpty() ? 0 : 1;
    if (m_ownRows) {
        auto* item = new QListWidgetItem(ownLine, m_list);
        item->setToolTip(QDir::toNativeSeparators(ownPath));
        item->setData(Qt::AccessibleTextRole, ownLine);
        item->setData(Qt::AccessibleDescriptionRole, QDir::toNativeSeparators(ownPath));
    }
    for (int i = 0; i < paths.size(); ++i) {
        const QString line = i < outcomes.size() ? outcomes[i].line() : paths[i];
        auto* item = new QListWidgetItem(line, m_list);
        item->setToolTip(QDir::toNativeSeparators(paths[i]));
        item->setData(Qt::AccessibleTextRole, line);
        item->setData(Qt::AccessibleDescriptionRole, QDir::toNativeSeparators(paths[i]));
    }
    if (paths.isEmpty() && !m_ownRows) {
        auto* item = new QListWidgetItem(CalendarsTexts::Empty(), m_list);
        item->setFlags(Qt::NoItemFlags);
    }
    // The choice stays on the same row, or the last one after a removal.
    if (!paths.isEmpty())
        m_list->setCurrentRow(std::clamp(row, 0, static_cast<int>(paths.size()) - 1) + m_ownRows);
    m_remove->setEnabled(!paths.isEmpty() && m_list->currentRow() >= m_ownRows);
}

CalendarsDialog::Chooser CalendarsDialog::gatedChooser(BoxGate& gate)
{
    return [&gate](QWidget* parent) {
        QFileDialog dialog(parent, CalendarsTexts::ChooserTitle(), QDir::homePath(), CalendarsTexts::ChooserFilter());
        dialog.setFileMode(QFileDialog::ExistingFiles);
        if (gate.execDialog(&dialog) != QDialog::Accepted)
            return QStringList();
        return dialog.selectedFiles();
    };
}

void CalendarsDialog::addClicked()
{
    const QStringList chosen = m_chooser(this);
    if (!chosen.isEmpty())
        emit added(chosen);
}

void CalendarsDialog::removeClicked()
{
    const int row = m_list->currentRow() - m_ownRows;
    if (row >= 0 && row < m_paths.size())
        emit removed(m_paths[row]);
}
