// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/Services.h"
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

// The one way to a box or a modal dialog. A box asked for while a handler or an activation runs waits until the
// outermost one has ended, so it never stands over a half-made grid. Never a box over a box: a box asked for while
// another box or a dialog is open is dropped, except a dialog's own box, which shows over its dialog. A message
// with a key (a report's) is remembered once shown; a message to be said once is left out while its key is known.
// Closing a box over the window, or a dialog, activates the window again (once, after the handler that showed it);
// a box over a dialog returns to the dialog and does not.
class BoxGate : public QObject
{
    Q_OBJECT
public:
    enum class Box { Warning, Plain, Error };
    // One message of a box. Its key is remembered when the box shows; `once` leaves the message out of every later
    // box while that key is remembered.
    struct Message
    {
        QString text;
        QString key;
        bool once = false;
    };

    explicit BoxGate(Services& services, QObject* parent = nullptr);

    // What an activation runs (the main window's FormActivate).
    void setActivation(std::function<void()> activate) { m_activate = std::move(activate); }

    // Runs a handler: a conversion error ends it and is shown once, by the outermost handler (of the event loop it
    // runs in: a box or a dialog runs handlers in a loop of its own). At the end of the outermost one the waiting
    // boxes show and a waiting activation runs.
    void run(const std::function<void()>& handler);
    // The window became the program's active window: runs the activation now, or once the running handler or open
    // box has ended.
    void activationArrived();
    // Runs an activation's body; boxes asked for meanwhile wait until the year is laid out behind them.
    void activating(const std::function<void()>& body);

    void show(Box kind, const QString& text);
    // One box saying, a line each, the messages not yet said; nothing left to say, no box.
    void say(Box kind, const QList<Message>& messages);
    // A box raised by an open dialog about its own work: shown at once unless a box is already open.
    void showOverDialog(Box kind, const QString& text);
    // Places the pointer on the OK button of a box centred on the desktop, `okBelowCentre` pixels below its middle,
    // then shows the warning now, not waiting for the handler; over an open box (or, unless `overDialog`, an open
    // dialog) the warning is dropped.
    void warnAtOk(const QString& text, int okBelowCentre, bool overDialog);
    // Runs a modal dialog unless a box or dialog is open; returns its result, 0 (rejected) when not run.
    int execDialog(QObject* dialog);

    bool isOpen() const { return m_boxesOpen > 0 || m_dialogsOpen > 0; }
    bool busy() const { return m_handlerDepth > 0 || m_activationDepth > 0; }

private:
    struct Waiting
    {
        Box kind;
        QList<Message> messages;
    };
    enum class PointerOnOk { No, Yes };
    void showNow(Box kind, const QString& text, PointerOnOk pointer = PointerOnOk::No);
    void showWaiting();
    // One activation after the event loop's current turn, however many boxes and dialogs closed meanwhile.
    void queueActivation();

    Services& m_services;
    std::function<void()> m_activate;
    int m_handlerDepth = 0;
    // The handler depth at which the innermost open box or dialog began its own event loop.
    int m_loopHandlerDepth = 0;
    int m_activationDepth = 0;
    int m_boxesOpen = 0;
    int m_dialogsOpen = 0;
    bool m_activationPending = false;
    bool m_activationQueued = false;
    QList<Waiting> m_waiting;
    QSet<QString> m_said;
};
