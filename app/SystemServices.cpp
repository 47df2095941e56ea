#include "app/SystemServices.h"
#include "app/WaylandSession.h"
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
    if (m_boxes > 0)
        return;
    ++m_boxes;
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), QStringLiteral("Dorvane"), text, QMessageBox::Ok, m_parent);
    box.exec();
    --m_boxes;
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

int MessagePrompter::execDialog(QObject* object)
{
    auto* dialog = qobject_cast<QDialog*>(object);
    if (m_boxes > 0 || m_dialogs > 0 || !dialog)
        return QDialog::Rejected;
    ++m_dialogs;
    const int result = dialog->exec();
    --m_dialogs;
    return result;
}

void ScreenPointer::moveTo(const QPoint& point)
{
    // Wayland gives no client the pointer; asking would only print a warning at every move.
    if (onWayland())
        return;
    QCursor::setPos(point);
}

QSize ScreenPointer::desktopSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(800, 600);
}
