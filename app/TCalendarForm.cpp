#include "app/CalendarTexts.h"
#include "app/SystemServices.h"
#include "app/TCalendar.h"
#include "astro/SunRiseSet.h"
#include "controls/Colours.h"
#include "controls/DevicePictures.h"
#include "controls/Hints.h"
#include "controls/MoonPictures.h"
#include "controls/TJPanelTexture.h"
#include "controls/TMonthCalendar.h"
#include "controls/TMoon.h"
#include "controls/TumNumberEdit.h"
#include "runtime/DateText.h"
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <utility>

namespace {
// The sun times use the room up to the next picture: the sunrise label ends where the sunset icon starts, the
// sunset label 2 pixels before the moon picture.
constexpr int SunriseLabelWidth = 60 - 24;
constexpr int SunsetLabelWidth = 118 - 2 - 80;
constexpr int SunTimePixels = 10;
constexpr int SmallestSunTimePixels = 7;

// The widest time text the report can produce for an event kind in a font: every whole hour a scan can reach (0 to
// 24), both clock styles. Each digit stands as the font's widest one, which bounds every minute and hour of the same
// form, so only the few distinct forms are measured (shaping every text would cost the start-up millions of
// instructions).
int widestSunText(const QFontMetrics& metrics, int eventKind)
{
    QChar widestDigit(u'0');
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(digit);
    QSet<QString> forms;
    for (int military = 0; military <= 1; ++military)
        for (int hh = 0; hh <= 24; ++hh) {
            QString form = sunEventText(eventKind, military, hh, 0);
            for (QChar& c : form)
                if (c.isDigit())
                    c = widestDigit;
            forms.insert(form);
        }
    int widest = 0;
    for (const QString& form : std::as_const(forms))
        widest = std::max(widest, metrics.horizontalAdvance(form));
    return widest;
}

// The largest size, at most the toolbar's, at which both labels hold their widest texts.
QFont sunTimeFont(QFont font)
{
    for (int pixels = SunTimePixels; pixels > SmallestSunTimePixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (widestSunText(metrics, 1) <= SunriseLabelWidth && widestSunText(metrics, 2) <= SunsetLabelWidth)
            return font;
    }
    font.setPixelSize(SmallestSunTimePixels);
    return font;
}

QFrame* createPanel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setAutoFillBackground(true);
    colours::paint(panel, QPalette::Window, colour);
    return panel;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    colours::paint(widget, QPalette::WindowText, colour);
    colours::paint(widget, QPalette::ButtonText, colour);
}

QLabel* createImage(QWidget* parent, const QString& name, const QRect& geometry, const QPixmap& picture)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(picture);
    return image;
}
} // namespace

void TCalendar::createMonthGrid()
{
    static const int lefts[4] = {0, 199, 398, 597};
    static const int tops[3] = {0, 143, 286};
    const TDateTime createdAt = rt::timeOf(now());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int n = row * 4 + column + 1;
            auto* month = new TMonthCalendar(createdAt, this);
            month->setObjectName(QStringLiteral("MonthCalendar%1").arg(n));
            month->move(lefts[column], tops[row]);
            month->setDate(rt::dateOf(now()));
            ui.MonthCalendar[n - 1] = month;
        }
        QFrame* bar = createPanel(this, QStringLiteral("Panel%1").arg(row * 8 + 1), QRect(0, tops[row] + 4, 794, 23),
                                  colours::Navy);
        bar->setFocusPolicy(Qt::ClickFocus);
        (row == 0 ? ui.Panel1 : row == 1 ? ui.Panel9 : ui.Panel17) = bar;
    }
    ui.Panel0 = createPanel(this, QStringLiteral("Panel0"), QRect(-3, 138, 800, 5), colours::Face);
    ui.Panel26 = createPanel(this, QStringLiteral("Panel26"), QRect(-3, 281, 800, 5), colours::Face);
    ui.Panel27 = createPanel(this, QStringLiteral("Panel27"), QRect(0, 424, 794, 17), colours::Face);
}

QToolButton* TCalendar::createSpeedButton(const QString& name, int left, int width, const QString& glyph,
                                          const QString& hint)
{
    auto* button = new QToolButton(ui.JPanelTexture1);
    button->setObjectName(name);
    button->setGeometry(left, 2, width, 19);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (!glyph.isEmpty()) {
        button->setIcon(QIcon(QStringLiteral(":/%1.png").arg(glyph)));
        button->setIconSize(QSize(16, 16));
    }
    hints::setHint(button, hint);
    return button;
}

void TCalendar::createToolbar()
{
    ui.Panel28 = new QFrame(this);
    ui.Panel28->setObjectName(QStringLiteral("Panel28"));
    ui.Panel28->setGeometry(-1, 428, 795, 25);
    ui.Panel28->setFrameStyle(QFrame::Panel | QFrame::Raised);

    ui.JPanelTexture1 = new TJPanelTexture(ui.Panel28);
    ui.JPanelTexture1->setObjectName(QStringLiteral("JPanelTexture1"));
    ui.JPanelTexture1->setGeometry(0, 1, 794, 23);
    ui.JPanelTexture1->setCaption(QStringLiteral("JPanelTexture1"));
    ui.JPanelTexture1->setJTexture(QImage(QStringLiteral(":/texture.png")));
    ui.JPanelTexture1->setJStyleTexture(txTile);

    createSunDisplay();

    ui.SpeedButton11 = createSpeedButton(QStringLiteral("SpeedButton11"), 1, 25, QStringLiteral("glyph_previous"),
                                         texts::HintPrevious);
    ui.SpeedButton10 = createSpeedButton(QStringLiteral("SpeedButton10"), 28, 75, QString(), texts::HintYear);
    QFont bold = ui.SpeedButton10->font();
    bold.setBold(true);
    bold.setPixelSize(11);
    ui.SpeedButton10->setFont(bold);
    setTextColour(ui.SpeedButton10, colours::Navy);
    ui.SpeedButton9 =
        createSpeedButton(QStringLiteral("SpeedButton9"), 105, 25, QStringLiteral("glyph_next"), texts::HintNext);
    ui.SpeedButton8 =
        createSpeedButton(QStringLiteral("SpeedButton8"), 132, 32, QStringLiteral("glyph_view"), texts::HintView);
    ui.SpeedButton7 = createSpeedButton(QStringLiteral("SpeedButton7"), 167, 21, QStringLiteral("glyph_size"),
                                        texts::HintCompactSize);
    ui.SpeedButton7->hide();
    ui.SpeedButton6 =
        createSpeedButton(QStringLiteral("SpeedButton6"), 291, 25, QStringLiteral("glyph_year"), texts::HintYearEntry);
    ui.SpeedButton3 =
        createSpeedButton(QStringLiteral("SpeedButton3"), 202, 48, QStringLiteral("glyph_close"), texts::HintClose);
    ui.SpeedButton5 = createSpeedButton(QStringLiteral("SpeedButton5"), 639, 29, QStringLiteral("glyph_week"),
                                        texts::HintWeekNumbers);
    ui.SpeedButton4 = createSpeedButton(QStringLiteral("SpeedButton4"), 259, 29, QStringLiteral("glyph_params"),
                                        texts::HintParameters);
    ui.SpeedButton1 =
        createSpeedButton(QStringLiteral("SpeedButton1"), 318, 29, QStringLiteral("glyph_ontop"), texts::HintOnTop);
    ui.SpeedButton2 =
        createSpeedButton(QStringLiteral("SpeedButton2"), 349, 29, QStringLiteral("glyph_tray"), texts::HintTray);

    ui.PopupMenu1 = new QMenu(this);
    ui.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    ui.Tray1 = ui.PopupMenu1->addAction(texts::Tray);
    ui.Tray1->setObjectName(QStringLiteral("Tray1"));
    ui.SpeedButton7->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TCalendar::createSunDisplay()
{
    ui.Image1 = createImage(ui.JPanelTexture1, QStringLiteral("Image1"), QRect(4, 4, 16, 15),
                            devicePixmap(QStringLiteral(":/sunrise.png")));
    hints::setHint(ui.Image1, texts::HintSunrise);
    ui.Label3 = new QLabel(texts::SunriseDesign, ui.JPanelTexture1);
    ui.Label3->setObjectName(QStringLiteral("Label3"));
    ui.Label3->setGeometry(24, 5, SunriseLabelWidth, 13);
    ui.Image2 = createImage(ui.JPanelTexture1, QStringLiteral("Image2"), QRect(60, 4, 16, 15),
                            devicePixmap(QStringLiteral(":/sunset.png")));
    hints::setHint(ui.Image2, texts::HintSunset);
    ui.Label4 = new QLabel(texts::SunsetDesign, ui.JPanelTexture1);
    ui.Label4->setObjectName(QStringLiteral("Label4"));
    ui.Label4->setGeometry(80, 5, SunsetLabelWidth, 13);
    const QFont timeFont = sunTimeFont(ui.Label3->font());
    for (QLabel* label : {ui.Label3, ui.Label4}) {
        label->setFont(timeFont);
        colours::paint(label, QPalette::WindowText, colours::Navy);
    }
    ui.Image3 = createImage(ui.JPanelTexture1, QStringLiteral("Image3"), QRect(118, 4, 16, 15), initialMoonPicture());
    hints::setHint(ui.Image3, texts::HintMoon);

    // Kept above the toolbar's top edge, out of sight: Image3 shows the moon, from the day's phase.
    ui.Moon1 = new TMoon(m_services.clock, ui.JPanelTexture1);
    ui.Moon1->setObjectName(QStringLiteral("Moon1"));
    ui.Moon1->setGeometry(158, -29, 20, 19);
    ui.Moon1->setCustomTime(QStringLiteral("10/3/01 1:02:13 PM"));
    ui.Moon1->setPhase(3.3285272346711317L);
    ui.Moon1->setMoonDisplayType(mdtUsePhaseAngle);
}

void TCalendar::createYearEntryPanel()
{
    ui.Panel25 = createPanel(this, QStringLiteral("Panel25"), QRect(323, 215, 155, 54), colours::Face);
    ui.Panel25->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.Label1 = new QLabel(texts::YearLabel, ui.Panel25);
    ui.Label1->setObjectName(QStringLiteral("Label1"));
    ui.Label1->move(4, 10);
    QFont bold = ui.Label1->font();
    bold.setBold(true);
    ui.Label1->setFont(bold);
    setTextColour(ui.Label1, colours::Navy);
    ui.Label1->adjustSize();
    ui.umNumberEdit1 = new TumNumberEdit(ui.Panel25);
    ui.umNumberEdit1->setObjectName(QStringLiteral("umNumberEdit1"));
    ui.umNumberEdit1->setGeometry(28, 7, 120, 21);
    ui.Panel29 = createPanel(ui.Panel25, QStringLiteral("Panel29"), QRect(47, 32, 62, 19), colours::DarkFace);
    ui.SpeedButton54 = new QToolButton(ui.Panel29);
    ui.SpeedButton54->setObjectName(QStringLiteral("SpeedButton54"));
    ui.SpeedButton54->setGeometry(0, 0, 62, 19);
    ui.SpeedButton54->setAutoRaise(true);
    ui.SpeedButton54->setText(texts::Ok);
    setTextColour(ui.SpeedButton54, colours::Navy);
    ui.Panel25->hide();
}

void TCalendar::createTitlePanels()
{
    static const int lefts[3][4] = {{40, 239, 438, 637}, {40, 239, 431, 630}, {40, 239, 438, 637}};
    static const int tops[3] = {7, 150, 294};
    QFont bold = font();
    bold.setBold(true);
    // Narrow enough that the longest title ("11 November 2024") fits its 112-pixel panel.
    bold.setPixelSize(10);
    for (int n = 1; n <= grid::Calendars; ++n) {
        const int row = (n - 1) / 4, column = (n - 1) % 4;
        auto* title = new QLabel(texts::DesignTitle, this);
        title->setObjectName(QStringLiteral("Panel%1").arg(29 + n));
        title->setGeometry(lefts[row][column], tops[row], 112, 16);
        title->setAlignment(Qt::AlignCenter);
        title->setAutoFillBackground(true);
        title->setFont(bold);
        colours::paint(title, QPalette::Window, colours::Navy);
        colours::paint(title, QPalette::WindowText, colours::Yellow);
        ui.TitlePanel[n - 1] = title;
    }
}

void TCalendar::createTray()
{
    m_tray.setAvailable([] { return QSystemTrayIcon::isSystemTrayAvailable(); });
    ui.RxTrayIcon1 = new QSystemTrayIcon(QIcon(QStringLiteral(":/icon.png")), this);
    ui.RxTrayIcon1->setObjectName(QStringLiteral("RxTrayIcon1"));
    ui.TrayMenu = new QMenu(this);
    ui.TrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    ui.TrayShowHide = ui.TrayMenu->addAction(texts::TrayHide);
    ui.TrayShowHide->setObjectName(QStringLiteral("TrayShowHide"));
    ui.TrayParameters = ui.TrayMenu->addAction(texts::TrayParameters);
    ui.TrayParameters->setObjectName(QStringLiteral("TrayParameters"));
    ui.TrayMenu->addSeparator();
    ui.TrayQuit = ui.TrayMenu->addAction(texts::TrayQuit);
    ui.TrayQuit->setObjectName(QStringLiteral("TrayQuit"));
    ui.RxTrayIcon1->setContextMenu(ui.TrayMenu);
    showTrayTip();
    // Offscreen and some desktops have no notification area yet, or none at all; the icon shows once one appears.
    if (m_tray.start())
        ui.RxTrayIcon1->show();
    watchNotificationArea(this, SLOT(trayAreaChanged()));
}

void TCalendar::connectTrayMenu()
{
    // The item names what it will do, read when the menu opens.
    connect(ui.TrayMenu, &QMenu::aboutToShow, this,
            [this] { ui.TrayShowHide->setText(isVisible() && !isMinimized() ? texts::TrayHide : texts::TrayShow); });
    connect(ui.TrayShowHide, &QAction::triggered, this, [this] {
        if (isVisible() && !isMinimized())
            m_gate.run([this] { Tray1Click(); });
        else
            m_gate.run([this] { RxTrayIcon1Click(); });
    });
    connect(ui.TrayParameters, &QAction::triggered, this, [this] { m_gate.run([this] { SpeedButton4Click(); }); });
    connect(ui.TrayQuit, &QAction::triggered, this, [this] { m_gate.run([this] { SpeedButton3Click(); }); });
}

void TCalendar::connectHandlers()
{
    for (int n = 1; n <= grid::Calendars; ++n)
        connect(ui.MonthCalendar[n - 1], &TMonthCalendar::OnClick, this, [this, n] { MonthCalendarClick(n); });
    connect(ui.Timer1, &QTimer::timeout, this, &TCalendar::Timer1Timer);
    const std::pair<QToolButton*, void (TCalendar::*)()> buttons[] = {
        {ui.SpeedButton11, &TCalendar::BitBtn2Click},     {ui.SpeedButton10, &TCalendar::BitBtn4Click},
        {ui.SpeedButton9, &TCalendar::BitBtn3Click},      {ui.SpeedButton8, &TCalendar::BitBtn1Click},
        {ui.SpeedButton7, &TCalendar::BitBtn7Click},      {ui.SpeedButton6, &TCalendar::BitBtn6Click},
        {ui.SpeedButton3, &TCalendar::SpeedButton3Click}, {ui.SpeedButton4, &TCalendar::SpeedButton4Click},
        {ui.SpeedButton5, &TCalendar::SpeedButton5Click}, {ui.SpeedButton1, &TCalendar::SpeedButton1Click},
        {ui.SpeedButton2, &TCalendar::SpeedButton2Click}, {ui.SpeedButton54, &TCalendar::SpeedButton54Click}};
    for (const auto& [button, handler] : buttons)
        connect(button, &QToolButton::clicked, this,
                [this, handler = handler] { m_gate.run([this, handler] { (this->*handler)(); }); });
    connect(ui.Tray1, &QAction::triggered, this, [this] { m_gate.run([this] { Tray1Click(); }); });
    connect(ui.SpeedButton7, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ui.PopupMenu1->popup(ui.SpeedButton7->mapToGlobal(at)); });
    connect(ui.RxTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A left click brings the window back; the right button opens the icon's menu, as desktop users expect. A
        // double-click is reported after its first click already did, and the middle button does nothing.
        if (reason == QSystemTrayIcon::Trigger)
            m_gate.run([this] { RxTrayIcon1Click(); });
    });
    connectTrayMenu();
    ui.umNumberEdit1->installEventFilter(this);
    createKeys();
}
