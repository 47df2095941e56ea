// SPDX-License-Identifier: GPL-3.0-or-later
#include "year/YearEntry.h"
#include "controls/Colours.h"
#include "controls/TumNumberEdit.h"
#include "runtime/BoxGate.h"
#include "shared/CalendarNames.h"
#include "shared/CalendarTexts.h"
#include "shared/ControlLook.h"
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {
// The year-out-of-range warning's OK button lies this far below the desktop's middle.
constexpr int YearWarningOkBelowCentre = 37;
} // namespace

YearEntry::YearEntry(BoxGate& gate, QWidget* window, QWidget* tabAfter) : QFrame(window), m_gate(gate)
{
    setObjectName(names::Panel25);
    setGeometry(323, 215, 155, 54);
    setAutoFillBackground(true);
    colours::paint(this, QPalette::Window, colours::Face);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    hide();
    m_label1 = new QLabel(texts::LabelYear(), this);
    m_label1->setObjectName(names::Label1);
    m_label1->move(4, 10);
    QFont bold = m_label1->font();
    bold.setBold(true);
    m_label1->setFont(bold);
    setTextColour(m_label1, colours::Navy);
    m_label1->adjustSize();
    m_umNumberEdit1 = new TumNumberEdit(this);
    m_umNumberEdit1->setObjectName(names::umNumberEdit1);
    m_umNumberEdit1->setGeometry(28, 7, 120, 21);
    m_panel29 = new QFrame(this);
    m_panel29->setObjectName(names::Panel29);
    m_panel29->setGeometry(47, 32, 62, 19);
    m_panel29->setAutoFillBackground(true);
    colours::paint(m_panel29, QPalette::Window, colours::DarkFace);
    m_speedButton54 = new QToolButton(m_panel29);
    m_speedButton54->setObjectName(names::SpeedButton54);
    m_speedButton54->setGeometry(0, 0, 62, 19);
    m_speedButton54->setAutoRaise(true);
    m_speedButton54->setText(texts::LabelOk());
    setTextColour(m_speedButton54, colours::Navy);

    setTabOrder(tabAfter, m_umNumberEdit1);
    setTabOrder(m_umNumberEdit1, m_speedButton54);
    describe(this, texts::NameYearPanel(), texts::DescriptionYearPanel());
    describe(m_label1, texts::NameYearField(), texts::DescriptionYearLabel());
    describe(m_umNumberEdit1, texts::NameYearField(), texts::DescriptionYearField());
    describe(m_speedButton54, texts::LabelOk(), texts::DescriptionOk());

    connect(m_speedButton54, &QToolButton::clicked, this, [this] { m_gate.run([this] { SpeedButton54Click(); }); });
    m_umNumberEdit1->installEventFilter(this);
    auto* escape = new QAction(this);
    escape->setObjectName(names::Keys(names::Panel25));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, [this] {
        m_gate.run([this] {
            hide();
            emit escaped();
        });
    });
}

void YearEntry::open()
{
    show();
    raise();
    m_umNumberEdit1->setFocus();
    m_umNumberEdit1->selectAll();
}

void YearEntry::placePointer(pointer::Geometry& geometry) const
{
    geometry.panel25 = pos();
    geometry.panel29 = m_panel29->pos();
    geometry.speedButton54Left = m_speedButton54->x();
}

bool YearEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_umNumberEdit1) {
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_gate.run([this, &key] { umNumberEdit1KeyDown(key); });
                return key == 0;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            QTimer::singleShot(0, this, [this] { umNumberEdit1Click(); });
        }
    }
    return QFrame::eventFilter(watched, event);
}

void YearEntry::SpeedButton54Click()
{
    emit confirming();
    const QString text = m_umNumberEdit1->text();
    if (text.isEmpty() || text == QLatin1String("0")) {
        hide();
        emit closed();
        return;
    }
    const int year = m_umNumberEdit1->Value();
    if (year < FirstYear || year > LastYear) {
        m_gate.warnAtOk(texts::MessageYearOutOfRange(), YearWarningOkBelowCentre, false);
        return;
    }
    emit yearEntered(year);
    hide();
    emit closed();
}

void YearEntry::umNumberEdit1KeyDown(int& key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        key = 0;
        SpeedButton54Click();
    }
}

void YearEntry::umNumberEdit1Click()
{
    m_umNumberEdit1->selectAll();
}
