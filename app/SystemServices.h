#pragma once
#include "runtime/Services.h"

class QWidget;

class SystemClock : public Clock
{
public:
    QDateTime now() const override;
};

// One-OK boxes over the main window; never more than one at a time.
class MessagePrompter : public Prompter
{
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    void warning(const QString& text) override;
    void plain(const QString& text) override;
    void error(const QString& text) override;
    int execDialog(QDialog* dialog) override;
    bool isOpen() const override { return m_open > 0; }

private:
    void show(int icon, const QString& text);
    QWidget* m_parent = nullptr;
    int m_open = 0;
};

class ScreenPointer : public Pointer
{
public:
    void moveTo(const QPoint& point) override;
    QSize desktopSize() const override;
};
