// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

class QObject;
class Pointer;

// The outside world, behind small interfaces so a test can set the date, answer boxes and watch the pointer.

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0; // local date and time
    // The id the system names for the local time zone: an IANA id, or a path such as "/etc/localtime".
    virtual QByteArray zoneId() const = 0;
};

// Modal boxes with one OK button. Each call returns when the box is closed. It only shows: whether a box may open
// at all is the box gate's rule.
class Prompter
{
public:
    virtual ~Prompter() = default;
    virtual void warning(const QString& text) = 0;
    // A warning whose OK button gets the pointer. The caller has already put the pointer where that button is
    // expected; a prompter that can read the box's layout moves it onto the button itself once the box is laid out.
    virtual void warningAtOk(const QString& text, Pointer& pointer)
    {
        (void)pointer;
        warning(text);
    }
    virtual void plain(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // Runs a modal dialog and returns its result. The dialog is passed as its QObject so that this layer needs no
    // widget header; the real prompter runs it as the QDialog it is.
    virtual int execDialog(QObject* dialog) = 0;
};

class Pointer
{
public:
    virtual ~Pointer() = default;
    virtual void moveTo(const QPoint& screenPoint) = 0;
    virtual QSize desktopSize() const = 0;
};

// Desktop notifications: a title and a few lines where the desktop shows them, never a box. The desktop's service
// may take a moment to answer (it can be started on demand), so the program goes on meanwhile.
class Notifier
{
public:
    virtual ~Notifier() = default;
    // told(true) once the desktop took the notification, told(false) when none could: no service, no answer, a
    // refusal. told is called once, possibly before notify returns.
    virtual void notify(const QString& title, const QString& body, std::function<void(bool)> told) = 0;
};

struct Services
{
    Clock& clock;
    Prompter& prompter;
    Pointer& pointer;
    // The desktop's notifications; none (the tests' world) tells no reminder.
    Notifier* notifier = nullptr;
};
