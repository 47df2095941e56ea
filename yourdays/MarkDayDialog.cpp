// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourdays/MarkDayDialog.h"
#include "owndays/OwnDays.h"
#include "yourdays/YourDaysTexts.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

QIcon categoryIcon(const QString& colour)
{
    QPixmap square(16, 16);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(QColor(colour));
    painter.drawRect(2, 2, 11, 11);
    return QIcon(square);
}

MarkDayDialog::MarkDayDialog(const OwnDay& day, const QList<Category>& categories, bool editing, QWidget* parent)
    : QDialog(parent), m_day(day), m_categories(categories)
{
    setObjectName(yourdaysnames::Dialog);
    setWindowTitle(editing ? YourDaysTexts::TitleEdit() : YourDaysTexts::TitleNew());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    m_title = new QLineEdit(day.title, this);
    m_title->setObjectName(yourdaysnames::Title);
    m_title->setMinimumWidth(260);
    form->addRow(YourDaysTexts::LabelTitle(), m_title);

    const auto dateField = [this](const QString& name, const QDate& value) {
        auto* field = new QDateEdit(value, this);
        field->setObjectName(name);
        field->setCalendarPopup(true);
        // The locale's short form, with the whole year: a day can be marked in any century.
        QString format = QLocale().dateFormat(QLocale::ShortFormat);
        if (!format.contains(QLatin1String("yyyy")))
            format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        field->setDisplayFormat(format);
        field->setDateRange(QDate(1601, 1, 1), OwnDays::LastDay);
        return field;
    };
    m_from = dateField(yourdaysnames::From, day.first);
    m_to = dateField(yourdaysnames::To, day.last);
    form->addRow(YourDaysTexts::LabelFrom(), m_from);
    form->addRow(YourDaysTexts::LabelTo(), m_to);

    m_category = new QComboBox(this);
    m_category->setObjectName(yourdaysnames::Category);
    for (const Category& category : categories)
        m_category->addItem(categoryIcon(category.colour), category.name, category.key);
    m_category->setCurrentIndex(qMax(0, m_category->findData(day.category)));
    form->addRow(YourDaysTexts::LabelCategory(), m_category);

    m_note = new QPlainTextEdit(day.note, this);
    m_note->setObjectName(yourdaysnames::Note);
    m_note->setTabChangesFocus(true);
    m_note->setFixedHeight(m_note->fontMetrics().lineSpacing() * 4 + 12);
    form->addRow(YourDaysTexts::LabelNote(), m_note);

    m_yearly = new QCheckBox(YourDaysTexts::CheckYearly(), this);
    m_yearly->setObjectName(yourdaysnames::Yearly);
    m_yearly->setChecked(day.yearly);
    form->addRow(QString(), m_yearly);

    auto* reminder = new QHBoxLayout;
    m_remind = new QCheckBox(YourDaysTexts::CheckRemind(), this);
    m_remind->setObjectName(yourdaysnames::Remind);
    m_remind->setChecked(day.reminder.on);
    m_remindDays = new QSpinBox(this);
    m_remindDays->setObjectName(yourdaysnames::RemindDays);
    m_remindDays->setRange(0, Reminder::MostDaysBefore);
    m_remindDays->setValue(day.reminder.daysBefore);
    m_remindAt = new QTimeEdit(day.reminder.at, this);
    m_remindAt->setObjectName(yourdaysnames::RemindAt);
    m_remindAt->setAccessibleName(YourDaysTexts::NameRemindAt());
    auto* daysBefore = new QLabel(YourDaysTexts::RemindDays(), this);
    m_remindDays->setAccessibleName(YourDaysTexts::CheckRemind().remove(QLatin1Char('&')) + QLatin1Char(' ') +
                                    YourDaysTexts::RemindDays());
    reminder->addWidget(m_remind);
    reminder->addWidget(m_remindDays);
    reminder->addWidget(daysBefore);
    reminder->addWidget(m_remindAt);
    reminder->addStretch();
    form->addRow(QString(), reminder);

    auto* buttons = new QHBoxLayout;
    if (editing) {
        auto* remove = new QPushButton(YourDaysTexts::ButtonDelete(), this);
        remove->setObjectName(yourdaysnames::Delete);
        remove->setAutoDefault(false);
        connect(remove, &QPushButton::clicked, this, [this] { done(Deleted); });
        buttons->addWidget(remove);
    }
    buttons->addStretch();
    m_save = new QPushButton(YourDaysTexts::ButtonSave(), this);
    m_save->setObjectName(yourdaysnames::Save);
    m_save->setDefault(true);
    auto* cancel = new QPushButton(YourDaysTexts::ButtonCancel(), this);
    cancel->setObjectName(yourdaysnames::Cancel);
    cancel->setAutoDefault(false);
    buttons->addWidget(m_save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The last day never falls before the first: moving one end takes the other along.
    connect(m_from, &QDateEdit::dateChanged, this, [this](const QDate& from) {
        if (m_to->date() < from)
            m_to->setDate(from);
    });
    connect(m_to, &QDateEdit::dateChanged, this, [this](const QDate& to) {
        if (m_from->date() > to)
            m_from->setDate(to);
    });
    connect(m_title, &QLineEdit::textChanged, this, &MarkDayDialog::fieldsChanged);
    connect(m_remind, &QCheckBox::toggled, this, &MarkDayDialog::fieldsChanged);
    fieldsChanged();
    m_title->setFocus();
}

void MarkDayDialog::fieldsChanged()
{
    m_save->setEnabled(!m_title->text().trimmed().isEmpty());
    m_remindDays->setEnabled(m_remind->isChecked());
    m_remindAt->setEnabled(m_remind->isChecked());
}

OwnDay MarkDayDialog::day() const
{
    OwnDay day = m_day;
    day.title = m_title->text().trimmed();
    day.first = m_from->date();
    day.last = qMax(m_to->date(), day.first);
    day.category = m_category->currentData().toString();
    day.note = m_note->toPlainText().trimmed();
    day.yearly = m_yearly->isChecked();
    day.reminder.on = m_remind->isChecked();
    if (day.reminder.on) {
        day.reminder.daysBefore = m_remindDays->value();
        day.reminder.at = m_remindAt->time();
    }
    return day;
}
