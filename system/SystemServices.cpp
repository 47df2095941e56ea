// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/SystemServices.h"
#include "system/WaylandSession.h"
#include "zones/ZoneOffsets.h"
#include <QAbstractButton>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTimeZone>
#include <QTimer>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

QByteArray SystemClock::zoneId() const
{
    // The zone library reads TZ at its first use: a TZ naming a file outside the zone database is no zone.
    zones::guardEnvironmentZone();
    return QTimeZone::systemTimeZoneId();
}

namespace {
// Moves the pointer onto a button at its first paint, when the box has its final layout and place on the screen.
class PointerOnButton : public QObject
{
public:
    PointerOnButton(QAbstractButton* button, Pointer& pointer) : QObject(button), m_button(button), m_pointer(pointer)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_button && event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // Not from inside the paint: the move may make the platform send events of its own.
            QTimer::singleShot(0, this, [this] {
                m_pointer.moveTo(m_button->mapToGlobal(m_button->rect().center()));
                m_button->removeEventFilter(this);
            });
        }
        return false;
    }

private:
    QAbstractButton* m_button;
    Pointer& m_pointer;
    bool m_done = false;
};
} // namespace

void MessagePrompter::show(QMessageBox::Icon icon, const QString& text, Pointer* pointerOnOk)
{
    QMessageBox box(icon, QStringLiteral("Dorvane"), text, QMessageBox::Ok, m_parent);
    if (pointerOnOk && box.button(QMessageBox::Ok))
        new PointerOnButton(box.button(QMessageBox::Ok), *pointerOnOk);
    box.exec();
}

void MessagePrompter::warning(const QString& text)
{
    show(QMessageBox::Warning, text);
}

void MessagePrompter::warningAtOk(const QString& text, Pointer& pointer)
{
    show(QMessageBox::Warning, text, &pointer);
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
    return dialog ? dialog->exec() : int(QDialog::Rejected);
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

void watchNotificationArea(QObject* receiver, const char* slot)
{
    // The platform's native interface is a QObject whose header is not public; its signal is reached by name, as
    // the toolkit's own tray icon does. It names the owner of the tray selection on X11.
    auto* native = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
    if (!native || native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") < 0)
        return;
    QObject::connect(native, SIGNAL(systemTrayWindowChanged(QScreen*)), receiver, slot);
}
