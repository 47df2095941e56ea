// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar/Toolbar.h"
#include "controls/Colours.h"
#include "controls/FocusFrame.h"
#include "controls/Hints.h"
#include "controls/TJPanelTexture.h"
#include "runtime/DateText.h"
#include "runtime/Services.h"
#include "shared/CalendarNames.h"
#include "shared/CalendarTexts.h"
#include "shared/ControlLook.h"
#include "shared/WindowFrame.h"
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QToolButton>

namespace {
using toolbar::Button;

// How each button looks and is described; which command it runs, its name, picture and keys come from the window's
// table of actions.
struct Look
{
    int left, width;
    QString (*hint)();
    QString (*description)();
};

const Look& lookOf(int button)
{
    // In the order of toolbar::Button.
    static const Look looks[] = {
        {1, 25, texts::HintPrevious, texts::DescriptionPrevious},
        {28, 75, texts::HintYear, texts::DescriptionYear},
        {105, 25, texts::HintNext, texts::DescriptionNext},
        {132, 32, texts::HintView, texts::DescriptionView},
        {167, 21, texts::HintCompactSize, texts::DescriptionCompactSize},
        {291, 25, texts::HintYearEntry, texts::DescriptionYearEntry},
        {639, 29, texts::HintWeekNumbers, texts::DescriptionWeekNumbers},
        {202, 48, texts::HintClose, texts::DescriptionClose},
        {349, 29, texts::HintTray, texts::DescriptionTray},
        {318, 29, texts::HintOnTop, texts::DescriptionOnTop},
        {259, 29, texts::HintParameters, texts::DescriptionParameters},
    };
    static_assert(std::size(looks) == toolbar::Buttons);
    return looks[button];
}
} // namespace

Toolbar::Toolbar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* window, QWidget* tabAfter,
                 const std::vector<Action>& actions)
    : QFrame(window), m_clock(services.clock)
{
    setObjectName(names::Panel28);
    setGeometry(-1, 428, 795, 25);
    setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_texture = new TJPanelTexture(this);
    m_texture->setObjectName(names::JPanelTexture1);
    m_texture->setGeometry(0, 1, 794, 23);
    m_texture->setCaption(names::JPanelTexture1);
    m_texture->setJTexture(QImage(QStringLiteral(":/texture.png")));
    m_texture->setJStyleTexture(txTile);
    m_sun = new SunDisplay(services, gate, preferences, m_texture);
    // The buttons in the table's order, which is also their Tab order and the order they are said in.
    for (const Action& action : actions)
        if (action.button >= 0)
            m_actions.push_back(&action);
    Q_ASSERT(m_actions.size() == toolbar::Buttons);
    createButtons();
    createKeys(tabAfter);
    describe(this, texts::NameToolbar(), texts::DescriptionToolbar());
}

void Toolbar::createButtons()
{
    for (const Action* action : m_actions) {
        const Look& look = lookOf(action->button);
        auto* button = new FramedToolButton(m_texture);
        button->setObjectName(action->name);
        button->setGeometry(look.left, 2, look.width, 19);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (action->icon) {
            button->setIcon(QIcon(QStringLiteral(":/%1.png").arg(QLatin1String(action->icon))));
            button->setIconSize(QSize(16, 16));
        }
        hints::setHint(button, look.hint());
        connect(button, &QToolButton::clicked, this, [run = action->run] { run(); });
        // A command of the other view only: the full view shows first.
        if (!(action->views & Action::FullView))
            button->hide();
        m_button[action->button] = button;
    }
    QToolButton* year = m_button[toolbar::Year];
    QFont bold = year->font();
    bold.setBold(true);
    bold.setPixelSize(11);
    year->setFont(bold);
    setTextColour(year, colours::Navy);
    QToolButton* compactSize = m_button[toolbar::CompactSize];
    m_button[toolbar::OnTop]->setCheckable(true);

    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(names::PopupMenu1);
    m_tray1 = m_popupMenu1->addAction(texts::MenuTray());
    m_tray1->setObjectName(names::Tray1);
    connect(m_tray1, &QAction::triggered, this, &Toolbar::tray1Triggered);
    compactSize->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(compactSize, &QWidget::customContextMenuRequested, this,
            [this, compactSize](const QPoint& at) { m_popupMenu1->popup(compactSize->mapToGlobal(at)); });
}

void Toolbar::createKeys(QWidget* tabAfter)
{
    QWidget* previous = tabAfter;
    for (const Action* command : m_actions) {
        QToolButton* button = m_button[command->button];
        const QString keys = command->keys.toString(QKeySequence::NativeText);
        auto* action = new QAction(this);
        action->setObjectName(names::Keys(command->name));
        action->setShortcut(command->keys);
        action->setShortcutContext(Qt::WindowShortcut);
        parentWidget()->addAction(action);
        // The button's own click: the same command; a command the view hides does nothing.
        connect(action, &QAction::triggered, button, [button] {
            if (!button->isHidden() && button->isEnabled())
                button->click();
        });
        hints::setHint(button, texts::HintWithKeys().arg(hints::hint(button), keys));
        describe(button, command->text(),
                 texts::DescriptionWithKeys().arg(lookOf(command->button).description(), keys));
        button->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, button);
        previous = button;
    }
}

void Toolbar::applyLayout(const toolbar::Layout& layout)
{
    frame::setOuterSize(*parentWidget(), layout.windowWidth, layout.windowHeight);
    setGeometry(x(), layout.panel28Top, layout.panel28Width, height());
    m_texture->resize(layout.texturePanelWidth, m_texture->height());
    for (int i = 0; i < toolbar::Buttons; ++i)
        if (layout.lefts[i] != toolbar::Unchanged)
            m_button[i]->move(layout.lefts[i], m_button[i]->y());
    if (layout.trayItemShown != toolbar::Unchanged)
        m_tray1->setVisible(layout.trayItemShown == 1);
}

void Toolbar::showCompactView(bool compact)
{
    setYearButton(texts::PatternYear, compact);
    m_sun->setShown(!compact);
    for (const Action* action : m_actions)
        m_button[action->button]->setVisible(action->views & (compact ? Action::CompactView : Action::FullView));
}

void Toolbar::setYearButton(const QString& pattern, bool janPrefix)
{
    m_yearPattern = pattern;
    m_yearJanPrefix = janPrefix;
    refreshYearButton();
}

void Toolbar::refreshYearButton()
{
    const QString text = rt::formatDateTime(m_yearPattern, rt::fromQDateTime(m_clock.now()), rt::formatSettings());
    m_button[toolbar::Year]->setText(m_yearJanPrefix ? texts::LabelJanPrefix() + text : text);
}

void Toolbar::showCompactYear(bool january)
{
    if (january)
        setYearButton(texts::PatternYear, true);
    else
        setYearButton(texts::PatternMonthYear);
}

void Toolbar::showOnTop(bool on)
{
    m_button[toolbar::OnTop]->setChecked(on);
}

void Toolbar::placePointer(pointer::Geometry& geometry) const
{
    geometry.panel28 = pos();
    geometry.speedButton3Left = m_button[toolbar::Close]->x();
    geometry.speedButton6Left = m_button[toolbar::YearEntry]->x();
    geometry.speedButton7Left = m_button[toolbar::CompactSize]->x();
    geometry.speedButton8Left = m_button[toolbar::View]->x();
    geometry.speedButtonTop = m_button[toolbar::Close]->y();
}

bool Toolbar::focusYearEntryButton()
{
    QToolButton* button = m_button[toolbar::YearEntry];
    if (!button->isVisible())
        return false;
    button->setFocus(Qt::ShortcutFocusReason);
    return true;
}

QWidget* Toolbar::lastInTabOrder() const
{
    return m_button[m_actions.back()->button];
}
