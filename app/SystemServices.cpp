#include "app/SystemServices.h"
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

void MessagePrompter::show(int icon, const QString& text)
{
    if (m_open > 0)
        return;
    ++m_open;
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), QStringLiteral("Dorvane"), text, QMessageBox::Ok, m_parent);
    box.exec();
    --m_open;
}

void MessagePrompter::warning(const QString& text)
{
    show(QMessageBox::Warning, text);
}

void MessagePrompter::plain(const QString& text)
{
    show(QMessageBox::NoIcon, text);
}

void MessagePrompter::error(const QString& text)
{
    show(QMessageBox::Critical, text);
}

int MessagePrompter::execDialog(QDialog* dialog)
{
    if (m_open > 0 || !dialog)
        return QDialog::Rejected;
    ++m_open;
    const int result = dialog->exec();
    --m_open;
    return result;
}

void ScreenPointer::moveTo(const QPoint& point)
{
    QCursor::setPos(point);
}

QSize ScreenPointer::desktopSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(800, 600);
}
