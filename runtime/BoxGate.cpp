// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/BoxGate.h"
#include "runtime/ConvertError.h"
#include <QStringList>
#include <QTimer>
#include <utility>

BoxGate::BoxGate(Services& services, QObject* parent) : QObject(parent), m_services(services) {}

void BoxGate::run(const std::function<void()>& handler)
{
    ++m_handlerDepth;
    try {
        handler();
    } catch (const ConvertError& error) {
        // Up to the outermost handler of this loop: a box's or a dialog's own loop is no caller to throw to.
        if (m_handlerDepth > m_loopHandlerDepth + 1) {
            --m_handlerDepth;
            throw;
        }
        // In the user's language; the error's text stays the English.
        show(Box::Error, error.wording.translated());
    }
    --m_handlerDepth;
    if (m_handlerDepth == 0) {
        showWaiting();
        if (m_activationPending) {
            m_activationPending = false;
            queueActivation();
        }
    }
}

void BoxGate::activationArrived()
{
    if (m_handlerDepth > 0 || isOpen()) {
        m_activationPending = true;
        return;
    }
    // This run is the activation that was waiting; the one a closing box queued is the same.
    m_activationPending = false;
    if (m_activate)
        run(m_activate);
}

void BoxGate::activating(const std::function<void()>& body)
{
    ++m_activationDepth;
    try {
        body();
    } catch (...) {
        --m_activationDepth;
        throw;
    }
    --m_activationDepth;
    if (!busy())
        showWaiting();
}

void BoxGate::show(Box kind, const QString& text)
{
    say(kind, {Message{text, QString(), false}});
}

void BoxGate::say(Box kind, const QList<Message>& messages)
{
    if (busy()) {
        m_waiting.append({kind, messages});
        return;
    }
    // What comes while a box or dialog is open is dropped, and stays to be said by a later report.
    if (isOpen())
        return;
    QStringList lines;
    QStringList keys;
    for (const Message& message : messages) {
        if (message.once && !message.key.isEmpty() && m_said.contains(message.key))
            continue;
        lines.append(message.text);
        if (!message.key.isEmpty())
            keys.append(message.key);
    }
    if (lines.isEmpty())
        return;
    for (const QString& key : keys)
        m_said.insert(key);
    showNow(kind, lines.join(QLatin1Char('\n')));
}

void BoxGate::showOverDialog(Box kind, const QString& text)
{
    if (m_boxesOpen == 0)
        showNow(kind, text);
}

void BoxGate::warnAtOk(const QString& text, int okBelowCentre, bool overDialog)
{
    const QSize desktop = m_services.pointer.desktopSize();
    m_services.pointer.moveTo(QPoint(desktop.width() / 2 + 10, desktop.height() / 2 + okBelowCentre));
    if (m_boxesOpen == 0 && (overDialog || !isOpen()))
        showNow(Box::Warning, text, PointerOnOk::Yes);
}

int BoxGate::execDialog(QObject* dialog)
{
    if (isOpen())
        return 0;
    ++m_dialogsOpen;
    const int outerLoop = std::exchange(m_loopHandlerDepth, m_handlerDepth);
    const int result = m_services.prompter.execDialog(dialog);
    m_loopHandlerDepth = outerLoop;
    --m_dialogsOpen;
    queueActivation();
    return result;
}

void BoxGate::showNow(Box kind, const QString& text, PointerOnOk pointer)
{
    ++m_boxesOpen;
    const int outerLoop = std::exchange(m_loopHandlerDepth, m_handlerDepth);
    if (kind == Box::Warning && pointer == PointerOnOk::Yes)
        m_services.prompter.warningAtOk(text, m_services.pointer);
    else if (kind == Box::Warning)
        m_services.prompter.warning(text);
    else if (kind == Box::Error)
        m_services.prompter.error(text);
    else
        m_services.prompter.plain(text);
    m_loopHandlerDepth = outerLoop;
    --m_boxesOpen;
    // A box over a dialog gives the focus back to the dialog, not to the window.
    if (m_dialogsOpen == 0)
        queueActivation();
}

void BoxGate::showWaiting()
{
    const QList<Waiting> boxes = std::exchange(m_waiting, {});
    for (const Waiting& box : boxes)
        say(box.kind, box.messages);
}

void BoxGate::queueActivation()
{
    if (m_activationQueued)
        return;
    m_activationQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_activationQueued = false;
        activationArrived();
    });
}
