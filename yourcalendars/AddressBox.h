// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

// Asks the address of a calendar on the web and a name for it. OK on an address that cannot be fetched keeps the
// box open with one line saying why.
class AddressBox : public QDialog
{
    Q_OBJECT
public:
    // problemOf: what is wrong with an address, nothing when it can be added.
    AddressBox(QWidget* parent, std::function<QString(const QString&)> problemOf);

    QString address() const;
    QString name() const;
    void accept() override;

private:
    std::function<QString(const QString&)> m_problemOf;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_problem = nullptr;
};
