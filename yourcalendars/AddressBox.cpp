// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourcalendars/AddressBox.h"
#include "yourcalendars/CalendarsTexts.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

AddressBox::AddressBox(QWidget* parent, std::function<QString(const QString&)> problemOf)
    : QDialog(parent), m_problemOf(std::move(problemOf))
{
    setObjectName(calendarsnames::AddressBox);
    setWindowTitle(CalendarsTexts::AddressTitle());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_address = new QLineEdit(this);
    m_address->setObjectName(calendarsnames::AddressEdit);
    m_address->setMinimumWidth(360);
    m_name = new QLineEdit(this);
    m_name->setObjectName(calendarsnames::AddressName);
    auto* addressLabel = new QLabel(CalendarsTexts::AddressLabel(), this);
    addressLabel->setBuddy(m_address);
    auto* nameLabel = new QLabel(CalendarsTexts::AddressNameLabel(), this);
    nameLabel->setBuddy(m_name);
    m_address->setAccessibleName(QString(CalendarsTexts::AddressLabel()).remove(QLatin1Char('&')));
    m_name->setAccessibleName(QString(CalendarsTexts::AddressNameLabel()).remove(QLatin1Char('&')));
    form->addRow(addressLabel, m_address);
    form->addRow(nameLabel, m_name);
    layout->addLayout(form);
    m_problem = new QLabel(this);
    m_problem->setObjectName(calendarsnames::AddressProblem);
    m_problem->setWordWrap(true);
    m_problem->hide();
    layout->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddressBox::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_address, &QLineEdit::textEdited, m_problem, &QWidget::hide);
}

QString AddressBox::address() const
{
    return m_address->text().trimmed();
}

QString AddressBox::name() const
{
    return m_name->text().trimmed();
}

void AddressBox::accept()
{
    const QString problem = m_problemOf ? m_problemOf(address()) : QString();
    if (!problem.isEmpty()) {
        m_problem->setText(problem);
        m_problem->setAccessibleName(problem);
        m_problem->show();
        m_address->setFocus();
        return;
    }
    QDialog::accept();
}
