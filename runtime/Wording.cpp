// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/Wording.h"
#include <QCoreApplication>

QString Wording::english() const
{
    return filled(QString::fromUtf8(m_source));
}

QString Wording::translated() const
{
    return m_source ? filled(QCoreApplication::translate(m_context, m_source)) : QString();
}

QString Wording::filled(const QString& pattern) const
{
    // One substitution only: a filled-in text holding "%1" or "%2" stays as typed.
    return m_filled ? pattern.arg(m_filledIn) : pattern;
}
