#include "app/Toolbar.h"
#include "app/CalendarNames.h"
#include "app/CalendarTexts.h"
#include "app/ControlLook.h"
#include "app/WindowFrame.h"
#include "controls/Colours.h"
#include "controls/FocusFrame.h"
#include "controls/Hints.h"
#include "controls/TJPanelTexture.h"
#include "runtime/DateText.h"
#include "runtime/Services.h"
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QToolButton>

namespace {
using toolbar::Button;

// The commands in the order they are built, take the Tab and are said.
struct Command
{
    Button button;
    const QString& name;
    int left, width;
    const char* glyph;
    QString (*hint)();
    QKeySequence keys;
    QString (*spokenName)();
    QString (*description)();
    void (Toolbar::*clicked)();
};

const Command* commands()
{
    // Ctrl with the arrows, Home and letters leaves the keys of a focused calendar (arrows, Page Up and Down, Home
    // and End) and of the year field to them.
    static const Command table[] = {
        {toolbar::Previous, names::SpeedButton11, 1, 25, "glyph_previous", texts::HintPrevious,
         QKeySequence(Qt::CTRL | Qt::Key_Left), texts::NamePrevious, texts::DescriptionPrevious,
         &Toolbar::previousClicked},
        {toolbar::Year, names::SpeedButton10, 28, 75, nullptr, texts::HintYear, QKeySequence(Qt::CTRL | Qt::Key_Home),
         texts::NameYear, texts::DescriptionYear, &Toolbar::yearClicked},
        {toolbar::Next, names::SpeedButton9, 105, 25, "glyph_next", texts::HintNext,
         QKeySequence(Qt::CTRL | Qt::Key_Right), texts::NameNext, texts::DescriptionNext, &Toolbar::nextClicked},
        {toolbar::View, names::SpeedButton8, 132, 32, "glyph_view", texts::HintView, QKeySequence(Qt::CTRL | Qt::Key_M),
         texts::NameView, texts::DescriptionView, &Toolbar::viewClicked},
        {toolbar::CompactSize, names::SpeedButton7, 167, 21, "glyph_size", texts::HintCompactSize,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), texts::NameCompactSize, texts::DescriptionCompactSize,
         &Toolbar::compactSizeClicked},
        {toolbar::YearEntry, names::SpeedButton6, 291, 25, "glyph_year", texts::HintYearEntry,
         QKeySequence(Qt::CTRL | Qt::Key_Y), texts::NameYearEntry, texts::DescriptionYearEntry,
         &Toolbar::yearEntryClicked},
        {toolbar::Close, names::SpeedButton3, 202, 48, "glyph_close", texts::HintClose,
         QKeySequence(Qt::CTRL | Qt::Key_Q), texts::NameClose, texts::DescriptionClose, &Toolbar::closeClicked},
        {toolbar::WeekNumbers, names::SpeedButton5, 639, 29, "glyph_week", texts::HintWeekNumbers,
         QKeySequence(Qt::CTRL | Qt::Key_W), texts::NameWeekNumbers, texts::DescriptionWeekNumbers,
         &Toolbar::weekNumbersClicked},
        {toolbar::Parameters, names::SpeedButton4, 259, 29, "glyph_params", texts::HintParameters,
         QKeySequence(Qt::CTRL | Qt::Key_Comma), texts::NameParameters, texts::DescriptionParameters,
         &Toolbar::parametersClicked},
        {toolbar::OnTop, names::SpeedButton1, 318, 29, "glyph_ontop", texts::HintOnTop,
         QKeySequence(Qt::CTRL | Qt::Key_T), texts::NameOnTop, texts::DescriptionOnTop, &Toolbar::onTopClicked},
        {toolbar::Tray, names::SpeedButton2, 349, 29, "glyph_tray", texts::HintTray, QKeySequence(Qt::CTRL | Qt::Key_H),
         texts::NameTray, texts::DescriptionTray, &Toolbar::trayClicked},
    };
    static_assert(std::size(table) == toolbar::Buttons);
    return table;
}
} // namespace

Toolbar::Toolbar(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* window, QWidget* tabAfter)
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
    createButtons();
    createKeys(tabAfter);
    describe(this, texts::NameToolbar(), texts::DescriptionToolbar());
}

void Toolbar::createButtons()
{
    for (int i = 0; i < toolbar::Buttons; ++i) {
        const Command& command = commands()[i];
        auto* button = new FramedToolButton(m_texture);
        button->setObjectName(command.name);
        button->setGeometry(command.left, 2, command.width, 19);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (command.glyph) {
            button->setIcon(QIcon(QStringLiteral(":/%1.png").arg(QLatin1String(command.glyph))));
            button->setIconSize(QSize(16, 16));
        }
        hints::setHint(button, command.hint());
        connect(button, &QToolButton::clicked, this, command.clicked);
        m_button[command.button] = button;
    }
    QToolButton* year = m_button[toolbar::Year];
    QFont bold = year->font();
    bold.setBold(true);
    bold.setPixelSize(11);
    year->setFont(bold);
    setTextColour(year, colours::Navy);
    QToolButton* compactSize = m_button[toolbar::CompactSize];
    compactSize->hide();
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
    for (int i = 0; i < toolbar::Buttons; ++i) {
        const Command& command = commands()[i];
        QToolButton* button = m_button[command.button];
        const QString keys = command.keys.toString(QKeySequence::NativeText);
        auto* action = new QAction(this);
        action->setObjectName(names::Keys(command.name));
        action->setShortcut(command.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        parentWidget()->addAction(action);
        // The button's own click: the same command; a command the view hides does nothing.
        connect(action, &QAction::triggered, button, [button] {
            if (!button->isHidden() && button->isEnabled())
                button->click();
        });
        hints::setHint(button, texts::HintWithKeys().arg(hints::hint(button), keys));
        describe(button, command.spokenName(), texts::DescriptionWithKeys().arg(command.description(), keys));
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
    m_button[toolbar::YearEntry]->setVisible(!compact);
    m_button[toolbar::CompactSize]->setVisible(compact);
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

QList<about::Shortcut> Toolbar::shortcuts() const
{
    QList<about::Shortcut> list;
    for (int i = 0; i < toolbar::Buttons; ++i)
        list.append({commands()[i].keys.toString(QKeySequence::NativeText), commands()[i].spokenName()});
    return list;
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
    return m_button[commands()[toolbar::Buttons - 1].button];
}
