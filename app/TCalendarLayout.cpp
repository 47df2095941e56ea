#include "app/CalendarTexts.h"
#include "app/TCalendar.h"
#include "controls/Colours.h"
#include "controls/DevicePictures.h"
#include "controls/Hints.h"
#include "controls/MoonPictures.h"
#include "controls/TJPanelTexture.h"
#include "controls/TMonthCalendar.h"
#include "controls/TMoon.h"
#include "controls/TumNumberEdit.h"
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace {
// Wide enough for the longest time text ("10:59A", "-01:15") in the toolbar's font; it still ends before the next icon.
constexpr int SunLabelWidth = 35;

QFrame* createPanel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
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
            MonthCalendar[n - 1] = month;
        }
        QFrame* bar = createPanel(this, QStringLiteral("Panel%1").arg(row * 8 + 1), QRect(0, tops[row] + 4, 794, 23),
                                  colours::Navy);
        bar->setFocusPolicy(Qt::ClickFocus);
        (row == 0 ? Panel1 : row == 1 ? Panel9 : Panel17) = bar;
    }
    Panel0 = createPanel(this, QStringLiteral("Panel0"), QRect(-3, 138, 800, 5), colours::Face);
    Panel26 = createPanel(this, QStringLiteral("Panel26"), QRect(-3, 281, 800, 5), colours::Face);
    Panel27 = createPanel(this, QStringLiteral("Panel27"), QRect(0, 424, 794, 17), colours::Face);
}

QToolButton* TCalendar::createSpeedButton(const QString& name, int left, int width, const QString& glyph,
                                          const QString& hint)
{
    auto* button = new QToolButton(JPanelTexture1);
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
    Panel28 = new QFrame(this);
    Panel28->setObjectName(QStringLiteral("Panel28"));
    Panel28->setGeometry(-1, 428, 795, 25);
    Panel28->setFrameStyle(QFrame::Panel | QFrame::Raised);

    JPanelTexture1 = new TJPanelTexture(Panel28);
    JPanelTexture1->setObjectName(QStringLiteral("JPanelTexture1"));
    JPanelTexture1->setGeometry(0, 1, 794, 23);
    JPanelTexture1->setCaption(QStringLiteral("JPanelTexture1"));
    JPanelTexture1->setJTexture(QImage(QStringLiteral(":/texture.png")));
    JPanelTexture1->setJStyleTexture(txTile);

    Image1 = createImage(JPanelTexture1, QStringLiteral("Image1"), QRect(4, 4, 16, 15),
                         devicePixmap(QStringLiteral(":/sunrise.png")));
    hints::setHint(Image1, texts::HintSunrise);
    Label3 = new QLabel(texts::SunriseDesign, JPanelTexture1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(24, 5, SunLabelWidth, 13);
    Image2 = createImage(JPanelTexture1, QStringLiteral("Image2"), QRect(60, 4, 16, 15),
                         devicePixmap(QStringLiteral(":/sunset.png")));
    hints::setHint(Image2, texts::HintSunset);
    Label4 = new QLabel(texts::SunsetDesign, JPanelTexture1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(80, 5, SunLabelWidth, 13);
    for (QLabel* label : {Label3, Label4}) {
        QFont small = label->font();
        small.setPixelSize(10);
        label->setFont(small);
        setLabelColour(label, colours::Navy);
    }
    Image3 = createImage(JPanelTexture1, QStringLiteral("Image3"), QRect(118, 4, 16, 15), initialMoonPicture());
    hints::setHint(Image3, texts::HintMoon);

    // Kept above the toolbar's top edge: it only computes the phase; Image3 shows the moon.
    Moon1 = new TMoon(m_services.clock, JPanelTexture1);
    Moon1->setObjectName(QStringLiteral("Moon1"));
    Moon1->setGeometry(158, -29, 20, 19);
    Moon1->setCustomTime(QStringLiteral("10/3/01 1:02:13 PM"));
    Moon1->setPhase(3.3285272346711317L);
    Moon1->setMoonDisplayType(mdtUsePhaseAngle);

    SpeedButton11 = createSpeedButton(QStringLiteral("SpeedButton11"), 1, 25, QStringLiteral("glyph_previous"),
                                      texts::HintPrevious);
    SpeedButton10 = createSpeedButton(QStringLiteral("SpeedButton10"), 28, 75, QString(), texts::HintYear);
    QFont bold = SpeedButton10->font();
    bold.setBold(true);
    bold.setPixelSize(11);
    SpeedButton10->setFont(bold);
    setTextColour(SpeedButton10, colours::Navy);
    SpeedButton9 =
        createSpeedButton(QStringLiteral("SpeedButton9"), 105, 25, QStringLiteral("glyph_next"), texts::HintNext);
    SpeedButton8 =
        createSpeedButton(QStringLiteral("SpeedButton8"), 132, 32, QStringLiteral("glyph_view"), texts::HintView);
    SpeedButton7 = createSpeedButton(QStringLiteral("SpeedButton7"), 167, 21, QStringLiteral("glyph_size"),
                                     texts::HintCompactSize);
    SpeedButton7->hide();
    SpeedButton6 =
        createSpeedButton(QStringLiteral("SpeedButton6"), 291, 25, QStringLiteral("glyph_year"), texts::HintYearEntry);
    SpeedButton3 =
        createSpeedButton(QStringLiteral("SpeedButton3"), 202, 48, QStringLiteral("glyph_close"), texts::HintClose);
    SpeedButton5 = createSpeedButton(QStringLiteral("SpeedButton5"), 639, 29, QStringLiteral("glyph_week"),
                                     texts::HintWeekNumbers);
    SpeedButton4 = createSpeedButton(QStringLiteral("SpeedButton4"), 259, 29, QStringLiteral("glyph_params"),
                                     texts::HintParameters);
    SpeedButton1 =
        createSpeedButton(QStringLiteral("SpeedButton1"), 318, 29, QStringLiteral("glyph_ontop"), texts::HintOnTop);
    SpeedButton2 =
        createSpeedButton(QStringLiteral("SpeedButton2"), 349, 29, QStringLiteral("glyph_tray"), texts::HintTray);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Tray1 = PopupMenu1->addAction(texts::Tray);
    Tray1->setObjectName(QStringLiteral("Tray1"));
    SpeedButton7->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TCalendar::createYearEntryPanel()
{
    Panel25 = createPanel(this, QStringLiteral("Panel25"), QRect(323, 215, 155, 54), colours::Face);
    Panel25->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = new QLabel(texts::YearLabel, Panel25);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(4, 10);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    setTextColour(Label1, colours::Navy);
    Label1->adjustSize();
    umNumberEdit1 = new TumNumberEdit(Panel25);
    umNumberEdit1->setObjectName(QStringLiteral("umNumberEdit1"));
    umNumberEdit1->setGeometry(28, 7, 120, 21);
    Panel29 = createPanel(Panel25, QStringLiteral("Panel29"), QRect(47, 32, 62, 19), colours::DarkFace);
    SpeedButton54 = new QToolButton(Panel29);
    SpeedButton54->setObjectName(QStringLiteral("SpeedButton54"));
    SpeedButton54->setGeometry(0, 0, 62, 19);
    SpeedButton54->setAutoRaise(true);
    SpeedButton54->setText(texts::Ok);
    setTextColour(SpeedButton54, colours::Navy);
    Panel25->hide();
}

void TCalendar::createTitlePanels()
{
    static const int lefts[3][4] = {{40, 239, 438, 637}, {40, 239, 431, 630}, {40, 239, 438, 637}};
    static const int tops[3] = {7, 150, 294};
    QFont bold = font();
    bold.setBold(true);
    // Narrow enough that the longest title ("11 November 2024") fits its 112-pixel panel.
    bold.setPixelSize(10);
    for (int n = 1; n <= 12; ++n) {
        const int row = (n - 1) / 4, column = (n - 1) % 4;
        auto* title = new QLabel(texts::DesignTitle, this);
        title->setObjectName(QStringLiteral("Panel%1").arg(29 + n));
        title->setGeometry(lefts[row][column], tops[row], 112, 16);
        title->setAlignment(Qt::AlignCenter);
        title->setAutoFillBackground(true);
        title->setFont(bold);
        QPalette palette = title->palette();
        palette.setColor(QPalette::Window, colours::Navy);
        palette.setColor(QPalette::WindowText, colours::Yellow);
        title->setPalette(palette);
        TitlePanel[n - 1] = title;
    }
}
