// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/Services.h"
#include <QDialog>
#include <QList>
#include <QPoint>
#include <QStringList>
#include <functional>

// A clock the test sets and advances.
class FakeClock : public Clock
{
public:
    QDateTime now() const override { return current; }
    QByteArray zoneId() const override { return zone; }
    void set(const QDateTime& dateTime) { current = dateTime; }
    void set(int year, int month, int day, int hour = 10, int minute = 30, int second = 0)
    {
        current = QDateTime(QDate(year, month, day), QTime(hour, minute, second));
    }
    void advance(qint64 msecs) { current = current.addMSecs(msecs); }

    QDateTime current{QDate(2024, 5, 15), QTime(10, 30, 0)};
    QByteArray zone = "UTC";
};

// Records every box instead of showing it; whileOpen runs "inside" each box, as a real box's nested loop would run
// timer ticks and activations.
class FakePrompter : public Prompter
{
public:
    struct Box
    {
        QString kind; // "warning", "plain", "error", "dialog"
        QString text;
    };

    void warning(const QString& text) override { record("warning", text); }
    void plain(const QString& text) override { record("plain", text); }
    void error(const QString& text) override { record("error", text); }
    int execDialog(QObject* dialog) override;

    QStringList texts() const;
    int count(const QString& text) const;

    QList<Box> boxes;
    std::function<void(const Box&)> whileOpen;
    std::function<void(QDialog*)> whileDialogOpen; // for dialogs; the dialog is shown (not modal) meanwhile
    int depth = 0;
    int maxDepth = 0; // the deepest nesting seen: more than 1 means a box opened over another

private:
    void record(const QString& kind, const QString& text);
};

class FakePointer : public Pointer
{
public:
    void moveTo(const QPoint& point) override { moves.append(point); }
    QSize desktopSize() const override { return desktop; }
    QPoint last() const { return moves.isEmpty() ? QPoint() : moves.last(); }

    QList<QPoint> moves;
    QSize desktop{1024, 768};
};

// One set of fakes, handed to the code under test as Services.
// The desktop's notifications: each one taken and kept here.
class TakingNotifier : public Notifier
{
public:
    void notify(const QString& title, const QString& body, std::function<void(bool)> told) override
    {
        shown.append(title + QStringLiteral(": ") + body);
        told(true);
    }
    QStringList shown;
};

struct FakeWorld
{
    FakeClock clock;
    FakePrompter prompter;
    FakePointer pointer;
    TakingNotifier notifier;
    Services services{clock, prompter, pointer, &notifier};
};
