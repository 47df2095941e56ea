#include "dialog/THome.h"
#include "controls/Hints.h"
#include "controls/TCurrencyEdit.h"
#include "dialog/HomeTexts.h"
#include "prefs/OffsetList.h"
#include "prefs/PrefsFile.h"
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

namespace {
const QColor FaceColour(224, 208, 168);
const QColor ButtonPanelColour(192, 176, 144);
const QColor Navy(0, 0, 128);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->adjustSize();
    label->move(left, top);
    return label;
}

TCurrencyEdit* makeNumericField(QWidget* parent, const QString& name, const QString& pattern, const QRect& geometry)
{
    auto* field = new TCurrencyEdit(parent);
    field->setObjectName(name);
    field->setDisplayPattern(pattern);
    field->setGeometry(geometry);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QLineEdit* makeTextField(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}
} // namespace

// Wide enough for its caption in the dialog's font; it still ends before "Hints".
constexpr int MilitaryBoxWidth = 128;

THome::THome(Services& services, const QString& prefsFolder, QWidget* calendar, QString& PrefsFlags, QWidget* parent)
    : QDialog(parent), m_services(services), m_prefsFolder(prefsFolder), m_calendar(calendar), PrefsFlags(PrefsFlags)
{
    setObjectName(QStringLiteral("Home"));
    setWindowTitle(HomeTexts::Caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(204, 164);
    // Small enough that every caption fits the fixed layout whatever the desktop's own font size.
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);
    QPalette face = palette();
    face.setColor(QPalette::Window, FaceColour);
    face.setColor(QPalette::WindowText, Navy);
    face.setColor(QPalette::ButtonText, Navy);
    setPalette(face);
    setAutoFillBackground(true);

    createControls();
    connectHandlers();
}

void THome::createControls()
{
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->setLineWidth(2);
    Panel3->setGeometry(5, 5, 193, 129);

    // The hidden numeric fields lie under the position fields they hold the values of.
    CurrencyEditN1 =
        makeNumericField(Panel3, QStringLiteral("CurrencyEditN1"), QStringLiteral("00.00"), QRect(63, 8, 121, 21));
    CurrencyEditN1->hide();
    CurrencyEditW2 =
        makeNumericField(Panel3, QStringLiteral("CurrencyEditW2"), QStringLiteral("00.00"), QRect(63, 32, 121, 21));
    CurrencyEditW2->hide();

    Label2 = makeLabel(Panel3, QStringLiteral("Label2"), HomeTexts::LatitudeCaption, 22, 12);
    Edit1 = makeTextField(Panel3, QStringLiteral("Edit1"), QRect(63, 8, 121, 21));
    Label1 = makeLabel(Panel3, QStringLiteral("Label1"), HomeTexts::LongitudeCaption, 20, 36);
    Edit2 = makeTextField(Panel3, QStringLiteral("Edit2"), QRect(63, 32, 121, 21));
    Label3 = makeLabel(Panel3, QStringLiteral("Label3"), HomeTexts::GmtOffsetCaption, 5, 61);
    CurrencyEditGMT3 =
        makeNumericField(Panel3, QStringLiteral("CurrencyEditGMT3"), QStringLiteral("0"), QRect(63, 57, 121, 21));
    Label4 = makeLabel(Panel3, QStringLiteral("Label4"), HomeTexts::OffsetListCaption, 13, 85);

    ComboBox1 = new QComboBox(Panel3);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    // Typing into the list's edit box chooses nothing, and Enter must not add what was typed as an entry.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(OffsetList::texts());
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setGeometry(63, 81, 121, 21);
    ComboBox1->setFocusPolicy(Qt::ClickFocus);

    CheckBox1 = makeCheckBox(Panel3, QStringLiteral("CheckBox1"), HomeTexts::MilitaryTimeCaption,
                             QRect(7, 107, MilitaryBoxWidth, 17));
    CheckBox2 = makeCheckBox(Panel3, QStringLiteral("CheckBox2"), HomeTexts::HintsCaption, QRect(139, 107, 45, 17));

    Memo1 = new QPlainTextEdit(Panel3);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->hide();

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::NoFrame);
    Panel2->setGeometry(10, 136, 182, 26);
    Panel2->setFocusPolicy(Qt::TabFocus);

    Panel1 = new QFrame(Panel2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::NoFrame);
    Panel1->setGeometry(60, 2, 62, 23);
    QPalette buttonFace = Panel1->palette();
    buttonFace.setColor(QPalette::Window, ButtonPanelColour);
    buttonFace.setColor(QPalette::Button, ButtonPanelColour);
    Panel1->setPalette(buttonFace);
    Panel1->setAutoFillBackground(true);

    SpeedButton54 = new QToolButton(Panel1);
    SpeedButton54->setObjectName(QStringLiteral("SpeedButton54"));
    SpeedButton54->setText(HomeTexts::SaveCaption);
    SpeedButton54->setAutoRaise(true);
    SpeedButton54->setFocusPolicy(Qt::NoFocus);
    SpeedButton54->setGeometry(0, 0, 62, 23);
}

void THome::connectHandlers()
{
    connect(Edit1, &QLineEdit::textChanged, this, &THome::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &THome::Edit1Change);
    connect(CurrencyEditGMT3, &TCurrencyEdit::changed, this, &THome::Edit1Change);
    connect(CurrencyEditGMT3, &TCurrencyEdit::entered, this, &THome::CurrencyEditGMT3Enter);
    connect(ComboBox1, qOverload<int>(&QComboBox::currentIndexChanged), this, &THome::ComboBox1Change);
    connect(ComboBox1, qOverload<int>(&QComboBox::activated), this, &THome::ComboBox1Change);
    // Ticking a box from the file fires these as a click would.
    connect(CheckBox1, &QCheckBox::toggled, this, &THome::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &THome::CheckBox2Click);
    connect(SpeedButton54, &QToolButton::clicked, this, &THome::SpeedButton54Click);
}

QString THome::prefsPath() const
{
    return PrefsFile::pathIn(m_prefsFolder);
}

bool THome::loadPreferences(int& MilitaryTime, QString* message)
{
    if (message)
        message->clear();
    const QString path = prefsPath();
    const std::optional<PrefsFile> file = PrefsFile::load(path);
    if (!file) {
        // Activation runs again after every box is closed; reporting each time would never let the user out.
        if (!m_openFailureReported && message)
            *message = HomeTexts::CannotOpenFile + path;
        m_openFailureReported = true;
        return false;
    }
    m_openFailureReported = false;

    setMemoLines(file->lines());
    PrefsFlags = memoLine(1);
    // Reading only ever turns the options on: military time off takes effect at the next start.
    if (prefs::flagOn(PrefsFlags, PrefsFile::FlagMilitaryTime)) {
        CheckBox1->setChecked(true);
        MilitaryTime = 1;
    }
    if (prefs::flagOn(PrefsFlags, PrefsFile::FlagHints)) {
        CheckBox2->setChecked(true);
        ActivateHint();
    }
    Edit2->setText(memoLine(2));
    Edit1->setText(memoLine(3));
    CurrencyEditGMT3->setValue(prefs::gmtOffsetFromLine(memoLine(4)));
    return true;
}

QString THome::memoLine(int n) const
{
    if (n < 1)
        return QString();
    const QTextBlock block = Memo1->document()->findBlockByNumber(n - 1);
    return block.isValid() ? block.text() : QString();
}

QStringList THome::memoLines() const
{
    QStringList lines;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

void THome::setMemoLines(const QStringList& lines)
{
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void THome::FormActivate()
{
    m_services.pointer.moveTo(
        SpeedButton54->mapToGlobal(QPoint(SpeedButton54->width() / 2, SpeedButton54->height() / 2)));
    ParamsChanged = 0;
    Panel2->setFocus();
}

void THome::ComboBox1Change()
{
    if (const std::optional<double> hours = OffsetList::hoursAt(ComboBox1->currentIndex()))
        CurrencyEditGMT3->setValue(*hours);
}

void THome::CurrencyEditGMT3Enter()
{
    // The offset is chosen from the list, never typed.
    ComboBox1->setFocus();
}

void THome::Edit1Change()
{
    ParamsChanged = 1;
}

void THome::CheckBox1Click()
{
    ParamsChanged = 1;
}

void THome::CheckBox2Click()
{
    ActivateHint();
}

void THome::ActivateHint()
{
    if (!m_calendar)
        return;
    const bool on = CheckBox2->isChecked();
    const QList<QWidget*> controls = m_calendar->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!hints::hasShowHint(control))
            continue;
        // The month calendars keep their Julian-date hint whatever the switch says.
        if (on)
            hints::setShowHint(control, true);
        else if (!control->objectName().contains(HomeTexts::AlwaysHintedName))
            hints::setShowHint(control, false);
    }
}

void THome::SpeedButton54Click()
{
    const QString flags = prefs::updatedFlags(PrefsFlags, CheckBox1->isChecked(), CheckBox2->isChecked());
    const PrefsFile file(prefs::savedLines(flags, Edit2->text(), Edit1->text(), CurrencyEditGMT3->valueText()));
    const QString path = prefsPath();
    if (!file.save(path)) {
        m_services.prompter.error(HomeTexts::CannotCreateFile + path);
        return;
    }
    PrefsFlags = flags;
    // Memo1 holds what a new read would give, the characters the file cannot hold already replaced.
    setMemoLines(PrefsFile::fromBytes(file.toBytes()).lines());

    if (ParamsChanged == 1) {
        const QSize desktop = m_services.pointer.desktopSize();
        m_services.pointer.moveTo(QPoint(desktop.width() / 2 + 10, desktop.height() / 2 + 30));
        m_services.prompter.warning(HomeTexts::RestartMessage);
    }
    accept();
}

void THome::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void THome::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* desktop = screen())
            move(desktop->geometry().center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}
