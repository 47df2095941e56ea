// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/Services.h"
#include <QMessageBox>

class QObject;
class QWidget;

class SystemClock : public Clock
{
public:
    QDateTime now() const override;
    QByteArray zoneId() const override;
};

// One-OK boxes over the main window. The box gate decides whether one may open.
class MessagePrompter : public Prompter
{
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    void warning(const QString& text) override;
    // Puts the pointer on the centre of the box's own OK button once the box is laid out, wherever the style and
    // the window manager put it.
    void warningAtOk(const QString& text, Pointer& pointer) override;
    void plain(const QString& text) override;
    void error(const QString& text) override;
    int execDialog(QObject* dialog) override;

private:
    void show(QMessageBox::Icon icon, const QString& text, Pointer* pointerOnOk = nullptr);
    QWidget* m_parent = nullptr;
};

// Calls `slot` of `receiver` whenever the platform says the desktop's notification area appeared, changed or went;
// a platform that never says so (offscreen, Wayland) makes this do nothing.
void watchNotificationArea(QObject* receiver, const char* slot);

class ScreenPointer : public Pointer
{
public:
    void moveTo(const QPoint& point) override;
    QSize desktopSize() const override;
};
