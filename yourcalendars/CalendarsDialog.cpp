// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourcalendars/CalendarsDialog.h"
#include "runtime/BoxGate.h"
#include "yourcalendars/AddressBox.h"
#include "yourcalendars/CalendarsTexts.h"
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
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
    auto* addAddress = new QPushButton(CalendarsTexts::ButtonAddAddress(), this);
    addAddress->setObjectName(calendarsnames::AddAddress);
    addAddress->setAccessibleName(CalendarsTexts::NameAddAddress());
    m_fetchAgain = new QPushButton(CalendarsTexts::ButtonFetchAgain(), this);
    m_fetchAgain->setObjectName(calendarsnames::FetchAgain);
    m_fetchAgain->setAccessibleName(CalendarsTexts::NameFetchAgain());
    m_fetchAgain->setEnabled(false);
    auto* close = new QPushButton(CalendarsTexts::ButtonClose(), this);
    close->setObjectName(calendarsnames::Close);
    close->setAccessibleName(CalendarsTexts::NameClose());
    buttons->addWidget(add);
    buttons->addWidget(addAddress);
    buttons->addWidget(m_remove);
    buttons->addWidget(m_fetchAgain);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &CalendarsDialog::addClicked);
    connect(m_remove, &QPushButton::clicked, this, &CalendarsDialog::removeClicked);
    connect(addAddress, &QPushButton::clicked, this, &CalendarsDialog::addAddressClicked);
    connect(m_fetchAgain, &QPushButton::clicked, this, [this] {
        const int web = webIndexOf(m_list->currentRow());
        if (web >= 0)
            emit fetchAgain(m_web[web].id);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Keys as in a list of files: Delete removes the chosen one, Escape closes the window.
    auto* removeKeys = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(removeKeys, &QShortcut::activated, this, &CalendarsDialog::removeClicked);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(m_list, &QListWidget::currentRowChanged, this, &CalendarsDialog::rowChanged);
}

void CalendarsDialog::rowChanged(int row)
{
    m_remove->setEnabled(row >= m_ownRows && row - m_ownRows < m_paths.size() + m_web.size());
    m_fetchAgain->setEnabled(webIndexOf(row) >= 0);
}

int CalendarsDialog::webIndexOf(int row) const
{
    const int web = row - m_ownRows - int(m_paths.size());
    return web >= 0 && web < m_web.size() ? web : -1;
}

void CalendarsDialog::showFiles(const QStringList& paths, const QList<IcsOutcome>& outcomes, const QString& ownLine,
                                const QString& ownPath, const QList<WebRow>& web)
{
    const int row = m_list->currentRow() - m_ownRows;
    m_paths = paths;
    m_web = web;
    // Rebuilt without telling each row on the way: the buttons follow the row chosen at the end.
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_ownRows = ownLine.isEmpty() ? 0 : 1;
    const auto addRow = [this](const QString& line, const QString& detail) {
        auto* item = new QListWidgetItem(line, m_list);
        item->setToolTip(detail);
        item->setData(Qt::AccessibleTextRole, line);
        item->setData(Qt::AccessibleDescriptionRole, detail);
    };
    if (m_ownRows)
        addRow(ownLine, QDir::toNativeSeparators(ownPath));
    for (int i = 0; i < paths.size(); ++i)
        addRow(i < outcomes.size() ? outcomes[i].line() : paths[i], QDir::toNativeSeparators(paths[i]));
    // Never the whole address: it may hold the user's secret.
    for (const WebRow& each : web)
        addRow(each.line, each.shown);
    const int removable = int(paths.size() + web.size());
    if (!removable && !m_ownRows) {
        auto* item = new QListWidgetItem(CalendarsTexts::Empty(), m_list);
        item->setFlags(Qt::NoItemFlags);
    }
    // The choice stays on the same row, or the last one after a removal.
    if (removable)
        m_list->setCurrentRow(std::clamp(row, 0, removable - 1) + m_ownRows);
    rowChanged(m_list->currentRow());
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

CalendarsDialog::AddressAsker CalendarsDialog::gatedAddressAsker(BoxGate& gate)
{
    return [&gate](QWidget* parent, const Problem& problemOf) -> std::optional<Address> {
        AddressBox box(parent, problemOf);
        if (gate.execDialog(&box) != QDialog::Accepted)
            return std::nullopt;
        return Address{box.address(), box.name()};
    };
}

void CalendarsDialog::addAddressClicked()
{
    if (!m_asker)
        return;
    const std::optional<Address> chosen = m_asker(this, m_problemOf);
    if (chosen && !chosen->address.isEmpty())
        emit addressAdded(chosen->address, chosen->name);
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
    else if (const int web = webIndexOf(m_list->currentRow()); web >= 0)
        emit webRemoved(m_web[web].id);
}
