// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Fakes.h"
#include <QDialog>

void FakePrompter::record(const QString& kind, const QString& text)
{
    Box box{kind, text};
    boxes.append(box);
    ++depth;
    maxDepth = qMax(maxDepth, depth);
    if (whileOpen)
        whileOpen(box);
    --depth;
}

int FakePrompter::execDialog(QObject* object)
{
    auto* dialog = qobject_cast<QDialog*>(object);
    boxes.append(Box{QStringLiteral("dialog"), dialog ? dialog->objectName() : QString()});
    ++depth;
    maxDepth = qMax(maxDepth, depth);
    int result = QDialog::Rejected;
    if (dialog) {
        dialog->show();
        if (whileDialogOpen)
            whileDialogOpen(dialog);
        result = dialog->result();
        dialog->hide();
    }
    --depth;
    return result;
}

QStringList FakePrompter::texts() const
{
    QStringList list;
    for (const Box& box : boxes)
        list.append(box.text);
    return list;
}

int FakePrompter::count(const QString& text) const
{
    int n = 0;
    for (const Box& box : boxes)
        n += box.text == text ? 1 : 0;
    return n;
}
